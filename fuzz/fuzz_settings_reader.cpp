// The settings file's reader, the one the program loads SavLoc.ini with, on any bytes: it must end,
// no item may exceed the cut or span lines, the items and the one it keeps must not depend on where
// the blocks of the file end, the kept one must be the last it handed over, and a line the writer
// makes must read back.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/settings_reader.hpp"
#include "settings/settings_writer.hpp"
#include "window/model/code_page.hpp"

namespace {

void check(bool condition) {
  if (!condition) __builtin_trap();
}

struct Read {
  std::vector<std::string> items;
  std::optional<std::string> last;
};

// The bytes fed in two blocks, cut at `split`.
Read readInTwoBlocks(std::string_view bytes, std::size_t split) {
  Read read;
  tarvel::settings::ItemReader reader([&read](std::string_view item) {
    check(item.size() <= tarvel::settings::kMaxItemLength);
    check(item.find_first_of("\r\n") == std::string_view::npos);  // an item never spans lines
    read.items.emplace_back(item);
  });
  reader.feed(bytes.substr(0, split));
  reader.feed(bytes.substr(split));
  read.last = reader.finish();
  return read;
}

// As the program reads it: the file's blocks and nothing else.
std::optional<std::string> lastItem(std::string_view bytes) {
  tarvel::settings::ItemReader reader;
  reader.feed(bytes);
  return reader.finish();
}

void checkItems(std::string_view bytes) {
  const Read whole = readInTwoBlocks(bytes, bytes.size());
  check(whole.items.size() <= bytes.size());  // each item consumes at least one byte
  check(whole.last == (whole.items.empty() ? std::nullopt : std::optional(whole.items.back())));
  check(lastItem(bytes) == whole.last);
  const Read halves = readInTwoBlocks(bytes, bytes.size() / 2);
  check(halves.items == whole.items && halves.last == whole.last);
}

// What the writer appends is read back whole, wherever the previous lines ended cleanly.
void checkRoundTrip(std::string_view bytes) {
  if (bytes.find_first_of("\"\r\n") != std::string_view::npos) return;
  const std::string line = tarvel::settings::settingsLine(true, tarvel::cp1252::decode(bytes));
  check(line == '"' + std::string(bytes) + "\"\r\n");
  const std::string kept(bytes.substr(0, tarvel::settings::kMaxItemLength));
  check(lastItem(line) == kept);
  check(lastItem("\"JN23XX\"\r\n\r\n" + line) == kept);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  checkItems(bytes);
  checkRoundTrip(bytes);
  return 0;
}
