// The command line end to end: --version and --help answer and exit with
// status 0 without reading standard input; any other argument leaves the
// dialogue exactly as it is without arguments.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/run_program.h"
#include "support/transcript.h"

using namespace transcript;

namespace {

const std::string kThreeSevenths = Script({"2", "0", "3", "7", "0", "0", "0"});

ProgramRun RunWith(const std::vector<std::string>& arguments, const std::string& input = kThreeSevenths) {
  RunOptions options;
  options.arguments = arguments;
  return RunProgram(input, options);
}

bool StartsWith(const std::string& text, const std::string& start) { return text.compare(0, start.size(), start) == 0; }

TEST(CommandLine, VersionNamesTheProgramAndTheLibraries) {
  // The first of --version and --help decides, wherever it stands.
  const std::vector<std::vector<std::string>> commandLines = {
      {"--version"}, {"foo", "--version"}, {"--version", "--help"}};
  for (const auto& arguments : commandLines) {
    ProgramRun run = RunWith(arguments);
    EXPECT_TRUE(StartsWith(run.output, "egyptian " EGYPTIAN_VERSION "\nNTL ")) << run.output;
    EXPECT_NE(run.output.find("\nGMP "), std::string::npos) << run.output;
#ifdef EGYPTIAN_HAVE_FLINT
    EXPECT_NE(run.output.find("\nFLINT "), std::string::npos) << run.output;
#endif
    EXPECT_EQ(run.output.back(), '\n');
    EXPECT_EQ(run.errors, "");
    EXPECT_EQ(run.exitStatus, 0);
  }
}

TEST(CommandLine, HelpSaysWhatTheProgramDoesAndWhereTheManualIs) {
  ProgramRun run = RunWith({"--help"});
  EXPECT_TRUE(StartsWith(run.output, "Usage: egyptian [--help | --version]\n")) << run.output;
  for (const char* part : {"Egyptian-fraction expansions of minimal length", "standard input", "man egyptian\n"})
    EXPECT_NE(run.output.find(part), std::string::npos) << part;
  EXPECT_EQ(run.errors, "");
  EXPECT_EQ(run.exitStatus, 0);
}

TEST(CommandLine, ATextThatCannotBeWrittenIsAFailure) {
  for (const char* argument : {"--version", "--help"}) {
    RunOptions options;
    options.arguments = {argument};
    options.outputClosed = true;
    EXPECT_EQ(RunProgram(kThreeSevenths, options).exitStatus, 1) << argument;
  }
}

TEST(CommandLine, OtherArgumentsChangeNothing) {
  ProgramRun plain = RunWith({});
  ASSERT_TRUE(StartsWith(plain.output, kMenu));
  ASSERT_NE(plain.output.find(" admits 6 solution(s)."), std::string::npos);
  ASSERT_EQ(plain.exitStatus, 1);
  const std::vector<std::vector<std::string>> commandLines = {
      {"foo"}, {"-h"}, {"-v"}, {"--Version"}, {"--version=1"}, {"--help "}, {""}, {"--"}, {"foo", "bar"}};
  for (const auto& arguments : commandLines) {
    ProgramRun run = RunWith(arguments);
    EXPECT_EQ(run.output, plain.output) << arguments[0];
    EXPECT_EQ(run.errors, "") << arguments[0];
    EXPECT_EQ(run.exitStatus, 1) << arguments[0];
  }
}

}  // namespace
