#include "calc/log_file.hpp"

namespace tarvel::calc {

void BlockWriter::write(std::string_view bytes) {
  if (block_.size() + bytes.size() > kLogBlock) {
    flush();
    // A long piece (a held record let go) goes on at once, without a copy.
    if (bytes.size() >= kLogBlock) {
      writeThrough(bytes);
      return;
    }
  }
  if (block_.capacity() < kLogBlock) block_.reserve(kLogBlock);
  block_.append(bytes);
}

void BlockWriter::flush() {
  if (block_.empty()) return;
  writeThrough(block_);
  block_.clear();
}

}  // namespace tarvel::calc
