#include <unistd.h>

#include <cstdio>

#include "calc/console.hpp"

namespace tarvel::calc {

bool writeText(Stream stream, std::string_view text) {
  std::FILE* file = stream == Stream::Output ? stdout : stderr;
  return std::fwrite(text.data(), 1, text.size(), file) == text.size() && std::fflush(file) == 0;
}

bool isTerminal(Stream stream) {
  return ::isatty(stream == Stream::Output ? STDOUT_FILENO : STDERR_FILENO) == 1;
}

std::vector<std::string> commandLine(int argc, char** argv) {
  return {argv + (argc > 0 ? 1 : 0), argv + argc};
}

}  // namespace tarvel::calc
