#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

// The free-format item reader of the settings file, on its bytes:
//   - items are separated by commas and line ends (CR LF, or a lone CR or LF); spaces before an
//     item are skipped, and an empty line is one empty item;
//   - a quoted item is the text up to the closing quote, commas and spaces included; what follows
//     the closing quote up to the separator is skipped; an opening quote without a closing one on
//     its line takes the rest of the line;
//   - an unquoted item is plain text up to the separator, trailing spaces removed.
// An item is cut at kMaxItemLength bytes (before its trailing spaces are removed): no locator
// needs more, and a file of any size is read in bounded memory.
namespace tarvel::settings {

inline constexpr std::size_t kMaxItemLength = 64;

// Reads the items from the bytes as they come, a block at a time (a block may end anywhere, even
// between a CR and its LF). Only the last item counts, so it is the only one kept: with the cut, a
// file of any size is read in bounded memory. `onItem`, when given, sees each item as it completes.
class ItemReader {
 public:
  using OnItem = std::function<void(std::string_view)>;
  explicit ItemReader(OnItem onItem = nullptr) : onItem_(std::move(onItem)) {}

  void feed(std::string_view bytes);
  // The end of the file completes the item under way. Answers the item that counts: the last
  // one, or none for a file without items.
  std::optional<std::string> finish();

 private:
  enum class State { Between, AfterCarriageReturn, Leading, Unquoted, Quoted, AfterQuote };

  std::size_t plainRun(std::string_view bytes) const;
  void take(char c);
  void keep(std::string_view text);
  void endItem(char separator);
  void emit();

  OnItem onItem_;
  State state_ = State::Between;
  std::string item_;
  std::optional<std::string> last_;
};

}  // namespace tarvel::settings
