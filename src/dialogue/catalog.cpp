#include "dialogue/catalog.h"

MessageCatalog messageCatalog;

const char* const* LanguageTable(int language) {
  switch (language) {
    case LanguageFrench: return kFrenchTexts;
    case LanguageEnglish: return kEnglishTexts;
    case LanguageSpanish: return kSpanishTexts;
    case LanguageGerman: return kGermanTexts;
    case LanguagePortuguese: return kPortugueseTexts;
    case LanguageChinese: return kChineseTexts;
    case LanguageItalian: return kItalianTexts;
    default: return nullptr;
  }
}

void FillCatalog(int language) {
  const char* const* table = LanguageTable(language);
  if (table == nullptr) return;
  for (int slot = 0; slot < kMessageCount; ++slot) messageCatalog[slot] = table[slot];
}

const std::string& Message(MessageId id) { return messageCatalog[id]; }
