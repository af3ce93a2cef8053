// The settings file's item reader on any bytes: it must end, every item must be a view into the
// input, the last item must be the one lastItem keeps, and a line the writer makes must read back.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "settings/settings_reader.hpp"
#include "settings/settings_writer.hpp"
#include "window/code_page.hpp"

namespace {

void check(bool condition) {
  if (!condition) __builtin_trap();
}

bool inside(std::string_view item, std::string_view bytes) {
  const auto begin = reinterpret_cast<std::uintptr_t>(bytes.data());
  const auto start = reinterpret_cast<std::uintptr_t>(item.data());
  return start >= begin && start + item.size() <= begin + bytes.size();
}

void checkItems(std::string_view bytes) {
  std::optional<std::string> lastSeen;
  std::size_t count = 0;
  tarvel::settings::forEachItem(bytes, [&](std::string_view item) {
    check(item.empty() || inside(item, bytes));
    check(item.find_first_of("\r\n") == std::string_view::npos);  // an item never spans lines
    lastSeen = std::string(item);
    ++count;
  });
  check(count <= bytes.size());  // each item consumes at least one byte
  check(tarvel::settings::lastItem(bytes) == lastSeen);
}

// What the writer appends is read back whole, wherever the previous lines ended cleanly.
void checkRoundTrip(std::string_view bytes) {
  if (bytes.find_first_of("\"\r\n") != std::string_view::npos) return;
  const std::string line = tarvel::settings::settingsLine(true, tarvel::cp1252::decode(bytes));
  check(line == '"' + std::string(bytes) + "\"\r\n");
  check(tarvel::settings::lastItem(line) == std::string(bytes));
  check(tarvel::settings::lastItem("\"JN23XX\"\r\n\r\n" + line) == std::string(bytes));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  checkItems(bytes);
  checkRoundTrip(bytes);
  return 0;
}
