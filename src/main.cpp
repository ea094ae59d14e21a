// The dialogue, unless the command line asks for the version or the usage.
#include "command_line.h"
#include "dialogue/main_loop.h"

int main(int argc, char** argv) {
  if (auto status = AnswerCommandLine(argc, argv)) return *status;
  RunProgram();
}
