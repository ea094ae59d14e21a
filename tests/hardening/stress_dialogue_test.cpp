// Random dialogues: scripts made from a seed, with valid answers of every kind
// among invalid ones (empty lines, blanks, signs, leading zeros, letters, NUL
// bytes, broken UTF-8, a line of a megabyte, numbers of 100,000 digits), for
// small problems with random constraints and paging answers. Each run must end
// with status 1 and nothing on standard error, print no more prompts than the
// script has lines (plus the one at its end), and every solution line it prints
// must satisfy the equation exactly and every constraint that was answered.
//
// The checker does not trust the generator's plan: each prompt in the output
// read exactly one line of the script, so the output itself tells which line
// answered which question.
//
// Time: the problems are small, but a random dialogue can still meet a search
// that lists thousands of solutions or runs long in silence. A run is killed
// after a few seconds; that alone is no failure (it is a long search, which the
// program may do), but everything printed until then is checked like a whole
// run, and output that grows without end (more prompts than lines, repeated or
// unordered solutions, or more than the output limit) is a failure.
//
// EGYPTIAN_STRESS_SEEDS (how many) and EGYPTIAN_STRESS_FIRST_SEED (from where)
// run more seeds; a failure names its seed.
#include <gtest/gtest.h>

#include <NTL/ZZ.h>

#include <algorithm>
#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "dialogue/answer_reader.h"
#include "support/answer_rules.h"
#include "support/run_program.h"
#include "support/transcript.h"

using NTL::ZZ;

namespace {

// Under the sanitizers every run costs several times as much: fewer seeds, more time each.
#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define EGYPTIAN_STRESS_SANITIZED 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__) || defined(EGYPTIAN_STRESS_SANITIZED)
constexpr int kRunSeconds = 4;
constexpr long kDefaultSeeds = 150;
#else
constexpr int kRunSeconds = 2;
constexpr long kDefaultSeeds = 300;
#endif

constexpr std::size_t kOutputLimit = std::size_t{64} << 20;

long EnvironmentNumber(const char* name, long otherwise) {
  const char* text = std::getenv(name);
  return text != nullptr && *text != '\0' ? std::strtol(text, nullptr, 10) : otherwise;
}

// ---------------------------------------------------------------- generator

struct Rng {
  std::mt19937_64 engine;
  explicit Rng(std::uint64_t seed) : engine(seed) {}
  long Below(long n) { return static_cast<long>(engine() % static_cast<std::uint64_t>(n)); }
  long Between(long low, long high) { return low + Below(high - low + 1); }
  bool Chance(int percent) { return Below(100) < percent; }
};

std::string HundredThousandDigits(Rng& rng) {
  std::string digits(100000, '0');
  digits[0] = static_cast<char>('1' + rng.Below(9));
  for (std::size_t i = 1; i < digits.size(); ++i) digits[i] = static_cast<char>('0' + rng.Below(10));
  return digits;
}

// Lines that no question takes.
std::string Noise(Rng& rng) {
  using namespace std::string_literals;
  static const std::vector<std::string> kNoise = {""s,
                                                  " "s,
                                                  "\t"s,
                                                  " 1"s,
                                                  "1 "s,
                                                  "+"s,
                                                  "-"s,
                                                  "00"s,
                                                  "01"s,
                                                  "-0"s,
                                                  "+0"s,
                                                  "++1"s,
                                                  "+-1"s,
                                                  "1-"s,
                                                  "1+2"s,
                                                  "a"s,
                                                  "1a"s,
                                                  "x9"s,
                                                  "\0"s,
                                                  "1\0"s,
                                                  "\0001"s,
                                                  "\xff"s,
                                                  "\xc3\x28"s,
                                                  "\xe2\x82"s,
                                                  "1.5"s,
                                                  "1e3"s,
                                                  "\xef\xbc\x91"s,
                                                  "\r"s,
                                                  "0x10"s,
                                                  "--2"s,
                                                  "2-5"s,
                                                  "-2-"s,
                                                  "1 000"s,
                                                  "\xc2\xa0"
                                                  "1"s,
                                                  "\x1b[A"s,
                                                  "8\b1"s};
  if (rng.Chance(1)) return std::string(1000000, '7') + "x";  // a line of a megabyte
  if (rng.Chance(1)) return HundredThousandDigits(rng) + "-";
  return kNoise[static_cast<std::size_t>(rng.Below(static_cast<long>(kNoise.size())))];
}

struct Script {
  std::vector<std::string> lines;
  Rng& rng;
  void Answer(const std::string& valid) {
    if (rng.Chance(30)) {
      for (long i = rng.Between(1, 3); i > 0; --i) lines.push_back(Noise(rng));
    }
    lines.push_back(valid);
  }
};

long Gcd(long a, long b) { return b == 0 ? a : Gcd(b, a % b); }

std::string Number(long value) { return std::to_string(value); }

// One calculation: P and Q, constraints or not, and paging answers that end
// the prompting (-1, 0 or -K), so that leftovers never start a calculation.
void AddCalculation(Script& s, Rng& rng) {
  const bool constraints = rng.Chance(50);
  const int type = rng.Chance(50) ? 2 : 1;
  const int parity = constraints ? static_cast<int>(rng.Below(4) == 0 ? rng.Between(1, 2) : 0) : 0;
  const long q = rng.Between(1, 40);
  const long p = rng.Between(1, parity == 0 && rng.Chance(30) ? 2 * q : q);
  const long g = Gcd(p, q);
  std::string bigFactor;
  long factor = 1;
  if (rng.Chance(3))
    bigFactor = HundredThousandDigits(rng);
  else if (rng.Chance(10))
    factor = rng.Between(2, 9);
  if (bigFactor.empty()) {
    s.Answer(Number(p * factor));
    s.Answer(Number(q * factor));
  } else {
    ZZ big = NTL::conv<ZZ>(bigFactor.c_str());
    std::ostringstream pText, qText;
    pText << big * p;
    qText << big * q;
    s.Answer(pText.str());
    s.Answer(qText.str());
  }
  s.Answer(constraints ? "1" : "0");
  if (constraints) {
    s.Answer(Number(type));
    s.Answer(Number(parity));
    if (!(parity == 1 && (q / g) % 2 == 0)) {
      // Bounds of x1 and xn, at times first in the wrong order (asked again).
      if (rng.Chance(10)) {
        const long low = rng.Between(2, 30);
        s.Answer(Number(low));
        s.Answer(Number(rng.Between(1, low)));
      }
      const long most = std::max(1L, 3 * q / p);
      long minFirst = rng.Chance(50) ? 0 : rng.Between(1, most);
      std::string minText = Number(minFirst);
      if (rng.Chance(2)) minText = HundredThousandDigits(rng);  // leaves no n
      std::string maxText = rng.Chance(50) ? "0" : Number(minFirst + rng.Between(1, 80));
      if (rng.Chance(2)) maxText = "9" + HundredThousandDigits(rng);
      s.Answer(minText);
      s.Answer(maxText);
      if (rng.Chance(10)) {
        const long low = rng.Between(2, 6);
        s.Answer(Number(low));
        s.Answer(Number(rng.Between(1, low)));
      }
      const long nLow = rng.Chance(60) ? 0 : rng.Between(1, 5);
      std::string nLowText = Number(nLow);
      if (rng.Chance(2)) nLowText = HundredThousandDigits(rng);
      // An M with no upper bound of n lets the driver search every n up to p*M/q.
      const bool boundedN = maxText != "0" ? rng.Chance(90) : rng.Chance(40);
      std::string nHighText = boundedN ? Number(nLow + rng.Between(1, 4)) : "0";
      if (rng.Chance(2)) nHighText = "9" + HundredThousandDigits(rng);
      s.Answer(nLowText);
      s.Answer(nHighText);
    }
  } else if (p >= q) {
    s.Answer(rng.Chance(50) ? "1" : "0");
  }
  static const char* const kPages[] = {"+1", "2", "3", "+2", "5"};
  for (long i = rng.Below(4); i > 0; --i) s.Answer(kPages[rng.Below(5)]);
  // Listing or counting every solution (0, -K) is what may take long.
  const long last = rng.Below(100);
  if (last < 75)
    s.Answer("-1");
  else if (last < 87)
    s.Answer("0");
  else if (last < 97)
    s.Answer(rng.Chance(50) ? "-2" : "-3");
  else
    s.Answer((rng.Chance(50) ? "-" : "") + HundredThousandDigits(rng));
}

std::string MakeScript(std::uint64_t seed) {
  Rng rng(seed);
  Script s{{}, rng};
  s.Answer(Number(rng.Between(1, 7)));
  s.Answer(rng.Chance(20) ? "1" : "0");
  const long calculations = rng.Between(1, 3);
  for (long i = 0; i < calculations; ++i) {
    AddCalculation(s, rng);
    s.Answer(i + 1 < calculations ? "1" : "0");
  }
  const std::string end = rng.Chance(20) ? "\r\n" : "\n";
  std::string text;
  for (const std::string& line : s.lines) text += line + end;
  if (rng.Chance(15)) text.resize(static_cast<std::size_t>(rng.Below(static_cast<long>(text.size()) + 1)));
  return text;
}

// ---------------------------------------------------------------- checker

// The lines as the reader takes them: split at newlines, one carriage return
// dropped, a last line without newline included.
std::vector<std::string> ScriptLines(const std::string& text) {
  std::vector<std::string> lines;
  for (std::size_t at = 0; at < text.size();) {
    std::size_t newline = text.find('\n', at);
    std::size_t end = newline == std::string::npos ? text.size() : newline;
    std::string line = text.substr(at, end - at);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.size() > kMaxLineLength) line.clear();
    lines.push_back(line);
    at = newline == std::string::npos ? text.size() : newline + 1;
  }
  return lines;
}

struct Prompt {
  MessageId id;
  int kind;
  int rejectZero;
};

const Prompt kPrompts[] = {{MsgAskExplanations, 1, 0}, {MsgAskP, 4, 1},          {MsgAskQ, 4, 1},
                           {MsgAskConstraints, 1, 0},  {MsgAskType, 2, 0},       {MsgAskParity, 3, 0},
                           {MsgAskMinFirst, 4, 0},     {MsgAskMaxLast, 4, 0},    {MsgAskMinCount, 4, 0},
                           {MsgAskMaxCount, 4, 0},     {MsgAskExcludeOne, 1, 0}, {MsgPagePrompt, 5, 0},
                           {MsgAskAgain, 1, 0}};

struct Event {
  std::size_t at;
  std::size_t length;
  const Prompt* prompt;  // nullptr: the language menu
};

// The problem as the answers set it.
struct Calculation {
  std::size_t from = 0, to = 0;  // its part of the output
  ZZ p, q;
  int constraints = 0, type = 2, parity = 0, excludeOne = 0;
  ZZ minFirst, maxLast, nLow, nHigh;
};

struct Checker {
  std::string output;
  std::vector<std::string> lines;
  int language = 0;
  std::vector<std::string> failures;

  void Fail(const std::string& what) { failures.push_back(what); }

  std::vector<Event> Events() {
    std::vector<Event> events;
    const std::string menu = transcript::kMenu;
    std::size_t at = 0;
    for (std::size_t line = 0; output.compare(at, menu.size(), menu) == 0; ++line) {
      events.push_back({at, menu.size(), nullptr});
      at += menu.size();
      int digit = 0;
      ZZ unused;
      if (line < lines.size() && answer_rules::ValidAnswer(12, 0, lines[line], digit, unused)) {
        language = digit;
        break;
      }
    }
    if (language == 0) return events;
    std::vector<Event> found;
    for (const Prompt& prompt : kPrompts) {
      const std::string text = transcript::Msg(language, prompt.id);
      for (std::size_t pos = output.find(text, at); pos != std::string::npos; pos = output.find(text, pos + 1)) {
        found.push_back({pos, text.size(), &prompt});
      }
    }
    std::sort(found.begin(), found.end(), [](const Event& a, const Event& b) { return a.at < b.at; });
    for (const Event& e : found) {
      if (!events.empty() && e.at < events.back().at + events.back().length) {
        Fail("prompt texts overlap in the output at " + std::to_string(e.at));
        continue;
      }
      events.push_back(e);
    }
    return events;
  }

  // The solution lines of one calculation, checked one by one.
  void CheckSolutions(const Calculation& c) {
    const std::string part = output.substr(c.from, c.to - c.from);
    long announced = -1;
    for (MessageId id : {MsgAtLeast, MsgItTakes}) {
      const std::string text = transcript::Msg(language, id);
      std::size_t pos = part.find(text);
      if (pos != std::string::npos) announced = std::strtol(part.c_str() + pos + text.size(), nullptr, 10);
    }
    std::vector<ZZ> previous;
    long previousNumber = 0;
    for (std::size_t pos = part.find("\t \t \t "); pos != std::string::npos; pos = part.find("\t \t \t ", pos + 1)) {
      std::size_t cursor = pos + 6;
      auto digits = [&]() {
        std::size_t start = cursor;
        while (cursor < part.size() && part[cursor] >= '0' && part[cursor] <= '9') ++cursor;
        return part.substr(start, cursor - start);
      };
      const std::string number = digits();
      if (number.empty() || part.compare(cursor, 8, "  :     ") != 0) continue;  // no solution line
      cursor += 8;
      if (cursor < part.size() && part[cursor] == ' ') ++cursor;
      std::vector<ZZ> x;
      bool complete = false;
      for (;;) {
        if (cursor < part.size() && part[cursor] == '\n') {
          complete = true;
          break;
        }
        const std::string value = digits();
        if (value.empty() || part.compare(cursor, 3, "\t \t") != 0) break;
        cursor += 3;
        x.push_back(NTL::conv<ZZ>(value.c_str()));
      }
      const std::string where = "solution " + number + ": ";
      if (!complete) {
        if (c.to != output.size()) Fail(where + "malformed line");
        continue;  // cut off by the end of the run
      }
      const long count = std::strtol(number.c_str(), nullptr, 10);
      CheckOne(c, x, where, announced);
      const bool repeatOfLast = count == previousNumber && x == previous;  // the every-K closing line
      if (!repeatOfLast) {
        if (count <= previousNumber) Fail(where + "numbered out of order");
        if (!previous.empty() && !std::lexicographical_compare(x.begin(), x.end(), previous.begin(), previous.end()))
          Fail(where + "not below the solution before it");
      }
      previous = x;
      previousNumber = count;
    }
  }

  void CheckOne(const Calculation& c, const std::vector<ZZ>& x, const std::string& where, long announced) {
    const long n = static_cast<long>(x.size());
    if (n == 0) return Fail(where + "no unknowns");
    if (announced >= 0 && n != announced) Fail(where + "not of the announced length");
    ZZ num(0), den(1);
    for (const ZZ& v : x) {
      if (v <= 0) return Fail(where + "an unknown is not positive");
      num = num * v + den;
      den *= v;
    }
    if (num * c.q != den * c.p) Fail(where + "the reciprocals do not sum to P/Q");
    for (long i = 1; i < n; ++i) {
      if (c.type == 2 ? x[i] <= x[i - 1] : x[i] < x[i - 1]) Fail(where + "unknowns out of order for the type");
    }
    for (const ZZ& v : x) {
      if ((c.parity == 1 && !NTL::IsOdd(v)) || (c.parity == 2 && NTL::IsOdd(v))) Fail(where + "wrong parity");
    }
    if (c.minFirst > 0 && x.front() < c.minFirst) Fail(where + "x1 below N");
    if (c.excludeOne == 1 && x.front() == 1) Fail(where + "x1 = 1 though excluded");
    if (c.maxLast > 0 && x.back() > c.maxLast) Fail(where + "xn above M");
    if (c.nLow > 0 && n < c.nLow) Fail(where + "n below its lower bound");
    if (c.nHigh > 0 && n > c.nHigh) Fail(where + "n above its upper bound");
  }

  void Check(const ProgramRun& run) {
    output = run.output;
    std::vector<Event> events = Events();
    if (events.size() > lines.size() + 1) Fail("more prompts than lines of input: endless output");
    std::vector<Calculation> calculations;
    const Prompt* last = nullptr;
    for (std::size_t i = 0; i < events.size() && i < lines.size(); ++i) {
      const Prompt* prompt = events[i].prompt;
      if (prompt == nullptr) continue;
      if (prompt->id == MsgAskP && (last == nullptr || last->id != MsgAskP)) {
        calculations.emplace_back();
        calculations.back().from = events[i].at;
      }
      if (prompt->id == MsgAskAgain && !calculations.empty() && calculations.back().to == 0) {
        calculations.back().to = events[i].at;
      }
      last = prompt;
      int digit = -1;
      ZZ value;
      if (calculations.empty() || !answer_rules::ValidAnswer(prompt->kind, prompt->rejectZero, lines[i], digit, value))
        continue;
      Calculation& c = calculations.back();
      switch (prompt->id) {
        case MsgAskP: c.p = value; break;
        case MsgAskQ: {
          c.q = value;
          ZZ g = NTL::GCD(c.p, c.q);
          c.p /= g;
          c.q /= g;
          break;
        }
        case MsgAskConstraints: c.constraints = digit; break;
        case MsgAskType: c.type = digit; break;
        case MsgAskParity: c.parity = digit; break;
        case MsgAskMinFirst: c.minFirst = value; break;
        case MsgAskMaxLast: c.maxLast = value; break;
        case MsgAskMinCount: c.nLow = value; break;
        case MsgAskMaxCount: c.nHigh = value; break;
        case MsgAskExcludeOne: c.excludeOne = digit; break;
        default: break;
      }
    }
    for (Calculation& c : calculations) {
      if (c.to == 0) c.to = output.size();
      if (c.q != 0) CheckSolutions(c);
    }
    if (!run.timedOut && events.size() == lines.size() + 1 && (output.empty() || output.back() != '\n'))
      Fail("the end of input is not followed by one newline");
  }
};

TEST(StressDialogue, RandomScriptsEndCleanlyAndPrintOnlyExactSolutions) {
  const long seeds = EnvironmentNumber("EGYPTIAN_STRESS_SEEDS", kDefaultSeeds);
  const long first = EnvironmentNumber("EGYPTIAN_STRESS_FIRST_SEED", 1);
  long timedOut = 0;
  for (long seed = first; seed < first + seeds; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed) + " (EGYPTIAN_STRESS_FIRST_SEED=" + std::to_string(seed) +
                 " EGYPTIAN_STRESS_SEEDS=1 repeats it)");
    const std::string script = MakeScript(static_cast<std::uint64_t>(seed));
    RunOptions options;
    options.seconds = kRunSeconds;
    options.outputLimit = kOutputLimit;
    ProgramRun run = RunProgram(script, options);
    Checker checker;
    checker.lines = ScriptLines(script);
    checker.Check(run);
    for (const std::string& failure : checker.failures) ADD_FAILURE() << failure;
    EXPECT_FALSE(run.outputLimitReached) << "endless output";
    EXPECT_EQ(run.errors, "");
    EXPECT_EQ(run.signal, run.timedOut ? SIGKILL : 0);
    if (run.timedOut) {
      ++timedOut;
      std::printf("seed %ld: a long search, stopped after %d s (%zu bytes printed, last %.1f s before)\n", seed,
                  kRunSeconds, run.output.size(), run.quietSeconds);
    } else {
      EXPECT_EQ(run.exitStatus, 1);
    }
    if (HasFailure()) break;  // one seed at a time is enough to look into
  }
  std::printf("%ld seeds from %ld, %ld stopped as long searches\n", seeds, first, timedOut);
}

}  // namespace
