#pragma once

#include <optional>
#include <string>
#include <vector>

#include "planner/document.h"

namespace planner {

// Sine motion at one frequency, SI: displacement peak-to-peak in m, velocity
// in m/s and acceleration in m/s^2, both zero-to-peak.
struct Motion {
    double displacementPp = 0.0;
    double velocity = 0.0;
    double acceleration = 0.0;
};

// The motion of a level of this kind and value (SI) at f Hz.
Motion MotionAt(LevelKind kind, double level, double f);

struct ResolvedSegment {
    double from = 0.0;  // Hz
    double to = 0.0;
    LevelKind kind = LevelKind::Acceleration;
    bool ramp = false;
    double startLevel = 0.0;  // the level's own quantity, SI, at from and at to
    double endLevel = 0.0;
    // A ramp's slope: 20 log10 of the ratio of the level's own quantity per octave.
    double slopeDbPerOctave = 0.0;
    Motion start;
    Motion end;
};

struct Peak {
    double value = 0.0;
    double frequency = 0.0;  // the lowest frequency where the value is reached
};

// Where two segments meet at a stated frequency but their levels do not:
// a step a controller will either smooth or refuse. Not a refusal; the
// profile computes as written.
struct ProfileWarning {
    std::string path;               // the boundary: "profile[0].to"
    std::size_t segment = 0;        // the segment the boundary ends
    double frequency = 0.0;         // Hz, the boundary
    std::string message;            // with the path, the two levels, the step and where they would meet
    double stepPercent = 0.0;       // of the smaller level
    std::optional<double> meetsAt;  // Hz, where the two levels would meet
};

// Levels that differ by more than this part at a stated boundary are warned of.
constexpr double kProfileStepTolerance = 0.005;

struct ResolvedProfile {
    std::vector<ResolvedSegment> segments;
    std::vector<ProfileWarning> warnings;
    std::vector<double> crossovers;  // Hz, the auto boundaries from low to high
    Peak displacementPp;
    Peak velocity;
    Peak acceleration;

    double Lowest() const { return segments.front().from; }
    double Highest() const { return segments.back().to; }
};

// Resolves the boundaries (crossovers where both sides say auto), checks
// that the segments join from low to high, and finds the values at the ends
// and the peaks. Returns false with one message naming the field.
bool ResolveProfile(const PlanDocument& document, ResolvedProfile& profile, std::string& message);

}  // namespace planner
