#include "dialogue/main_loop.h"

#include <cstdlib>
#include <string>

#include "calculation/calculation.h"
#include "dialogue/answer_reader.h"
#include "dialogue/catalog.h"
#include "dialogue/console.h"
#include "dialogue/terminal.h"

int language = 0;
int showExplanations = 0;
int newCalculation = 0;

const char* const kLanguageMenu =
    " \n \n \t Languages   :   French [1]  /  English [2]  /   Spanish [3] \n \n \t                 German [4]  /  "
    "Portuguese [5]  /   Chinese (Windows 11 only) [6] \n \n \t                 Italian [7] \n \n \n \t                 "
    "Your choice ? :    ";

namespace {

const std::string kHyphens(144, '-');

}  // namespace

void RunProgram() {
  PrepareOutput();
  PrepareTerminal();
  SetConsoleOutputCP(kUtf8CodePage);

  SetPrompt(kLanguageMenu);
  ReadAnswer(AnswerLanguage, promptBuffer);
  language = choice;
  FillCatalog(language);

  WriteText(Message(MsgZoomHint));
  WriteText(Message(MsgTitle));

  showExplanations = 0;
  SetPrompt(Message(MsgAskExplanations));
  ReadAnswer(AnswerZeroOne, promptBuffer);
  showExplanations = choice;
  if (showExplanations == 1) {
    for (int id = MsgExplain01; id <= MsgExplain22; ++id) WriteText(Message(static_cast<MessageId>(id)));
    EndLine();
    WriteText(" \n " + kHyphens + " \n ");
  }

  newCalculation = 1;
  while (newCalculation == 1) {
    RunCalculation();
    WriteText(kHyphens);
    EndLine();
    EndLine();
    SetPrompt(Message(MsgAskAgain));
    ReadAnswer(AnswerZeroOne, promptBuffer);
    newCalculation = choice;
  }
  FlushOutput();
  std::exit(1);
}
