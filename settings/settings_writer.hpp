#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace tarvel {
class FileSystem;
}

namespace tarvel::settings {

inline constexpr std::string_view kSettingsName = "SavLoc.ini";
inline constexpr std::string_view kTemporaryName = "setting.tmp";

// The line kept at exit, in Windows-1252 bytes with CR LF: the locator between double quotes,
// unescaped, when it is kept, and an empty line when it is not.
std::string settingsLine(bool keepLocator, std::string_view locator);

// How a save ended: the new file in place, or the old one left because the temporary file could
// not be written or could not be moved over it.
enum class SaveResult { Saved, TemporaryNotWritten, NotReplaced };

// Appends the line to the temporary file (after what a stale one holds), puts it on the disk, then
// moves it over the settings file in one atomic step, so that the folder holds at every moment the
// complete old file or the complete new one. On a failure the settings file is left as it was and
// the temporary file this run wrote is removed. The folder is synced after the move, but once the
// move is done the new file is in place: a failed sync loses no locator and is not reported.
SaveResult saveSettingsLine(FileSystem& files, const std::filesystem::path& folder,
                            std::string_view line);

}  // namespace tarvel::settings
