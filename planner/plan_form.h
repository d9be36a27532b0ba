#pragma once

#include <array>
#include <string>
#include <vector>

#include "planner/plan.h"
#include "planner/results_table.h"

// The planner window's fields as texts and list choices, and the document
// they describe. Window-free, so that the editor's rules can be tested alone.
namespace planner {

extern const char* const kLevelKindItems[4];  // in LevelKind order
extern const char* const kSweepTypeItems[2];  // in SweepType order
extern const char* const kSweepModeItems[3];  // in SweepMode order

// The units a level of this kind may be given in, in list order.
const std::vector<std::string>& LevelUnits(LevelKind kind);

struct SegmentFields {
    std::string from = "auto";  // Hz, or "auto"
    std::string to = "auto";
    LevelKind kind = LevelKind::Acceleration;
    int unit = 0;  // into LevelUnits(kind)
    std::string value;
    std::string endValue;  // empty for a constant level
};

struct PlanFields {
    std::vector<SegmentFields> segments;
    SweepType sweepType = SweepType::Log;
    SweepMode sweepMode = SweepMode::UpDown;
    std::string rate;  // "1 oct/min", or a time per pass "30 min"; empty: no sweep
    std::string sweeps = "1";
    std::string axes = "1";
    // The shaker: each empty when absent; none given, no shaker.
    std::string force;
    std::string fraction;
    std::array<std::string, 4> masses;
    std::string stroke;
    std::string velocity;
    std::string acceleration;
    // Kept from an opened document; the window does not edit them.
    Quantity gravity{kStandardGravity, ""};
    std::vector<Dwell> dwells;
};

// What File > New shows: one segment of 1 g from 10 to 100 Hz, swept at
// 1 octave a minute up and down once, no shaker.
PlanFields NewPlanFields();

// The fields of a document as it was written.
PlanFields FieldsOf(const PlanDocument& document);

// The window's fields that a problem can lie in; the segment's own ones
// (From to EndValue) are those of one segment.
enum class FormField {
    None,
    From,
    To,
    Value,
    EndValue,
    Rate,
    Sweeps,
    Axes,
    Force,
    Fraction,
    Armature,
    Expander,
    Fixture,
    Specimen,
    Stroke,
    Velocity,
    Acceleration,
    QueryTime,
    QueryFrequency,
    QueryResonance,
    QueryQ,
};

struct FieldPlace {
    FormField field = FormField::None;
    int segment = -1;  // from 0, for a segment's own field
};

// The document the fields describe, checked as a file of it would be. False
// with one message naming the field ("Segment 2, To: ..." or the document's
// path of the field) and, in place, that field; None when the message names
// no single field (the moving mass, the profile as a whole).
bool DocumentOf(const PlanFields& fields, PlanDocument& document, std::string& problem, FieldPlace& place);
bool DocumentOf(const PlanFields& fields, PlanDocument& document, std::string& problem);

// A segment's line in the editor's list: "5 Hz to auto: 2.54 mm displacement p-p".
std::string SegmentSummary(const SegmentFields& segment);

}  // namespace planner
