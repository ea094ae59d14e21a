// Command-line arguments and the environment play no part.
#include "dialogue/main_loop.h"

int main() { RunProgram(); }
