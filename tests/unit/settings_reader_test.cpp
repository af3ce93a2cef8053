// The settings file's items as the reader finds them, and the line the writer makes.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/settings_folder.hpp"
#include "settings/settings_reader.hpp"
#include "settings/settings_writer.hpp"
#include "settings/system_folders.hpp"

#ifndef _WIN32
#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#endif

namespace tarvel::settings {
namespace {

struct ReadCase {
  const char* name;
  std::string bytes;
  std::vector<std::string> items;
};

void PrintTo(const ReadCase& c, std::ostream* os) {
  *os << ::testing::PrintToString(c.bytes) << " holds " << ::testing::PrintToString(c.items);
}

// The items the reader hands over as they complete, and the one it keeps at the end, the bytes
// fed `blockSize` at a time.
struct Read {
  std::vector<std::string> items;
  std::optional<std::string> last;
};

Read readInBlocks(std::string_view bytes, std::size_t blockSize) {
  Read read;
  ItemReader reader([&read](std::string_view item) { read.items.emplace_back(item); });
  for (; !bytes.empty(); bytes.remove_prefix(std::min(blockSize, bytes.size())))
    reader.feed(bytes.substr(0, blockSize));
  read.last = reader.finish();
  return read;
}

std::optional<std::string> lastItem(std::string_view bytes) {
  return readInBlocks(bytes, std::string_view::npos).last;
}

class ReaderTest : public ::testing::TestWithParam<ReadCase> {
 protected:
  void expectTheItems(const Read& read) const {
    const std::vector<std::string>& items = GetParam().items;
    EXPECT_EQ(read.items, items);
    EXPECT_EQ(read.last, items.empty() ? std::nullopt : std::optional<std::string>(items.back()));
  }
};

TEST_P(ReaderTest, FindsTheItems) {
  expectTheItems(readInBlocks(GetParam().bytes, std::string_view::npos));
}

// The disk hands the file over in blocks that may end anywhere, even between a CR and its LF.
TEST_P(ReaderTest, FindsTheSameItemsOneByteAtATime) {
  expectTheItems(readInBlocks(GetParam().bytes, 1));
}

INSTANTIATE_TEST_SUITE_P(
    Files, ReaderTest,
    ::testing::Values(
        ReadCase{"quotedLocator", "\"JN23XX\"\r\n", {"JN23XX"}},
        ReadCase{"emptyLine", "\r\n", {""}}, ReadCase{"emptyFile", "", {}},
        ReadCase{"twoLines", "\"JN23XX\"\r\n\"IO91WM\"\r\n", {"JN23XX", "IO91WM"}},
        ReadCase{"locatorThenEmptyLine", "\"JN23XX\"\r\n\r\n", {"JN23XX", ""}},
        ReadCase{"noLineEnd", "\"JN23XX\"", {"JN23XX"}},
        ReadCase{"commaAndBlanksInsideQuotes", "\" a, b \"\r\n", {" a, b "}},
        ReadCase{"afterTheClosingQuoteSkipped", "\"JN\"23,IO\r\n", {"JN", "IO"}},
        ReadCase{"blanksBeforeTheQuote", "  \"JN23XX\"\r\n", {"JN23XX"}},
        ReadCase{"loneCarriageReturn", "\"JN23XX\"\r\"IO91WM\"", {"JN23XX", "IO91WM"}},
        ReadCase{"unquotedTrimmed", "   JN23XX   \r\n", {"JN23XX"}},
        ReadCase{"commaSeparated", "a,b\r\n", {"a", "b"}},
        ReadCase{"unclosedQuoteTakesTheLine", "\"JN23\r\n\"IO91WM\"\r\n", {"JN23", "IO91WM"}},
        ReadCase{"loneLineFeeds", "\"JN23XX\"\n\n", {"JN23XX", ""}},
        ReadCase{"emptyQuoted", "\"\"\r\n", {""}},
        ReadCase{
            "bytesKeptAsTheyAre", std::string("\"\xC9\0\"\r\n", 6), {std::string("\xC9\0", 2)}}),
    [](const auto& info) { return std::string(info.param.name); });

// Regression: a 50 MB item was held whole, shown whole in my locator field and written back
// whole at exit.
TEST(Reader, CutsALongItem) {
  const std::string huge(10'000'000, 'J');
  const std::string cut(kMaxItemLength, 'J');
  EXPECT_EQ(lastItem("\"" + huge + "\"\r\n"), cut);
  EXPECT_EQ(lastItem(huge), cut);
  EXPECT_EQ(lastItem("\"" + huge), cut);
  EXPECT_EQ(lastItem(huge + "\r\n\"IO91WM\"\r\n"), "IO91WM");
  // The disk's blocks: the cut holds for the item, not for each block.
  EXPECT_EQ(readInBlocks("\"" + huge + "\"\r\n", 65536).last, cut);
}

struct LineCase {
  const char* name;
  bool keep;
  const char* locator;
  std::string bytes;
};

void PrintTo(const LineCase& c, std::ostream* os) {
  *os << ::testing::PrintToString(std::string(c.locator)) << (c.keep ? ", kept" : ", not kept")
      << ": " << ::testing::PrintToString(c.bytes);
}

class WriterTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(WriterTest, MakesTheLineInWindows1252) {
  EXPECT_EQ(settingsLine(GetParam().keep, GetParam().locator), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(Lines, WriterTest,
                         ::testing::Values(LineCase{"kept", true, "JN23XX", "\"JN23XX\"\r\n"},
                                           LineCase{"notKept", false, "JN23XX", "\r\n"},
                                           LineCase{"keptEmpty", true, "", "\"\"\r\n"},
                                           LineCase{"unescaped", true, "a\"b,c", "\"a\"b,c\"\r\n"},
                                           LineCase{"accented", true, "é", "\"\xE9\"\r\n"},
                                           LineCase{"outsideThePage", true, "Ω", "\"?\"\r\n"}),
                         [](const auto& info) { return std::string(info.param.name); });

#ifdef _WIN32
// "\" is appended only when missing; a drive's root already ends with it.
TEST(SettingsFolder, SeparatorAddedOnlyWhenMissing) {
  EXPECT_EQ(withSeparator(L"C:\\Program Files\\Tarvel"), "C:\\Program Files\\Tarvel\\");
  EXPECT_EQ(withSeparator(L"C:\\Tarvel\\"), "C:\\Tarvel\\");
  EXPECT_EQ(withSeparator(L"C:\\"), "C:\\");
}

// Windows paths are UTF-16: the folder's text is UTF-8 both ways, never the ANSI code page.
TEST(SettingsFolder, PathTextIsUtf8BothWays) {
  const std::filesystem::path folder(L"C:\\Radio\u00e9\\\u0420\u0430\u0434\u0438\u043e");
  EXPECT_EQ(pathText(folder), "C:\\Radio\xC3\xA9\\\xD0\xA0\xD0\xB0\xD0\xB4\xD0\xB8\xD0\xBE");
  EXPECT_EQ(textPath(pathText(folder)).wstring(), folder.wstring());
  EXPECT_EQ(withSeparator(folder), pathText(folder) + "\\");
}
#else
TEST(SettingsFolder, SeparatorAddedOnlyWhenMissing) {
  EXPECT_EQ(withSeparator("/opt/tarvel"), "/opt/tarvel/");
  EXPECT_EQ(withSeparator("/opt/tarvel/"), "/opt/tarvel/");
  EXPECT_EQ(withSeparator("/"), "/");
}

// Linux paths are bytes: a folder name that is not UTF-8 comes back as it was.
TEST(SettingsFolder, PathTextKeepsTheBytes) {
  const std::filesystem::path folder("/home/f6abc/Radio\xE9");
  EXPECT_EQ(pathText(folder), "/home/f6abc/Radio\xE9");
  EXPECT_EQ(textPath(pathText(folder)), folder);
}

TEST(SettingsFolder, UserFolderFollowsXdgConfigHome) {
  EXPECT_EQ(userConfigFolder("/cfg", "/home/f6abc"), "/cfg/tarvel");
  EXPECT_EQ(userConfigFolder(nullptr, "/home/f6abc"), "/home/f6abc/.config/tarvel");
  EXPECT_EQ(userConfigFolder("", "/home/f6abc"), "/home/f6abc/.config/tarvel");
  EXPECT_EQ(userConfigFolder("relative", "/home/f6abc"), "/home/f6abc/.config/tarvel");
}

// Regression: with HOME unset the home was "/", and root wrote /.config/tarvel/SavLoc.ini.
TEST(SettingsFolder, HomeFromThePasswordDatabaseWhenHomeIsUnset) {
  const std::string home = std::getenv("HOME") ? std::getenv("HOME") : "";
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  const std::string savedXdg = xdg ? xdg : "";
  ::unsetenv("HOME");
  ::setenv("XDG_CONFIG_HOME", "relative/config", 1);
  const std::filesystem::path folder = userSettingsFolder();
  if (!home.empty()) ::setenv("HOME", home.c_str(), 1);
  if (xdg)
    ::setenv("XDG_CONFIG_HOME", savedXdg.c_str(), 1);
  else
    ::unsetenv("XDG_CONFIG_HOME");
  const passwd* entry = ::getpwuid(::getuid());
  ASSERT_NE(entry, nullptr);
  EXPECT_EQ(folder, std::filesystem::path(entry->pw_dir) / ".config" / "tarvel");
}
#endif

}  // namespace
}  // namespace tarvel::settings
