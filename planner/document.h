#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "planner/quantity.h"

namespace planner {

constexpr int kPlanVersion = 2;  // the newest version this program reads
// Version 2 added fields to fill ("?"); a document without any is written as
// version 1, which every Halvex reads.
constexpr double kMaxSweeps = 10000.0;

enum class LevelKind { DisplacementPp, DisplacementZp, Velocity, Acceleration };

// "displacement_pp" etc., the field names of the document.
const char* LevelFieldName(LevelKind kind);
QuantityKind LevelQuantityKind(LevelKind kind);

struct Boundary {
    bool isAuto = false;
    Quantity frequency;  // when not auto

    bool operator==(const Boundary& o) const { return isAuto == o.isAuto && (isAuto || frequency == o.frequency); }
};

struct Segment {
    Boundary from;
    Boundary to;
    LevelKind kind = LevelKind::Acceleration;
    std::vector<Quantity> values;  // one for a constant level, two for a ramp from `from` to `to`

    bool operator==(const Segment& o) const {
        return from == o.from && to == o.to && kind == o.kind && values == o.values;
    }
};

struct Dwell {
    Quantity frequency;
    Quantity time;

    bool operator==(const Dwell& o) const { return frequency == o.frequency && time == o.time; }
};

enum class SweepType { Log, Linear };
enum class SweepMode { Up, Down, UpDown };

struct SweepSettings {
    SweepType type = SweepType::Log;
    std::optional<Quantity> rate;  // exactly one of rate and passTime
    std::optional<Quantity> passTime;
    SweepMode mode = SweepMode::Up;
    double sweeps = 1.0;  // whole
    double axes = 1.0;    // whole
    std::vector<Dwell> dwells;

    bool operator==(const SweepSettings& o) const {
        return type == o.type && rate == o.rate && passTime == o.passTime && mode == o.mode && sweeps == o.sweeps &&
               axes == o.axes && dwells == o.dwells;
    }
};

struct ShakerSettings {
    std::optional<Quantity> ratedForce;
    double forceFraction = 1.0;
    // The moving masses: armature, expander, fixture, specimen; any may be absent.
    std::array<std::optional<Quantity>, 4> masses;
    std::optional<Quantity> strokePp;
    std::optional<Quantity> velocity;
    std::optional<Quantity> acceleration;

    bool operator==(const ShakerSettings& o) const {
        return masses == o.masses && ratedForce == o.ratedForce && forceFraction == o.forceFraction &&
               strokePp == o.strokePp && velocity == o.velocity && acceleration == o.acceleration;
    }
};

extern const char* const kMassNames[4];

struct PlanDocument {
    Quantity gravity{kStandardGravity, ""};
    std::vector<Segment> profile;
    std::optional<SweepSettings> sweep;
    std::optional<ShakerSettings> shaker;
    // The JSON paths of the fields left for the user to fill, written "?", in
    // document order ("profile[1].to", "sweep.dwells[0].time"). Such a field
    // holds a zero in the model; a plan with any cannot be evaluated.
    std::vector<std::string> unfilled;

    bool operator==(const PlanDocument& o) const {
        return gravity == o.gravity && profile == o.profile && sweep == o.sweep && shaker == o.shaker &&
               unfilled == o.unfilled;
    }

    bool IsUnfilled(std::string_view path) const;
    // The lowest version that holds this document.
    int Version() const { return unfilled.empty() ? 1 : 2; }

    double GravitySi() const { return ToSi(gravity, QuantityKind::Acceleration, 0.0); }
    // The document writes at least one inch or pound unit: show results in those.
    bool UsesInchPound() const;
};

// Reads a document and checks each field on its own: kinds, units, ranges,
// known names. Whether the profile holds together is checked by the profile.
// Returns false with one message that names the field as a JSON path.
bool ReadPlanDocument(std::string_view text, PlanDocument& document, std::string& message);

// A document that reads back to an equal model, at its lowest version.
std::string WritePlanDocument(const PlanDocument& document);

}  // namespace planner
