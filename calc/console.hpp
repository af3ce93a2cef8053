#pragma once

#include <string>
#include <string_view>
#include <vector>

// The program's edge with its system: the arguments and the two output streams, in UTF-8.
// console_posix.cpp writes bytes; console_win32.cpp writes UTF-16 to a console, where bytes would
// be read in the console's code page, and bytes to files and pipes.
namespace tarvel::calc {

enum class Stream { Output, Error };

// False when the system refused the text (a full disk, a closed pipe).
bool writeText(Stream stream, std::string_view text);

// True when the stream is a terminal (a console on Windows), not a file or a pipe.
bool isTerminal(Stream stream);

// The arguments after the program's name, in UTF-8.
std::vector<std::string> commandLine(int argc, char** argv);

}  // namespace tarvel::calc
