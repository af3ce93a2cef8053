#include "settings/settings_writer.hpp"

#include "settings/file_system.hpp"
#include "window/code_page.hpp"

namespace tarvel::settings {

std::string settingsLine(bool keepLocator, std::string_view locator) {
  std::string line;
  if (keepLocator) line = '"' + cp1252::encode(locator) + '"';
  return line + "\r\n";
}

namespace {

bool writeTemporary(FileSystem& files, const std::filesystem::path& temporary,
                    std::string_view line) {
  const auto file = files.openForAppend(temporary);
  if (!file) return false;
  const bool written = file->write(line) && file->sync();
  const bool closed = file->close();
  return written && closed;
}

}  // namespace

bool saveSettingsLine(FileSystem& files, const std::filesystem::path& folder,
                      std::string_view line) {
  const auto temporary = folder / kTemporaryName;
  if (!writeTemporary(files, temporary, line) ||
      !files.replace(temporary, folder / kSettingsName)) {
    files.remove(temporary);
    return false;
  }
  return files.syncFolder(folder);
}

}  // namespace tarvel::settings
