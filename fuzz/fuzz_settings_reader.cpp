// The settings file's item reader on any bytes: it must end, no item may exceed the cut or span
// lines, the items must not depend on where the blocks of the file end, the last item must be the
// one lastItem keeps, and a line the writer makes must read back.
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

// The items read with the bytes cut into two blocks at `split`.
std::vector<std::string> itemsInTwoBlocks(std::string_view bytes, std::size_t split) {
  std::vector<std::string> items;
  tarvel::settings::ItemReader reader([&](std::string_view item) { items.emplace_back(item); });
  reader.feed(bytes.substr(0, split));
  reader.feed(bytes.substr(split));
  reader.finish();
  return items;
}

void checkItems(std::string_view bytes) {
  std::optional<std::string> lastSeen;
  std::size_t count = 0;
  std::vector<std::string> items;
  tarvel::settings::forEachItem(bytes, [&](std::string_view item) {
    check(item.size() <= tarvel::settings::kMaxItemLength);
    items.emplace_back(item);
    check(item.find_first_of("\r\n") == std::string_view::npos);  // an item never spans lines
    lastSeen = std::string(item);
    ++count;
  });
  check(count <= bytes.size());  // each item consumes at least one byte
  check(tarvel::settings::lastItem(bytes) == lastSeen);
  check(itemsInTwoBlocks(bytes, bytes.size() / 2) == items);
}

// What the writer appends is read back whole, wherever the previous lines ended cleanly.
void checkRoundTrip(std::string_view bytes) {
  if (bytes.find_first_of("\"\r\n") != std::string_view::npos) return;
  const std::string line = tarvel::settings::settingsLine(true, tarvel::cp1252::decode(bytes));
  check(line == '"' + std::string(bytes) + "\"\r\n");
  const std::string kept(bytes.substr(0, tarvel::settings::kMaxItemLength));
  check(tarvel::settings::lastItem(line) == kept);
  check(tarvel::settings::lastItem("\"JN23XX\"\r\n\r\n" + line) == kept);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  checkItems(bytes);
  checkRoundTrip(bytes);
  return 0;
}
