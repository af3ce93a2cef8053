// Reading my kept locator at load and writing it at exit.
#include "settings/file_system.hpp"
#include "settings/settings_folder.hpp"
#include "settings/settings_reader.hpp"
#include "settings/settings_writer.hpp"
#include "window/code_page.hpp"
#include "window/win_dur_ozirozador.hpp"

namespace tarvel {
namespace {

constexpr std::string_view kFolderProtected =
    "Impossible d'enregistrer le locator : le dossier des réglages est protégé en écriture.";
constexpr std::string_view kSettingsIsFolder =
    "Impossible d'enregistrer le locator : le fichier SavLoc.ini ne peut être écrit, c'est un "
    "dossier.";
constexpr std::string_view kTemporaryIsFolder =
    "Impossible d'enregistrer le locator : le fichier setting.tmp ne peut être écrit, c'est un "
    "dossier.";
constexpr std::string_view kTemporaryFailed =
    "Impossible d'enregistrer le locator : l'écriture du fichier setting.tmp a échoué.";
constexpr std::string_view kSettingsNotReplaced =
    "Impossible d'enregistrer le locator : le fichier SavLoc.ini n'a pas pu être remplacé.";

// What to tell the user when the old file stands, found by looking at the folder after the fact:
// the file system answers only yes or no at each step.
std::string_view whySaveFailed(FileSystem& files, const std::filesystem::path& folder,
                               settings::SaveResult result) {
  const bool onTemporary = result == settings::SaveResult::TemporaryNotWritten;
  const auto file = folder / (onTemporary ? settings::kTemporaryName : settings::kSettingsName);
  if (files.isFolder(file)) return onTemporary ? kTemporaryIsFolder : kSettingsIsFolder;
  if (!files.canCreateFilesIn(folder)) return kFolderProtected;
  return onTemporary ? kTemporaryFailed : kSettingsNotReplaced;
}

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
  if (!files.createFolders(folder)) {
    message(kFolderProtected, MessageIcon::Exclamation);
    return;
  }
  const auto result = settings::saveSettingsLine(files, folder, line);
  if (result != settings::SaveResult::Saved)
    message(whySaveFailed(files, folder, result), MessageIcon::Exclamation);
}

}  // namespace tarvel
