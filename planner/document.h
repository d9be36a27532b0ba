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
constexpr double kMaxAxes = 1000.0;

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
    double sweeps = 1.0;  // whole; not used when a duration is given
    // The time per axis in place of a count of sweeps (version 2): the sweep
    // runs as many passes as fit, the last one perhaps in part.
    std::optional<Quantity> duration;
    double axes = 1.0;  // whole
    std::vector<Dwell> dwells;

    bool operator==(const SweepSettings& o) const {
        return type == o.type && rate == o.rate && passTime == o.passTime && mode == o.mode && sweeps == o.sweeps &&
               duration == o.duration && axes == o.axes && dwells == o.dwells;
    }
};

// The level a run of the sequence is held at.
struct RunLevel {
    enum class Source { Profile, Fraction, Own };
    Source source = Source::Profile;
    double fraction = 1.0;  // Fraction: that part of the profile at every frequency, above 0 and at most 1
    LevelKind kind = LevelKind::Acceleration;  // Own: one constant level
    Quantity value;

    bool operator==(const RunLevel& o) const {
        return source == o.source && (source != Source::Fraction || fraction == o.fraction) &&
               (source != Source::Own || (kind == o.kind && value == o.value));
    }
};

enum class RunKind { Sweep, Search, Dwell, Stepped };

// "sweep", "search", "dwell", "stepped": the run's name in the document.
const char* RunKindName(RunKind kind);

// One run of the test sequence on each axis (version 2). Which members a run
// uses depends on its kind; the others keep their defaults.
struct Run {
    RunKind kind = RunKind::Sweep;
    // Search: a sweep over the profile's span. Exactly one of rate and
    // passTime, and of sweeps and duration.
    SweepType type = SweepType::Log;
    std::optional<Quantity> rate;
    std::optional<Quantity> passTime;
    SweepMode mode = SweepMode::Up;
    std::optional<double> sweeps;  // whole
    std::optional<Quantity> duration;
    // Dwell: at one frequency, or a budget for resonances still to be found.
    // Exactly one of frequency and resonances, and of time and cycles.
    std::optional<Quantity> frequency;
    std::optional<double> resonances;  // whole
    std::optional<Quantity> time;
    std::optional<double> cycles;
    // Stepped: from, to and step (a frequency, or octaves with the unit
    // "oct"); each frequency held for hold or for holdCycles.
    Quantity from;
    Quantity to;
    Quantity step;
    std::optional<Quantity> hold;
    std::optional<double> holdCycles;
    // Search, dwell, stepped.
    RunLevel level;

    bool operator==(const Run& o) const {
        return kind == o.kind && type == o.type && rate == o.rate && passTime == o.passTime && mode == o.mode &&
               sweeps == o.sweeps && duration == o.duration && frequency == o.frequency && resonances == o.resonances &&
               time == o.time && cycles == o.cycles && from == o.from && to == o.to && step == o.step &&
               hold == o.hold && holdCycles == o.holdCycles && level == o.level;
    }

    bool StepsInOctaves() const { return step.unit == "oct"; }
};

constexpr double kMaxSteps = 10000.0;
constexpr double kMaxResonances = 1000.0;

// One axis's set-up on the shaker when the axes differ (the vertical axis
// through a head expander, the horizontal ones on a slip table): what it
// gives takes the place of the shaker's own.
struct AxisSetup {
    std::optional<std::string> axis;  // a label: "vertical", "X"
    std::optional<std::string> expander;
    std::optional<Quantity> expanderResonance;
    std::optional<std::string> fixture;
    std::optional<Quantity> fixtureResonance;
    // The moving masses of this axis: expander, fixture, specimen (the
    // armature is the shaker's).
    std::array<std::optional<Quantity>, 3> masses;

    bool operator==(const AxisSetup& o) const {
        return axis == o.axis && expander == o.expander && expanderResonance == o.expanderResonance &&
               fixture == o.fixture && fixtureResonance == o.fixtureResonance && masses == o.masses;
    }
};

struct ShakerSettings {
    std::optional<Quantity> ratedForce;
    // The part of the rated force that may be used; absent: all of it, or
    // the library's derating for a shaker named from the library.
    std::optional<double> forceFraction;
    // The moving masses: armature, expander, fixture, specimen; any may be absent.
    std::array<std::optional<Quantity>, 4> masses;
    std::optional<Quantity> strokePp;
    std::optional<Quantity> velocity;
    std::optional<Quantity> acceleration;
    // Version 2: the lab library's entries this set-up was taken from, by
    // name, and the figures of theirs the plan keeps a copy of.
    std::optional<std::string> name;
    std::optional<std::string> expander;
    std::optional<std::string> fixture;
    std::optional<Quantity> maxPayload;
    std::optional<std::array<Quantity, 2>> frequencyRange;
    std::optional<Quantity> expanderResonance;
    std::optional<Quantity> fixtureResonance;
    // Version 2: one set-up per axis when they differ; none: every axis as above.
    std::vector<AxisSetup> setups;

    bool operator==(const ShakerSettings& o) const {
        return masses == o.masses && ratedForce == o.ratedForce && forceFraction == o.forceFraction &&
               strokePp == o.strokePp && velocity == o.velocity && acceleration == o.acceleration && name == o.name &&
               expander == o.expander && fixture == o.fixture && maxPayload == o.maxPayload &&
               frequencyRange == o.frequencyRange && expanderResonance == o.expanderResonance &&
               fixtureResonance == o.fixtureResonance && setups == o.setups;
    }

    double ForceFraction() const { return forceFraction.value_or(1.0); }
    // The set-up of one axis: this one with what the axis's set-up gives.
    ShakerSettings OnAxis(std::size_t axis) const;
    // Uses anything only version 2 holds.
    bool UsesLibraryFields() const {
        return name || expander || fixture || maxPayload || frequencyRange || expanderResonance || fixtureResonance ||
               !setups.empty();
    }
};

extern const char* const kMassNames[4];

// What makes a plan a template (version 2): its title, the standard or
// test procedure it follows as its author cites it, notes, and an id by
// which a library lists it.
struct TemplateInfo {
    std::optional<std::string> id;
    std::string title;
    std::optional<std::string> reference;
    std::optional<std::string> notes;

    bool operator==(const TemplateInfo& o) const {
        return id == o.id && title == o.title && reference == o.reference && notes == o.notes;
    }
};

// The report's title block (version 2): who the test is for and who
// planned it. Every field may be absent; texts are shown as written.
struct ReportInfo {
    std::optional<std::string> title;
    std::optional<std::string> specimen;
    std::optional<std::string> customer;
    std::optional<std::string> reference;  // the standard or test procedure the test follows
    std::optional<std::string> author;
    std::optional<std::string> revision;
    std::optional<std::string> notes;

    bool operator==(const ReportInfo& o) const {
        return title == o.title && specimen == o.specimen && customer == o.customer && reference == o.reference &&
               author == o.author && revision == o.revision && notes == o.notes;
    }
};

struct PlanDocument {
    Quantity gravity{kStandardGravity, ""};
    std::vector<Segment> profile;
    std::optional<SweepSettings> sweep;
    std::optional<ShakerSettings> shaker;
    // The runs made on each axis, in order (version 2); none: the one
    // endurance sweep of `sweep`.
    std::optional<std::vector<Run>> sequence;
    // The number of axes of a plan without a sweep (version 2); with a
    // sweep, sweep.axes counts them.
    std::optional<double> axes;
    std::optional<TemplateInfo> templateInfo;
    std::optional<ReportInfo> report;
    // The JSON paths of the fields left for the user to fill, written "?", in
    // document order ("profile[1].to", "sweep.dwells[0].time"). Such a field
    // holds a zero in the model; a plan with any cannot be evaluated.
    std::vector<std::string> unfilled;

    bool operator==(const PlanDocument& o) const {
        return gravity == o.gravity && profile == o.profile && sweep == o.sweep && shaker == o.shaker &&
               sequence == o.sequence && axes == o.axes && templateInfo == o.templateInfo && report == o.report &&
               unfilled == o.unfilled;
    }

    bool IsUnfilled(std::string_view path) const;
    // The lowest version that holds this document: 2 for fields to fill, a
    // sequence, top-level axes or a sweep given by its duration.
    int Version() const;
    // The axes the test is run on: the sweep's, the plan's own, or one.
    double Axes() const { return sweep ? sweep->axes : axes.value_or(1.0); }

    double GravitySi() const { return ToSi(gravity, QuantityKind::Acceleration, 0.0); }
    // The document writes at least one inch or pound unit: show results in those.
    bool UsesInchPound() const;
};

// Reads a document and checks each field on its own: kinds, units, ranges,
// known names. Whether the profile holds together is checked by the profile.
// Returns false with one message that names the field as a JSON path.
bool ReadPlanDocument(std::string_view text, PlanDocument& document, std::string& message);

struct JsonValue;

// The same for a document already parsed, such as a template inside a library.
bool ReadPlanJson(const JsonValue& root, PlanDocument& document, std::string& message);

// A document that reads back to an equal model, at its lowest version.
std::string WritePlanDocument(const PlanDocument& document);

}  // namespace planner
