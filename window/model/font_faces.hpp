#pragma once

#include <span>
#include <string_view>

// The design's faces are Windows faces, which another system may lack: each comes with similar
// faces, in order of preference, for a binding to use in its place.
namespace tarvel::design {

struct SimilarFaces {
  std::string_view face;
  std::span<const std::string_view> similar;
};

namespace faces {
inline constexpr std::string_view kSans[] = {"Liberation Sans", "DejaVu Sans", "Sans Serif"};
inline constexpr std::string_view kRounded[] = {"Comic Neue", "DejaVu Sans"};
}  // namespace faces

inline constexpr SimilarFaces kSimilarFaces[] = {
    {"MS Sans Serif", faces::kSans},
    {"Arial", faces::kSans},
    {"System", faces::kSans},
    {"Comic Sans MS", faces::kRounded},
};

inline std::span<const std::string_view> similarFacesOf(std::string_view face) {
  for (const SimilarFaces& entry : kSimilarFaces) {
    if (entry.face == face) return entry.similar;
  }
  return {};
}

}  // namespace tarvel::design
