#include "planner/result_text.h"

#include <cmath>

#include "numeric/number_text.h"

namespace planner {

std::string ShownNumber(double value) { return halvex::FormatNumber("%.4g", value); }

std::string ShownCount(double value) {
    if (value < 1e4 || value >= 1e9) return ShownNumber(value);
    return std::to_string(std::llround(value));
}

std::string ShownDuration(double seconds) {
    if (seconds < 60.0 || seconds >= 1e9) return ShownNumber(seconds) + " s";
    const long long tenths = std::llround(seconds * 10.0);
    const long long h = tenths / 36000;
    const long long min = tenths / 600 % 60;
    const long long s = tenths % 600;
    std::string out = h > 0 ? std::to_string(h) + " h " : std::string();
    out += std::to_string(min) + " min " + std::to_string(s / 10);
    if (s % 10 != 0) out += '.' + std::to_string(s % 10);
    return out + " s";
}

std::string Counted(const std::string& number, const char* one, const char* many) {
    return number + ' ' + (number == "1" ? one : many);
}

}  // namespace planner
