#pragma once

#include "app/command_line.h"

// The command lines of the two desktop programs, the same on every backend
// but for the options of the widget toolkit, which only the Qt builds take.
namespace halvex {

enum class Toolkit { Qt, Win32 };

// halvex: no operands.
const CommandLineSyntax& CalculatorSyntax(Toolkit toolkit);
// halvex-planner [FILE]: the plan to open at start.
const CommandLineSyntax& PlannerSyntax(Toolkit toolkit);

}  // namespace halvex
