// Runs the built program with chosen standard streams on a pseudo-terminal that
// the test opens itself (the suite may run with no terminal at all), types keys
// at it and collects what it writes.
#pragma once

#include <sys/types.h>
#include <termios.h>

#include <string>

// Which standard streams are on the terminal; the others are pipes.
struct TerminalStreams {
  bool input = true;
  bool output = true;
  bool errors = true;
};

class TerminalSession {
 public:
  // Long enough for the sanitizer build on a busy machine.
  static constexpr double kPatience = 60;

  // `pipedInput` is the whole of standard input when it is not on the terminal.
  explicit TerminalSession(TerminalStreams streams = {}, const std::string& pipedInput = "");
  ~TerminalSession();  // kills the program if it still runs
  TerminalSession(const TerminalSession&) = delete;
  TerminalSession& operator=(const TerminalSession&) = delete;

  void Type(const std::string& keys);
  void Signal(int signal);
  // Waits until the terminal shows `text` after what earlier waits found, and
  // moves past it; false after `seconds`.
  bool WaitFor(const std::string& text, double seconds = kPatience);
  // The same on standard output, when it is a pipe.
  bool WaitForOutput(const std::string& text, double seconds = kPatience);
  // Waits for the prompt that ends with `promptEnd`, then types `answer` and Enter.
  bool Answer(const std::string& promptEnd, const std::string& answer);
  // Waits for the end of the program: its exit status, 128 + the signal that
  // ended it, or -1 when it still runs after `seconds`.
  int WaitForEnd(double seconds = kPatience);
  bool Running();

  const std::string& Screen() const { return screen_; }  // every byte the terminal received
  const std::string& Output() const { return output_; }  // standard output, when on a pipe
  const std::string& Errors() const { return errors_; }  // standard error, when on a pipe
  // Whether the terminal's modes are those it had before the program started.
  bool ModesAsBefore() const;

 private:
  // Takes what the program wrote, waiting up to `seconds` for it; false when nothing came.
  bool Pump(double seconds);
  bool WaitIn(const std::string& stream, std::size_t& from, const std::string& text, double seconds);

  int master_ = -1;
  int slave_ = -1;
  int outputPipe_ = -1;
  int errorsPipe_ = -1;
  pid_t child_ = -1;
  int status_ = -1;
  std::size_t seenOnScreen_ = 0;  // where the next waits start looking
  std::size_t seenInOutput_ = 0;
  std::string screen_, output_, errors_;
  termios startModes_{};
};
