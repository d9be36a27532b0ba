#include "sweep/sine_sweep_tables.h"

namespace sweep {
namespace {

template <std::size_t N>
const char* Row(const char* const (&items)[N], int index) {
    return (index >= 0 && static_cast<std::size_t>(index) < N) ? items[index] : nullptr;
}

constexpr const char* kAnalysis[] = {"Amplitude", "Crossover Frequency", "Number of Octaves", "Sweep Rate",
                                     "Total Sine Cycles"};
constexpr const char* kGivenQuantity[] = {"displacement (zero-to-peak)", "displacement (peak-to-peak)", "velocity    ",
                                          "acceleration    "};
constexpr const char* kAmplitudePair[] = {"disp (zero-peak) -> velocity ", "disp (zero-peak) -> acceleration ",
                                          "disp (peak-peak) -> velocity ", "disp (peak-peak) -> acceleration ",
                                          "velocity         -> acceleration  "};
constexpr const char* kRateType[] = {"linear ", "log    "};

constexpr const char* kGivenQuantityLabel[] = {"Disp. (in zero-peak) ", "Disp. (in peak-peak) ", "Velocity (in/sec) ",
                                               "Acceleration (G) "};
constexpr const char* kPairFirstLabel[] = {"Disp. (in zero-peak) ", "Disp. (in zero-peak) ", "Disp. (in peak-peak) ",
                                           "Disp. (in peak-peak) ", "Velocity (in/sec) "};
// Without the trailing blank that the amplitude analysis's labels have.
constexpr const char* kPairSecondLabel[] = {"Velocity (in/sec)", "Acceleration (G)", "Velocity (in/sec)",
                                            "Acceleration (G)", "Acceleration (G)"};

}  // namespace

const ItemTable kAnalysisItems = res::MakeItemTable(kAnalysis);
const ItemTable kGivenQuantityItems = res::MakeItemTable(kGivenQuantity);
const ItemTable kAmplitudePairItems = res::MakeItemTable(kAmplitudePair);
const ItemTable kRateTypeItems = res::MakeItemTable(kRateType);

const char* GivenQuantityLabel(int givenQuantity) { return Row(kGivenQuantityLabel, givenQuantity); }

const char* PairFirstLabel(int amplitudePair) { return Row(kPairFirstLabel, amplitudePair); }

const char* PairSecondLabel(int amplitudePair) { return Row(kPairSecondLabel, amplitudePair); }

}  // namespace sweep
