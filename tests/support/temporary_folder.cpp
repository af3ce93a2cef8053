#include "tests/support/temporary_folder.hpp"

#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>
#include <string>

namespace tarvel::test_support {

// A new folder of a random name: create_directory answers false for a name already taken, so
// two tests never share one. Any error of the disk is thrown, never turned into an empty path.
TemporaryFolder::TemporaryFolder() {
  constexpr int kAttempts = 100;
  std::random_device entropy;
  const std::filesystem::path parent = std::filesystem::temp_directory_path();
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    const auto candidate = parent / ("tarvel-" + std::to_string(entropy()));
    if (std::filesystem::create_directory(candidate)) {
      path_ = candidate;
      return;
    }
  }
  throw std::runtime_error("no free temporary folder name in " + parent.string());
}

TemporaryFolder::~TemporaryFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::optional<std::string> readFile(const std::filesystem::path& file) {
  std::ifstream stream(file, std::ios::binary);
  if (!stream) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(stream), {});
}

void writeFile(const std::filesystem::path& file, std::string_view bytes) {
  std::ofstream stream(file, std::ios::binary | std::ios::trunc);
  stream.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!stream.flush()) throw std::runtime_error("cannot write " + file.string());
}

}  // namespace tarvel::test_support
