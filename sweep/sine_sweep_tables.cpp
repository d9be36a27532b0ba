#include "sweep/sine_sweep_tables.h"

#include "lang/tr.h"

namespace sweep {
namespace {

template <std::size_t N>
const char* Row(const char* const (&items)[N], int index) {
    return (index >= 0 && static_cast<std::size_t>(index) < N) ? items[index] : nullptr;
}

constexpr const char* kAnalysis[] = {N_("Amplitude"), N_("Crossover Frequency"), N_("Number of Octaves"),
                                     N_("Sweep Rate"), N_("Total Sine Cycles")};
constexpr const char* kGivenQuantity[] = {N_("displacement (zero-to-peak)"), N_("displacement (peak-to-peak)"),
                                          N_("velocity    "), N_("acceleration    ")};
constexpr const char* kAmplitudePair[] = {N_("disp (zero-peak) -> velocity "), N_("disp (zero-peak) -> acceleration "),
                                          N_("disp (peak-peak) -> velocity "), N_("disp (peak-peak) -> acceleration "),
                                          N_("velocity         -> acceleration  ")};
constexpr const char* kRateType[] = {N_("linear "), N_("log    ")};

constexpr const char* kGivenQuantityLabel[] = {N_("Disp. (in zero-peak) "), N_("Disp. (in peak-peak) "),
                                               N_("Velocity (in/sec) "), N_("Acceleration (G) ")};
constexpr const char* kPairFirstLabel[] = {N_("Disp. (in zero-peak) "), N_("Disp. (in zero-peak) "),
                                           N_("Disp. (in peak-peak) "), N_("Disp. (in peak-peak) "),
                                           N_("Velocity (in/sec) ")};
// Without the trailing blank that the amplitude analysis's labels have.
constexpr const char* kPairSecondLabel[] = {N_("Velocity (in/sec)"), N_("Acceleration (G)"), N_("Velocity (in/sec)"),
                                            N_("Acceleration (G)"), N_("Acceleration (G)")};

}  // namespace

const ItemTable kAnalysisItems = res::MakeItemTable(kAnalysis);
const ItemTable kGivenQuantityItems = res::MakeItemTable(kGivenQuantity);
const ItemTable kAmplitudePairItems = res::MakeItemTable(kAmplitudePair);
const ItemTable kRateTypeItems = res::MakeItemTable(kRateType);

const char* GivenQuantityLabel(int givenQuantity) { return Row(kGivenQuantityLabel, givenQuantity); }

const char* PairFirstLabel(int amplitudePair) { return Row(kPairFirstLabel, amplitudePair); }

const char* PairSecondLabel(int amplitudePair) { return Row(kPairSecondLabel, amplitudePair); }

}  // namespace sweep
