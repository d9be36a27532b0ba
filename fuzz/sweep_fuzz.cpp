// Each sine sweep analysis over arbitrary numbers (any bit pattern) and indices.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "numeric/number_text.h"
#include "res/sine_sweep_ids.h"
#include "sweep/sine_sweep_calc.h"

namespace ss = res::sine_sweep;

namespace {

bool IsMessage(const char* text) {
    return std::strcmp(text, sweep::kInputErrorMessage) == 0 || std::strcmp(text, sweep::kPairInputErrorMessage) == 0 ||
           std::strcmp(text, sweep::kRateTypeMessage) == 0;
}

// The number field of an output: its width, and no spelling but the three
// words. Returns the number without its padding.
std::string_view CheckField(std::string_view field) {
    if (field.find("-nan") != std::string_view::npos) std::abort();
    std::size_t start = 0;
    while (start < field.size() && field[start] == ' ') ++start;
    const std::string_view number = field.substr(start);
    if (number.empty()) std::abort();
    if (number == "inf" || number == "-inf" || number == "nan") return number;
    if (!halvex::ReadNumber(number)) std::abort();
    return number;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2 + 3 * sizeof(double)) return 0;
    const int analysis = data[0] % 5;
    const int index = static_cast<int>(data[1] % 9) - 2;
    double x[3];
    std::memcpy(x, data + 2, sizeof x);

    const sweep::SweepOutcome outcome = *sweep::CalculateAnalysis(analysis, index, x[0], x[1], x[2]);
    if (outcome.message != nullptr) {
        if (!IsMessage(outcome.message) || !outcome.outputs.empty()) std::abort();
        return 0;
    }
    // Passing the checks needs positive numbers where they are read.
    if (!(x[0] > 0.0)) std::abort();
    if (outcome.outputs.empty() || outcome.outputs.size() > 4) std::abort();
    for (const sweep::SweepOutput& output : outcome.outputs) {
        if (output.id != ss::IDC_OUTPUT1 && output.id != ss::IDC_OUTPUT2 && output.id != ss::IDC_OUTPUT3 &&
            output.id != ss::IDC_OUTPUT4)
            std::abort();
        const std::string& text = output.text;
        // Every format puts a 12- or 13-wide field after an optional label.
        const std::size_t equals = text.find('=');
        const std::size_t fieldStart = equals == std::string::npos ? 0 : equals + 2;
        const std::size_t width = text.find("cycles per sweep") != std::string::npos ? 13 : 12;
        if (text.size() < fieldStart + width) std::abort();
        // The results table's value is the number the box shows.
        if (output.kind == nullptr || CheckField(std::string_view(text).substr(fieldStart, width)) != output.number) {
            std::abort();
        }
    }
    if (analysis == 2 || analysis == 3 || analysis == 4) {
        // Octaves are never negative.
        for (const sweep::SweepOutput& output : outcome.outputs) {
            if (output.id == ss::IDC_OUTPUT2 && output.text.find('-') != std::string::npos &&
                output.text.find("e-") == std::string::npos) {
                std::abort();
            }
        }
    }
    return 0;
}
