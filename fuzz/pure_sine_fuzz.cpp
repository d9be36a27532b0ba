// The pure sine calculation over arbitrary selections and typed texts.
#include <locale.h>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "numeric/number_text.h"
#include "puresine/pure_sine_calc.h"

namespace {

bool EndsWith(std::string_view text, std::string_view tail) {
    return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 4) return 0;
    // Four selections from -2 to 8, then the two texts split at the first '|'.
    const auto sel = [&](std::size_t i) { return static_cast<int>(data[i] % 11) - 2; };
    const std::string_view rest(reinterpret_cast<const char*>(data + 4), size - 4);
    const std::size_t bar = rest.find('|');
    const std::string_view frequencyText = rest.substr(0, bar);
    const std::string_view amplitudeText = bar == std::string_view::npos ? std::string_view() : rest.substr(bar + 1);

    const double pi = std::atan2(0.0, -1.0);
    const puresine::PureSineInputs inputs{
        sel(0), sel(1), sel(2), sel(3), halvex::ParseNumber(frequencyText), halvex::ParseNumber(amplitudeText)};
    puresine::PureSineOutcome outcome;
    puresine::CalculatePureSine(inputs, 2.0 * pi, pi, outcome);
    if (outcome.message != nullptr) {
        if (outcome.texts.count != 0) std::abort();
        return 0;
    }
    // Inside the validity window every output is a finite number in a
    // 12-character field followed by its unit text.
    const std::size_t expectedCount = inputs.typeSel == 0 ? 20 : 8;
    if (outcome.texts.count != expectedCount) std::abort();
    for (const puresine::OutputText& item : outcome.texts) {
        if (item.text.size() < 13 || item.text[12] != ' ') std::abort();
        const std::string number = item.text.substr(0, 12);
        if (number.find("inf") != std::string::npos || number.find("nan") != std::string::npos) std::abort();
        const double value = halvex::ParseNumber(number);
        if (!std::isfinite(value)) std::abort();
        // The results table's value is the number the box shows.
        if (number.substr(number.find_first_not_of(' ')) != item.number) std::abort();
        const std::string_view unit = std::string_view(item.text).substr(12);
        static const char* const kUnits[] = {" mm",   " inches", " Mils", " micro inch", " microns",
                                             "/sec ", "/sec^2",  " G",    " radians",    " degrees"};
        bool known = false;
        for (const char* tail : kUnits) known = known || EndsWith(unit, tail);
        if (!known) std::abort();
    }
    // Formatting agrees with the C library's printf in the "C" locale.
    const double probe = outcome.motion.zeroPeak;
    char expected[64];
    std::snprintf(expected, sizeof expected, "%12.4g", probe);
    if (halvex::FormatNumber("%12.4g", probe) != expected) std::abort();
    return 0;
}
