// Problem entry: P, Q, the optional constraints and the range of n.
#include <climits>

#include "calculation/calculation.h"
#include "dialogue/answer_reader.h"
#include "dialogue/catalog.h"
#include "dialogue/console.h"

CalculationState state;

namespace {

using NTL::ZZ;

void Ask(int kind, MessageId prompt) {
  SetPrompt(Message(prompt));
  ReadAnswer(kind, promptBuffer);
}

void AskNatural(MessageId prompt, ZZ& target) {
  Ask(AnswerNatural, prompt);
  target = inputValue;
}

// A lower and an upper bound, 0 meaning none; both are asked again, after
// `refusal`, until the lower one is below the upper one.
void AskBoundPair(MessageId lowPrompt, ZZ& low, MessageId highPrompt, ZZ& high, MessageId refusal) {
  CalculationState& s = state;
  s.boundsRetry = 1;
  while (s.boundsRetry == 1) {
    AskNatural(lowPrompt, low);
    AskNatural(highPrompt, high);
    s.boundsRetry = 0;
    if (!NTL::IsZero(low) && !NTL::IsZero(high) && low >= high) {
      WriteText(Message(refusal));
      s.boundsRetry = 1;
    }
  }
}

void ResetState() {
  CalculationState& s = state;
  s.solutionCount = 0;
  s.strideCounter = 0;
  s.pageCounter = 0;
  s.unknownCount = 0;
  s.parity = 0;
  s.excludeOne = 0;
  s.level = 0;
  s.constraintsOn = 0;
  s.step = 1;
  s.boundsRetry = 1;
  s.equationType = 2;
  s.nLow = 0;
  s.maxLast = 0;
  s.nLowFromFirst = 0;
  s.maxLastEntered = 0;
  s.nHigh = 0;
  s.nLowEntered = 0;
  s.nHighEntered = 0;
  s.nHighFromLast = 0;
  s.minFirstEntered = 0;
  s.minFirst = 1;
}

// The constraint dialogue; false when it ended the calculation.
bool EnterConstraints() {
  CalculationState& s = state;
  Ask(AnswerOneTwo, MsgAskType);
  s.equationType = choice;
  Ask(AnswerZeroToTwo, MsgAskParity);
  s.parity = choice;
  // Odd unknowns have an odd product, hence an odd denominator.
  if (s.parity == 1 && !NTL::IsOdd(s.q)) {
    WriteText(Message(MsgNoSolution));
    return false;
  }
  if (s.parity == 1 || s.parity == 2) s.step = 2;

  AskBoundPair(MsgAskMinFirst, s.minFirst, MsgAskMaxLast, s.maxLast, MsgBoundOrderX);
  s.minFirstEntered = s.minFirst;
  if (NTL::IsZero(s.minFirst)) s.minFirst = 1;
  if (s.parity == 1 && !NTL::IsOdd(s.minFirst)) s.minFirst += 1;
  if (s.parity == 2 && NTL::IsOdd(s.minFirst)) s.minFirst += 1;

  s.maxLastEntered = s.maxLast;
  if (s.parity == 1 && !NTL::IsOdd(s.maxLast) && !NTL::IsZero(s.maxLast)) s.maxLast -= 1;
  if (s.parity == 2 && NTL::IsOdd(s.maxLast)) s.maxLast -= 1;

  AskBoundPair(MsgAskMinCount, s.nLowEntered, MsgAskMaxCount, s.nHigh, MsgBoundOrderN);

  // n/M <= P/Q <= n/N.
  s.nHighFromLast = (s.p * s.maxLast) / s.q;
  s.nLowFromFirst = (s.p * s.minFirst) / s.q;
  if (!NTL::IsZero(s.p * s.minFirst - s.q * s.nLowFromFirst)) s.nLowFromFirst += 1;

  s.nLow = s.nLowEntered;
  if (s.nLowEntered < s.nLowFromFirst) s.nLow = s.nLowFromFirst;
  s.nHighEntered = s.nHigh;
  if (s.nHigh > s.nHighFromLast && !NTL::IsZero(s.nHighFromLast)) s.nHigh = s.nHighFromLast;
  // A first n beyond what the program can hold is as unreachable as one above
  // the upper bound.
  if ((s.nLow > s.nHigh && !NTL::IsZero(s.nHigh)) || s.nLow > kMaxUnknowns) {
    WriteText(Message(MsgIncompatible));
    return false;
  }
  s.unknownCount = NTL::conv<int>(s.nLow);
  if (s.unknownCount != 0) {
    s.unknownCount -= 1;
    s.nLow -= 1;
  }
  return true;
}

}  // namespace

bool EnterProblem() {
  CalculationState& s = state;
  ResetState();

  rejectZero = 1;
  AskNatural(MsgAskP, s.pEntered);
  AskNatural(MsgAskQ, s.qEntered);
  rejectZero = 0;

  s.gcdValue = NTL::GCD(s.pEntered, s.qEntered);
  s.p = s.pEntered / s.gcdValue;
  s.q = s.qEntered / s.gcdValue;

  Ask(AnswerZeroOne, MsgAskConstraints);
  s.constraintsOn = choice;
  if (s.constraintsOn == 1 && !EnterConstraints()) return false;

  if (s.constraintsOn == 0 && s.p >= s.q) {
    Ask(AnswerZeroOne, MsgAskExcludeOne);
    s.excludeOne = choice;
    if (s.excludeOne == 1) s.minFirst = 2;
  }
  s.pageSize = 1;
  return true;
}

int RunCalculation() {
  if (EnterProblem()) RunDriver();
  return 0;
}
