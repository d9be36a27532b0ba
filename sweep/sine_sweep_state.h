#pragma once

#include <string>

// Process-wide state of the sine sweep dialog. It outlives every opening;
// each handler re-reads the selections before it uses them.

// The output guard's two values.
constexpr int kGuardQuiet = 44;  // output text changes are the program's own
constexpr int kGuardArmed = 0;   // a result is on show: a change to an output is the user's

extern int g_sweepAnalysisSel;  // analysis list, as last read; -1 when nothing was selected
extern int g_sweepInputSel;     // input list, as last read
extern int g_sweepOutputGuard;

// The sine sweep dialog's own text buffer, separate from the pure sine one.
extern std::string g_sweepScratchText;
