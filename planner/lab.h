#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "planner/document.h"
#include "planner/quantity.h"

// The lab's equipment library: its shakers, head expanders and slip tables,
// and fixtures, kept once and named, with the lab's derating.
namespace planner {

constexpr int kLabVersion = 1;  // the newest version this program reads

// The part of each rated figure the lab uses day to day, above 0 and at most 1.
struct LabDerating {
    double force = 1.0;
    double stroke = 1.0;
    double velocity = 1.0;
    double acceleration = 1.0;

    bool operator==(const LabDerating& o) const {
        return force == o.force && stroke == o.stroke && velocity == o.velocity && acceleration == o.acceleration;
    }
};

struct LabShaker {
    std::string name;
    std::optional<Quantity> ratedForce;
    std::optional<Quantity> strokePp;
    std::optional<Quantity> velocity;
    std::optional<Quantity> acceleration;
    std::optional<Quantity> armature;    // the armature's moving mass
    std::optional<Quantity> maxPayload;  // what the armature may carry: specimen, fixture and expander
    std::optional<std::array<Quantity, 2>> frequencyRange;

    bool operator==(const LabShaker& o) const {
        return name == o.name && ratedForce == o.ratedForce && strokePp == o.strokePp && velocity == o.velocity &&
               acceleration == o.acceleration && armature == o.armature && maxPayload == o.maxPayload &&
               frequencyRange == o.frequencyRange;
    }
};

enum class ExpanderKind { HeadExpander, SlipTable };

// "head expander", "slip table".
const char* ExpanderKindName(ExpanderKind kind);

struct LabExpander {
    std::string name;
    std::optional<ExpanderKind> kind;
    std::optional<Quantity> mass;
    std::optional<Quantity> firstResonance;

    bool operator==(const LabExpander& o) const {
        return name == o.name && kind == o.kind && mass == o.mass && firstResonance == o.firstResonance;
    }
};

struct LabFixture {
    std::string name;
    std::optional<Quantity> mass;
    std::optional<Quantity> firstResonance;

    bool operator==(const LabFixture& o) const {
        return name == o.name && mass == o.mass && firstResonance == o.firstResonance;
    }
};

struct LabDocument {
    std::optional<std::string> name;
    Quantity gravity{kStandardGravity, ""};
    LabDerating derating;
    // A fixture's or expander's first resonance must lie above this many
    // times the test's highest frequency; at least 1.
    double fixtureMargin = 1.0;
    std::vector<LabShaker> shakers;
    std::vector<LabExpander> expanders;
    std::vector<LabFixture> fixtures;
    // The lab's own templates: plan documents with a template id each, unique.
    std::vector<PlanDocument> templates;

    bool operator==(const LabDocument& o) const {
        return name == o.name && gravity == o.gravity && derating == o.derating && fixtureMargin == o.fixtureMargin &&
               shakers == o.shakers && expanders == o.expanders && fixtures == o.fixtures && templates == o.templates;
    }

    double GravitySi() const { return ToSi(gravity, QuantityKind::Acceleration, 0.0); }
    const LabShaker* FindShaker(std::string_view shakerName) const;
    const LabExpander* FindExpander(std::string_view expanderName) const;
    const LabFixture* FindFixture(std::string_view fixtureName) const;
};

// Reads a library and checks each field: kinds, units, ranges, known names,
// names unique within their list. False with one message naming the field
// as a JSON path ("shakers[1].rated_force: ...").
bool ReadLabDocument(std::string_view text, LabDocument& lab, std::string& message);

// A library that reads back to an equal model.
std::string WriteLabDocument(const LabDocument& lab);

// The user's own library, in the user's data directory; empty when there is none.
std::string DefaultLabPath();

// The library the user chose last (a lab's on a shared drive), else the
// default one.
std::string ChosenLabPath();

// Remembers the library chosen, for the next start; false with a message
// when it cannot be kept.
bool RememberLabPath(const std::string& path, std::string& message);

// What opening a library found: a missing file is an empty library; a file
// that does not read is never to be written over, and says why.
struct OpenedLab {
    LabDocument lab;
    bool exists = false;
    bool readable = true;
    std::string problem;  // "FILE: field: what is wrong" when not readable
};

OpenedLab OpenLab(const std::string& path);

// Writes the library whole or not at all. Refuses to write over a file that
// is there and does not read as a library, so that a library a newer Halvex
// or a person wrote is never lost.
bool SaveLab(const std::string& path, const LabDocument& lab, std::string& message);

}  // namespace planner
