#pragma once

#include <string>
#include <string_view>

namespace halvex {

// Appends text as a JSON string literal. Bytes that are not valid UTF-8
// become U+FFFD, so every line written is valid JSON whatever was typed.
void AppendJsonString(std::string& out, std::string_view text);

// Appends a double in round-trip form (%.17g, always with '.'); infinities
// and NaN, which JSON has no number for, as the strings "inf", "-inf", "nan".
void AppendJsonDouble(std::string& out, double value);

// The same in the shortest form that reads back as the same double
// (0.1 rather than 0.10000000000000001).
void AppendJsonShortestDouble(std::string& out, double value);

}  // namespace halvex
