#pragma once

#include <optional>
#include <string>
#include <vector>

#include "planner/document.h"
#include "planner/profile.h"

namespace planner {

enum class LimitKind { Force, Stroke, Velocity, Acceleration };

const char* LimitName(LimitKind kind);  // "force", "stroke", "velocity", "acceleration"

// One limit of the shaker against what the profile asks of it (SI units:
// N, m peak-to-peak, m/s, m/s^2).
struct ShakerCheck {
    LimitKind limit = LimitKind::Force;
    double required = 0.0;
    double available = 0.0;
    double margin = 0.0;     // available / required; below 1 fails
    double frequency = 0.0;  // Hz, where the profile asks the most
    bool ok = false;
    // The run of the sequence that asks the most (the first of equals), when
    // the document has a sequence.
    std::optional<std::size_t> run;
};

struct ShakerResult {
    std::optional<double> movingMass;       // kg, when any mass is given
    std::optional<double> maxAcceleration;  // m/s^2, the usable force over the moving mass
    std::vector<ShakerCheck> checks;        // force, stroke, velocity, acceleration: those with a limit
    bool ok = true;                         // every check passes
};

struct SequenceResult;

// Checks what the profile asks, or with a sequence what its runs ask, each
// at its own level.
bool CheckShaker(const PlanDocument& document, const ResolvedProfile& profile, const SequenceResult* sequence,
                 ShakerResult& result, std::string& message);

// The check with the least margin, the first of those equal within
// rounding; null when there is no check.
const ShakerCheck* BindingCheck(const ShakerResult& result);

}  // namespace planner
