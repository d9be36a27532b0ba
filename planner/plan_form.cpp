#include "planner/plan_form.h"

#include <algorithm>
#include <cmath>

#include "lang/tr.h"
#include "numeric/number_text.h"
#include "planner/result_text.h"

namespace planner {

const char* const kSweepTypeItems[2] = {N_("log"), N_("linear")};
const char* const kSweepModeItems[3] = {N_("up"), N_("down"), N_("up-down")};

const std::vector<std::string>& FieldUnits(QuantityKind kind) {
    static const std::vector<std::string> kLength{"mm", "m", "um", "in", "mil"};
    static const std::vector<std::string> kVelocity{"m/s", "mm/s", "in/s"};
    static const std::vector<std::string> kAcceleration{"g", "m/s^2", "mm/s^2", "in/s^2"};
    static const std::vector<std::string> kFrequency{"Hz"};
    static const std::vector<std::string> kTime{"s", "min", "h"};
    static const std::vector<std::string> kMass{"kg", "g", "lb"};
    static const std::vector<std::string> kForce{"N", "kN", "lbf"};
    static const std::vector<std::string> kSweepRate{"oct/min", "oct/s", "Hz/min", "Hz/s"};
    switch (kind) {
        case QuantityKind::Length:
            return kLength;
        case QuantityKind::Velocity:
            return kVelocity;
        case QuantityKind::Acceleration:
            return kAcceleration;
        case QuantityKind::Frequency:
            return kFrequency;
        case QuantityKind::Time:
            return kTime;
        case QuantityKind::Mass:
            return kMass;
        case QuantityKind::Force:
            return kForce;
        case QuantityKind::SweepRate:
            break;
    }
    return kSweepRate;
}

const std::vector<std::string>& GravityUnits() {
    static const std::vector<std::string> kUnits{"m/s^2", "mm/s^2", "in/s^2"};
    return kUnits;
}

const std::vector<std::string>& LevelUnits(LevelKind kind) { return FieldUnits(LevelQuantityKind(kind)); }

namespace {

std::string Number(double value) { return QuantityText(Quantity{value, ""}); }

std::string Trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

int UnitIndex(const std::vector<std::string>& units, const std::string& unit) {
    for (std::size_t i = 0; i < units.size(); ++i) {
        if (units[i] == unit) return static_cast<int>(i);
    }
    return -1;
}

// The unit a bare number in a document is in.
const char* SiUnit(QuantityKind kind) {
    static const char* const kSi[] = {"m", "m/s", "m/s^2", "Hz", "s", "kg", "N", ""};
    return kSi[static_cast<int>(kind)];
}

// "N, kN, lbf"
std::string UnitChoices(const std::vector<std::string>& units) {
    std::string out;
    for (const std::string& unit : units) out += (out.empty() ? "" : ", ") + unit;
    return out;
}

}  // namespace

bool ReadQuantity(const QuantityField& field, QuantityKind kind, const std::vector<std::string>& units,
                  std::optional<Quantity>& quantity, std::string& problem) {
    const std::string text = Trimmed(field.text);
    quantity.reset();
    if (text.empty()) return true;
    Quantity read;
    if (IsNumberText(text)) {
        if (field.unit < 0 || field.unit >= static_cast<int>(units.size())) {
            problem =
                lang::Fill(lang::Tr("\"%1\" needs a unit: choose one beside it, or type one after the number (%2)"),
                           {text, UnitChoices(units)});
            return false;
        }
        read.number = halvex::ParseNumber(text);
        read.unit = units[field.unit];
    } else if (!ParseQuantityText(text, kind, read, problem)) {
        return false;
    }
    quantity = read;
    return true;
}

namespace {

// A text field's quantity: a bare number in SI units or "NUMBER UNIT";
// absent when empty. The rate's field, whose units say what it is.
bool ReadTypedQuantity(const std::string& field, QuantityKind kind, std::optional<Quantity>& quantity,
                       std::string& problem) {
    const std::string text = Trimmed(field);
    quantity.reset();
    if (text.empty()) return true;
    Quantity read;
    if (IsNumberText(text)) {
        read.number = halvex::ParseNumber(text);
    } else if (!ParseQuantityText(text, kind, read, problem)) {
        return false;
    }
    quantity = read;
    return true;
}

}  // namespace

bool ReadNumber(const std::string& field, double& number, std::string& problem) {
    const std::string text = Trimmed(field);
    if (!IsNumberText(text)) {
        problem = text.empty() ? std::string(lang::Tr("a number is needed"))
                               : lang::Fill(lang::Tr("\"%1\" is not a number"), {text});
        return false;
    }
    number = halvex::ParseNumber(text);
    return true;
}

namespace {

bool ReadBoundary(const std::string& field, Boundary& boundary, std::string& problem) {
    const std::string text = Trimmed(field);
    boundary = Boundary();
    if (text == "auto") {
        boundary.isAuto = true;
        return true;
    }
    if (!ReadNumber(text, boundary.frequency.number, problem)) {
        problem += lang::Tr(" (a frequency in Hz, or auto)");
        return false;
    }
    return true;
}

}  // namespace

bool ReadGravity(const QuantityField& field, Quantity& gravity, std::string& problem) {
    std::optional<Quantity> read;
    if (!ReadQuantity(field, QuantityKind::Acceleration, GravityUnits(), read, problem)) return false;
    gravity = read.value_or(Quantity{kStandardGravity, ""});
    if (gravity.unit == "g") {
        problem = lang::Tr("the gravity is what g means, so it cannot be given in g (m/s^2, mm/s^2, in/s^2)");
        return false;
    }
    if (gravity.unit == "m/s^2") gravity.unit.clear();
    return true;
}

namespace {

// "+6 dB/oct", "-3 dB/octave": a ramp's slope, any letter case.
bool ReadSlope(const std::string& field, double& slope) {
    std::string text = Trimmed(field);
    for (const char* unit : {"db/octave", "db/oct"}) {
        const std::size_t length = std::char_traits<char>::length(unit);
        if (text.size() <= length) continue;
        std::string tail = text.substr(text.size() - length);
        for (char& c : tail) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
        if (tail != unit) continue;
        const std::string number = Trimmed(text.substr(0, text.size() - length));
        if (!IsNumberText(number)) return false;
        slope = halvex::ParseNumber(number);
        return true;
    }
    return false;
}

// An empty field of a plan saved unfinished: noted, by its path in the
// file, as a field to fill. unfilled is null while every field must be given.
bool LeftToFill(const std::string& text, const std::string& path, std::vector<std::string>* unfilled) {
    if (unfilled == nullptr || !Trimmed(text).empty()) return false;
    unfilled->push_back(path);
    return true;
}

// False with the problem and the field it lies in.
bool ReadSegment(const SegmentFields& fields, const std::string& path, std::vector<std::string>* unfilled,
                 Segment& segment, std::string& problem, FormField& field) {
    const std::vector<std::string>& units = LevelUnits(fields.kind);
    const std::string unit = fields.unit >= 0 && fields.unit < static_cast<int>(units.size()) ? units[fields.unit] : "";
    segment = Segment();
    field = FormField::From;
    if (!LeftToFill(fields.from, path + ".from", unfilled) && !ReadBoundary(fields.from, segment.from, problem)) {
        return false;
    }
    field = FormField::To;
    if (!LeftToFill(fields.to, path + ".to", unfilled) && !ReadBoundary(fields.to, segment.to, problem)) return false;
    segment.kind = fields.kind;
    const bool ramp = !Trimmed(fields.endValue).empty();
    const std::string level = path + "." + LevelFieldName(fields.kind);
    double number = 0.0;
    field = FormField::Value;
    if (!LeftToFill(fields.value, ramp ? level + "[0]" : level, unfilled) &&
        !ReadNumber(fields.value, number, problem)) {
        return false;
    }
    segment.values.push_back(Quantity{number, unit});
    if (ramp) {
        number = 0.0;
        field = FormField::EndValue;
        double slope = 0.0;
        if (ReadSlope(fields.endValue, slope)) {
            // The end where a level rising at that slope gets to.
            const bool known = !segment.from.isAuto && !segment.to.isAuto && segment.from.frequency.number > 0.0 &&
                               segment.to.frequency.number > 0.0 && segment.values[0].number > 0.0;
            if (!known && LeftToFill("", level + "[1]", unfilled)) {
                segment.values.push_back(Quantity{0.0, unit});
                field = FormField::None;
                return true;
            }
            if (segment.from.isAuto || segment.to.isAuto) {
                problem = lang::Tr("a slope in dB/oct needs From and To as frequencies; give the end level instead");
                return false;
            }
            const double octaves = std::log2(segment.to.frequency.number / segment.from.frequency.number);
            number = segment.values[0].number * std::pow(10.0, slope * octaves / 20.0);
        } else if (!ReadNumber(fields.endValue, number, problem)) {
            problem += lang::Tr(" (the end level, or a slope such as \"+6 dB/oct\")");
            return false;
        }
        segment.values.push_back(Quantity{number, unit});
    }
    field = FormField::None;
    return true;
}

bool ReadDwell(const DwellFields& fields, const std::string& path, std::vector<std::string>* unfilled, Dwell& dwell,
               std::string& problem, FormField& field) {
    dwell = Dwell();
    field = FormField::DwellFrequency;
    if (!LeftToFill(fields.frequency, path + ".frequency", unfilled) &&
        !ReadNumber(fields.frequency, dwell.frequency.number, problem)) {
        problem += lang::Tr(" (a frequency in Hz)");
        return false;
    }
    field = FormField::DwellTime;
    if (LeftToFill(fields.time.text, path + ".time", unfilled)) {
        const std::vector<std::string>& units = FieldUnits(QuantityKind::Time);
        if (fields.time.unit >= 0 && fields.time.unit < static_cast<int>(units.size())) {
            dwell.time.unit = units[fields.time.unit];
        }
        field = FormField::None;
        return true;
    }
    std::optional<Quantity> time;
    if (!ReadQuantity(fields.time, QuantityKind::Time, FieldUnits(QuantityKind::Time), time, problem)) return false;
    if (!time) {
        problem = lang::Tr("a time is needed");
        return false;
    }
    dwell.time = *time;
    field = FormField::None;
    return true;
}

// The words a run's slot may end in that are not units of a quantity: a
// count of cycles or sweeps, and a step in octaves.
bool IsCountWord(const std::string& unit) { return unit == "cycles" || unit == "sweeps"; }

bool EqualIgnoringCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c); };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

// The kinds of quantity a slot's units belong to, in the order a typed text
// is tried.
std::vector<QuantityKind> SlotKinds(const std::vector<std::string>& units) {
    std::vector<QuantityKind> kinds;
    for (const QuantityKind kind : {QuantityKind::SweepRate, QuantityKind::Time, QuantityKind::Frequency}) {
        for (const std::string& unit : FieldUnits(kind)) {
            if (std::find(units.begin(), units.end(), unit) != units.end()) {
                kinds.push_back(kind);
                break;
            }
        }
    }
    return kinds;
}

// A slot's text typed with one of its units: the number and the unit's
// index in the list. False when the text names none of them.
bool TypedSlotUnit(const std::string& text, const std::vector<std::string>& units, double& number, int& unit) {
    for (const QuantityKind kind : SlotKinds(units)) {
        Quantity typed;
        std::string problem;
        if (!ParseQuantityText(text, kind, typed, problem)) continue;
        unit = UnitIndex(units, typed.unit);
        number = typed.number;
        if (unit >= 0) return true;
    }
    // A count, or octaves (also "octave", "octaves"): the word after the
    // number, any letter case.
    for (std::size_t i = 0; i < units.size(); ++i) {
        const bool octaves = units[i] == "oct";
        for (const std::string& word :
             octaves ? std::vector<std::string>{"octaves", "octave", "oct"} : std::vector<std::string>{units[i]}) {
            if (text.size() <= word.size() || !EqualIgnoringCase(text.substr(text.size() - word.size()), word))
                continue;
            const std::string head = Trimmed(text.substr(0, text.size() - word.size()));
            if (!IsNumberText(head)) continue;
            number = halvex::ParseNumber(head);
            unit = static_cast<int>(i);
            return true;
        }
    }
    return false;
}

// A slot's value: its number and unit (empty for a plain number). False
// with the problem; true with empty set for an empty slot.
bool ReadSlot(const QuantityField& field, const std::vector<std::string>& units, double& number, std::string& unit,
              bool& empty, std::string& problem) {
    const std::string text = Trimmed(field.text);
    empty = text.empty();
    unit.clear();
    if (empty) {
        if (field.unit >= 0 && field.unit < static_cast<int>(units.size())) unit = units[field.unit];
        return true;
    }
    if (IsNumberText(text)) {
        number = halvex::ParseNumber(text);
        if (units.empty()) return true;
        if (field.unit < 0 || field.unit >= static_cast<int>(units.size())) {
            problem =
                lang::Fill(lang::Tr("\"%1\" needs a unit: choose one beside it, or type one after the number (%2)"),
                           {text, UnitChoices(units)});
            return false;
        }
        unit = units[field.unit];
        return true;
    }
    int index = -1;
    if (units.empty() || !TypedSlotUnit(text, units, number, index)) {
        problem = units.empty()
                      ? lang::Fill(lang::Tr("\"%1\" is not a number"), {text})
                      : lang::Fill(lang::Tr("\"%1\" is not a number with one of %2"), {text, UnitChoices(units)});
        return false;
    }
    unit = units[index];
    return true;
}

// The document's names of what a slot holds, by the unit chosen: the count's
// name for a count word, the quantity's otherwise; nullptr for a slot unused.
struct SlotNames {
    const char* quantity;
    const char* count;
};

SlotNames RunSlotNames(RunChoice choice, int slot) {
    switch (choice) {
        case RunChoice::Search:
            if (slot == 0) return {"rate", "rate"};
            if (slot == 1) return {"duration", "sweeps"};
            break;
        case RunChoice::Dwell:
        case RunChoice::Resonances:
            if (slot == 0)
                return choice == RunChoice::Dwell ? SlotNames{"frequency", nullptr} : SlotNames{nullptr, "resonances"};
            if (slot == 1) return {"time", "cycles"};
            break;
        case RunChoice::Stepped: {
            constexpr SlotNames kStepped[kRunSlots] = {
                {"from", nullptr}, {"to", nullptr}, {"step", "step"}, {"hold", "hold_cycles"}};
            return kStepped[slot];
        }
        case RunChoice::Sweep:
            break;
    }
    return {nullptr, nullptr};
}

bool ReadRun(const RunFields& fields, const std::string& path, std::vector<std::string>* unfilled, Run& run,
             std::string& problem, FormField& field) {
    run = Run();
    field = FormField::None;
    switch (fields.choice) {
        case RunChoice::Sweep:
            run.kind = RunKind::Sweep;
            return true;
        case RunChoice::Search:
            run.kind = RunKind::Search;
            run.type = fields.type;
            run.mode = fields.mode;
            break;
        case RunChoice::Dwell:
        case RunChoice::Resonances:
            run.kind = RunKind::Dwell;
            break;
        case RunChoice::Stepped:
            run.kind = RunKind::Stepped;
            break;
    }
    constexpr FormField kSlotFields[][kRunSlots] = {
        {},
        {FormField::RunRate, FormField::RunSweeps},
        {FormField::RunAt, FormField::RunFor},
        {FormField::RunCount, FormField::RunFor},
        {FormField::RunFrom, FormField::RunTo, FormField::RunStep, FormField::RunHold},
    };
    for (int slot = 0; slot < kRunSlots; ++slot) {
        const SlotNames names = RunSlotNames(fields.choice, slot);
        if (names.quantity == nullptr && names.count == nullptr) continue;
        field = kSlotFields[static_cast<int>(fields.choice)][slot];
        double number = 0.0;
        std::string unit;
        bool empty = false;
        if (!ReadSlot(fields.entries[slot], RunSlotUnits(fields.choice, slot), number, unit, empty, problem))
            return false;
        const bool count = names.quantity == nullptr || (IsCountWord(unit) && names.count != nullptr);
        std::string name = count ? names.count : names.quantity;
        // A search's rate may be a time per pass.
        const bool passTime = name == std::string("rate") && (unit == "s" || unit == "min" || unit == "h");
        if (passTime) name = "pass_time";
        if (empty) {
            if (unfilled == nullptr) {
                problem = lang::Tr("a value is needed");
                return false;
            }
            unfilled->push_back(path + '.');
            unfilled->back() += name;
        }
        const Quantity quantity{number, count ? std::string() : unit};
        if (name == "rate") run.rate = quantity;
        if (name == "pass_time") run.passTime = quantity;
        if (name == "sweeps") run.sweeps = number;
        if (name == "duration") run.duration = quantity;
        if (name == "frequency") run.frequency = quantity;
        if (name == "resonances") run.resonances = number;
        if (name == "time") run.time = quantity;
        if (name == "cycles") run.cycles = number;
        if (name == "from") run.from = quantity;
        if (name == "to") run.to = quantity;
        if (name == "step") run.step = Quantity{number, unit};
        if (name == "hold") run.hold = quantity;
        if (name == "hold_cycles") run.holdCycles = number;
    }
    field = FormField::RunLevel;
    run.level.source = fields.source;
    if (fields.source == RunLevel::Source::Fraction) {
        run.level.fraction = 0.0;
        if (!LeftToFill(fields.level, path + ".level", unfilled) &&
            !ReadNumber(fields.level, run.level.fraction, problem)) {
            problem += lang::Tr(" (a part of the profile's level, above 0 and at most 1)");
            return false;
        }
    } else if (fields.source == RunLevel::Source::Own) {
        const std::vector<std::string>& units = LevelUnits(fields.levelKind);
        run.level.kind = fields.levelKind;
        run.level.value.unit =
            fields.levelUnit >= 0 && fields.levelUnit < static_cast<int>(units.size()) ? units[fields.levelUnit] : "";
        if (!LeftToFill(fields.level, path + ".level." + LevelFieldName(fields.levelKind), unfilled) &&
            !ReadNumber(fields.level, run.level.value.number, problem)) {
            return false;
        }
    }
    field = FormField::None;
    return true;
}

struct FieldLabel {
    FormField field;
    const char* label;  // as the window shows it beside the field
};

constexpr FieldLabel kLabels[] = {
    {FormField::From, N_("From")},
    {FormField::To, N_("To")},
    {FormField::Value, N_("Value")},
    {FormField::EndValue, N_("Ramp to")},
    {FormField::Rate, N_("Rate or time per pass")},
    {FormField::Sweeps, N_("Sweeps")},
    {FormField::Axes, N_("Axes")},
    {FormField::DwellFrequency, N_("Frequency")},
    {FormField::DwellTime, N_("Time")},
    {FormField::Force, N_("Rated force")},
    {FormField::Fraction, N_("Usable part")},
    {FormField::Armature, N_("Armature")},
    {FormField::Expander, N_("Expander")},
    {FormField::Fixture, N_("Fixture")},
    {FormField::Specimen, N_("Specimen")},
    {FormField::Stroke, N_("Stroke p-p")},
    {FormField::Velocity, N_("Velocity")},
    {FormField::Acceleration, N_("Acceleration")},
    {FormField::QueryTime, N_("Time")},
    {FormField::QueryFrequency, N_("Frequency")},
    {FormField::QueryResonance, N_("Resonance")},
    {FormField::QueryQ, "Q"},
    {FormField::Gravity, N_("Gravity")},
    {FormField::RunRate, N_("Rate")},
    {FormField::RunSweeps, N_("Sweeps")},
    {FormField::RunAt, N_("At")},
    {FormField::RunCount, N_("Count")},
    {FormField::RunFor, N_("For")},
    {FormField::RunFrom, N_("From")},
    {FormField::RunTo, N_("To")},
    {FormField::RunStep, N_("Step")},
    {FormField::RunHold, N_("Hold")},
    {FormField::RunLevel, N_("Level")},
};

struct PathField {
    const char* path;
    FormField field;
};

// The document's paths of the fields outside the segments and dwells.
constexpr PathField kPaths[] = {
    {"gravity", FormField::Gravity},
    {"sweep.rate", FormField::Rate},
    {"sweep.pass_time", FormField::Rate},
    {"sweep.sweeps", FormField::Sweeps},
    {"sweep.duration", FormField::Sweeps},
    {"axes", FormField::Axes},
    {"sweep.axes", FormField::Axes},
    {"shaker.rated_force", FormField::Force},
    {"shaker.force_fraction", FormField::Fraction},
    {"shaker.moving_mass.armature", FormField::Armature},
    {"shaker.moving_mass.expander", FormField::Expander},
    {"shaker.moving_mass.fixture", FormField::Fixture},
    {"shaker.moving_mass.specimen", FormField::Specimen},
    {"shaker.stroke_pp", FormField::Stroke},
    {"shaker.velocity", FormField::Velocity},
    {"shaker.acceleration", FormField::Acceleration},
};

// "profile[3]" followed by rest; false for any other text.
bool ReadIndexed(const std::string& text, const char* head, int& index, std::string& rest) {
    const std::string prefix = std::string(head) + "[";
    if (text.compare(0, prefix.size(), prefix) != 0) return false;
    std::size_t at = prefix.size();
    std::size_t digits = 0;
    long value = 0;
    while (at < text.size() && text[at] >= '0' && text[at] <= '9' && digits < 9) {
        value = value * 10 + (text[at] - '0');
        ++at;
        ++digits;
    }
    if (digits == 0 || at >= text.size() || text[at] != ']') return false;
    index = static_cast<int>(value);
    rest = text.substr(at + 1);
    return true;
}

// The field a document's path names; the path as the window says it in
// name, empty for a path the window has no name for.
FieldPlace PlaceOfPath(const std::string& path, std::string& name) {
    FieldPlace place;
    std::string rest;
    int index = 0;
    if (ReadIndexed(path, "profile", index, rest)) {
        place.segment = index;
        if (rest.empty()) {
            name = lang::Fill(lang::Tr("Segment %1"), {std::to_string(index + 1)});
            return place;
        }
        // A level is its Value, the second value of a ramp its ramp to.
        place.field = rest == ".from"                                                   ? FormField::From
                      : rest == ".to"                                                   ? FormField::To
                      : rest.size() > 3 && rest.compare(rest.size() - 3, 3, "[1]") == 0 ? FormField::EndValue
                                                                                        : FormField::Value;
    } else if (ReadIndexed(path, "sweep.dwells", index, rest)) {
        place.dwell = index;
        if (rest == ".frequency") place.field = FormField::DwellFrequency;
        if (rest == ".time") place.field = FormField::DwellTime;
        if (place.field == FormField::None) {
            name = lang::Fill(lang::Tr("Dwell %1"), {std::to_string(index + 1)});
            return place;
        }
    } else if (ReadIndexed(path, "sequence", index, rest)) {
        place.run = index;
        // A run's field by its name in the document; the dwell's two first
        // fields and the search's share their slots with the stepped run's.
        constexpr PathField kRunPaths[] = {
            {".rate", FormField::RunRate},        {".pass_time", FormField::RunRate},
            {".sweeps", FormField::RunSweeps},    {".duration", FormField::RunSweeps},
            {".frequency", FormField::RunAt},     {".resonances", FormField::RunCount},
            {".time", FormField::RunFor},         {".cycles", FormField::RunFor},
            {".from", FormField::RunFrom},        {".to", FormField::RunTo},
            {".step", FormField::RunStep},        {".hold", FormField::RunHold},
            {".hold_cycles", FormField::RunHold},
        };
        for (const PathField& known : kRunPaths) {
            if (rest == known.path) place.field = known.field;
        }
        if (rest.compare(0, 6, ".level") == 0) place.field = FormField::RunLevel;
        if (place.field == FormField::None) {
            name = lang::Fill(lang::Tr("Run %1"), {std::to_string(index + 1)});
            return place;
        }
    } else {
        for (const PathField& known : kPaths) {
            if (path == known.path) place.field = known.field;
        }
        if (place.field == FormField::None) {
            if (path == "shaker.moving_mass") name = lang::Tr("Shaker, moving mass");
            return place;
        }
    }
    name = FieldName(place);
    return place;
}

// The paths in a message's text: "profile[0].to" as "segment 1's To", a
// whole segment as "segment 1".
std::string NamedInText(const std::string& text) {
    std::string out;
    for (std::size_t at = 0; at < text.size();) {
        int index = 0;
        std::string rest;
        if (ReadIndexed(text.substr(at), "profile", index, rest)) {
            const std::string segment = std::to_string(index + 1);
            at = text.size() - rest.size();
            if (rest.compare(0, 5, ".from") == 0) {
                out += lang::Fill(lang::Tr("segment %1's From"), {segment});
                at += 5;
            } else if (rest.compare(0, 3, ".to") == 0) {
                out += lang::Fill(lang::Tr("segment %1's To"), {segment});
                at += 3;
            } else {
                out += lang::Fill(lang::Tr("segment %1"), {segment});
            }
            continue;
        }
        if (ReadIndexed(text.substr(at), "sequence", index, rest)) {
            out += lang::Fill(lang::Tr("run %1"), {std::to_string(index + 1)});
            at = text.size() - rest.size();
            continue;
        }
        out += text[at++];
    }
    return out;
}

// The field's unit in the kind's list, the number converted when the
// document wrote it in another (SI for a bare number). A value to fill is an
// empty field, and the unit is that of the value given.
void LevelFields(const Segment& segment, const PlanDocument& document, const std::string& path, SegmentFields& fields) {
    const double gravity = document.GravitySi();
    const std::vector<std::string>& units = LevelUnits(segment.kind);
    const QuantityKind kind = LevelQuantityKind(segment.kind);
    const bool ramp = segment.values.size() > 1;
    const std::string level = path + "." + LevelFieldName(segment.kind);
    const std::string paths[2] = {ramp ? level + "[0]" : level, level + "[1]"};
    const bool given[2] = {!document.IsUnfilled(paths[0]), !document.IsUnfilled(paths[1])};
    const Quantity& shown = given[0] || !ramp ? segment.values[0] : segment.values[1];
    const std::string written = shown.unit.empty() ? SiUnit(kind) : shown.unit;
    fields.unit = std::max(0, UnitIndex(units, written));
    const double per = ToSi(Quantity{1.0, units[fields.unit]}, kind, gravity);
    const auto inUnit = [&](const Quantity& q) {
        return q.unit == units[fields.unit] ? q.number : ToSi(q, kind, gravity) / per;
    };
    fields.value = given[0] ? Number(inUnit(segment.values[0])) : "";
    fields.endValue = ramp && given[1] ? Number(inUnit(segment.values[1])) : "";
}

}  // namespace

QuantityField FieldOf(const std::optional<Quantity>& quantity, QuantityKind kind) {
    QuantityField field;
    if (!quantity) return field;
    field.text = Number(quantity->number);
    field.unit = UnitIndex(FieldUnits(kind), quantity->unit.empty() ? SiUnit(kind) : quantity->unit);
    // A unit the list has not: the number keeps it.
    if (field.unit < 0) field.text = QuantityText(*quantity);
    return field;
}

QuantityField GravityField(const Quantity& gravity) {
    // Files have always given the gravity as a bare number in m/s^2.
    QuantityField field{Number(gravity.number), gravity.unit.empty() ? 0 : UnitIndex(GravityUnits(), gravity.unit)};
    if (field.unit < 0) field.text = QuantityText(gravity);
    return field;
}

namespace {

// A field to fill: empty, its unit the one it is to be given in, if said.
QuantityField ToFillField(const Quantity& quantity, QuantityKind kind) {
    return QuantityField{"", quantity.unit.empty() ? -1 : UnitIndex(FieldUnits(kind), quantity.unit)};
}

// A run's slot from its quantity: the number, and the unit it was written in
// chosen (bare, the SI unit bare); a unit the list has not stays typed with
// the number. A field to fill is empty, its unit chosen.
QuantityField SlotOf(const Quantity& quantity, const std::vector<std::string>& units, const char* bareUnit,
                     bool toFill) {
    QuantityField field;
    field.unit = UnitIndex(units, quantity.unit.empty() ? bareUnit : quantity.unit);
    field.text = toFill ? "" : Number(quantity.number);
    if (field.unit < 0 && !toFill) field.text = QuantityText(quantity);
    return field;
}

RunFields RunFieldsOf(const Run& run, const PlanDocument& document, const std::string& path) {
    RunFields fields;
    const auto filled = [&](const char* name) { return !document.IsUnfilled(path + "." + name); };
    const auto count = [&](double number, const char* name, const std::vector<std::string>& units, const char* word) {
        return QuantityField{filled(name) ? Number(number) : "", word ? UnitIndex(units, word) : -1};
    };
    switch (run.kind) {
        case RunKind::Sweep:
            fields.choice = RunChoice::Sweep;
            return fields;
        case RunKind::Search: {
            fields.choice = RunChoice::Search;
            fields.type = run.type;
            fields.mode = run.mode;
            const std::vector<std::string>& rates = RunSlotUnits(fields.choice, 0);
            fields.entries[0] =
                run.rate ? SlotOf(*run.rate, rates, run.type == SweepType::Log ? "oct/s" : "Hz/s", !filled("rate"))
                         : SlotOf(*run.passTime, rates, "s", !filled("pass_time"));
            const std::vector<std::string>& sweeps = RunSlotUnits(fields.choice, 1);
            fields.entries[1] = run.sweeps ? count(*run.sweeps, "sweeps", sweeps, "sweeps")
                                           : SlotOf(*run.duration, sweeps, "s", !filled("duration"));
            break;
        }
        case RunKind::Dwell: {
            fields.choice = run.resonances ? RunChoice::Resonances : RunChoice::Dwell;
            fields.entries[0] =
                run.resonances ? count(*run.resonances, "resonances", {}, nullptr)
                               : SlotOf(*run.frequency, RunSlotUnits(fields.choice, 0), "Hz", !filled("frequency"));
            const std::vector<std::string>& times = RunSlotUnits(fields.choice, 1);
            fields.entries[1] = run.cycles ? count(*run.cycles, "cycles", times, "cycles")
                                           : SlotOf(*run.time, times, "s", !filled("time"));
            break;
        }
        case RunKind::Stepped: {
            fields.choice = RunChoice::Stepped;
            fields.entries[0] = SlotOf(run.from, RunSlotUnits(fields.choice, 0), "Hz", !filled("from"));
            fields.entries[1] = SlotOf(run.to, RunSlotUnits(fields.choice, 1), "Hz", !filled("to"));
            fields.entries[2] = SlotOf(run.step, RunSlotUnits(fields.choice, 2), "Hz", !filled("step"));
            const std::vector<std::string>& holds = RunSlotUnits(fields.choice, 3);
            fields.entries[3] = run.holdCycles ? count(*run.holdCycles, "hold_cycles", holds, "cycles")
                                               : SlotOf(*run.hold, holds, "s", !filled("hold"));
            break;
        }
    }
    fields.source = run.level.source;
    if (run.level.source == RunLevel::Source::Fraction) {
        fields.level = filled("level") ? Number(run.level.fraction) : "";
    } else if (run.level.source == RunLevel::Source::Own) {
        const QuantityKind kind = LevelQuantityKind(run.level.kind);
        const std::vector<std::string>& units = LevelUnits(run.level.kind);
        fields.levelKind = run.level.kind;
        const Quantity& value = run.level.value;
        fields.levelUnit = std::max(0, UnitIndex(units, value.unit.empty() ? SiUnit(kind) : value.unit));
        const double per = ToSi(Quantity{1.0, units[fields.levelUnit]}, kind, document.GravitySi());
        const double shown =
            value.unit == units[fields.levelUnit] ? value.number : ToSi(value, kind, document.GravitySi()) / per;
        fields.level = filled((std::string("level.") + LevelFieldName(run.level.kind)).c_str()) ? Number(shown) : "";
    }
    return fields;
}

}  // namespace

bool FollowTypedUnit(QuantityField& field, QuantityKind kind) { return FollowTypedUnit(field, kind, FieldUnits(kind)); }

bool FollowTypedUnit(QuantityField& field, QuantityKind kind, const std::vector<std::string>& units) {
    Quantity typed;
    std::string problem;
    const std::string text = Trimmed(field.text);
    if (IsNumberText(text) || !ParseQuantityText(text, kind, typed, problem)) return false;
    const int unit = UnitIndex(units, typed.unit);
    if (unit < 0 || unit == field.unit) return false;
    field.unit = unit;
    return true;
}

void ChooseUnit(QuantityField& field, QuantityKind kind, int unit) {
    field.unit = unit;
    Quantity typed;
    std::string problem;
    const std::string text = Trimmed(field.text);
    if (!IsNumberText(text) && ParseQuantityText(text, kind, typed, problem)) field.text = Number(typed.number);
}

std::string FieldName(const FieldPlace& place) {
    std::string label;
    for (const FieldLabel& known : kLabels) {
        if (known.field == place.field) label = lang::Tr(known.label);
    }
    switch (place.field) {
        case FormField::None:
            return {};
        case FormField::From:
        case FormField::To:
        case FormField::Value:
        case FormField::EndValue:
            return lang::Fill(lang::Tr("Segment %1, %2"), {std::to_string(place.segment + 1), label});
        case FormField::Rate:
        case FormField::Sweeps:
        case FormField::Axes:
            return lang::Fill(lang::Tr("Sweep, %1"), {label});
        case FormField::DwellFrequency:
        case FormField::DwellTime:
            return lang::Fill(lang::Tr("Dwell %1, %2"), {std::to_string(place.dwell + 1), label});
        case FormField::QueryTime:
        case FormField::QueryFrequency:
        case FormField::QueryResonance:
        case FormField::QueryQ:
            return lang::Fill(lang::Tr("Queries, %1"), {label});
        case FormField::Gravity:
            return lang::Fill(lang::Tr("Profile, %1"), {label});
        case FormField::RunRate:
        case FormField::RunSweeps:
        case FormField::RunAt:
        case FormField::RunCount:
        case FormField::RunFor:
        case FormField::RunFrom:
        case FormField::RunTo:
        case FormField::RunStep:
        case FormField::RunHold:
        case FormField::RunLevel:
            return lang::Fill(lang::Tr("Run %1, %2"), {std::to_string(place.run + 1), label});
        default:
            break;
    }
    return lang::Fill(lang::Tr("Shaker, %1"), {label});
}

std::string WindowMessage(const std::string& message, FieldPlace& place) {
    const std::size_t colon = message.find(": ");
    std::string name;
    place = FieldPlace();
    if (colon != std::string::npos) place = PlaceOfPath(message.substr(0, colon), name);
    if (name.empty()) return NamedInText(message);
    return name + ": " + NamedInText(message.substr(colon + 2));
}

PlanFields NewPlanFields() {
    PlanFields fields;
    SegmentFields segment;
    segment.from = "10";
    segment.to = "100";
    segment.value = "1";
    fields.segments.push_back(segment);
    fields.rate = "1 oct/min";
    return fields;
}

PlanFields FieldsOf(const PlanDocument& document) {
    PlanFields fields;
    fields.gravity = GravityField(document.gravity);
    fields.report = document.report;
    // A field to fill is an empty field.
    const auto shown = [&](const std::string& path, const std::string& text) {
        return document.IsUnfilled(path) ? std::string() : text;
    };
    const auto boundary = [](const Boundary& b) { return b.isAuto ? "auto" : Number(b.frequency.number); };
    for (std::size_t i = 0; i < document.profile.size(); ++i) {
        const Segment& segment = document.profile[i];
        const std::string path = "profile[" + std::to_string(i) + "]";
        SegmentFields s;
        s.from = shown(path + ".from", boundary(segment.from));
        s.to = shown(path + ".to", boundary(segment.to));
        s.kind = segment.kind;
        LevelFields(segment, document, path, s);
        fields.segments.push_back(s);
    }
    fields.rate.clear();
    if (document.sweep) {
        const SweepSettings& sweep = *document.sweep;
        fields.sweepType = sweep.type;
        fields.sweepMode = sweep.mode;
        fields.rate = sweep.rate ? QuantityText(*sweep.rate) : QuantityText(*sweep.passTime);
        // A bare time per pass would read back as a rate: say its unit.
        if (!sweep.rate && sweep.passTime->unit.empty()) fields.rate += " s";
        fields.rate = shown(sweep.rate ? "sweep.rate" : "sweep.pass_time", fields.rate);
        fields.rateToFill = fields.rate.empty();
        fields.sweeps = sweep.duration ? shown("sweep.duration", QuantityText(*sweep.duration))
                                       : shown("sweep.sweeps", Number(sweep.sweeps));
        // A bare duration would read back as a number of sweeps: say its unit.
        if (sweep.duration && sweep.duration->unit.empty() && !fields.sweeps.empty()) fields.sweeps += " s";
        fields.axes = shown("sweep.axes", Number(sweep.axes));
        for (std::size_t i = 0; i < sweep.dwells.size(); ++i) {
            const Dwell& dwell = sweep.dwells[i];
            const std::string path = "sweep.dwells[" + std::to_string(i) + "]";
            DwellFields d;
            d.frequency = shown(path + ".frequency", Number(dwell.frequency.number));
            d.time = document.IsUnfilled(path + ".time") ? ToFillField(dwell.time, QuantityKind::Time)
                                                         : FieldOf(dwell.time, QuantityKind::Time);
            fields.dwells.push_back(d);
        }
    }
    if (!document.sweep && document.axes) fields.axes = shown("axes", Number(*document.axes));
    if (document.sequence) {
        for (std::size_t i = 0; i < document.sequence->size(); ++i) {
            fields.runs.push_back(
                RunFieldsOf((*document.sequence)[i], document, "sequence[" + std::to_string(i) + "]"));
        }
    }
    if (document.shaker) {
        const ShakerSettings& shaker = *document.shaker;
        // The shaker's fields are optional: one to fill shows empty, in the unit it is to be given in.
        const auto field = [&](const std::string& path, const std::optional<Quantity>& quantity, QuantityKind kind) {
            return document.IsUnfilled(path) ? ToFillField(*quantity, kind) : FieldOf(quantity, kind);
        };
        fields.force = field("shaker.rated_force", shaker.ratedForce, QuantityKind::Force);
        fields.fraction = shown("shaker.force_fraction", shaker.forceFraction ? Number(*shaker.forceFraction) : "");
        for (int i = 0; i < 4; ++i) {
            fields.masses[i] =
                field(std::string("shaker.moving_mass.") + kMassNames[i], shaker.masses[i], QuantityKind::Mass);
        }
        fields.stroke = field("shaker.stroke_pp", shaker.strokePp, QuantityKind::Length);
        fields.velocity = field("shaker.velocity", shaker.velocity, QuantityKind::Velocity);
        fields.acceleration = field("shaker.acceleration", shaker.acceleration, QuantityKind::Acceleration);
        fields.kept.name = shaker.name;
        fields.kept.expander = shaker.expander;
        fields.kept.fixture = shaker.fixture;
        fields.kept.maxPayload = shaker.maxPayload;
        fields.kept.frequencyRange = shaker.frequencyRange;
        fields.kept.expanderResonance = shaker.expanderResonance;
        fields.kept.fixtureResonance = shaker.fixtureResonance;
        fields.kept.setups = shaker.setups;
        for (const std::string& path : document.unfilled) {
            for (const char* kept : {"shaker.max_payload", "shaker.frequency_range", "shaker.expander_resonance",
                                     "shaker.fixture_resonance", "shaker.setups"}) {
                if (path.compare(0, std::char_traits<char>::length(kept), kept) == 0) {
                    fields.keptUnfilled.push_back(path);
                    break;
                }
            }
        }
    }
    return fields;
}

void SetShakerFields(PlanFields& fields, const ShakerSettings& shaker) {
    fields.force = FieldOf(shaker.ratedForce, QuantityKind::Force);
    fields.fraction = shaker.forceFraction ? Number(*shaker.forceFraction) : "";
    for (int i = 0; i < 4; ++i) fields.masses[i] = FieldOf(shaker.masses[i], QuantityKind::Mass);
    fields.stroke = FieldOf(shaker.strokePp, QuantityKind::Length);
    fields.velocity = FieldOf(shaker.velocity, QuantityKind::Velocity);
    fields.acceleration = FieldOf(shaker.acceleration, QuantityKind::Acceleration);
    fields.kept = shaker;
    std::vector<std::string>& unfilled = fields.keptUnfilled;
    const auto filled = [&shaker](const std::string& path) {
        const auto given = [&path](const char* field, bool present) {
            return present && path.compare(0, std::char_traits<char>::length(field), field) == 0;
        };
        return given("shaker.max_payload", shaker.maxPayload.has_value()) ||
               given("shaker.frequency_range", shaker.frequencyRange.has_value()) ||
               given("shaker.expander_resonance", shaker.expanderResonance.has_value()) ||
               given("shaker.fixture_resonance", shaker.fixtureResonance.has_value());
    };
    unfilled.erase(std::remove_if(unfilled.begin(), unfilled.end(), filled), unfilled.end());
}

const char* const kRankingColumnTitles[kRankingColumns] = {"", N_("Shaker"), N_("Can run"), N_("Margin"), N_("Binds")};

std::vector<std::vector<std::string>> RankingRows(const std::vector<RankedShaker>& ranking) {
    std::vector<std::vector<std::string>> rows;
    for (std::size_t i = 0; i < ranking.size(); ++i) {
        const ShakerCheck* binding = ranking[i].Binding();
        const std::string limit = binding != nullptr ? LimitWords(binding->limit) : lang::Tr("no limit given");
        rows.push_back({std::to_string(i + 1), ranking[i].shaker,
                        ranking[i].result.ok ? lang::Tr("yes") : lang::Tr("no"),
                        binding != nullptr ? ShownNumber(binding->margin) : "", limit});
    }
    return rows;
}

bool DocumentOf(const PlanFields& fields, PlanDocument& document, std::string& problem, Unfilled unfilledFields) {
    FieldPlace place;
    return DocumentOf(fields, document, problem, place, unfilledFields);
}

bool DocumentOf(const PlanFields& fields, PlanDocument& document, std::string& problem, FieldPlace& place,
                Unfilled unfilledFields) {
    PlanDocument built;
    place.field = FormField::Gravity;
    if (!ReadGravity(fields.gravity, built.gravity, problem)) {
        problem = lang::Fill(lang::Tr("%1: %2"), {FieldName(place), problem});
        return false;
    }
    place = FieldPlace();
    std::vector<std::string>* unfilled = unfilledFields == Unfilled::Allowed ? &built.unfilled : nullptr;
    place = FieldPlace();
    // Names the field in place before what is wrong with it; always false.
    const auto named = [&] {
        problem = lang::Fill(lang::Tr("%1: %2"), {FieldName(place), problem});
        return false;
    };
    for (std::size_t i = 0; i < fields.segments.size(); ++i) {
        Segment segment;
        place.segment = static_cast<int>(i);
        const std::string path = "profile[" + std::to_string(i) + "]";
        if (!ReadSegment(fields.segments[i], path, unfilled, segment, problem, place.field)) return named();
        built.profile.push_back(segment);
    }
    place = FieldPlace();
    place.field = FormField::Rate;
    // Dwells without a rate yet, or a sweep that came with its rate to
    // fill: a sweep whose rate is to fill.
    const bool sweepAsked = !fields.dwells.empty() || fields.rateToFill;
    const bool rateToFill = sweepAsked && LeftToFill(fields.rate, "sweep.rate", unfilled);
    if (Trimmed(fields.rate).empty() && !rateToFill) {
        if (!fields.dwells.empty()) {
            problem = lang::Tr("the dwells are part of a sweep: give a rate or a time per pass");
            return named();
        }
        if (fields.rateToFill) {
            problem = lang::Tr("the sweep's rate or time per pass is to be filled");
            return named();
        }
        // Without a sweep its counts are not used, but a text in them that
        // does not read is still refused, so that the field is marked.
        double unused = 0.0;
        place.field = FormField::Sweeps;
        if (!Trimmed(fields.sweeps).empty() && !ReadNumber(fields.sweeps, unused, problem)) return named();
        place.field = FormField::Axes;
        if (!Trimmed(fields.axes).empty() && !ReadNumber(fields.axes, unused, problem)) return named();
    } else {
        SweepSettings sweep;
        sweep.type = fields.sweepType;
        sweep.mode = fields.sweepMode;
        std::optional<Quantity> rate;
        std::string rateProblem;
        if (rateToFill) {
            sweep.rate = Quantity{};
        } else if (ReadTypedQuantity(fields.rate, QuantityKind::SweepRate, rate, rateProblem)) {
            sweep.rate = rate;
        } else if (!ReadTypedQuantity(fields.rate, QuantityKind::Time, sweep.passTime, problem)) {
            problem = rateProblem + lang::Tr(", or a time (s, min, h)");
            return named();
        }
        place.field = FormField::Sweeps;
        // A number of sweeps, or the time per axis they fill.
        if (LeftToFill(fields.sweeps, "sweep.sweeps", unfilled)) {
            sweep.sweeps = 0.0;
        } else if (!IsNumberText(Trimmed(fields.sweeps)) &&
                   ReadTypedQuantity(fields.sweeps, QuantityKind::Time, sweep.duration, problem) && sweep.duration) {
            sweep.sweeps = 1.0;
        } else if (!ReadNumber(fields.sweeps, sweep.sweeps, problem)) {
            if (!Trimmed(fields.sweeps).empty()) problem += lang::Tr(" of sweeps, or a time (s, min, h)");
            return named();
        }
        place.field = FormField::Axes;
        if (LeftToFill(fields.axes, "sweep.axes", unfilled)) {
            sweep.axes = 0.0;
        } else if (!ReadNumber(fields.axes, sweep.axes, problem)) {
            return named();
        }
        for (std::size_t i = 0; i < fields.dwells.size(); ++i) {
            Dwell dwell;
            place.dwell = static_cast<int>(i);
            const std::string path = "sweep.dwells[" + std::to_string(i) + "]";
            if (!ReadDwell(fields.dwells[i], path, unfilled, dwell, problem, place.field)) return named();
            sweep.dwells.push_back(dwell);
        }
        place.dwell = -1;
        built.sweep = sweep;
    }
    if (!fields.runs.empty()) {
        built.sequence.emplace();
        for (std::size_t i = 0; i < fields.runs.size(); ++i) {
            Run run;
            place = FieldPlace();
            place.run = static_cast<int>(i);
            const std::string path = "sequence[" + std::to_string(i) + "]";
            if (!ReadRun(fields.runs[i], path, unfilled, run, problem, place.field)) return named();
            built.sequence->push_back(run);
        }
        place = FieldPlace();
        // Without a sweep, the plan counts its axes itself.
        if (!built.sweep) {
            place.field = FormField::Axes;
            double axes = 0.0;
            if (LeftToFill(fields.axes, "axes", unfilled)) {
                built.axes = 0.0;
            } else if (!ReadNumber(fields.axes, axes, problem)) {
                return named();
            } else if (axes != 1.0) {
                built.axes = axes;
            }
        }
    }
    struct Field {
        FormField field;
        const QuantityField& entry;
        QuantityKind kind;
        std::optional<Quantity>* slot;
    };
    ShakerSettings shaker;
    const Field shakerFields[] = {
        {FormField::Force, fields.force, QuantityKind::Force, &shaker.ratedForce},
        {FormField::Armature, fields.masses[0], QuantityKind::Mass, &shaker.masses[0]},
        {FormField::Expander, fields.masses[1], QuantityKind::Mass, &shaker.masses[1]},
        {FormField::Fixture, fields.masses[2], QuantityKind::Mass, &shaker.masses[2]},
        {FormField::Specimen, fields.masses[3], QuantityKind::Mass, &shaker.masses[3]},
        {FormField::Stroke, fields.stroke, QuantityKind::Length, &shaker.strokePp},
        {FormField::Velocity, fields.velocity, QuantityKind::Velocity, &shaker.velocity},
        {FormField::Acceleration, fields.acceleration, QuantityKind::Acceleration, &shaker.acceleration},
    };
    bool anyShaker = !Trimmed(fields.fraction).empty();
    for (const Field& field : shakerFields) {
        place.field = field.field;
        if (!ReadQuantity(field.entry, field.kind, FieldUnits(field.kind), *field.slot, problem)) return named();
        anyShaker = anyShaker || field.slot->has_value();
    }
    place.field = FormField::Fraction;
    if (!Trimmed(fields.fraction).empty()) {
        shaker.forceFraction = 1.0;
        if (!ReadNumber(fields.fraction, *shaker.forceFraction, problem)) return named();
    }
    const ShakerSettings& kept = fields.kept;
    if (kept.UsesLibraryFields()) {
        anyShaker = true;
        shaker.name = kept.name;
        shaker.expander = kept.expander;
        shaker.fixture = kept.fixture;
        shaker.maxPayload = kept.maxPayload;
        shaker.frequencyRange = kept.frequencyRange;
        shaker.expanderResonance = kept.expanderResonance;
        shaker.fixtureResonance = kept.fixtureResonance;
        shaker.setups = kept.setups;
        built.unfilled.insert(built.unfilled.end(), fields.keptUnfilled.begin(), fields.keptUnfilled.end());
    }
    if (anyShaker) built.shaker = shaker;
    built.report = fields.report;
    // Ranges and the profile's order as a file of this document is checked;
    // with fields to fill, only what is given.
    const bool read = built.unfilled.empty() ? ReadPlan(WritePlanDocument(built), document, problem)
                                             : ReadPlanDocument(WritePlanDocument(built), document, problem);
    if (!read) {
        problem = WindowMessage(problem, place);
        return false;
    }
    place = FieldPlace();
    return true;
}

const char* const kProfileColumnTitles[kProfileColumns] = {"#",         N_("From"), N_("To"),     N_("Level"),
                                                           N_("Value"), N_("Unit"), N_("Ramp to")};
const char* const kLevelKindCells[4] = {"disp. p-p", "disp. 0-p", "velocity", "accel."};

const char* LevelKindCell(LevelKind kind) {
    switch (kind) {
        case LevelKind::DisplacementPp:
            return lang::TrC("level kind", "disp. p-p");
        case LevelKind::DisplacementZp:
            return lang::TrC("level kind", "disp. 0-p");
        case LevelKind::Velocity:
            return lang::TrC("level kind", "velocity");
        case LevelKind::Acceleration:
            break;
    }
    return lang::TrC("level kind", "accel.");
}

const std::vector<std::string>& ProfileUnits() {
    static const std::vector<std::string> kUnits = [] {
        std::vector<std::string> units;
        for (const QuantityKind kind : {QuantityKind::Length, QuantityKind::Velocity, QuantityKind::Acceleration}) {
            for (const std::string& unit : FieldUnits(kind)) units.push_back(unit);
        }
        return units;
    }();
    return kUnits;
}

std::vector<std::string> ProfileRow(std::size_t index, const SegmentFields& segment) {
    const std::vector<std::string>& units = LevelUnits(segment.kind);
    const std::string unit =
        segment.unit >= 0 && segment.unit < static_cast<int>(units.size()) ? units[segment.unit] : "";
    return {std::to_string(index + 1), segment.from, segment.to, LevelKindCell(segment.kind), segment.value, unit,
            segment.endValue};
}

bool SetProfileCell(SegmentFields& segment, int column, const std::string& text) {
    switch (column) {
        case kFromColumn:
            segment.from = text;
            return true;
        case kToColumn:
            segment.to = text;
            return true;
        case kValueColumn:
            segment.value = text;
            return true;
        case kRampColumn:
            segment.endValue = text;
            return true;
        case kLevelColumn:
            for (int kind = 0; kind < 4; ++kind) {
                // The shown word, or the English one a script or a paste may give.
                if (text != LevelKindCell(static_cast<LevelKind>(kind)) && text != kLevelKindCells[kind]) continue;
                // The unit stays where the new kind has it (mm from p-p to 0-p), else its first.
                const std::string unit = ProfileRow(0, segment)[kUnitColumn];
                segment.kind = static_cast<LevelKind>(kind);
                segment.unit = std::max(0, UnitIndex(LevelUnits(segment.kind), unit));
                return true;
            }
            return false;
        case kUnitColumn:
            for (const LevelKind kind :
                 {segment.kind, LevelKind::DisplacementPp, LevelKind::Velocity, LevelKind::Acceleration}) {
                const int unit = UnitIndex(LevelUnits(kind), text);
                if (unit < 0) continue;
                segment.kind = kind;
                segment.unit = unit;
                return true;
            }
            return false;
        default:
            return false;
    }
}

std::string TypingKey(const PlanFields& before, const PlanFields& after) {
    if (before.segments.size() != after.segments.size() || before.dwells.size() != after.dwells.size() ||
        before.runs.size() != after.runs.size() || before.sweepType != after.sweepType ||
        before.sweepMode != after.sweepMode) {
        return {};
    }
    std::string key;
    int texts = 0;
    bool other = false;
    const auto text = [&](const std::string& a, const std::string& b, const std::string& name) {
        if (a != b) {
            key = name;
            ++texts;
        }
    };
    const auto quantity = [&](const QuantityField& a, const QuantityField& b, const std::string& name) {
        text(a.text, b.text, name);
        other = other || a.unit != b.unit;
    };
    for (std::size_t i = 0; i < before.segments.size(); ++i) {
        const SegmentFields& a = before.segments[i];
        const SegmentFields& b = after.segments[i];
        const std::string name = "segments[" + std::to_string(i) + "].";
        text(a.from, b.from, name + "from");
        text(a.to, b.to, name + "to");
        text(a.value, b.value, name + "value");
        text(a.endValue, b.endValue, name + "end");
        other = other || a.kind != b.kind || a.unit != b.unit;
    }
    for (std::size_t i = 0; i < before.dwells.size(); ++i) {
        const std::string name = "dwells[" + std::to_string(i) + "].";
        text(before.dwells[i].frequency, after.dwells[i].frequency, name + "frequency");
        quantity(before.dwells[i].time, after.dwells[i].time, name + "time");
    }
    for (std::size_t i = 0; i < before.runs.size(); ++i) {
        const RunFields& a = before.runs[i];
        const RunFields& b = after.runs[i];
        const std::string name = "runs[" + std::to_string(i) + "].";
        for (int slot = 0; slot < kRunSlots; ++slot)
            quantity(a.entries[slot], b.entries[slot], name + std::to_string(slot));
        text(a.level, b.level, name + "level");
        other = other || a.choice != b.choice || a.type != b.type || a.mode != b.mode || a.source != b.source ||
                a.levelKind != b.levelKind || a.levelUnit != b.levelUnit;
    }
    text(before.rate, after.rate, "rate");
    text(before.sweeps, after.sweeps, "sweeps");
    text(before.axes, after.axes, "axes");
    text(before.fraction, after.fraction, "fraction");
    quantity(before.force, after.force, "force");
    for (std::size_t i = 0; i < before.masses.size(); ++i) {
        quantity(before.masses[i], after.masses[i], std::string("mass.") + kMassNames[i]);
    }
    quantity(before.stroke, after.stroke, "stroke");
    quantity(before.velocity, after.velocity, "velocity");
    quantity(before.acceleration, after.acceleration, "acceleration");
    quantity(before.gravity, after.gravity, "gravity");
    return texts == 1 && !other ? key : std::string();
}

std::vector<FieldPlace> UnfilledPlaces(const PlanDocument& document) {
    std::vector<FieldPlace> places;
    std::string name;
    for (const std::string& path : document.unfilled) places.push_back(PlaceOfPath(path, name));
    return places;
}

std::string DwellSummary(const DwellFields& dwell) {
    const std::string frequency = Trimmed(dwell.frequency);
    const std::string time = Trimmed(dwell.time.text);
    const std::vector<std::string>& units = FieldUnits(QuantityKind::Time);
    std::string shownTime = time.empty() ? "?" : time;
    if (IsNumberText(time) && dwell.time.unit >= 0 && dwell.time.unit < static_cast<int>(units.size())) {
        shownTime += " " + units[dwell.time.unit];
    }
    return lang::Fill(lang::Tr("%1 for %2"), {frequency.empty() ? "?" : frequency + " Hz", shownTime});
}

const char* const kRunChoiceItems[kRunChoices] = {N_("endurance sweep"), N_("resonance search"), N_("dwell"),
                                                  N_("resonance dwells"), N_("stepped sine")};
const char* const kLevelSourceItems[3] = {N_("profile"), N_("fraction"), N_("own level")};

const char* RunSlotLabel(RunChoice choice, int slot) {
    constexpr const char* kSlotLabels[kRunChoices][kRunSlots] = {
        {},
        {N_("Rate"), N_("Sweeps")},
        {N_("At"), N_("For")},
        {N_("Count"), N_("For")},
        {N_("From"), N_("To"), N_("Step"), N_("Hold")},
    };
    return slot < 0 || slot >= kRunSlots ? nullptr : kSlotLabels[static_cast<int>(choice)][slot];
}

const std::vector<std::string>& RunSlotUnits(RunChoice choice, int slot) {
    static const std::vector<std::string> kNone;
    static const std::vector<std::string> kHz{"Hz"};
    static const std::vector<std::string> kStep{"Hz", "oct"};
    static const std::vector<std::string> kTimeOrCycles{"s", "min", "h", "cycles"};
    static const std::vector<std::string> kSweepsOrTime{"sweeps", "s", "min", "h"};
    static const std::vector<std::string> kRateOrTime = [] {
        std::vector<std::string> units = FieldUnits(QuantityKind::SweepRate);
        for (const std::string& unit : FieldUnits(QuantityKind::Time)) units.push_back(unit);
        return units;
    }();
    const std::string name = RunSlotNames(choice, slot).quantity ? RunSlotNames(choice, slot).quantity : "";
    if (name == "rate") return kRateOrTime;
    if (name == "duration") return kSweepsOrTime;
    if (name == "time" || name == "hold") return kTimeOrCycles;
    if (name == "step") return kStep;
    if (name == "frequency" || name == "from" || name == "to") return kHz;
    return kNone;
}

RunFields NewRunFields(RunChoice choice) {
    RunFields run;
    run.choice = choice;
    for (int slot = 0; slot < kRunSlots; ++slot) {
        run.entries[slot].unit = RunSlotUnits(choice, slot).empty() ? -1 : 0;
    }
    // Dwells are mostly given in minutes.
    if (choice == RunChoice::Dwell || choice == RunChoice::Resonances) run.entries[1].unit = 1;
    return run;
}

bool FollowTypedRunUnit(RunFields& run, int slot) {
    const std::vector<std::string>& units = RunSlotUnits(run.choice, slot);
    const std::string text = Trimmed(run.entries[slot].text);
    double number = 0.0;
    int unit = -1;
    if (IsNumberText(text) || !TypedSlotUnit(text, units, number, unit) || unit == run.entries[slot].unit) return false;
    run.entries[slot].unit = unit;
    return true;
}

void ChooseRunUnit(RunFields& run, int slot, int unit) {
    const std::vector<std::string>& units = RunSlotUnits(run.choice, slot);
    QuantityField& field = run.entries[slot];
    double number = 0.0;
    int typed = -1;
    const std::string text = Trimmed(field.text);
    if (!IsNumberText(text) && TypedSlotUnit(text, units, number, typed)) field.text = Number(number);
    field.unit = unit;
}

std::string RunSummary(const RunFields& run) {
    const auto slot = [&](int i) {
        std::string text = Trimmed(run.entries[i].text);
        const std::vector<std::string>& units = RunSlotUnits(run.choice, i);
        if (text.empty()) return std::string("?");
        if (IsNumberText(text) && run.entries[i].unit >= 0 && run.entries[i].unit < static_cast<int>(units.size())) {
            std::string unit = units[run.entries[i].unit];
            if (text == "1" && IsCountWord(unit)) unit.pop_back();  // "1 sweep"
            return text + " " + ShownUnitWord(unit);
        }
        return text;
    };
    std::string line = lang::Tr(kRunChoiceItems[static_cast<int>(run.choice)]);
    switch (run.choice) {
        case RunChoice::Sweep:
            return line;
        case RunChoice::Search:
            line = lang::Fill(lang::Tr("%1, %2, %3"), {line, slot(0), slot(1)});
            break;
        case RunChoice::Dwell:
            line = lang::Fill(lang::Tr("%1, %2 for %3"), {line, slot(0), slot(1)});
            break;
        case RunChoice::Resonances:
            line = lang::Fill(lang::Tr("%1 resonance dwells for %2"), {slot(0), slot(1)});
            break;
        case RunChoice::Stepped:
            line = lang::Fill(lang::Tr("%1, %2 to %3 by %4, %5 each"), {line, slot(0), slot(1), slot(2), slot(3)});
            break;
    }
    const std::string level = Trimmed(run.level);
    if (run.source == RunLevel::Source::Fraction) {
        line = lang::Fill(lang::Tr("%1, %2 of the profile"), {line, level.empty() ? "?" : level});
    }
    if (run.source == RunLevel::Source::Own) {
        const std::vector<std::string>& units = LevelUnits(run.levelKind);
        line = lang::Fill(lang::Tr("%1, at %2 %3"),
                          {line, level.empty() ? "?" : level,
                           units[std::clamp(run.levelUnit, 0, static_cast<int>(units.size()) - 1)]});
    }
    return line;
}

std::string ShownUnitWord(const std::string& unit) {
    if (unit == "cycles") return lang::TrC("unit list", "cycles");
    if (unit == "sweeps") return lang::TrC("unit list", "sweeps");
    if (unit == "cycle") return lang::TrC("unit list", "cycle");
    if (unit == "sweep") return lang::TrC("unit list", "sweep");
    return unit;
}

int RunSlotOf(FormField field) {
    switch (field) {
        case FormField::RunRate:
        case FormField::RunAt:
        case FormField::RunCount:
        case FormField::RunFrom:
            return 0;
        case FormField::RunSweeps:
        case FormField::RunFor:
        case FormField::RunTo:
            return 1;
        case FormField::RunStep:
            return 2;
        case FormField::RunHold:
            return 3;
        default:
            return -1;
    }
}

}  // namespace planner
