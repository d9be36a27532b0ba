#pragma once

#include <string>

// Results as the planner's window shows them to people; the text report,
// the window's summary and the results table all write their numbers here,
// so that a value copied reads as the value shown.
namespace planner {

// Four significant digits: "15.92", "0.06", "2.392e+04".
std::string ShownNumber(double value);

// Cycles are counted: whole numbers rather than an exponent up to a billion.
std::string ShownCount(double value);

// A duration as a test engineer reads it: 8.663 s, 29 min 59.7 s, 10 h 0 min 0 s.
std::string ShownDuration(double seconds);

// "1 pass", "2 passes", "6.644 octaves": the singular only for a number shown as 1.
std::string Counted(const std::string& number, const char* one, const char* many);

}  // namespace planner
