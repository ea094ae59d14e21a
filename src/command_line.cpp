#include "command_line.h"

#include <NTL/version.h>
#include <gmp.h>

#include <cstdio>
#include <cstring>
#include <string>

#ifdef EGYPTIAN_HAVE_FLINT
#include <flint/flint.h>
#endif

namespace {

constexpr const char* kUsage =
    "Usage: egyptian [--help | --version]\n"
    "\n"
    "Finds the Egyptian-fraction expansions of minimal length of a positive\n"
    "fraction P/Q: the smallest n for which 1/x1 + 1/x2 + ... + 1/xn = P/Q has\n"
    "solutions in positive integers under the constraints chosen, then every\n"
    "solution of that length, page by page, and a summary.\n"
    "\n"
    "The program asks its questions on standard output and reads one answer per\n"
    "line from standard input, so that a script of answers can be piped into it.\n"
    "Other arguments are ignored.\n"
    "\n"
    "  --help     show this help and exit\n"
    "  --version  show the version and those of the libraries, and exit\n"
    "\n"
    "The manual: man egyptian\n";

// The program's version, then those of the libraries it runs with. NTL tells
// its version only through its headers; GMP and FLINT tell the library's own.
std::string VersionText() {
  std::string text = "egyptian " EGYPTIAN_VERSION "\nNTL " NTL_VERSION "\nGMP ";
  text += gmp_version;
#ifdef EGYPTIAN_HAVE_FLINT
  text += "\nFLINT ";
  text += flint_version;
#endif
  return text + "\n";
}

// A text that did not reach standard output is a failure, not a success.
int Print(const std::string& text) {
  std::fputs(text.c_str(), stdout);
  return std::fflush(stdout) == 0 && std::ferror(stdout) == 0 ? 0 : 1;
}

}  // namespace

std::optional<int> AnswerCommandLine(int argc, const char* const* argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--version") == 0) return Print(VersionText());
    if (std::strcmp(argv[i], "--help") == 0) return Print(kUsage);
  }
  return std::nullopt;
}
