#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

#include "adif/held_output.hpp"

// The files of the adif command: the log read in blocks, its bytes written to standard output as
// they are (never in a text mode), the log replaced in one step, and the anonymous file a
// record's held bytes overflow to. log_file_posix.cpp and log_file_win32.cpp hold the system's
// side; each failure is thrown with a French text that says what and why.
namespace tarvel::calc {

struct ReadFailed : std::runtime_error {
  using std::runtime_error::runtime_error;
};
struct WriteFailed : std::runtime_error {
  using std::runtime_error::runtime_error;
};

inline constexpr std::size_t kLogBlock = 1 << 16;

// Hands `consume` the log at `path` block by block, or standard input when `path` is empty.
void readLog(const std::string& path, const std::function<void(std::string_view)>& consume);

// Bytes gathered into blocks before they go to the system: a log's fields come a few bytes at a
// time.
class BlockWriter : public adif::Sink {
 public:
  void write(std::string_view bytes) override;
  void flush();

 protected:
  ~BlockWriter() = default;

 private:
  virtual void writeThrough(std::string_view bytes) = 0;
  std::string block_;
};

class StandardOutput final : public BlockWriter {
 private:
  void writeThrough(std::string_view bytes) override;
  // A Windows console is written in whole characters: one cut by the end of a block waits here.
  std::string pending_;
};

// A new log in a temporary file beside the old one (following a symbolic link to the file it
// names), made with the old one's permissions, that replaces it in one atomic step on commit.
// Without a commit the temporary file is removed and the log stays as it was.
class LogReplacement final : public BlockWriter {
 public:
  explicit LogReplacement(const std::string& log);
  ~LogReplacement();
  LogReplacement(const LogReplacement&) = delete;
  LogReplacement& operator=(const LogReplacement&) = delete;

  void commit();

 private:
  void writeThrough(std::string_view bytes) override;
  struct File;
  std::unique_ptr<File> file_;
};

// An anonymous temporary file, made when first needed, gone when the program ends.
class OverflowFile final : public adif::Overflow {
 public:
  OverflowFile();
  ~OverflowFile();
  OverflowFile(const OverflowFile&) = delete;
  OverflowFile& operator=(const OverflowFile&) = delete;

  void append(std::string_view bytes) override;
  void release(adif::Sink& out, std::uint64_t skip) override;

 private:
  struct File;
  std::unique_ptr<File> file_;
};

}  // namespace tarvel::calc
