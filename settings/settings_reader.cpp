#include "settings/settings_reader.hpp"

namespace tarvel::settings {
namespace {

bool isLineEnd(char c) {
  return c == '\r' || c == '\n';
}
bool isSeparator(char c) {
  return c == ',' || isLineEnd(c);
}

class ItemScanner {
 public:
  explicit ItemScanner(std::string_view bytes) : bytes_(bytes) {}

  bool atEnd() const { return position_ >= bytes_.size(); }

  std::string_view next() {
    while (!atEnd() && bytes_[position_] == ' ')
      ++position_;
    const std::string_view item = !atEnd() && bytes_[position_] == '"' ? quoted() : unquoted();
    consumeSeparator();
    return item;
  }

 private:
  std::size_t separatorFrom(std::size_t from, bool lineEndOnly) const {
    std::size_t end = from;
    while (end < bytes_.size() &&
           !(lineEndOnly ? isLineEnd(bytes_[end]) : isSeparator(bytes_[end])))
      ++end;
    return end;
  }

  std::string_view quoted() {
    const std::size_t start = position_ + 1;
    const std::size_t lineEnd = separatorFrom(start, true);
    const std::size_t quote = bytes_.substr(0, lineEnd).find('"', start);
    if (quote == std::string_view::npos) {
      position_ = lineEnd;
      return bytes_.substr(start, lineEnd - start);
    }
    position_ = separatorFrom(quote + 1, false);
    return bytes_.substr(start, quote - start);
  }

  std::string_view unquoted() {
    const std::size_t start = position_;
    position_ = separatorFrom(start, false);
    std::string_view item = bytes_.substr(start, position_ - start);
    while (!item.empty() && item.back() == ' ')
      item.remove_suffix(1);
    return item;
  }

  void consumeSeparator() {
    if (atEnd()) return;
    const char separator = bytes_[position_++];
    if (separator == '\r' && !atEnd() && bytes_[position_] == '\n') ++position_;
  }

  std::string_view bytes_;
  std::size_t position_ = 0;
};

}  // namespace

void forEachItem(std::string_view bytes, const std::function<void(std::string_view)>& visit) {
  ItemScanner scanner(bytes);
  while (!scanner.atEnd())
    visit(scanner.next());
}

std::optional<std::string> lastItem(std::string_view bytes) {
  std::optional<std::string> last;
  forEachItem(bytes, [&last](std::string_view item) { last = std::string(item); });
  return last;
}

}  // namespace tarvel::settings
