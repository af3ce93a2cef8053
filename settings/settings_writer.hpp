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

// Appends the line to the temporary file (after what a stale one holds), puts it on the disk, then
// moves it over the settings file in one atomic step, so that the folder holds at every moment the
// complete old file or the complete new one. On any failure the settings file is left as it was,
// the temporary file this run wrote is removed, and the answer is false.
bool saveSettingsLine(FileSystem& files, const std::filesystem::path& folder,
                      std::string_view line);

}  // namespace tarvel::settings
