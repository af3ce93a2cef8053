// Saving my locator at exit on a real folder when the disk fails at each step: the settings file
// is always whole, old or new, the user hears what went wrong when the old file stands (and only
// then), and the program still ends.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>

#include "settings/disk_file_system.hpp"
#include "settings/settings_folder.hpp"
#include "settings/settings_reader.hpp"
#include "tests/support/faulty_file_system.hpp"
#include "tests/support/headless_platform.hpp"
#include "tests/support/temporary_folder.hpp"
#include "tests/support/window_user.hpp"
#include "window/win_dur_ozirozador.hpp"

namespace tarvel {
namespace {

using test_support::FaultyFileSystem;
using test_support::readFile;
using test_support::SaveStep;
using test_support::TemporaryFolder;
using test_support::writeFile;

// The messages of a refused save: one opening, then what happened.
std::string refused(std::string_view what) {
  return "Impossible d'enregistrer le locator : " + std::string(what);
}
const std::string kFolderProtected = refused("le dossier des réglages est protégé en écriture.");
const std::string kSettingsIsFolder =
    refused("le fichier SavLoc.ini ne peut être écrit, c'est un dossier.");
const std::string kTemporaryIsFolder =
    refused("le fichier setting.tmp ne peut être écrit, c'est un dossier.");
const std::string kTemporaryFailed = refused("l'écriture du fichier setting.tmp a échoué.");
const std::string kSettingsNotReplaced = refused("le fichier SavLoc.ini n'a pas pu être remplacé.");
constexpr std::string_view kSettingsUnreadable =
    "Impossible de lire le locator enregistré : le fichier SavLoc.ini n'a pas pu être lu. Il "
    "restera tel quel, sauf si vous cochez Sauve.";
constexpr std::string_view kOldLocator = "JN23XX";
constexpr std::string_view kNewLocator = "IO91WM";

std::string lineOf(bool keep, std::string_view locator) {
  return keep ? '"' + std::string(locator) + "\"\r\n" : "\r\n";
}

// A program folder and a user folder on the real disk, and the file system the windows use.
class SettingsFolders {
 public:
  SettingsFolders() { std::filesystem::create_directory(program()); }

  std::filesystem::path program() const { return root_.path() / "program"; }
  std::filesystem::path user() const { return root_.path() / "home" / ".config" / "tarvel"; }

  DiskFileSystem disk;
  FaultyFileSystem files{disk};

 private:
  TemporaryFolder root_;
};

// One run of the program: load, show, whatever the user does, close.
struct ProgramRun {
  explicit ProgramRun(SettingsFolders& folders)
      : platform(folders.files, folders.program(), folders.user()) {
    window.Form_Load();
    window.show();
  }
  HeadlessPlatform platform;
  WinDurOzirozador window{platform};
};

void exitKeeping(ProgramRun& run, bool keep, std::string_view locator) {
  test_support::retypeMyLocator(run.window, locator);
  test_support::setKeepBox(run.window, keep);
  ASSERT_EQ(run.window.Text_M_Loc.text(), locator);
  ASSERT_EQ(run.window.Check_Sauve.value(), keep ? 1 : 0);
  test_support::closeWindow(run.window);
}

// The one message of the exit, or none.
void expectExitMessage(const HeadlessPlatform& platform, std::optional<std::string_view> text) {
  ASSERT_EQ(platform.messages.size(), text ? 1u : 0u);
  if (!text) return;
  EXPECT_EQ(platform.messages[0].text, *text);
  EXPECT_EQ(platform.messages[0].icon, MessageIcon::Exclamation);
  EXPECT_EQ(platform.messages[0].caption, "Tarvel-V1.1");
}

// What the user is told when a step fails in a folder that can be written.
std::optional<std::string_view> messageOnFailing(std::optional<SaveStep> step) {
  if (!step) return std::nullopt;
  switch (*step) {
    case SaveStep::OpenTemporary:
    case SaveStep::Write:
    case SaveStep::Sync:
    case SaveStep::Close:
      return kTemporaryFailed;
    case SaveStep::Replace:
      return kSettingsNotReplaced;
    case SaveStep::SyncFolder:
      return std::nullopt;  // the new file is in place: the locator was kept
  }
  return std::nullopt;
}

// The next start reads what the file holds: my locator and the box, or neither.
void expectNextStartReads(SettingsFolders& folders, std::string_view locator) {
  ProgramRun next(folders);
  EXPECT_EQ(next.window.Text_M_Loc.text(), locator);
  EXPECT_EQ(next.window.Check_Sauve.value(), locator.empty() ? 0 : 1);
  EXPECT_TRUE(next.platform.messages.empty());
}

using FaultCase = std::tuple<std::optional<SaveStep>, bool /*old file*/, bool /*keep*/>;

class SaveFaultTest : public ::testing::TestWithParam<FaultCase> {};

TEST_P(SaveFaultTest, FileStaysWholeAndAFailedSaveIsReported) {
  const auto [failing, oldFile, keep] = GetParam();
  SettingsFolders folders;
  const auto settings = folders.program() / "SavLoc.ini";
  if (oldFile) writeFile(settings, lineOf(true, kOldLocator));
  folders.files.failingStep = failing;

  ProgramRun run(folders);
  ASSERT_EQ(run.window.Text_M_Loc.text(), oldFile ? kOldLocator : "");
  EXPECT_NO_THROW(exitKeeping(run, keep, kNewLocator));

  // The rename happens before the folder is synced, so only that failure leaves the new file.
  const bool replaced = !failing || *failing == SaveStep::SyncFolder;
  const std::optional<std::string> oldContent =
      oldFile ? std::optional(lineOf(true, kOldLocator)) : std::nullopt;
  EXPECT_EQ(readFile(settings), replaced ? lineOf(keep, kNewLocator) : oldContent);
  EXPECT_FALSE(std::filesystem::exists(folders.program() / "setting.tmp"));
  expectExitMessage(run.platform, messageOnFailing(failing));
  EXPECT_TRUE(run.platform.programEnded);
  EXPECT_TRUE(run.window.ended());

  folders.files.failingStep.reset();
  expectNextStartReads(folders,
                       replaced ? (keep ? kNewLocator : "") : (oldFile ? kOldLocator : ""));
}

std::string faultCaseName(const ::testing::TestParamInfo<FaultCase>& info) {
  const auto [failing, oldFile, keep] = info.param;
  return std::string(failing ? "Failing" + std::string(test_support::stepName(*failing))
                             : std::string("NoFault")) +
         (oldFile ? "_OldFile" : "_NoFile") + (keep ? "_Kept" : "_NotKept");
}

INSTANTIATE_TEST_SUITE_P(
    EveryStep, SaveFaultTest,
    ::testing::Combine(::testing::Values(std::nullopt, std::optional(SaveStep::OpenTemporary),
                                         std::optional(SaveStep::Write),
                                         std::optional(SaveStep::Sync),
                                         std::optional(SaveStep::Close),
                                         std::optional(SaveStep::Replace),
                                         std::optional(SaveStep::SyncFolder)),
                       ::testing::Bool(), ::testing::Bool()),
    faultCaseName);

TEST(ReadOnlyProgramFolderTest, LocatorIsKeptInTheUserFolderAndReadBackFromThere) {
  SettingsFolders folders;
  folders.files.readOnlyFolders = {folders.program()};
  ASSERT_FALSE(std::filesystem::exists(folders.user()));

  ProgramRun first(folders);
  EXPECT_EQ(first.window.folderPath,
            settings::pathText(folders.user()) + char(std::filesystem::path::preferred_separator));
  exitKeeping(first, true, kNewLocator);

  expectExitMessage(first.platform, std::nullopt);
  EXPECT_TRUE(first.platform.programEnded);
  EXPECT_EQ(readFile(folders.user() / "SavLoc.ini"), lineOf(true, kNewLocator));
  EXPECT_FALSE(std::filesystem::exists(folders.program() / "SavLoc.ini"));
  EXPECT_FALSE(std::filesystem::exists(folders.program() / "setting.tmp"));

  ProgramRun second(folders);
  EXPECT_EQ(second.window.Text_M_Loc.text(), kNewLocator);
  EXPECT_EQ(second.window.Check_Sauve.value(), 1);
  EXPECT_FALSE(second.window.Com_M_RAZ.enabled());
  EXPECT_FALSE(second.window.Text_M_Lat_Deg.text().empty());  // my station computed at load
}

TEST(ReadOnlyProgramFolderTest, NoWritableFolderAtAllIsReportedAndTheProgramStillEnds) {
  SettingsFolders folders;
  folders.files.readOnlyFolders = {folders.program(), folders.user().parent_path().parent_path()};

  ProgramRun run(folders);
  EXPECT_NO_THROW(exitKeeping(run, true, kNewLocator));

  expectExitMessage(run.platform, kFolderProtected);
  EXPECT_TRUE(run.platform.programEnded);
  EXPECT_FALSE(std::filesystem::exists(folders.user()));
  EXPECT_FALSE(std::filesystem::exists(folders.program() / "SavLoc.ini"));
}

// A folder standing where a file must be written is no write-protected folder: the message names
// the file, the folder is left alone, and the old settings file stands.
struct InTheWayCase {
  const char* name;
  const char* folderName;
  std::string_view message;
};

void PrintTo(const InTheWayCase& c, std::ostream* os) {
  *os << "a folder named " << c.folderName << ": "
      << ::testing::PrintToString(std::string(c.message));
}

class FolderInTheWayTest : public ::testing::TestWithParam<InTheWayCase> {};

TEST_P(FolderInTheWayTest, MessageNamesTheFileThatCouldNotBeWritten) {
  const InTheWayCase& c = GetParam();
  SettingsFolders folders;
  const auto inTheWay = folders.program() / c.folderName;
  std::filesystem::create_directory(inTheWay);
  writeFile(inTheWay / "inside", "kept");
  const bool settingsInTheWay = std::string_view(c.folderName) == "SavLoc.ini";
  if (!settingsInTheWay) writeFile(folders.program() / "SavLoc.ini", lineOf(true, kOldLocator));

  ProgramRun run(folders);
  if (settingsInTheWay) {  // it is there and cannot be read: said at load already
    ASSERT_EQ(run.platform.messages.size(), 1u);
    EXPECT_EQ(run.platform.messages[0].text, kSettingsUnreadable);
    run.platform.messages.clear();
  }
  EXPECT_NO_THROW(exitKeeping(run, true, kNewLocator));

  expectExitMessage(run.platform, c.message);
  EXPECT_TRUE(run.platform.programEnded);
  EXPECT_TRUE(std::filesystem::is_directory(inTheWay));
  EXPECT_EQ(readFile(inTheWay / "inside"), "kept");
  if (!settingsInTheWay) {
    EXPECT_EQ(readFile(folders.program() / "SavLoc.ini"), lineOf(true, kOldLocator));
  }
  EXPECT_EQ(std::filesystem::exists(folders.program() / "setting.tmp"), !settingsInTheWay);
}

INSTANTIATE_TEST_SUITE_P(
    Folders, FolderInTheWayTest,
    ::testing::Values(InTheWayCase{"settingsFile", "SavLoc.ini", kSettingsIsFolder},
                      InTheWayCase{"temporaryFile", "setting.tmp", kTemporaryIsFolder}),
    [](const auto& info) { return std::string(info.param.name); });

// A write-protected folder that exists: the temporary file cannot be opened in it.
TEST(ReadOnlyProgramFolderTest, ExistingProtectedUserFolderKeepsItsMessage) {
  SettingsFolders folders;
  std::filesystem::create_directories(folders.user());
  folders.files.readOnlyFolders = {folders.program(), folders.user()};

  ProgramRun run(folders);
  EXPECT_NO_THROW(exitKeeping(run, true, kNewLocator));

  expectExitMessage(run.platform, kFolderProtected);
  EXPECT_FALSE(std::filesystem::exists(folders.user() / "SavLoc.ini"));
}

TEST(StaleTemporaryFileTest, NewLineFollowsTheStaleOneAndTheWholeBecomesTheSettingsFile) {
  SettingsFolders folders;
  writeFile(folders.program() / "SavLoc.ini", lineOf(true, kOldLocator));
  writeFile(folders.program() / "setting.tmp", lineOf(true, "PM95VQ"));

  ProgramRun run(folders);
  exitKeeping(run, true, kNewLocator);

  expectExitMessage(run.platform, std::nullopt);
  EXPECT_EQ(readFile(folders.program() / "SavLoc.ini"),
            lineOf(true, "PM95VQ") + lineOf(true, kNewLocator));
  EXPECT_FALSE(std::filesystem::exists(folders.program() / "setting.tmp"));
  expectNextStartReads(folders, kNewLocator);  // the last line counts
}

// Faults of the real disk, the same on Linux and on Windows: what the file system itself refuses
// or holds, not a step failed on purpose.

// Regression (scenario "a stale temporary file cut inside a line"): a cut during an earlier exit
// left half a line; the new line must still start on a line of its own and count.
TEST(RealDiskFaultTest, TemporaryFileCutInsideALineStillLetsTheNewLineCount) {
  SettingsFolders folders;
  writeFile(folders.program() / "SavLoc.ini", lineOf(true, kOldLocator));
  writeFile(folders.program() / "setting.tmp", "\"PM9");

  ProgramRun run(folders);
  exitKeeping(run, true, kNewLocator);

  expectExitMessage(run.platform, std::nullopt);
  EXPECT_EQ(readFile(folders.program() / "SavLoc.ini"), "\"PM9\r\n" + lineOf(true, kNewLocator));
  EXPECT_FALSE(std::filesystem::exists(folders.program() / "setting.tmp"));
  expectNextStartReads(folders, kNewLocator);
}

// The item is cut where it is read; the file itself is left whole when the save fails.
TEST(RealDiskFaultTest, TenMegabyteLineLoadsAndStaysWholeWhenTheSaveFails) {
  SettingsFolders folders;
  const auto settings = folders.program() / "SavLoc.ini";
  const std::string huge = '"' + std::string(10 * 1024 * 1024, 'J') + "\"\r\n";
  writeFile(settings, huge);

  {
    ProgramRun run(folders);  // the locator check refuses it with its own message
    EXPECT_EQ(run.window.Text_M_Loc.text().size(), settings::kMaxItemLength);
    EXPECT_EQ(run.window.Check_Sauve.value(), 1);
    folders.files.failingStep = SaveStep::Replace;
    test_support::setKeepBox(run.window, false);
    EXPECT_NO_THROW(test_support::closeWindow(run.window));
    EXPECT_TRUE(run.platform.programEnded);
    EXPECT_EQ(run.platform.messages.back().text, kSettingsNotReplaced);
    EXPECT_TRUE(readFile(settings) == huge) << "the 10 MB file was not left whole";
  }
  folders.files.failingStep.reset();
  ProgramRun run(folders);
  test_support::setKeepBox(run.window, false);
  test_support::closeWindow(run.window);
  EXPECT_EQ(readFile(settings), lineOf(false, ""));
}

// A user folder that cannot be created (%APPDATA% or ~/.config under a file) while the program's
// folder is read-only: the message names the file in the way, and the old file stays whole.
// Regression: it said the folder was write-protected.
TEST(RealDiskFaultTest, UnwritableUserFolderIsReportedAndTheOldFileStaysWhole) {
  SettingsFolders folders;
  writeFile(folders.program() / "SavLoc.ini", lineOf(true, kOldLocator));
  folders.files.readOnlyFolders = {folders.program()};
  const auto blocker = folders.user().parent_path().parent_path();  // "home" is a file
  std::filesystem::remove_all(blocker);
  writeFile(blocker, "not a folder");

  ProgramRun run(folders);
  EXPECT_EQ(run.window.Text_M_Loc.text(), "");  // the user folder is where the settings are read
  EXPECT_NO_THROW(exitKeeping(run, true, kNewLocator));

  expectExitMessage(run.platform, refused(settings::pathText(blocker) + " n'est pas un dossier."));
  EXPECT_TRUE(run.platform.programEnded);
  EXPECT_EQ(readFile(folders.program() / "SavLoc.ini"), lineOf(true, kOldLocator));
  EXPECT_EQ(readFile(blocker), "not a folder");
}

// Paths are UTF-16 on Windows and bytes on Linux: a program folder named with "é" or with
// letters of other scripts keeps the locator like any other.
struct FolderNameCase {
  std::string_view test;
  std::string_view folder;  // UTF-8
};

void PrintTo(const FolderNameCase& c, std::ostream* os) {
  *os << "a folder named " << ::testing::PrintToString(std::string(c.folder));
}

constexpr FolderNameCase kFolderNames[] = {
    {"Accented", "Radio\u00e9t\u00e9"},
    {"Cyrillic", "\u0420\u0430\u0434\u0438\u043e"},
    {"Chinese", "\u7121\u7dda\u5c40"},
    {"GreekAndAccented", "F6ABC \u0395\u03bb\u03bb\u03ac\u03b4\u03b1 \u00e9"},
};

class FolderNameTest : public ::testing::TestWithParam<FolderNameCase> {};

TEST_P(FolderNameTest, LocatorIsKeptAndReadBack) {
  SettingsFolders folders;
  const auto program = folders.program() / settings::textPath(GetParam().folder);
  ASSERT_TRUE(std::filesystem::create_directory(program));
  writeFile(program / "SavLoc.ini", lineOf(true, kOldLocator));
  {
    HeadlessPlatform platform(folders.files, program, folders.user());
    WinDurOzirozador window(platform);
    window.Form_Load();
    EXPECT_EQ(window.Text_M_Loc.text(), kOldLocator);
    EXPECT_EQ(window.folderPath,
              settings::pathText(program) + char(std::filesystem::path::preferred_separator));
    test_support::retypeMyLocator(window, kNewLocator);
    test_support::closeWindow(window);
    EXPECT_TRUE(platform.messages.empty());
  }
  EXPECT_EQ(readFile(program / "SavLoc.ini"), lineOf(true, kNewLocator));
  EXPECT_FALSE(std::filesystem::exists(program / "setting.tmp"));
  EXPECT_FALSE(std::filesystem::exists(folders.user()));
}

INSTANTIATE_TEST_SUITE_P(Names, FolderNameTest, ::testing::ValuesIn(kFolderNames),
                         [](const auto& info) { return std::string(info.param.test); });

}  // namespace
}  // namespace tarvel
