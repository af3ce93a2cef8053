#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tarvel::test_support {

// A folder of its own on the real disk, removed with what it holds.
class TemporaryFolder {
 public:
  TemporaryFolder();
  ~TemporaryFolder();
  TemporaryFolder(const TemporaryFolder&) = delete;
  TemporaryFolder& operator=(const TemporaryFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// None for a missing file, so that an absent file and an empty one differ.
std::optional<std::string> readFile(const std::filesystem::path& file);
void writeFile(const std::filesystem::path& file, std::string_view bytes);

}  // namespace tarvel::test_support
