#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "planner/plan_form.h"

namespace planner {

// A breakpoint table pasted from a spreadsheet: a line per breakpoint, its
// frequency (Hz) and level separated by a tab, optionally under a header
// line ("Frequency (Hz)<TAB>Acceleration (g)"). The level's unit is in the
// header or in each cell ("0.5 g"); a displacement says p-p or 0-p in either.
// Neighbouring breakpoints of one kind make a segment between them, a ramp
// where their levels differ; where the kind changes (a displacement, then an
// acceleration), the two levels meet at their crossover ("auto"). False with
// a message naming the line.
bool ReadBreakpointTable(std::string_view text, double gravity, std::vector<SegmentFields>& segments,
                         std::string& problem);

}  // namespace planner
