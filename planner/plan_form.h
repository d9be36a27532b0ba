#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "planner/plan.h"
#include "planner/ranking.h"
#include "planner/results_table.h"

// The planner window's fields as texts and list choices, and the document
// they describe. Window-free, so that the editor's rules can be tested alone.
namespace planner {

extern const char* const kSweepTypeItems[2];  // in SweepType order
extern const char* const kSweepModeItems[3];  // in SweepMode order

// The units a field of this kind may be given in, in list order: the
// choices of the unit list beside it.
const std::vector<std::string>& FieldUnits(QuantityKind kind);
// The units the gravity may be given in: an acceleration's but g.
const std::vector<std::string>& GravityUnits();
// The units a level of this kind may be given in, in list order.
const std::vector<std::string>& LevelUnits(LevelKind kind);

// A quantity field with a unit list beside it. The text is a number in the
// unit chosen in the list, or a number and a unit typed after it, which is
// then that number's unit (and the list follows it). A bare number with no
// unit chosen does not read: no unit is ever assumed.
struct QuantityField {
    std::string text;
    int unit = -1;  // into FieldUnits(kind); -1 while none is chosen
};

// After the text was typed: the unit typed with the number, if it is one of
// the list's, becomes the list's choice. True when the choice changed.
bool FollowTypedUnit(QuantityField& field, QuantityKind kind);
// The same for a list of other units than the kind's (the gravity's).
bool FollowTypedUnit(QuantityField& field, QuantityKind kind, const std::vector<std::string>& units);
// After a unit was chosen in the list: the number alone stays, now in that
// unit, so that the field never shows one unit and means another.
void ChooseUnit(QuantityField& field, QuantityKind kind, int unit);

// A field's quantity: its number in the unit typed with it, else in the
// unit chosen beside it from units; absent when empty. False with the problem.
bool ReadQuantity(const QuantityField& field, QuantityKind kind, const std::vector<std::string>& units,
                  std::optional<Quantity>& quantity, std::string& problem);
// A plain number, blanks around it allowed.
bool ReadNumber(const std::string& field, double& number, std::string& problem);
// Empty for standard gravity; a bare number is in the unit chosen beside it,
// and m/s^2 is written as the bare number files have always had.
bool ReadGravity(const QuantityField& field, Quantity& gravity, std::string& problem);
// The number, and its unit chosen in the list: the unit it was written in,
// the SI unit for a bare number. Empty with no unit when absent.
QuantityField FieldOf(const std::optional<Quantity>& quantity, QuantityKind kind);
// A document's gravity in its field, in GravityUnits().
QuantityField GravityField(const Quantity& gravity);

struct SegmentFields {
    std::string from = "auto";  // Hz, or "auto"
    std::string to = "auto";
    LevelKind kind = LevelKind::Acceleration;
    int unit = 0;  // into LevelUnits(kind)
    std::string value;
    std::string endValue;  // empty for a constant level
};

struct DwellFields {
    std::string frequency;  // Hz
    QuantityField time;     // a time
};

// The Sequence box's kinds of run, in its list's order; a dwell budgeted for
// resonances still to be found is a choice of its own.
enum class RunChoice { Sweep, Search, Dwell, Resonances, Stepped };
constexpr int kRunChoices = 5;
extern const char* const kRunChoiceItems[kRunChoices];
// The level a run is held at, in RunLevel::Source order.
extern const char* const kLevelSourceItems[3];

// A run's fields are four slots, each a text with a unit list, whose
// meaning the choice gives (RunSlotLabel); a unit list may hold the words
// of a count ("cycles", "sweeps"), which make the text a number of them.
constexpr int kRunSlots = 4;

struct RunFields {
    RunChoice choice = RunChoice::Dwell;
    SweepType type = SweepType::Log;  // a search's
    SweepMode mode = SweepMode::Up;
    std::array<QuantityField, kRunSlots> entries;  // units into RunSlotUnits
    RunLevel::Source source = RunLevel::Source::Profile;
    std::string level;  // the fraction, or the own level's number
    LevelKind levelKind = LevelKind::Acceleration;
    int levelUnit = 0;  // into LevelUnits(levelKind)
};

// The label of a slot for that choice ("Hold"); nullptr for a slot it does
// not use.
const char* RunSlotLabel(RunChoice choice, int slot);
// The units a slot may be given in; empty for a plain number.
const std::vector<std::string>& RunSlotUnits(RunChoice choice, int slot);
// A run of that choice with its slots empty, the usual units chosen.
RunFields NewRunFields(RunChoice choice);
// As FollowTypedUnit and ChooseUnit, for a run's slot.
bool FollowTypedRunUnit(RunFields& run, int slot);
void ChooseRunUnit(RunFields& run, int slot, int unit);
// A run's line in the Sequence list: "dwell, 30 Hz for 2 h".
std::string RunSummary(const RunFields& run);

struct PlanFields {
    std::vector<SegmentFields> segments;
    SweepType sweepType = SweepType::Log;
    SweepMode sweepMode = SweepMode::UpDown;
    std::string rate;          // "1 oct/min", or a time per pass "30 min"; empty: no sweep
    std::string sweeps = "1";  // a number of sweeps, or a time per axis ("2 h")
    std::string axes = "1";
    std::vector<DwellFields> dwells;  // a sweep's
    std::vector<RunFields> runs;      // the sequence; none: the sweep alone
    // The shaker: each empty when absent; none given, no shaker.
    QuantityField force;
    std::string fraction;
    std::array<QuantityField, 4> masses;
    QuantityField stroke;
    QuantityField velocity;
    QuantityField acceleration;
    // In GravityUnits(); empty for standard gravity.
    QuantityField gravity = GravityField(Quantity{kStandardGravity, ""});
    // What the window does not show of the shaker (the library's names and
    // the figures kept of them, the set-ups per axis), kept as the document
    // had it so that a save never drops it, with its fields to fill.
    ShakerSettings kept;
    std::vector<std::string> keptUnfilled;
    // The report's title block, edited in Report Details: kept as the
    // document had it, texts as typed.
    std::optional<ReportInfo> report;
    // The document's sweep had its rate (or time per pass) to fill: an empty
    // rate is then that figure still to give, not "no sweep".
    bool rateToFill = false;
};

// What File > New shows: one segment of 1 g from 10 to 100 Hz, swept at
// 1 octave a minute up and down once, no shaker.
PlanFields NewPlanFields();

// The fields of a document as it was written.
PlanFields FieldsOf(const PlanDocument& document);

// The shaker's fields and what is kept of it replaced by this set-up, each
// quantity in the unit it is given in; a kept figure to fill that the
// set-up now gives is filled.
void SetShakerFields(PlanFields& fields, const ShakerSettings& shaker);

// The Which shaker? list's rows: rank, shaker, can run, margin, the limit
// that binds.
constexpr int kRankingColumns = 5;
extern const char* const kRankingColumnTitles[kRankingColumns];
std::vector<std::vector<std::string>> RankingRows(const std::vector<RankedShaker>& ranking);

// The window's fields that a problem can lie in; the segment's own ones
// (From to EndValue) are those of one segment, a dwell's of one dwell, a
// run's (RunRate to RunLevel) of one run.
enum class FormField {
    None,
    From,
    To,
    Value,
    EndValue,
    Rate,
    Sweeps,
    Axes,
    DwellFrequency,
    DwellTime,
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
    Gravity,
    // A run's fields, by the label each has for its kind.
    RunRate,
    RunSweeps,
    RunAt,
    RunCount,
    RunFor,
    RunFrom,
    RunTo,
    RunStep,
    RunHold,
    RunLevel,
};

// The slot a run's field is shown in; -1 for the level and other fields.
int RunSlotOf(FormField field);

// A run unit list's entry as the window shows it: the count words ("cycles",
// "sweeps", and "cycle", "sweep" after a 1) in the process's language, unit
// symbols as they are.
std::string ShownUnitWord(const std::string& unit);

struct FieldPlace {
    FormField field = FormField::None;
    int segment = -1;  // from 0, for a segment's own field
    int dwell = -1;    // from 0, for a dwell's own field
    int run = -1;      // from 0, for a run's own field
};

// What the window calls a field in its messages: its group and its label as
// the window shows it, "Segment 2, To", "Shaker, Rated force".
std::string FieldName(const FieldPlace& place);

// A message of the document's checks, which name a field by its path in the
// file ("profile[1].to: ..."), as the window says it ("Segment 2, To: ...");
// place is the field it names, None when it names no single field (the
// moving mass, the profile as a whole).
std::string WindowMessage(const std::string& message, FieldPlace& place);

// Whether a required field left empty is a field to fill (a plan saved
// unfinished) or a problem.
enum class Unfilled { Refused, Allowed };

// The document the fields describe, checked as a file of it would be. False
// with one message naming the field as the window does ("Segment 2, To: ...")
// and, in place, that field; None when the message names no single field.
// With Unfilled::Allowed an empty segment, dwell, run, rate, sweeps or axes
// field is a field to fill, and a text that does not read is still refused.
bool DocumentOf(const PlanFields& fields, PlanDocument& document, std::string& problem, FieldPlace& place,
                Unfilled unfilled = Unfilled::Refused);
bool DocumentOf(const PlanFields& fields, PlanDocument& document, std::string& problem,
                Unfilled unfilled = Unfilled::Refused);

// The places of a document's fields to fill, as the window names them.
std::vector<FieldPlace> UnfilledPlaces(const PlanDocument& document);

// The profile as the window's grid shows it, a row per segment: its number,
// From, To, the level's kind, value and unit, and the ramp's end (a level,
// or a slope "+6 dB/oct"; empty for a constant level).
enum ProfileColumn { kSegmentColumn, kFromColumn, kToColumn, kLevelColumn, kValueColumn, kUnitColumn, kRampColumn };
constexpr int kProfileColumns = 7;
extern const char* const kProfileColumnTitles[kProfileColumns];
// The level column's choices, in LevelKind order, short enough for a cell.
extern const char* const kLevelKindCells[4];
// A level kind's cell as the window shows it, in the process's language.
const char* LevelKindCell(LevelKind kind);
// The unit column's choices: every level's units, a length's, a velocity's
// and an acceleration's, so that choosing one of another kind changes the
// level's kind to it.
const std::vector<std::string>& ProfileUnits();

std::vector<std::string> ProfileRow(std::size_t index, const SegmentFields& segment);
// A cell of a segment's row as the user changed it. False, with nothing
// changed, for a text that is not among the column's choices, or a column
// that cannot be edited.
bool SetProfileCell(SegmentFields& segment, int column, const std::string& text);

// What an edit from before to after changed, for the undo history: the
// name of the one text field it changed ("segments[1].value"), so that
// typing on in that field stays one step; empty for any other change (a
// choice in a list, a segment or dwell added, several fields at once).
std::string TypingKey(const PlanFields& before, const PlanFields& after);

// A dwell's line in its list: "40 Hz for 5 min".
std::string DwellSummary(const DwellFields& dwell);

}  // namespace planner
