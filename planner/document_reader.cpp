#include <cmath>
#include <initializer_list>
#include <string>

#include "planner/document.h"
#include "planner/json.h"

namespace planner {

const char* const kMassNames[4] = {"armature", "expander", "fixture", "specimen"};

const char* LevelFieldName(LevelKind kind) {
    switch (kind) {
        case LevelKind::DisplacementPp:
            return "displacement_pp";
        case LevelKind::DisplacementZp:
            return "displacement_zp";
        case LevelKind::Velocity:
            return "velocity";
        case LevelKind::Acceleration:
            break;
    }
    return "acceleration";
}

QuantityKind LevelQuantityKind(LevelKind kind) {
    switch (kind) {
        case LevelKind::DisplacementPp:
        case LevelKind::DisplacementZp:
            return QuantityKind::Length;
        case LevelKind::Velocity:
            return QuantityKind::Velocity;
        case LevelKind::Acceleration:
            break;
    }
    return QuantityKind::Acceleration;
}

bool PlanDocument::IsUnfilled(std::string_view path) const {
    for (const std::string& field : unfilled) {
        if (field == path) return true;
    }
    return false;
}

bool PlanDocument::UsesInchPound() const {
    const auto inch = [](const std::optional<Quantity>& q) { return q && IsInchPoundUnit(q->unit); };
    for (const Segment& segment : profile) {
        for (const Quantity& value : segment.values) {
            if (IsInchPoundUnit(value.unit)) return true;
        }
    }
    if (shaker) {
        for (const auto& mass : shaker->masses) {
            if (inch(mass)) return true;
        }
        if (inch(shaker->ratedForce) || inch(shaker->strokePp) || inch(shaker->velocity) ||
            inch(shaker->acceleration)) {
            return true;
        }
    }
    return false;
}

namespace {

const char* TypeName(const JsonValue& value) {
    switch (value.type) {
        case JsonValue::Type::Null:
            return "null";
        case JsonValue::Type::Bool:
            return value.boolean ? "true" : "false";
        case JsonValue::Type::Number:
            return "a number";
        case JsonValue::Type::String:
            return "a string";
        case JsonValue::Type::Array:
            return "an array";
        case JsonValue::Type::Object:
            break;
    }
    return "an object";
}

// Builds the model, stopping at the first fault with its one message.
class Builder {
public:
    explicit Builder(std::string& message) : m_message(message) {}

    bool Fail(const std::string& path, const std::string& what) {
        m_message = path + ": " + what;
        return false;
    }

    bool CheckObject(const JsonValue& value, const std::string& path) {
        if (value.type != JsonValue::Type::Object)
            return Fail(path, std::string("expected an object, found ") + TypeName(value));
        return true;
    }

    bool CheckFields(const JsonValue& object, const std::string& path, std::initializer_list<const char*> known) {
        for (const std::string& name : object.names) {
            bool found = false;
            for (const char* k : known) found = found || name == k;
            if (!found) return Fail(Join(path, name), "unknown field");
        }
        return true;
    }

    // True when value is "?", a field left to fill: then ok says whether the
    // document may hold one (version 2 on), and the field is noted as unfilled.
    bool ToFill(const JsonValue& value, const std::string& path, bool& ok) {
        if (value.type != JsonValue::Type::String || value.text != "?") return false;
        ok = m_version >= 2 ? (m_unfilled->push_back(path), true)
                            : Fail(path, "a field to fill (\"?\") needs version 2 of the format");
        return true;
    }

    // A quantity to fill may keep the unit it is to be given in: "? g".
    bool ToFillQuantity(const JsonValue& value, QuantityKind kind, const std::string& path, Quantity& quantity,
                        bool& ok) {
        if (value.type != JsonValue::Type::String || value.text.compare(0, 1, "?") != 0) return false;
        const std::size_t unit = value.text.find_first_not_of(' ', 1);
        if (unit == std::string::npos) return ToFill(value, path, ok);
        Quantity read;
        std::string problem;
        if (value.text[1] != ' ' || !ParseQuantityText("1 " + value.text.substr(unit), kind, read, problem)) {
            ok = Fail(path, "a field to fill is \"?\", or \"?\", a blank and the unit it is to be given in");
            return true;
        }
        if (m_version < 2) {
            ok = Fail(path, "a field to fill (\"?\") needs version 2 of the format");
            return true;
        }
        m_unfilled->push_back(path);
        quantity = Quantity{0.0, read.unit};
        ok = true;
        return true;
    }

    static std::string Join(const std::string& path, const std::string& name) {
        std::string joined = path;
        AppendPathMember(joined, name);
        return joined;
    }

    bool ReadQuantity(const JsonValue& value, QuantityKind kind, const std::string& path, Quantity& quantity) {
        if (value.type == JsonValue::Type::Number) {
            quantity = Quantity{value.number, ""};
            return true;
        }
        if (value.type != JsonValue::Type::String) {
            return Fail(path, "expected " + KindDescription(kind) + ", found " + TypeName(value));
        }
        std::string problem;
        if (!ParseQuantityText(value.text, kind, quantity, problem)) return Fail(path, problem);
        return true;
    }

    // A quantity that must be positive and finite in SI units.
    bool ReadPositive(const JsonValue& value, QuantityKind kind, const std::string& path, Quantity& quantity) {
        bool ok = true;
        if (ToFillQuantity(value, kind, path, quantity, ok)) return ok;
        if (!ReadQuantity(value, kind, path, quantity)) return false;
        const double si = ToSi(quantity, kind, m_gravity);
        if (!std::isfinite(si) || !(si > 0.0)) return Fail(path, "must be positive and finite");
        return true;
    }

    bool ReadOptionalPositive(const JsonValue& object, const char* name, QuantityKind kind, const std::string& path,
                              std::optional<Quantity>& quantity) {
        const JsonValue* value = object.Find(name);
        if (value == nullptr) return true;
        quantity.emplace();
        return ReadPositive(*value, kind, Join(path, name), *quantity);
    }

    bool ReadWhole(const JsonValue& object, const char* name, const std::string& path, double max, double& number) {
        const JsonValue* value = object.Find(name);
        if (value == nullptr) return true;
        const std::string field = Join(path, name);
        bool ok = true;
        if (ToFill(*value, field, ok)) {
            number = 0.0;
            return ok;
        }
        if (value->type != JsonValue::Type::Number) {
            return Fail(field, std::string("expected a whole number, found ") + TypeName(*value));
        }
        if (!(value->number >= 1.0) || value->number != std::floor(value->number)) {
            return Fail(field, "must be a whole number, at least 1");
        }
        if (value->number > max) return Fail(field, "must be at most " + std::to_string(static_cast<long>(max)));
        number = value->number;
        return true;
    }

    bool ReadWord(const JsonValue& object, const char* name, const std::string& path,
                  std::initializer_list<const char*> words, int& index) {
        const JsonValue* value = object.Find(name);
        const std::string field = Join(path, name);
        if (value == nullptr) return Fail(field, "missing");
        std::string list;
        int i = 0;
        for (const char* word : words) {
            if (value->type == JsonValue::Type::String && value->text == word) {
                index = i;
                return true;
            }
            list += std::string(i == 0 ? "" : ", ") + '"' + word + '"';
            ++i;
        }
        return Fail(field, "must be one of " + list);
    }

    bool ReadDocument(const JsonValue& root, PlanDocument& document) {
        if (!CheckObject(root, "document")) return false;
        const JsonValue* format = root.Find("format");
        if (format == nullptr) return Fail("format", "missing; a plan starts with \"format\": \"halvex-plan\"");
        if (format->type != JsonValue::Type::String || format->text != "halvex-plan") {
            return Fail("format", "unknown format; expected \"halvex-plan\"");
        }
        const JsonValue* version = root.Find("version");
        if (version == nullptr) return Fail("version", "missing");
        if (version->type != JsonValue::Type::Number || !(version->number >= 1.0) ||
            version->number != std::floor(version->number)) {
            return Fail("version", "must be a whole number, at least 1");
        }
        if (version->number > kPlanVersion) {
            return Fail("version", "this document is of a newer version than this program reads (" +
                                       std::to_string(kPlanVersion) + ")");
        }
        m_version = static_cast<int>(version->number);
        m_unfilled = &document.unfilled;
        if (!CheckFields(root, "", {"format", "version", "gravity", "profile", "sweep", "shaker"})) return false;

        if (const JsonValue* gravity = root.Find("gravity")) {
            if (!ReadQuantity(*gravity, QuantityKind::Acceleration, "gravity", document.gravity)) return false;
            if (document.gravity.unit == "g") return Fail("gravity", "cannot be given in g");
            if (!ReadPositive(*gravity, QuantityKind::Acceleration, "gravity", document.gravity)) return false;
        }
        m_gravity = document.GravitySi();

        const JsonValue* profile = root.Find("profile");
        if (profile == nullptr) return Fail("profile", "missing");
        if (profile->type != JsonValue::Type::Array || profile->items.empty()) {
            return Fail("profile", "expected a list of one or more segments");
        }
        for (std::size_t i = 0; i < profile->items.size(); ++i) {
            document.profile.emplace_back();
            const std::string path = "profile[" + std::to_string(i) + "]";
            if (!ReadSegment(profile->items[i], path, document.profile.back())) return false;
        }
        if (const JsonValue* sweep = root.Find("sweep")) {
            document.sweep.emplace();
            if (!ReadSweep(*sweep, *document.sweep)) return false;
        }
        if (const JsonValue* shaker = root.Find("shaker")) {
            document.shaker.emplace();
            if (!ReadShaker(*shaker, *document.shaker)) return false;
        }
        return true;
    }

    bool ReadBoundary(const JsonValue& segment, const char* name, const std::string& path, Boundary& boundary) {
        const JsonValue* value = segment.Find(name);
        const std::string field = Join(path, name);
        if (value == nullptr) return Fail(field, "missing");
        bool ok = true;
        if (ToFill(*value, field, ok)) return ok;
        if (value->type == JsonValue::Type::String && value->text == "auto") {
            boundary.isAuto = true;
            return true;
        }
        // A word that is not a frequency ("Auto", a bare "5") is one of the two meant.
        Quantity frequency;
        std::string problem;
        if (value->type == JsonValue::Type::String && value->text.find(' ') == std::string::npos &&
            !ParseQuantityText(value->text, QuantityKind::Frequency, frequency, problem)) {
            return Fail(field, "expected \"auto\" or " + KindDescription(QuantityKind::Frequency));
        }
        return ReadPositive(*value, QuantityKind::Frequency, field, boundary.frequency);
    }

    bool ReadSegment(const JsonValue& value, const std::string& path, Segment& segment) {
        if (!CheckObject(value, path)) return false;
        if (!CheckFields(value, path,
                         {"from", "to", "displacement_pp", "displacement_zp", "velocity", "acceleration"})) {
            return false;
        }
        if (!ReadBoundary(value, "from", path, segment.from) || !ReadBoundary(value, "to", path, segment.to)) {
            return false;
        }
        const JsonValue* level = nullptr;
        for (const LevelKind kind :
             {LevelKind::DisplacementPp, LevelKind::DisplacementZp, LevelKind::Velocity, LevelKind::Acceleration}) {
            const JsonValue* found = value.Find(LevelFieldName(kind));
            if (found == nullptr) continue;
            if (level != nullptr) {
                return Fail(Join(path, LevelFieldName(kind)),
                            std::string("a segment has one level, and this one has ") + LevelFieldName(segment.kind));
            }
            level = found;
            segment.kind = kind;
        }
        if (level == nullptr) {
            return Fail(path, "a segment needs one level: displacement_pp, displacement_zp, velocity or acceleration");
        }
        const std::string field = Join(path, LevelFieldName(segment.kind));
        const QuantityKind kind = LevelQuantityKind(segment.kind);
        if (level->type != JsonValue::Type::Array) {
            segment.values.emplace_back();
            return ReadPositive(*level, kind, field, segment.values.back());
        }
        if (level->items.size() != 2) return Fail(field, "a ramp has two values, at `from` and at `to`");
        for (std::size_t i = 0; i < 2; ++i) {
            segment.values.emplace_back();
            if (!ReadPositive(level->items[i], kind, field + '[' + std::to_string(i) + ']', segment.values.back())) {
                return false;
            }
        }
        return true;
    }

    bool ReadSweep(const JsonValue& value, SweepSettings& sweep) {
        const std::string path = "sweep";
        if (!CheckObject(value, path)) return false;
        if (!CheckFields(value, path, {"type", "rate", "pass_time", "mode", "sweeps", "axes", "dwells"})) return false;
        int type = 0;
        if (!ReadWord(value, "type", path, {"log", "linear"}, type)) return false;
        sweep.type = type == 0 ? SweepType::Log : SweepType::Linear;
        const JsonValue* rate = value.Find("rate");
        const JsonValue* passTime = value.Find("pass_time");
        if ((rate == nullptr) == (passTime == nullptr)) return Fail(path, "give either rate or pass_time, not both");
        if (rate != nullptr) {
            sweep.rate.emplace();
            if (!ReadPositive(*rate, QuantityKind::SweepRate, "sweep.rate", *sweep.rate)) return false;
            const bool octaves = IsOctaveRateUnit(sweep.rate->unit);
            if (!sweep.rate->unit.empty() && octaves != (sweep.type == SweepType::Log)) {
                return Fail("sweep.rate", sweep.type == SweepType::Log ? "a log sweep's rate is in oct/min or oct/s"
                                                                       : "a linear sweep's rate is in Hz/min or Hz/s");
            }
        } else {
            sweep.passTime.emplace();
            if (!ReadPositive(*passTime, QuantityKind::Time, "sweep.pass_time", *sweep.passTime)) return false;
        }
        int mode = 0;
        if (!ReadWord(value, "mode", path, {"up", "down", "up-down"}, mode)) return false;
        sweep.mode = static_cast<SweepMode>(mode);
        if (!ReadWhole(value, "sweeps", path, kMaxSweeps, sweep.sweeps)) return false;
        if (!ReadWhole(value, "axes", path, 1000.0, sweep.axes)) return false;
        if (const JsonValue* dwells = value.Find("dwells")) {
            if (dwells->type != JsonValue::Type::Array) return Fail("sweep.dwells", "expected a list of dwells");
            for (std::size_t i = 0; i < dwells->items.size(); ++i) {
                const std::string item = "sweep.dwells[" + std::to_string(i) + "]";
                const JsonValue& dwell = dwells->items[i];
                if (!CheckObject(dwell, item) || !CheckFields(dwell, item, {"frequency", "time"})) return false;
                sweep.dwells.emplace_back();
                for (const char* name : {"frequency", "time"}) {
                    if (dwell.Find(name) == nullptr) return Fail(Join(item, name), "missing");
                }
                if (!ReadPositive(*dwell.Find("frequency"), QuantityKind::Frequency, item + ".frequency",
                                  sweep.dwells.back().frequency) ||
                    !ReadPositive(*dwell.Find("time"), QuantityKind::Time, item + ".time", sweep.dwells.back().time)) {
                    return false;
                }
            }
        }
        return true;
    }

    bool ReadShaker(const JsonValue& value, ShakerSettings& shaker) {
        const std::string path = "shaker";
        if (!CheckObject(value, path)) return false;
        if (!CheckFields(value, path,
                         {"rated_force", "force_fraction", "moving_mass", "stroke_pp", "velocity", "acceleration"})) {
            return false;
        }
        if (!ReadOptionalPositive(value, "rated_force", QuantityKind::Force, path, shaker.ratedForce)) return false;
        if (const JsonValue* fraction = value.Find("force_fraction")) {
            bool ok = true;
            if (ToFill(*fraction, "shaker.force_fraction", ok)) {
                if (!ok) return false;
                shaker.forceFraction = 0.0;
            } else if (fraction->type != JsonValue::Type::Number || !(fraction->number > 0.0) ||
                       fraction->number > 1.0) {
                return Fail("shaker.force_fraction", "must be a number above 0 and at most 1");
            } else {
                shaker.forceFraction = fraction->number;
            }
        }
        if (const JsonValue* masses = value.Find("moving_mass")) {
            const std::string massPath = "shaker.moving_mass";
            if (!CheckObject(*masses, massPath)) return false;
            if (!CheckFields(*masses, massPath, {kMassNames[0], kMassNames[1], kMassNames[2], kMassNames[3]})) {
                return false;
            }
            for (int i = 0; i < 4; ++i) {
                const JsonValue* mass = masses->Find(kMassNames[i]);
                if (mass == nullptr) continue;
                const std::string field = Join(massPath, kMassNames[i]);
                shaker.masses[i].emplace();
                bool ok = true;
                if (ToFillQuantity(*mass, QuantityKind::Mass, field, *shaker.masses[i], ok)) {
                    if (!ok) return false;
                    continue;
                }
                if (!ReadQuantity(*mass, QuantityKind::Mass, field, *shaker.masses[i])) return false;
                const double si = ToSi(*shaker.masses[i], QuantityKind::Mass, m_gravity);
                // A part that is not there may be written as 0.
                if (!std::isfinite(si) || si < 0.0) return Fail(field, "must be zero or positive, and finite");
            }
        }
        return ReadOptionalPositive(value, "stroke_pp", QuantityKind::Length, path, shaker.strokePp) &&
               ReadOptionalPositive(value, "velocity", QuantityKind::Velocity, path, shaker.velocity) &&
               ReadOptionalPositive(value, "acceleration", QuantityKind::Acceleration, path, shaker.acceleration);
    }

private:
    std::string& m_message;
    double m_gravity = kStandardGravity;
    int m_version = 1;
    std::vector<std::string>* m_unfilled = nullptr;
};

}  // namespace

bool ReadPlanDocument(std::string_view text, PlanDocument& document, std::string& message) {
    document = PlanDocument();
    JsonValue root;
    JsonError error;
    if (!ParseJson(text, root, error)) {
        message = FormatJsonError(error);
        return false;
    }
    Builder builder(message);
    return builder.ReadDocument(root, document);
}

}  // namespace planner
