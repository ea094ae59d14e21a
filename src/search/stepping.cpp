#include "search/reference/reference_search.h"
#include "search/search.h"

int BacktrackType1() { return reference::BacktrackType1(); }
int BacktrackType2() { return reference::BacktrackType2(); }
int StepType1() { return reference::StepType1(); }
int StepType2() { return reference::StepType2(); }
