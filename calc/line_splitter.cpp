#include "calc/line_splitter.hpp"

namespace tarvel::calc {

void LineSplitter::feed(std::string_view block) {
  for (std::size_t newline; (newline = block.find('\n')) != std::string_view::npos;) {
    end(block.substr(0, newline));
    block.remove_prefix(newline + 1);
  }
  keep(block);
}

void LineSplitter::finish() {
  if (!pending_.empty()) end({});
}

void LineSplitter::end(std::string_view last) {
  if (!skipping_ && pending_.size() + last.size() > kLongestLine) {
    sink_.tooLong(number_);
  } else if (!skipping_) {
    sink_.line(number_, pending_.empty() ? last : std::string_view(pending_.append(last)));
  }
  pending_.clear();
  skipping_ = false;
  ++number_;
}

void LineSplitter::keep(std::string_view start) {
  if (skipping_) return;
  if (pending_.size() + start.size() > kLongestLine) {
    sink_.tooLong(number_);
    pending_.clear();
    skipping_ = true;
    return;
  }
  pending_.append(start);
}

}  // namespace tarvel::calc
