#include "dialogue/answer_reader.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

#include "dialogue/console.h"
#include "dialogue/terminal.h"
#include "dialogue/word_conversions.h"

std::string inputLine;
int inputLength = 0;
int choice = 0;
NTL::ZZ inputValue;
int rejectZero = 0;
NTL::ZZ digitZZ;
bool atStartOfInput = true;
char promptBuffer[kPromptBufferSize];

namespace {

[[noreturn]] void EndProgram() { std::exit(1); }

}  // namespace

void (*endOfInput)() = EndProgram;

namespace {

const std::string kByteOrderMark = "\xEF\xBB\xBF";

// Reads one line from a pipe or a file, keeping at most one byte more than
// kMaxLineLength (for the carriage return of a CRLF line end, and on the first
// line the length of a byte-order mark more) and the rest only counted as too
// long. False at the end of input when nothing at all was left.
bool ReadPipedLine(std::string& line, bool& tooLong) {
  const std::size_t room = kMaxLineLength + 1 + (atStartOfInput ? kByteOrderMark.size() : 0);
  line.clear();
  int c;
  bool any = false;
  while ((c = std::getchar()) != EOF) {
    any = true;
    if (c == '\n') break;
    if (line.size() < room)
      line.push_back(static_cast<char>(c));
    else
      tooLong = true;
  }
  return any;
}

// Reads one whole line after `prompt`; a line longer than kMaxLineLength comes
// back empty, so that it is asked again like any refused line. A byte-order
// mark at the very start of standard input is skipped; anywhere else it is a
// character like any other. False at the end of input when nothing at all was
// left to read.
bool ReadLine(const char* prompt, std::string& line) {
  bool tooLong = false;
  const bool read = InputFromTerminal() ? ReadTerminalLine(prompt, line) : ReadPipedLine(line, tooLong);
  if (!read) return false;
  if (atStartOfInput && line.compare(0, kByteOrderMark.size(), kByteOrderMark) == 0) {
    line.erase(0, kByteOrderMark.size());
  }
  atStartOfInput = false;
  // A script written on Windows ends its lines with a carriage return.
  if (!tooLong && !line.empty() && line.back() == '\r') line.pop_back();
  if (tooLong || line.size() > kMaxLineLength) line.clear();
  return true;
}

// Prints the prompt and reads lines until one is not empty.
void ReadNonEmptyLine(const char* prompt) {
  const std::size_t promptLength = std::strlen(prompt);
  inputLine.clear();
  inputLength = 0;
  while (inputLength == 0) {
    EnterPrompt();
    WriteBytes(prompt, promptLength);
    FlushOutput();
    if (!ReadLine(prompt, inputLine)) {
      // Nothing more will come: asking again would print the prompt forever.
      EndLine();
      FlushOutput();
      endOfInput();
      std::exit(1);  // should a handler ever come back
    }
    inputLength = static_cast<int>(inputLine.size() > 0x7fffffff ? 0x7fffffff : inputLine.size());
  }
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The most digits of a chunk: any number of that many digits, and 10 to that
// power, fit the 64-bit word that the chunk is added up in.
constexpr std::size_t kChunkDigits = std::numeric_limits<std::uint64_t>::digits10;

// The decimal value of digits [first, last), added up in machine words chunk by
// chunk, so that very long numbers are read in reasonable time.
void DecimalValue(std::size_t first, std::size_t last, NTL::ZZ& value) {
  NTL::ZZ scale;
  NTL::ZZ part;
  value = 0;
  while (first < last) {
    const std::size_t chunk = last - first < kChunkDigits ? last - first : kChunkDigits;
    std::uint64_t digits = 0;
    std::uint64_t factor = 1;
    for (std::size_t i = 0; i < chunk; ++i) {
      digits = digits * 10 + static_cast<std::uint64_t>(inputLine[first + i] - '0');
      factor *= 10;
    }
    SetFromU64(scale, factor);
    SetFromU64(part, digits);
    NTL::mul(value, value, scale);
    NTL::add(value, value, part);
    first += chunk;
  }
}

// Checks the line for kinds 4 (allowMinus false) and 5: 0 alone, or an optional
// sign followed by a nonzero digit and any digits. A refused line leaves
// inputValue as it was.
bool ParseInteger(bool allowMinus) {
  const std::size_t length = inputLine.size();
  std::size_t start = 0;
  bool negative = false;
  for (std::size_t i = 0; i < length; ++i) {
    if (!DigitValue(inputLine[i])) return false;
  }
  if (length == 1 && inputLine[0] == '0') {
    inputValue = 0;
    return true;
  }
  if (inputLine[0] == '+' || inputLine[0] == '-') {
    if (inputLine[0] == '-') {
      if (!allowMinus) return false;
      negative = true;
    }
    start = 1;
  }
  if (start >= length || inputLine[start] < '1' || inputLine[start] > '9') return false;
  for (std::size_t i = start + 1; i < length; ++i) {
    if (!IsDigit(inputLine[i])) return false;
  }
  DecimalValue(start, length, inputValue);
  if (negative) NTL::negate(inputValue, inputValue);
  return true;
}

bool AcceptsDigit(int kind, char c) {
  switch (kind) {
    case AnswerZeroOne: return c == '0' || c == '1';
    case AnswerOneTwo: return c == '1' || c == '2';
    case AnswerZeroToTwo: return c >= '0' && c <= '2';
    case AnswerLanguage: return c >= '1' && c <= '7';
    default: return false;
  }
}

}  // namespace

void SetPrompt(const std::string& text) {
  std::size_t count = text.size() < kPromptBufferSize - 1 ? text.size() : kPromptBufferSize - 1;
  std::memcpy(promptBuffer, text.data(), count);
  promptBuffer[count] = '\0';
}

bool DigitValue(char c) {
  if (IsDigit(c)) {
    digitZZ = c - '0';
    return true;
  }
  if (c == '+') {
    digitZZ = 1;
    return true;
  }
  if (c == '-') {
    digitZZ = -1;
    return true;
  }
  digitZZ = 0;
  return false;
}

void ReadAnswer(int kind, const char* prompt) {
  switch (kind) {
    case AnswerZeroOne:
    case AnswerOneTwo:
    case AnswerZeroToTwo:
    case AnswerLanguage:
      for (;;) {
        ReadNonEmptyLine(prompt);
        if (inputLength == 1 && AcceptsDigit(kind, inputLine[0])) {
          choice = inputLine[0] - '0';
          return;
        }
      }
    case AnswerNatural:
      for (;;) {
        ReadNonEmptyLine(prompt);
        if (ParseInteger(false) && !(rejectZero == 1 && NTL::IsZero(inputValue))) return;
      }
    case AnswerSigned:
      for (;;) {
        ReadNonEmptyLine(prompt);
        if (ParseInteger(true)) return;
      }
    default: return;
  }
}
