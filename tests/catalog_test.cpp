// The message catalogue of every language: filled, well-formed, and holding the
// texts the program must print.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "dialogue/answer_reader.h"
#include "dialogue/catalog.h"
#include "dialogue/main_loop.h"
#include "support/transcript.h"

namespace {

// The slots handed to the answer reader: the user types on their last line.
const MessageId kPrompts[] = {
    MsgAskP,        MsgAskQ,        MsgAskConstraints, MsgAskType,    MsgAskParity,       MsgAskMinFirst, MsgAskMaxLast,
    MsgAskMinCount, MsgAskMaxCount, MsgAskExcludeOne,  MsgPagePrompt, MsgAskExplanations, MsgAskAgain};

// Strict UTF-8: no stray continuation bytes, no overlong forms, no surrogates,
// nothing above U+10FFFF.
bool IsValidUtf8(const std::string& text) {
  const auto* s = reinterpret_cast<const unsigned char*>(text.data());
  const std::size_t size = text.size();
  std::size_t i = 0;
  while (i < size) {
    unsigned char lead = s[i];
    int extra;
    unsigned long code;
    if (lead < 0x80) {
      ++i;
      continue;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
      extra = 1;
      code = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      extra = 2;
      code = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      extra = 3;
      code = lead & 0x07;
    } else {
      return false;
    }
    if (i + extra >= size) return false;  // cut short at the end
    for (int k = 1; k <= extra; ++k) {
      if ((s[i + k] & 0xC0) != 0x80) return false;
      code = (code << 6) | (s[i + k] & 0x3F);
    }
    if ((extra == 2 && code < 0x800) || (extra == 3 && code < 0x10000)) return false;
    if ((code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF) return false;
    i += extra + 1;
  }
  return true;
}

TEST(Utf8Check, TellsGoodTextFromBad) {
  EXPECT_TRUE(IsValidUtf8("a ¿é? ß 解 \xF0\x9F\x98\x80"));
  for (const char* bad : {"\x80", "\xC3", "\xC0\xAF", "\xE0\x80\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xE8\xA7"})
    EXPECT_FALSE(IsValidUtf8(bad)) << bad;
}

class CatalogOfLanguage : public ::testing::TestWithParam<int> {
 protected:
  void SetUp() override { FillCatalog(GetParam()); }
  int language() const { return GetParam(); }
};

TEST_P(CatalogOfLanguage, EverySlotHoldsItsTextInValidUtf8) {
  for (int slot = 0; slot < kMessageCount; ++slot) {
    const std::string& text = Message(static_cast<MessageId>(slot));
    EXPECT_FALSE(text.empty()) << "slot " << slot;
    EXPECT_TRUE(IsValidUtf8(text)) << "slot " << slot;
    EXPECT_EQ(text, transcript::Msg(language(), static_cast<MessageId>(slot))) << "slot " << slot;
  }
}

TEST_P(CatalogOfLanguage, PromptsEndOnTheAnswerLine) {
  for (MessageId id : kPrompts) {
    const std::string& text = Message(id);
    ASSERT_FALSE(text.empty()) << "slot " << id;
    EXPECT_NE(text.back(), '\n') << "slot " << id;
  }
}

TEST_P(CatalogOfLanguage, PromptsFitThePromptBufferWhole) {
  for (MessageId id : kPrompts) {
    const std::string& text = Message(id);
    EXPECT_LT(text.size(), static_cast<std::size_t>(kPromptBufferSize)) << "slot " << id;
    SetPrompt(text);
    EXPECT_EQ(std::string(promptBuffer), text) << "slot " << id;
  }
}

TEST_P(CatalogOfLanguage, NoSolutionTextsAreTheSame) { EXPECT_EQ(Message(MsgNoSolution), Message(MsgNoSolutionForN)); }

TEST_P(CatalogOfLanguage, BoundOrderTextsDifferOnlyByTheBlankBeforeTheClosingLines) {
  const std::string& x = Message(MsgBoundOrderX);
  const std::string& n = Message(MsgBoundOrderN);
  if (language() == LanguageChinese) {
    EXPECT_EQ(x, n);
    return;
  }
  const std::string closing = "\n \n";
  ASSERT_GT(n.size(), closing.size());
  EXPECT_EQ(n.substr(n.size() - closing.size()), closing);
  EXPECT_NE(n[n.size() - closing.size() - 1], ' ');
  EXPECT_EQ(x, n.substr(0, n.size() - closing.size()) + " " + closing);
}

// The two texts each language words for itself must sit among the others
// like them: a blank, then a tab or a newline, on one line, no newline at the end.
TEST_P(CatalogOfLanguage, CreditAndNtlLineHaveTheCommonForm) {
  for (MessageId id : {MsgCredit, MsgExplain18}) {
    const std::string& text = Message(id);
    ASSERT_GE(text.size(), 3u) << "slot " << id;
    EXPECT_EQ(text[0], ' ') << "slot " << id;
    EXPECT_TRUE(text[1] == '\t' || text[1] == '\n') << "slot " << id;
    EXPECT_EQ(text.find('\n', 2), std::string::npos) << "slot " << id;
    EXPECT_NE(text.back(), '\n') << "slot " << id;
  }
  EXPECT_NE(Message(MsgExplain18).find("NTL"), std::string::npos);
}

std::string LanguageName(const ::testing::TestParamInfo<int>& info) {
  static const char* const names[] = {"French", "English", "Spanish", "German", "Portuguese", "Chinese", "Italian"};
  return names[info.param - 1];
}

INSTANTIATE_TEST_SUITE_P(AllLanguages, CatalogOfLanguage, ::testing::Range(1, kLanguageCount + 1), LanguageName);

TEST(Catalog, LongestPromptIsItalianPagePromptAndTheMenuFitsToo) {
  std::size_t longest = 0;
  int longestLanguage = 0;
  MessageId longestId = MsgAskP;
  for (int language = 1; language <= kLanguageCount; ++language) {
    FillCatalog(language);
    for (MessageId id : kPrompts) {
      if (Message(id).size() > longest) {
        longest = Message(id).size();
        longestLanguage = language;
        longestId = id;
      }
    }
  }
  EXPECT_EQ(longest, 195u);
  EXPECT_EQ(longestLanguage, LanguageItalian);
  EXPECT_EQ(longestId, MsgPagePrompt);

  EXPECT_EQ(std::strlen(kLanguageMenu), 231u);
  SetPrompt(kLanguageMenu);
  EXPECT_STREQ(promptBuffer, kLanguageMenu);
}

TEST(Catalog, SpanishAndPortugueseShareTheirCommonTexts) {
  const MessageId shared[] = {MsgDifferent, MsgUnknownsEq, MsgAdmits,   MsgExplain07,
                              MsgExplain08, MsgExplain09,  MsgExplain10};
  FillCatalog(LanguageSpanish);
  std::string spanish[kMessageCount];
  for (int slot = 0; slot < kMessageCount; ++slot) spanish[slot] = Message(static_cast<MessageId>(slot));
  FillCatalog(LanguagePortuguese);
  for (MessageId id : shared) EXPECT_EQ(Message(id), spanish[id]) << "slot " << id;
  // The rest is Portuguese's own: filling one language leaves nothing of the other.
  EXPECT_NE(Message(MsgAtLeast), spanish[MsgAtLeast]);
}

}  // namespace
