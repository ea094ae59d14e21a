// Program entry and main loop: language, title, explanations, then one
// calculation after another until the user declines a new one.
#pragma once

extern int language;
extern int showExplanations;
extern int newCalculation;

// The fixed English language menu, shown before the catalogue is filled.
extern const char* const kLanguageMenu;

// Runs the whole dialogue; never returns: the process ends with status 1.
[[noreturn]] void RunProgram();
