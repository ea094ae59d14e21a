#include "calculation/calculation.h"
#include "dialogue/catalog.h"
#include "dialogue/console.h"
#include "report/report.h"

void PrintSummary() {
  const CalculationState& s = state;
  const long long n = s.unknownCount;
  EndLine();
  EndLine();
  WriteText(Message(MsgEquationHas));
  WriteNumber(n);
  WriteText(Message(MsgUnknownsEq));
  WriteNumber(s.pEntered);
  WriteText("/");
  WriteNumber(s.qEntered);
  if (s.pEntered != s.p) {
    WriteText(" = ");
    WriteNumber(s.p);
    WriteText("/");
    WriteNumber(s.q);
  }
  WriteText(" ,  (n = ");
  WriteNumber(n);
  WriteText(") ,");
  WriteText(Message(MsgAdmits));
  WriteNumber(static_cast<long long>(s.solutionCount));
  WriteText(Message(MsgSolutions));
  WriteText(Message(s.equationType == 2 ? MsgAllDifferent : MsgMayBeEqualSummary));
  EndLine();
  WriteText(Message(s.parity == 2 ? MsgAllEven : s.parity == 1 ? MsgAllOdd : MsgAnyParity));

  if (!NTL::IsZero(s.minFirstEntered) || !NTL::IsZero(s.maxLastEntered)) {
    WriteText(Message(MsgUnknownsMust));
    WriteNumber(s.minFirstEntered);
    WriteText(s.equationType == 2 ? " <=  x1 < x2 < .... < xn  " : " <=  x1 <= x2 <= .... <= xn  ");
    if (!NTL::IsZero(s.maxLastEntered)) {
      WriteText(" <=  ");
      WriteNumber(s.maxLastEntered);
      WriteText(" . ");
    }
    WriteText(" \n ");
  }
  if (!NTL::IsZero(s.nLowEntered) || !NTL::IsZero(s.nHighEntered)) {
    WriteText(Message(MsgMinCountMust));
    WriteNumber(s.nLowEntered);
    WriteText("  <=  n  ");
    if (!NTL::IsZero(s.nHighEntered)) {
      WriteText(" <=  ");
      WriteNumber(s.nHighEntered);
      WriteText(" .  ");
    }
    WriteText(" \n ");
  }
  WriteText(" \n \t \t ");
  WriteNumber(s.largestLast);
  WriteText(Message(MsgLargestLast));
  WriteText(" \n \t \t ");
  WriteNumber(s.smallestFirst);
  WriteText(Message(MsgSmallestFirst));
}
