#include "settings/settings_writer.hpp"

#include "settings/file_system.hpp"
#include "window/model/code_page.hpp"

namespace tarvel::settings {

std::string settingsLine(bool keepLocator, std::string_view locator) {
  std::string line;
  if (keepLocator) line = '"' + cp1252::encode(locator) + '"';
  return line + "\r\n";
}

namespace {

// A stale temporary file may end inside a line (a power cut during an earlier exit): the new line
// must start on a line of its own, or the reader would take it as the end of the stale item.
std::string lineAfterStaleContent(FileSystem& files, const std::filesystem::path& temporary,
                                  std::string_view line) {
  char lastByte = '\n';
  const auto keepLast = [&lastByte](std::string_view block) {
    if (!block.empty()) lastByte = block.back();
  };
  const bool unfinished =
      files.read(temporary, keepLast) == ReadStatus::Ok && lastByte != '\n' && lastByte != '\r';
  return (unfinished ? "\r\n" : "") + std::string(line);
}

enum class Written { Done, NotOpened, Failed };

Written writeTemporary(FileSystem& files, const std::filesystem::path& temporary,
                       std::string_view line) {
  const std::string bytes = lineAfterStaleContent(files, temporary, line);
  const auto file = files.openForAppend(temporary);
  if (!file) return Written::NotOpened;
  const bool written = file->write(bytes) && file->sync();
  const bool closed = file->close();
  return written && closed ? Written::Done : Written::Failed;
}

}  // namespace

SaveResult saveSettingsLine(FileSystem& files, const std::filesystem::path& folder,
                            std::string_view line) {
  const auto temporary = folder / kTemporaryName;
  const Written written = writeTemporary(files, temporary, line);
  if (written != Written::Done) {
    // What could not be opened is not this run's to remove: a link or a FIFO planted there stays
    // as it is, for the user to see.
    if (written == Written::Failed) files.remove(temporary);
    return SaveResult::TemporaryNotWritten;
  }
  if (!files.replace(temporary, folder / kSettingsName)) {
    files.remove(temporary);
    return SaveResult::NotReplaced;
  }
  (void)files.syncFolder(folder);
  return SaveResult::Saved;
}

}  // namespace tarvel::settings
