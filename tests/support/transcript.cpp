#include "support/transcript.h"

#include "support/expected_texts.h"

namespace transcript {

const char* const* Texts(int language) {
  switch (language) {
    case 1: return expected::kFrench;
    case 2: return expected::kEnglish;
    case 3: return expected::kSpanish;
    case 4: return expected::kGerman;
    case 5: return expected::kPortuguese;
    case 6: return expected::kChinese;
    default: return expected::kItalian;
  }
}

std::string Msg(int language, MessageId id) { return Texts(language)[id]; }

const char* const kMenu =
    " \n \n \t Languages   :   French [1]  /  English [2]  /   Spanish [3] \n \n \t                 German [4]  /  "
    "Portuguese [5]  /   Chinese (Windows 11 only) [6] \n \n \t                 Italian [7] \n \n \n \t                 "
    "Your choice ? :    ";

std::string Hyphens() { return std::string(144, '-'); }

std::string Opening(int language, bool explanations) {
  std::string out = kMenu;
  out += Msg(language, MsgZoomHint) + Msg(language, MsgTitle) + Msg(language, MsgAskExplanations);
  if (explanations) {
    for (int id = MsgExplain01; id <= MsgExplain22; ++id) out += Msg(language, static_cast<MessageId>(id));
    out += "\n \n " + Hyphens() + " \n ";
  }
  return out;
}

std::string AfterCalculation(int language) { return Hyphens() + "\n\n" + Msg(language, MsgAskAgain); }

std::string SolutionLine(long long number, const std::vector<std::string>& values, bool everyK) {
  std::string out = "\t \t \t " + std::to_string(number) + "  :      ";
  for (const auto& v : values) out += v + "\t \t";
  out += everyK ? "\n\n" : "\n";
  return out;
}

std::string Header(int language, int n, int type, bool excludeOne) {
  std::string out = Msg(language, MsgAtLeast) + std::to_string(n) + Msg(language, MsgUnitFractions) +
                    Msg(language, type == 2 ? MsgDifferent : MsgMayBeEqual);
  if (excludeOne) out += Msg(language, MsgOneForbidden);
  return out + "\n" + Msg(language, MsgTableHeader);
}

std::string PagePrompt(int language) { return Msg(language, MsgPagePrompt); }

std::string SingleSolution(int language, int n, const std::vector<std::string>& values) {
  std::string out = Msg(language, MsgItTakes) + std::to_string(n) + Msg(language, MsgFractionsAtMinimum) +
                    Msg(language, MsgSingleSolution) + "\n \t \t \t 1  :     ";
  for (const auto& v : values) out += v + "\t \t";
  return out + "\n\n";
}

std::string SummaryAndClose(int language, const SummaryFacts& f) {
  auto m = [language](MessageId id) { return Msg(language, id); };
  std::string n = std::to_string(f.n);
  std::string out = "\n\n" + m(MsgEquationHas) + n + m(MsgUnknownsEq) + f.pEntered + "/" + f.qEntered;
  if (!f.p.empty()) out += " = " + f.p + "/" + f.q;
  out += " ,  (n = " + n + ") ," + m(MsgAdmits) + std::to_string(f.count) + m(MsgSolutions);
  out += m(f.type == 2 ? MsgAllDifferent : MsgMayBeEqualSummary) + "\n";
  out += m(f.parity == 2 ? MsgAllEven : f.parity == 1 ? MsgAllOdd : MsgAnyParity);
  if (f.minFirst != "0" || f.maxLast != "0") {
    out += m(MsgUnknownsMust) + f.minFirst;
    out += f.type == 2 ? " <=  x1 < x2 < .... < xn  " : " <=  x1 <= x2 <= .... <= xn  ";
    if (f.maxLast != "0") out += " <=  " + f.maxLast + " . ";
    out += " \n ";
  }
  if (f.nLow != "0" || f.nHigh != "0") {
    out += m(MsgMinCountMust) + f.nLow + "  <=  n  ";
    if (f.nHigh != "0") out += " <=  " + f.nHigh + " .  ";
    out += " \n ";
  }
  out += " \n \t \t " + f.largestLast + m(MsgLargestLast) + " \n \t \t " + f.smallestFirst + m(MsgSmallestFirst);
  out += "\n" + m(MsgEndOfCalculation) + "\n" + m(MsgCredit) + "\n\n";
  return out;
}

std::string Script(std::initializer_list<const char*> answers) {
  std::string out;
  for (const char* a : answers) {
    out += a;
    out += '\n';
  }
  return out;
}

}  // namespace transcript
