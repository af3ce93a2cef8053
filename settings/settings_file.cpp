// Reading my kept locator at load and writing it at exit.
#include "settings/file_system.hpp"
#include "settings/settings_folder.hpp"
#include "settings/settings_reader.hpp"
#include "settings/settings_writer.hpp"
#include "window/code_page.hpp"
#include "window/win_dur_ozirozador.hpp"

namespace tarvel {
namespace {

constexpr std::string_view kCannotSave =
    "Impossible d'enregistrer le locator : le dossier des réglages est protégé en écriture.";

}  // namespace

std::filesystem::path WinDurOzirozador::chooseSettingsFolder() {
  Platform& system = platform();
  const auto folder = settings::settingsFolder(system.fileSystem(), system.programFolder(),
                                               system.userSettingsFolder());
  folderPath = settings::withSeparator(folder);
  settingsPath = folderPath + std::string(settings::kSettingsName);
  return folder;
}

void WinDurOzirozador::readSettings() {
  chooseSettingsFolder();
  std::string bytes;
  // A missing or unreadable file keeps no locator; nothing is created at load.
  if (platform().fileSystem().read(settings::textPath(settingsPath), bytes) != ReadStatus::Ok)
    return;
  settings::forEachItem(
      bytes, [this](std::string_view item) { Text_M_Loc.setText(cp1252::decode(item)); });
}

void WinDurOzirozador::writeSettings() {
  const auto folder = chooseSettingsFolder();
  FileSystem& files = platform().fileSystem();
  const std::string line = settings::settingsLine(Check_Sauve.value() == 1, Text_M_Loc.text());
  const bool saved = files.createFolders(folder) && settings::saveSettingsLine(files, folder, line);
  if (!saved) message(kCannotSave, MessageIcon::Exclamation);
}

}  // namespace tarvel
