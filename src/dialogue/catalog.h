// Message catalogue: the 66 texts of the chosen language, by slot.
#pragma once

#include <string>

enum MessageId {
  MsgAtLeast,
  MsgUnitFractions,
  MsgDifferent,
  MsgMayBeEqual,
  MsgOneForbidden,
  MsgTableHeader,
  MsgPagePrompt,
  MsgEquationHas,
  MsgUnknownsEq,
  MsgAdmits,
  MsgSolutions,
  MsgAllDifferent,
  MsgMayBeEqualSummary,
  MsgAllEven,
  MsgAllOdd,
  MsgAnyParity,
  MsgUnknownsMust,
  MsgMinCountMust,
  MsgLargestLast,
  MsgSmallestFirst,
  MsgAskP,
  MsgAskQ,
  MsgAskConstraints,
  MsgAskType,
  MsgAskParity,
  MsgNoSolution,
  MsgAskMinFirst,
  MsgAskMaxLast,
  MsgBoundOrderX,
  MsgAskMinCount,
  MsgAskMaxCount,
  MsgBoundOrderN,
  MsgIncompatible,
  MsgAskExcludeOne,
  MsgNoSolutionForN,
  MsgItTakes,
  MsgFractionsAtMinimum,
  MsgSingleSolution,
  MsgEndOfCalculation,
  MsgCredit,
  MsgZoomHint,
  MsgTitle,
  MsgAskExplanations,
  MsgExplain01,
  MsgExplain02,
  MsgExplain03,
  MsgExplain04,
  MsgExplain05,
  MsgExplain06,
  MsgExplain07,
  MsgExplain08,
  MsgExplain09,
  MsgExplain10,
  MsgExplain11,
  MsgExplain12,
  MsgExplain13,
  MsgExplain14,
  MsgExplain15,
  MsgExplain16,
  MsgExplain17,
  MsgExplain18,
  MsgExplain19,
  MsgExplain20,
  MsgExplain21,
  MsgExplain22,
  MsgAskAgain,
  kMessageCount
};

// Language numbers as the menu offers them.
enum Language {
  LanguageFrench = 1,
  LanguageEnglish = 2,
  LanguageSpanish = 3,
  LanguageGerman = 4,
  LanguagePortuguese = 5,
  LanguageChinese = 6,
  LanguageItalian = 7
};
constexpr int kLanguageCount = 7;

using MessageCatalog = std::string[kMessageCount];

// Empty until FillCatalog runs; an empty slot prints nothing.
extern MessageCatalog messageCatalog;

// Replaces every slot with the text of `language` (1 to 7). Other numbers leave
// the catalogue as it is.
void FillCatalog(int language);

// The text of one slot of the filled catalogue.
const std::string& Message(MessageId id);

// The fixed table of one language (1 to 7), for checks of the texts; nullptr
// for any other number.
const char* const* LanguageTable(int language);

// One table per language, in slot order.
extern const char* const kFrenchTexts[kMessageCount];
extern const char* const kEnglishTexts[kMessageCount];
extern const char* const kSpanishTexts[kMessageCount];
extern const char* const kGermanTexts[kMessageCount];
extern const char* const kPortugueseTexts[kMessageCount];
extern const char* const kChineseTexts[kMessageCount];
extern const char* const kItalianTexts[kMessageCount];
