// Reading my kept locator at load and writing it at exit.
#include <algorithm>
#include <chrono>
#include <optional>

#include "settings/file_system.hpp"
#include "settings/settings_folder.hpp"
#include "settings/settings_reader.hpp"
#include "settings/settings_writer.hpp"
#include "window/model/code_page.hpp"
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
constexpr std::string_view kTemporaryNotPlain =
    "Impossible d'enregistrer le locator : le fichier setting.tmp ne peut être écrit, c'est un "
    "lien ou un fichier spécial.";
constexpr std::string_view kTemporaryFailed =
    "Impossible d'enregistrer le locator : l'écriture du fichier setting.tmp a échoué.";
constexpr std::string_view kSettingsNotReplaced =
    "Impossible d'enregistrer le locator : le fichier SavLoc.ini n'a pas pu être remplacé.";
constexpr std::string_view kSettingsUnreadable =
    "Impossible de lire le locator enregistré : le fichier SavLoc.ini n'a pas pu être lu. Il "
    "restera tel quel, sauf si vous cochez Sauve.";

std::string notAFolder(const std::filesystem::path& path) {
  return "Impossible d'enregistrer le locator : " + settings::pathText(path) +
         " n'est pas un dossier.";
}

// The file that stands where the settings folder or one of its parents should be (~/.config made
// a file by mistake), if any.
std::optional<std::filesystem::path> fileInTheWay(FileSystem& files,
                                                  const std::filesystem::path& folder) {
  for (auto path = folder; !path.empty(); path = path.parent_path()) {
    if (files.isFolder(path)) return std::nullopt;
    if (files.exists(path)) return path;
    if (path == path.parent_path()) break;
  }
  return std::nullopt;
}

// What to tell the user when the old file stands, found by looking at the folder after the fact:
// the file system answers only yes or no at each step.
std::string_view whySaveFailed(FileSystem& files, const std::filesystem::path& folder,
                               settings::SaveResult result) {
  const bool onTemporary = result == settings::SaveResult::TemporaryNotWritten;
  const auto file = folder / (onTemporary ? settings::kTemporaryName : settings::kSettingsName);
  if (files.isFolder(file)) return onTemporary ? kTemporaryIsFolder : kSettingsIsFolder;
  if (onTemporary && files.exists(file) && !files.isPlainFile(file)) return kTemporaryNotPlain;
  if (!files.canCreateFilesIn(folder)) return kFolderProtected;
  return onTemporary ? kTemporaryFailed : kSettingsNotReplaced;
}

// Another copy closing in the same folder is waited for no longer: a copy that hangs must not
// keep this one from its own save.
constexpr std::chrono::milliseconds kLockWait{2000};

// The save, with the folder's lock held so that two copies closing together take their turns,
// and why it failed, found while the other copy cannot change the folder. Last to save, last to
// close: its locator is the one kept. None when the locator was kept.
std::optional<std::string_view> saveInTurn(FileSystem& files, const std::filesystem::path& folder,
                                           std::string_view line) {
  const auto lock = files.lockFolder(folder, kLockWait);
  const auto result = settings::saveSettingsLine(files, folder, line);
  if (result == settings::SaveResult::Saved) return std::nullopt;
  return whySaveFailed(files, folder, result);
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

// The file system opens the file and hands its blocks to the reader, which keeps only the last
// item. A missing file keeps no locator and nothing is created at load; a file that is there but
// cannot be read is reported, and left alone at exit unless the user checks the box.
void WinDurOzirozador::readSettings() {
  chooseSettingsFolder();
  settings::ItemReader reader;
  const ReadStatus status = platform().fileSystem().read(
      settings::textPath(settingsPath), [&reader](std::string_view block) { reader.feed(block); });
  const std::optional<std::string> last = reader.finish();
  settingsUnreadable = status == ReadStatus::Failed;
  if (settingsUnreadable) message(kSettingsUnreadable, MessageIcon::Exclamation);
  if (status == ReadStatus::Ok && last) Text_M_Loc.setText(cp1252::decode(*last));
}

// Deviation: entering my longitude's direction box (Tab reaches it) empties my locator, since
// that selects encoding; a keyboard user would lose the kept locator without ever seeing it. So
// when the locator is to be kept, its field is empty and my six coordinates all hold text, they
// are encoded first, as my Calcul command does.
void WinDurOzirozador::encodeLocatorToKeep() {
  const auto filled = [](const TextField* field) { return !field->text().empty(); };
  if (Check_Sauve.value() == 1 && Text_M_Loc.text().empty() &&
      std::all_of(Mon.coordinates.begin(), Mon.coordinates.end(), filled))
    Com_M_Click();
}

void WinDurOzirozador::writeSettings() {
  if (settingsUnreadable && Check_Sauve.value() == 0) return;
  encodeLocatorToKeep();
  const auto folder = chooseSettingsFolder();
  FileSystem& files = platform().fileSystem();
  const std::string line = settings::settingsLine(Check_Sauve.value() == 1, Text_M_Loc.text());
  std::string why;
  if (!files.createFolders(folder)) {
    const auto inTheWay = fileInTheWay(files, folder);
    why = inTheWay ? notAFolder(*inTheWay) : std::string(kFolderProtected);
  } else if (const auto failed = saveInTurn(files, folder, line)) {
    why = *failed;
  }
  saveFailed = !why.empty();
  if (saveFailed) message(why, MessageIcon::Exclamation);
}

}  // namespace tarvel
