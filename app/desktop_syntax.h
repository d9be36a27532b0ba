#pragma once

#include <string>

#include "app/command_line.h"

// The command lines of the two desktop programs, the same on every backend
// but for the options of the widget toolkit, which only the Qt builds take.
namespace halvex {

enum class Toolkit { Qt, Win32 };

// halvex: no operands.
const CommandLineSyntax& CalculatorSyntax(Toolkit toolkit);
// halvex-planner [--lab] [FILE]: the plan to open at start, or with --lab
// the equipment library to edit.
const CommandLineSyntax& PlannerSyntax(Toolkit toolkit);

struct PlannerStart {
    bool lab = false;  // the equipment library's editor, not the planner
    std::string file;  // empty: a new plan, or the library chosen last
};
PlannerStart PlannerStartOf(const CommandLine& line);

}  // namespace halvex
