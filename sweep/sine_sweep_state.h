#pragma once

#include <string>

// The sine sweep dialog's own text buffer, separate from the pure sine one.
extern std::string g_sweepScratchText;
