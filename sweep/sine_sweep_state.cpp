#include "sine_sweep_state.h"

std::string g_sweepScratchText;
