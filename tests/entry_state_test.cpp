// The calculation state that the problem entry hands to the driver.
#include <NTL/ZZ.h>
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "calculation/calculation.h"
#include "dialogue/catalog.h"
#include "support/fed_console.h"

namespace {

template <typename T>
std::string Text(const T& value) {
  std::ostringstream out;
  out << value;
  return out.str();
}

// A field of the state by name, in decimal. "firstN" is the n the driver tries
// first: it adds 1 to unknownCount and to nLow, which must agree.
std::string Field(const std::string& name) {
  const CalculationState& s = state;
  if (name == "firstN") {
    std::string n = Text(s.unknownCount + 1);
    return Text(s.nLow + 1) == n ? n : "unknownCount " + Text(s.unknownCount) + " but nLow " + Text(s.nLow);
  }
  if (name == "pEntered") return Text(s.pEntered);
  if (name == "qEntered") return Text(s.qEntered);
  if (name == "gcdValue") return Text(s.gcdValue);
  if (name == "p") return Text(s.p);
  if (name == "q") return Text(s.q);
  if (name == "constraintsOn") return Text(s.constraintsOn);
  if (name == "equationType") return Text(s.equationType);
  if (name == "parity") return Text(s.parity);
  if (name == "step") return Text(s.step);
  if (name == "minFirstEntered") return Text(s.minFirstEntered);
  if (name == "minFirst") return Text(s.minFirst);
  if (name == "maxLastEntered") return Text(s.maxLastEntered);
  if (name == "maxLast") return Text(s.maxLast);
  if (name == "excludeOne") return Text(s.excludeOne);
  if (name == "nLowEntered") return Text(s.nLowEntered);
  if (name == "nHighEntered") return Text(s.nHighEntered);
  if (name == "nLowFromFirst") return Text(s.nLowFromFirst);
  if (name == "nHighFromLast") return Text(s.nHighFromLast);
  if (name == "nHigh") return Text(s.nHigh);
  if (name == "pageSize") return Text(s.pageSize);
  return "no field " + name;
}

struct EntryCase {
  const char* name;
  // P, Q, constraints?, then type, parity, N, M, lower and upper bound of n, or the exclusion of 1.
  std::vector<const char*> answers;
  std::vector<std::pair<const char*, const char*>> expected;
};

// The rows run in order on the one program-wide state, so that each also shows
// that nothing of the row before survives the reset.
const EntryCase kCases[] = {
    {"6/4 reduced, entered values kept",
     {"6", "4", "0", "0"},
     {{"pEntered", "6"},
      {"qEntered", "4"},
      {"gcdValue", "2"},
      {"p", "3"},
      {"q", "2"},
      {"constraintsOn", "0"},
      {"equationType", "2"},
      {"parity", "0"},
      {"step", "1"},
      {"minFirst", "1"},
      {"excludeOne", "0"},
      {"firstN", "1"},
      {"pageSize", "1"}}},
    {"N 0 with even unknowns",
     {"2", "3", "1", "2", "2", "0", "0", "0", "0"},
     {{"step", "2"},
      {"minFirstEntered", "0"},
      {"minFirst", "2"},
      {"maxLastEntered", "0"},
      {"maxLast", "0"},
      {"nLowFromFirst", "2"},
      {"nHighFromLast", "0"},
      {"nHigh", "0"},
      {"firstN", "2"}}},
    {"N 4 with odd unknowns, ceiling rounds up",
     {"2", "3", "1", "1", "1", "4", "0", "0", "0"},
     {{"equationType", "1"},
      {"parity", "1"},
      {"step", "2"},
      {"minFirstEntered", "4"},
      {"minFirst", "5"},
      {"maxLast", "0"},
      {"nLowFromFirst", "4"},
      {"firstN", "4"}}},
    {"M 10 with odd unknowns",
     {"2", "3", "1", "2", "1", "0", "10", "0", "0"},
     {{"minFirst", "1"}, {"maxLastEntered", "10"}, {"maxLast", "9"}, {"nHighFromLast", "6"}, {"nHigh", "0"}}},
    {"M 1 with even unknowns leaves no M in force",
     {"2", "3", "1", "2", "2", "0", "1", "0", "0"},
     {{"minFirst", "2"}, {"maxLastEntered", "1"}, {"maxLast", "0"}, {"nHighFromLast", "0"}}},
    {"N 3 and M 4 with even unknowns meet",
     {"2", "3", "1", "2", "2", "3", "4", "0", "0"},
     {{"minFirstEntered", "3"}, {"minFirst", "4"}, {"maxLastEntered", "4"}, {"maxLast", "4"}}},
    {"no constraints after constraints",
     {"2", "3", "0"},
     {{"constraintsOn", "0"},
      {"equationType", "2"},
      {"parity", "0"},
      {"step", "1"},
      {"minFirstEntered", "0"},
      {"minFirst", "1"},
      {"maxLastEntered", "0"},
      {"maxLast", "0"},
      {"nLowEntered", "0"},
      {"nHighEntered", "0"},
      {"nLowFromFirst", "0"},
      {"nHighFromLast", "0"},
      {"nHigh", "0"},
      {"firstN", "1"}}},
    {"3/2, N 2, M 3, bounds of n 0 and 10",
     {"3", "2", "1", "2", "0", "2", "3", "0", "10"},
     {{"nLowFromFirst", "3"}, {"nHighFromLast", "4"}, {"nHigh", "4"}, {"nHighEntered", "10"}, {"firstN", "3"}}},
    {"3/2, N 2, M 3, no bounds of n",
     {"3", "2", "1", "2", "0", "2", "3", "0", "0"},
     {{"nLowFromFirst", "3"}, {"nHighFromLast", "4"}, {"nHigh", "0"}, {"nHighEntered", "0"}, {"firstN", "3"}}},
    {"1/3, N 1, lower bound of n 4",
     {"1", "3", "1", "2", "0", "1", "0", "4", "0"},
     {{"nLowFromFirst", "1"}, {"nLowEntered", "4"}, {"firstN", "4"}}},
    {"1/1, 1 excluded", {"1", "1", "0", "1"}, {{"excludeOne", "1"}, {"minFirst", "2"}, {"firstN", "1"}}},
    {"5/3, 1 excluded", {"5", "3", "0", "1"}, {{"excludeOne", "1"}, {"minFirst", "2"}}},
    {"5/3, 1 not excluded", {"5", "3", "0", "0"}, {{"excludeOne", "0"}, {"minFirst", "1"}}},
};

TEST(ProblemEntry, StateHandedToTheDriver) {
  FillCatalog(LanguageEnglish);
  for (const EntryCase& c : kCases) {
    SCOPED_TRACE(c.name);
    std::string input;
    for (const char* answer : c.answers) input += std::string(answer) + "\n";
    bool goesOn = false;
    fed::RunWithConsole(input, [&] { goesOn = EnterProblem(); });
    EXPECT_TRUE(goesOn);
    for (const auto& [field, value] : c.expected) EXPECT_EQ(Field(field), value) << field;
  }
}

}  // namespace
