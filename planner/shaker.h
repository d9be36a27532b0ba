#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "planner/document.h"
#include "planner/profile.h"

namespace planner {

enum class LimitKind {
    Force,
    Stroke,
    Velocity,
    Acceleration,
    Payload,
    FrequencyRange,
    ExpanderResonance,
    FixtureResonance
};

// "force", "stroke", "velocity", "acceleration", "payload", "frequency_range",
// "expander_resonance", "fixture_resonance".
const char* LimitName(LimitKind kind);

// One limit of the shaker against what the profile asks of it (SI units:
// N, m peak-to-peak, m/s, m/s^2, kg, Hz).
struct ShakerCheck {
    LimitKind limit = LimitKind::Force;
    double required = 0.0;
    double available = 0.0;  // the usable figure: the rated one derated
    double rated = 0.0;      // the figure before derating
    double margin = 0.0;     // available / required; below 1 fails
    // Hz, where the profile asks the most; for the frequency checks the
    // test's frequency that binds; none for the payload.
    std::optional<double> frequency;
    bool ok = false;
    // The run of the sequence that asks the most (the first of equals), when
    // the document has a sequence.
    std::optional<std::size_t> run;
    // With a set-up per axis: the axis where the check comes closest to failing.
    std::optional<std::size_t> axis;
};

struct ShakerResult {
    std::optional<double> movingMass;            // kg, when any mass is given
    std::optional<double> maxAcceleration;       // m/s^2, the usable force over the moving mass
    std::optional<double> ratedMaxAcceleration;  // m/s^2, the rated force over it
    std::vector<ShakerCheck> checks;             // force, stroke, velocity, acceleration: those with a limit
    bool ok = true;                              // every check passes
    // With a set-up per axis: each axis's own; then checks holds each
    // limit at the axis where its margin is least, and the moving mass is
    // the heaviest axis's.
    std::vector<ShakerResult> axes;
};

struct SequenceResult;
struct LabDocument;

// Checks what the profile asks, or with a sequence what its runs ask, each
// at its own level. A shaker named from the library, with no force fraction
// of its own, is derated as the library says; the library's fixture margin
// raises the bar for the expander's and fixture's first resonances.
bool CheckShaker(const PlanDocument& document, const ResolvedProfile& profile, const SequenceResult* sequence,
                 const LabDocument* lab, ShakerResult& result, std::string& message);

// The same for one set-up of a shaker, in a document of this gravity.
bool CheckShakerSettings(const ShakerSettings& shaker, double gravity, const ResolvedProfile& profile,
                         const SequenceResult* sequence, const LabDocument* lab, ShakerResult& result,
                         std::string& message);

// The lowest and highest frequency the test reaches: the profile's span, and
// any run of the sequence outside it.
std::pair<double, double> TestSpan(const ResolvedProfile& profile, const SequenceResult* sequence);

// The check with the least margin, the first of those equal within
// rounding; a frequency range that holds binds only when it is the only
// check. Null when there is no check.
const ShakerCheck* BindingCheck(const ShakerResult& result);

}  // namespace planner
