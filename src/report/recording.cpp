#include "calculation/calculation.h"
#include "dialogue/answer_reader.h"
#include "dialogue/catalog.h"
#include "dialogue/console.h"
#include "dialogue/word_conversions.h"
#include "report/report.h"

void PrintSolutionLine(long long number, const char* separator, const NTL::Vec<NTL::ZZ>& values) {
  WriteBytes("\t \t \t ", 6);
  WriteNumber(number);
  WriteText(separator);
  for (int i = 1; i <= state.unknownCount; ++i) {
    WriteNumber(values[i]);
    WriteBytes("\t \t", 3);
  }
}

namespace {

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

void RecordSolution() {
  CalculationState& s = state;
  const int n = s.unknownCount;
  const long pageSign = NTL::sign(s.pageSize);
  const bool everyK = pageSign < 0 && s.pageSize != -1;

  s.solutionCount += 1;
  if (pageSign > 0) s.pageCounter += 1;
  if (everyK) {
    s.strideCounter += 1;
    if (EqualsI64(s.pageSize, -s.strideCounter)) s.strideCounter = 0;
  }
  if (s.solutionCount == 1) PrintHeader();

  if (pageSign >= 0 || (everyK && s.strideCounter == 1)) {
    PrintSolutionLine(s.solutionCount, "  :      ", s.x);
    EndLine();
    if (everyK) EndLine();
  }

  if (s.largestLast <= s.x[n]) s.largestLast = s.x[n];
  if (s.solutionCount == 1 || s.smallestFirst >= s.x[1]) s.smallestFirst = s.x[1];

  if (pageSign > 0 && EqualsI64(s.pageSize, s.pageCounter)) {
    SetPrompt(Message(MsgPagePrompt));
    ReadAnswer(AnswerSigned, promptBuffer);
    s.pageSize = inputValue;
    EndLine();
    EndLine();
    s.pageCounter = 0;
  }

  if (NTL::sign(s.pageSize) < 0 && s.pageSize != -1) {
    for (int i = 1; i <= n; ++i) s.savedSolution[i] = s.x[i];
  }
}
