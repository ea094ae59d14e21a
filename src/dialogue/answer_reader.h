// Answer reader: the one way in which every answer enters the program.
//
// ReadAnswer prints a prompt, reads one line and asks again with the same
// prompt, silently, until the line is a valid answer of the kind asked for.
#pragma once

#include <NTL/ZZ.h>

#include <cstddef>
#include <string>

// The kinds of answer.
enum AnswerKind {
  AnswerZeroOne = 1,    // 0 or 1
  AnswerOneTwo = 2,     // 1 or 2
  AnswerZeroToTwo = 3,  // 0, 1 or 2
  AnswerNatural = 4,    // natural number; 0 refused while rejectZero is 1
  AnswerSigned = 5,     // signed integer (the paging answer)
  AnswerLanguage = 12   // 1 to 7
};

constexpr int kPromptBufferSize = 256;

// The longest line the reader takes in (1 MiB): a longer one is read to its end
// and refused whole, so that endless input cannot exhaust the memory and no
// answer is built from part of a line.
constexpr std::size_t kMaxLineLength = std::size_t{1} << 20;

extern std::string inputLine;  // the last line read, its line end removed
extern int inputLength;
extern int choice;          // result of kinds 1, 2, 3 and 12
extern NTL::ZZ inputValue;  // result of kinds 4 and 5
extern int rejectZero;      // set by the caller around a kind-4 question
extern NTL::ZZ digitZZ;     // value of the character last classified
// True until the first line of standard input is read: a UTF-8 byte-order mark
// there, as Windows editors write it, is skipped.
extern bool atStartOfInput;
extern char promptBuffer[kPromptBufferSize];

// Copies a prompt text into promptBuffer, cut to fit if it ever were too long.
void SetPrompt(const std::string& text);

// True for a decimal digit, '+' or '-'; digitZZ becomes the character's value
// (digits 0 to 9, '+' 1, '-' -1, anything else 0).
bool DigitValue(char c);

// Asks until a valid answer of `kind` is read; an unknown kind returns at once.
// When standard input has nothing more to give, the reader ends the line and
// calls endOfInput, which ends the program with status 1; a harness that runs
// the reader on its own may put in a handler that leaves by an exception.
void ReadAnswer(int kind, const char* prompt);

extern void (*endOfInput)();
