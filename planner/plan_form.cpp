#include "planner/plan_form.h"

#include <cmath>
#include <cstdio>

#include "numeric/number_text.h"

namespace planner {

const char* const kLevelKindItems[4] = {"displacement p-p", "displacement 0-p", "velocity", "acceleration"};
const char* const kSweepTypeItems[2] = {"log", "linear"};
const char* const kSweepModeItems[3] = {"up", "down", "up-down"};

const std::vector<std::string>& LevelUnits(LevelKind kind) {
    static const std::vector<std::string> kLength{"mm", "m", "um", "in", "mil"};
    static const std::vector<std::string> kVelocity{"m/s", "mm/s", "in/s"};
    static const std::vector<std::string> kAcceleration{"g", "m/s^2", "mm/s^2", "in/s^2"};
    switch (kind) {
        case LevelKind::DisplacementPp:
        case LevelKind::DisplacementZp:
            return kLength;
        case LevelKind::Velocity:
            return kVelocity;
        case LevelKind::Acceleration:
            break;
    }
    return kAcceleration;
}

namespace {

std::string Number(double value) { return QuantityText(Quantity{value, ""}); }

std::string Trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string TextOf(const std::optional<Quantity>& quantity) { return quantity ? QuantityText(*quantity) : ""; }

// A field's quantity: a bare number in SI units or "NUMBER UNIT"; absent
// when empty. False with the problem.
bool ReadQuantity(const std::string& field, QuantityKind kind, std::optional<Quantity>& quantity,
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

// Puts the field's name before what is wrong with it; always false.
bool Named(const char* field, std::string& problem) {
    problem.insert(0, field);
    return false;
}

bool ReadNumber(const std::string& field, double& number, std::string& problem) {
    const std::string text = Trimmed(field);
    if (!IsNumberText(text)) {
        problem = text.empty() ? "a number is needed" : "\"" + text + "\" is not a number";
        return false;
    }
    number = halvex::ParseNumber(text);
    return true;
}

bool ReadBoundary(const std::string& field, Boundary& boundary, std::string& problem) {
    const std::string text = Trimmed(field);
    boundary = Boundary();
    if (text == "auto") {
        boundary.isAuto = true;
        return true;
    }
    if (!ReadNumber(text, boundary.frequency.number, problem)) {
        problem += " (a frequency in Hz, or auto)";
        return false;
    }
    return true;
}

bool ReadSegment(const SegmentFields& fields, Segment& segment, std::string& problem, FormField& field) {
    const std::vector<std::string>& units = LevelUnits(fields.kind);
    const std::string unit = fields.unit >= 0 && fields.unit < static_cast<int>(units.size()) ? units[fields.unit] : "";
    field = FormField::From;
    if (!ReadBoundary(fields.from, segment.from, problem)) return Named("From: ", problem);
    field = FormField::To;
    if (!ReadBoundary(fields.to, segment.to, problem)) return Named("To: ", problem);
    segment.kind = fields.kind;
    segment.values.clear();
    double number = 0.0;
    field = FormField::Value;
    if (!ReadNumber(fields.value, number, problem)) return Named("Value: ", problem);
    segment.values.push_back(Quantity{number, unit});
    if (!Trimmed(fields.endValue).empty()) {
        field = FormField::EndValue;
        if (!ReadNumber(fields.endValue, number, problem)) return Named("ramp to: ", problem);
        segment.values.push_back(Quantity{number, unit});
    }
    field = FormField::None;
    return true;
}

// The field a checked document's message names by its path: "profile[1].to:
// ..." is segment 2's To; a segment's level is its Value.
FieldPlace PlaceOfPath(const std::string& message) {
    const std::string path = message.substr(0, message.find(':'));
    FieldPlace place;
    unsigned long segment = 0;
    char rest[32] = "";
    if (std::sscanf(path.c_str(), "profile[%lu]%31s", &segment, rest) >= 1) {
        place.segment = static_cast<int>(segment);
        const std::string part = rest;
        place.field = part == ".from" ? FormField::From : part == ".to" ? FormField::To : FormField::Value;
        return place;
    }
    static const struct {
        const char* path;
        FormField field;
    } kPaths[] = {
        {"sweep.rate", FormField::Rate},
        {"sweep.pass_time", FormField::Rate},
        {"sweep.sweeps", FormField::Sweeps},
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
    for (const auto& known : kPaths) {
        if (path == known.path) place.field = known.field;
    }
    return place;
}

// The field's unit in the kind's list, the number converted when the
// document wrote it in another (SI for a bare number).
void LevelFields(const Segment& segment, double gravity, SegmentFields& fields) {
    const std::vector<std::string>& units = LevelUnits(segment.kind);
    const QuantityKind kind = LevelQuantityKind(segment.kind);
    static const char* const kSiUnits[] = {"m", "m", "m/s", "m/s^2"};
    const std::string written =
        segment.values[0].unit.empty() ? kSiUnits[static_cast<int>(segment.kind)] : segment.values[0].unit;
    fields.unit = 0;
    for (std::size_t i = 0; i < units.size(); ++i) {
        if (units[i] == written) fields.unit = static_cast<int>(i);
    }
    const double per = ToSi(Quantity{1.0, units[fields.unit]}, kind, gravity);
    const auto inUnit = [&](const Quantity& q) {
        return q.unit == units[fields.unit] ? q.number : ToSi(q, kind, gravity) / per;
    };
    fields.value = Number(inUnit(segment.values[0]));
    fields.endValue = segment.values.size() > 1 ? Number(inUnit(segment.values[1])) : "";
}

}  // namespace

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
    fields.gravity = document.gravity;
    const double gravity = document.GravitySi();
    for (const Segment& segment : document.profile) {
        SegmentFields s;
        s.from = segment.from.isAuto ? "auto" : Number(segment.from.frequency.number);
        s.to = segment.to.isAuto ? "auto" : Number(segment.to.frequency.number);
        s.kind = segment.kind;
        LevelFields(segment, gravity, s);
        fields.segments.push_back(s);
    }
    fields.rate.clear();
    if (document.sweep) {
        const SweepSettings& sweep = *document.sweep;
        fields.sweepType = sweep.type;
        fields.sweepMode = sweep.mode;
        fields.rate = sweep.rate ? QuantityText(*sweep.rate) : TextOf(sweep.passTime);
        // A bare time per pass would read back as a rate: say its unit.
        if (!sweep.rate && sweep.passTime && sweep.passTime->unit.empty()) fields.rate += " s";
        fields.sweeps = Number(sweep.sweeps);
        fields.axes = Number(sweep.axes);
        fields.dwells = sweep.dwells;
    }
    if (document.shaker) {
        const ShakerSettings& shaker = *document.shaker;
        fields.force = TextOf(shaker.ratedForce);
        fields.fraction = Number(shaker.forceFraction);
        for (int i = 0; i < 4; ++i) fields.masses[i] = TextOf(shaker.masses[i]);
        fields.stroke = TextOf(shaker.strokePp);
        fields.velocity = TextOf(shaker.velocity);
        fields.acceleration = TextOf(shaker.acceleration);
    }
    return fields;
}

bool DocumentOf(const PlanFields& fields, PlanDocument& document, std::string& problem) {
    FieldPlace place;
    return DocumentOf(fields, document, problem, place);
}

bool DocumentOf(const PlanFields& fields, PlanDocument& document, std::string& problem, FieldPlace& place) {
    PlanDocument built;
    built.gravity = fields.gravity;
    place = FieldPlace();
    for (std::size_t i = 0; i < fields.segments.size(); ++i) {
        Segment segment;
        if (!ReadSegment(fields.segments[i], segment, problem, place.field)) {
            problem.insert(0, "Segment " + std::to_string(i + 1) + ", ");
            place.segment = static_cast<int>(i);
            return false;
        }
        built.profile.push_back(segment);
    }
    place.field = FormField::Rate;
    if (!Trimmed(fields.rate).empty()) {
        SweepSettings sweep;
        sweep.type = fields.sweepType;
        sweep.mode = fields.sweepMode;
        std::optional<Quantity> rate;
        std::string rateProblem;
        if (ReadQuantity(fields.rate, QuantityKind::SweepRate, rate, rateProblem)) {
            sweep.rate = rate;
        } else if (!ReadQuantity(fields.rate, QuantityKind::Time, sweep.passTime, problem)) {
            problem = "Sweep, rate or time per pass: " + rateProblem + ", or a time (s, min, h)";
            return false;
        }
        place.field = FormField::Sweeps;
        if (!ReadNumber(fields.sweeps, sweep.sweeps, problem)) return Named("Sweep, sweeps: ", problem);
        place.field = FormField::Axes;
        if (!ReadNumber(fields.axes, sweep.axes, problem)) return Named("Sweep, axes: ", problem);
        sweep.dwells = fields.dwells;
        built.sweep = sweep;
    }
    struct Field {
        const char* name;
        FormField field;
        const std::string& text;
        QuantityKind kind;
        std::optional<Quantity>* slot;
    };
    ShakerSettings shaker;
    const Field shakerFields[] = {
        {"rated force", FormField::Force, fields.force, QuantityKind::Force, &shaker.ratedForce},
        {"armature", FormField::Armature, fields.masses[0], QuantityKind::Mass, &shaker.masses[0]},
        {"expander", FormField::Expander, fields.masses[1], QuantityKind::Mass, &shaker.masses[1]},
        {"fixture", FormField::Fixture, fields.masses[2], QuantityKind::Mass, &shaker.masses[2]},
        {"specimen", FormField::Specimen, fields.masses[3], QuantityKind::Mass, &shaker.masses[3]},
        {"stroke p-p", FormField::Stroke, fields.stroke, QuantityKind::Length, &shaker.strokePp},
        {"velocity", FormField::Velocity, fields.velocity, QuantityKind::Velocity, &shaker.velocity},
        {"acceleration", FormField::Acceleration, fields.acceleration, QuantityKind::Acceleration,
         &shaker.acceleration},
    };
    bool anyShaker = !Trimmed(fields.fraction).empty();
    for (const Field& field : shakerFields) {
        if (!ReadQuantity(field.text, field.kind, *field.slot, problem)) {
            problem.insert(0, std::string("Shaker, ").append(field.name).append(": "));
            place.field = field.field;
            return false;
        }
        anyShaker = anyShaker || field.slot->has_value();
    }
    place.field = FormField::Fraction;
    if (!Trimmed(fields.fraction).empty() && !ReadNumber(fields.fraction, shaker.forceFraction, problem)) {
        problem = "Shaker, fraction: " + problem;
        return false;
    }
    if (anyShaker) built.shaker = shaker;
    // Ranges and the profile's order as a file of this document is checked.
    if (!ReadPlan(WritePlanDocument(built), document, problem)) {
        place = PlaceOfPath(problem);
        return false;
    }
    place = FieldPlace();
    return true;
}

std::string SegmentSummary(const SegmentFields& segment) {
    const std::vector<std::string>& units = LevelUnits(segment.kind);
    const std::string unit =
        segment.unit >= 0 && segment.unit < static_cast<int>(units.size()) ? units[segment.unit] : "";
    const auto hz = [](const std::string& text) { return text.empty() ? "?" : text == "auto" ? text : text + " Hz"; };
    std::string level = Trimmed(segment.value) + " " + unit;
    if (!Trimmed(segment.endValue).empty()) level += " to " + Trimmed(segment.endValue) + " " + unit;
    return hz(Trimmed(segment.from)) + " to " + hz(Trimmed(segment.to)) + ": " + level + " " +
           kLevelKindItems[static_cast<int>(segment.kind)];
}

}  // namespace planner
