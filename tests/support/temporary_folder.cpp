#include "tests/support/temporary_folder.hpp"

#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

namespace tarvel::test_support {

std::filesystem::path createUniqueFolder(std::string_view prefix) {
  constexpr std::string_view kLetters = "abcdefghijklmnopqrstuvwxyz0123456789";
  std::random_device seed;
  std::mt19937 random(seed());
  std::uniform_int_distribution<std::size_t> pick(0, kLetters.size() - 1);
  const auto parent = std::filesystem::temp_directory_path();
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string name = std::string(prefix) + '-';
    for (int i = 0; i < 6; ++i)
      name += kLetters[pick(random)];
    std::error_code error;
    // create_directory answers false for a folder that already exists: another name is tried.
    if (std::filesystem::create_directory(parent / name, error)) return parent / name;
  }
  throw std::runtime_error("cannot create a temporary folder in " + parent.string());
}

TemporaryFolder::TemporaryFolder() : path_(createUniqueFolder("tarvel")) {}

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
