#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <cstdio>
#include <memory>

#include "calc/console.hpp"

namespace tarvel::calc {
namespace {

struct LocalFreer {
  void operator()(LPWSTR* p) const { LocalFree(p); }
};

std::wstring wide(std::string_view text) {
  const int size = static_cast<int>(text.size());
  const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0);
  std::wstring result(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), size, result.data(), length);
  return result;
}

std::string narrow(const wchar_t* text) {
  const int length = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  if (length <= 0) return {};
  std::string result(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, -1, result.data(), length, nullptr, nullptr);
  result.pop_back();  // the terminating zero
  return result;
}

HANDLE standardHandle(Stream stream) {
  return GetStdHandle(stream == Stream::Output ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
}

bool isConsole(HANDLE handle) {
  DWORD mode = 0;
  return handle != INVALID_HANDLE_VALUE && handle != nullptr && GetConsoleMode(handle, &mode);
}

}  // namespace

bool writeText(Stream stream, std::string_view text) {
  const HANDLE handle = standardHandle(stream);
  if (isConsole(handle)) {
    const std::wstring utf16 = wide(text);
    DWORD written = 0;
    return WriteConsoleW(handle, utf16.data(), static_cast<DWORD>(utf16.size()), &written,
                         nullptr) &&
           written == utf16.size();
  }
  std::FILE* file = stream == Stream::Output ? stdout : stderr;
  return std::fwrite(text.data(), 1, text.size(), file) == text.size() && std::fflush(file) == 0;
}

bool isTerminal(Stream stream) {
  return isConsole(standardHandle(stream));
}

// The C runtime's argv is in the ANSI code page, which cannot hold every character of a position
// (the degree sign is fine in 1252, a typographic prime is not): the wide command line can.
std::vector<std::string> commandLine(int argc, char** argv) {
  int count = 0;
  const std::unique_ptr<LPWSTR, LocalFreer> arguments(
      CommandLineToArgvW(GetCommandLineW(), &count));
  if (!arguments) return {argv + (argc > 0 ? 1 : 0), argv + argc};  // out of memory: ANSI then
  std::vector<std::string> result;
  for (int i = 1; i < count; ++i)
    result.push_back(narrow(arguments.get()[i]));
  return result;
}

}  // namespace tarvel::calc
