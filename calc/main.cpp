#include "calc/console.hpp"
#include "calc/program.hpp"

int main(int argc, char** argv) {
  return tarvel::calc::runProgram(tarvel::calc::commandLine(argc, argv));
}
