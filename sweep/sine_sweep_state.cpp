#include "sweep/sine_sweep_state.h"

// 99 stands for "never read".
int g_sweepAnalysisSel = 99;
int g_sweepInputSel = 99;
int g_sweepOutputGuard = kGuardQuiet;

std::string g_sweepScratchText;
