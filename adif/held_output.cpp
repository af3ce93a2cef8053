#include "adif/held_output.hpp"

#include <algorithm>

namespace tarvel::adif {

void HeldOutput::append(std::string_view bytes) {
  // Reserved once, so that the string never grows past the limit by doubling.
  if (memory_.capacity() < limit_) memory_.reserve(limit_);
  const std::size_t room = overflowed_ > 0 ? 0 : limit_ - memory_.size();
  const std::size_t kept = std::min(room, bytes.size());
  memory_.append(bytes.substr(0, kept));
  if (kept == bytes.size()) return;
  overflow_.append(bytes.substr(kept));
  overflowed_ += bytes.size() - kept;
}

void HeldOutput::release(Sink& out, std::uint64_t skip) {
  const std::size_t skippedHere =
      static_cast<std::size_t>(std::min<std::uint64_t>(skip, memory_.size()));
  if (skippedHere < memory_.size()) out.write(std::string_view(memory_).substr(skippedHere));
  if (overflowed_ > 0) overflow_.release(out, skip - skippedHere);
  memory_.clear();
  overflowed_ = 0;
}

}  // namespace tarvel::adif
