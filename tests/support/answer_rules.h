// The rules of a valid answer, written for the tests on their own: which lines
// the answer reader must take for each kind, and the value of each.
#pragma once

#include <NTL/ZZ.h>

#include <string>

namespace answer_rules {

inline bool IsKnownKind(int kind) {
  return kind == 1 || kind == 2 || kind == 3 || kind == 4 || kind == 5 || kind == 12;
}

inline bool DigitIn(char c, char low, char high) { return c >= low && c <= high; }

// True when `line` (its line end removed) is a valid answer of `kind`; the
// answer is then in `digit` (kinds 1, 2, 3 and 12) or `value` (kinds 4 and 5).
inline bool ValidAnswer(int kind, int rejectZero, const std::string& line, int& digit, NTL::ZZ& value) {
  switch (kind) {
    case 1:
    case 2:
    case 3:
    case 12: {
      const char low = (kind == 1 || kind == 3) ? '0' : '1';
      const char high = kind == 1 ? '1' : kind == 12 ? '7' : '2';
      if (line.size() != 1 || !DigitIn(line[0], low, high)) return false;
      digit = line[0] - '0';
      return true;
    }
    case 4:
    case 5: {
      if (line == "0") {
        if (kind == 4 && rejectZero == 1) return false;
        value = 0;
        return true;
      }
      std::size_t start = 0;
      bool negative = false;
      if (!line.empty() && (line[0] == '+' || (line[0] == '-' && kind == 5))) {
        negative = line[0] == '-';
        start = 1;
      }
      if (start >= line.size() || !DigitIn(line[start], '1', '9')) return false;
      for (std::size_t i = start; i < line.size(); ++i) {
        if (!DigitIn(line[i], '0', '9')) return false;
      }
      NTL::conv(value, line.c_str() + start);  // NTL's own decimal conversion
      if (negative) NTL::negate(value, value);
      return true;
    }
    default: return false;
  }
}

}  // namespace answer_rules
