#include <cstdint>

#include "calculation/calculation.h"
#include "dialogue/answer_reader.h"
#include "dialogue/catalog.h"
#include "dialogue/console.h"
#include "dialogue/word_conversions.h"
#include "report/report.h"

namespace {

// The paging answer's magnitude as a count, saturated far beyond any count
// of solutions, so that the counters are compared in 64 bits whatever the
// width of NTL's long.
constexpr std::int64_t kNeverReached = std::int64_t{1} << 62;

// pageSize's sign and magnitude, kept beside it: RecordSolution reads them
// for every solution, and pageSize changes only at the paging prompt (and is 1
// when a calculation starts).
long pageSign = 1;
std::int64_t pageLimit = 1;

std::int64_t CountOf(const NTL::ZZ& value) {
  if (NTL::NumBits(value) > 62) return kNeverReached;
  const std::int64_t count = ToI64(value);
  return count < 0 ? -count : count;
}

void PrintValuesOfState() {
  const CalculationState& s = state;
  for (int i = 1; i <= s.unknownCount; ++i) {
    WriteNumber(s.x[i]);
    WriteBytes("\t \t", 3);
  }
}

void KeepExtremesOfState(bool first) {
  CalculationState& s = state;
  const int n = s.unknownCount;
  if (s.largestLast <= s.x[n]) s.largestLast = s.x[n];
  if (first || s.smallestFirst >= s.x[1]) s.smallestFirst = s.x[1];
}

void KeepCopyOfState() {
  CalculationState& s = state;
  for (int i = 1; i <= s.unknownCount; ++i) s.savedSolution[i] = s.x[i];
}

const SolutionAccess kStateAccess = {PrintValuesOfState, KeepExtremesOfState, KeepCopyOfState, nullptr};

void PrintHeader() {
  const CalculationState& s = state;
  WriteText(Message(MsgAtLeast));
  WriteNumber(static_cast<long long>(s.unknownCount));
  WriteText(Message(MsgUnitFractions));
  WriteText(Message(s.equationType == 2 ? MsgDifferent : MsgMayBeEqual));
  if (s.excludeOne == 1) WriteText(Message(MsgOneForbidden));
  EndLine();
  WriteText(Message(MsgTableHeader));
}

}  // namespace

void PrintSolutionLine(long long number, const char* separator, const NTL::Vec<NTL::ZZ>& values) {
  WriteBytes("\t \t \t ", 6);
  WriteNumber(number);
  WriteText(separator);
  for (int i = 1; i <= state.unknownCount; ++i) {
    WriteNumber(values[i]);
    WriteBytes("\t \t", 3);
  }
}

void RecordSolution() { RecordSolutionWith(kStateAccess); }

namespace {

// pageSign and pageLimit from pageSize when a calculation's first solution comes.
void TakePagingAnswer() {
  const CalculationState& s = state;
  if (s.solutionCount != 0) return;
  pageSign = NTL::sign(s.pageSize);
  pageLimit = CountOf(s.pageSize);
}

// The line of the solution numbered `number`; in the every-K mode a blank line follows.
void PrintNumberedLine(std::int64_t number, const SolutionAccess& access, bool everyK) {
  WriteBytes("\t \t \t ", 6);
  WriteNumber(static_cast<long long>(number));
  WriteText("  :      ");
  access.printValues();
  EndLine();
  if (everyK) EndLine();
}

}  // namespace

void RecordSolutionWith(const SolutionAccess& access) {
  CalculationState& s = state;
  TakePagingAnswer();
  const bool everyK = pageSign < 0 && pageLimit != 1;

  s.solutionCount += 1;
  if (pageSign > 0) s.pageCounter += 1;
  if (everyK) {
    s.strideCounter += 1;
    if (s.strideCounter == pageLimit) s.strideCounter = 0;
  }
  if (s.solutionCount == 1) PrintHeader();

  if (pageSign >= 0 || (everyK && s.strideCounter == 1)) PrintNumberedLine(s.solutionCount, access, everyK);

  access.keepExtremes(s.solutionCount == 1);

  if (pageSign > 0 && s.pageCounter == pageLimit) {
    SetPrompt(Message(MsgPagePrompt));
    ReadAnswer(AnswerSigned, promptBuffer);
    s.pageSize = inputValue;
    pageSign = NTL::sign(s.pageSize);
    pageLimit = CountOf(s.pageSize);
    EndLine();
    EndLine();
    s.pageCounter = 0;
  }

  if (pageSign < 0 && pageLimit != 1) access.keepCopy();
}

void RecordSolutionsWith(std::int64_t count, const SolutionAccess& access) {
  CalculationState& s = state;
  TakePagingAnswer();
  // The printed solutions are those after which strideCounter is 1: the
  // index-th of the group for index = 1 - strideCounter modulo K.
  std::int64_t index = s.strideCounter == 0 ? 1 : pageLimit - s.strideCounter + 1;
  for (; index <= count; index += pageLimit) {
    if (s.solutionCount + index == 1) PrintHeader();
    access.select(index);
    PrintNumberedLine(s.solutionCount + index, access, true);
  }
  access.select(count);
  const bool first = s.solutionCount == 0;
  s.solutionCount += count;
  s.strideCounter = (s.strideCounter + count) % pageLimit;
  access.keepExtremes(first);
  access.keepCopy();
}
