#include <cctype>
#include <cmath>
#include <initializer_list>
#include <string>

#include "lang/tr.h"
#include "numeric/number_text.h"
#include "planner/document.h"
#include "planner/field_reader.h"
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

const char* RunKindName(RunKind kind) {
    switch (kind) {
        case RunKind::Sweep:
            return "sweep";
        case RunKind::Search:
            return "search";
        case RunKind::Dwell:
            return "dwell";
        case RunKind::Stepped:
            break;
    }
    return "stepped";
}

int PlanDocument::Version() const {
    const bool timed = sweep && sweep->duration;
    const bool library = shaker && shaker->UsesLibraryFields();
    return unfilled.empty() && !sequence && !axes && !timed && !library && !templateInfo && !report ? 1 : 2;
}

ShakerSettings ShakerSettings::OnAxis(std::size_t axis) const {
    ShakerSettings on = *this;
    on.setups.clear();
    if (axis >= setups.size()) return on;
    const AxisSetup& setup = setups[axis];
    if (setup.expander) on.expander = setup.expander;
    if (setup.expanderResonance) on.expanderResonance = setup.expanderResonance;
    if (setup.fixture) on.fixture = setup.fixture;
    if (setup.fixtureResonance) on.fixtureResonance = setup.fixtureResonance;
    for (int i = 0; i < 3; ++i) {
        if (setup.masses[i]) on.masses[i + 1] = setup.masses[i];
    }
    return on;
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
    if (sequence) {
        for (const Run& run : *sequence) {
            if (run.level.source == RunLevel::Source::Own && IsInchPoundUnit(run.level.value.unit)) return true;
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

// Builds the model, stopping at the first fault with its one message.
class Builder : public FieldReader {
public:
    explicit Builder(std::string& message) : FieldReader(message) {}

    bool ReadDocument(const JsonValue& root, PlanDocument& document) {
        if (!CheckObject(root, "document")) return false;
        const JsonValue* format = root.Find("format");
        if (format == nullptr)
            return Fail("format", lang::Tr("missing; a plan starts with \"format\": \"halvex-plan\""));
        if (format->type != JsonValue::Type::String || format->text != "halvex-plan") {
            return Fail("format", lang::Tr("unknown format; expected \"halvex-plan\""));
        }
        const JsonValue* version = root.Find("version");
        if (version == nullptr) return Fail("version", "missing");
        if (version->type != JsonValue::Type::Number || !(version->number >= 1.0) ||
            version->number != std::floor(version->number)) {
            return Fail("version", lang::Tr("must be a whole number, at least 1"));
        }
        if (version->number > kPlanVersion) {
            return Fail("version",
                        lang::Fill(lang::Tr("this document is of a newer version than this program reads (%1)"),
                                   {std::to_string(kPlanVersion)}));
        }
        m_version = static_cast<int>(version->number);
        m_unfilled = &document.unfilled;
        if (const JsonValue* info = root.Find("template")) {
            if (!NeedsVersion2("template", N_("a template needs version 2 of the format"))) return false;
            if (!CheckObject(*info, "template") ||
                !CheckFields(*info, "template", {"id", "title", "reference", "notes"})) {
                return false;
            }
            document.templateInfo.emplace();
            TemplateInfo& t = *document.templateInfo;
            if (info->Find("title") == nullptr) return Fail("template.title", "missing");
            if (!ReadOptionalText(*info, "id", "template", t.id) ||
                !ReadText(*info->Find("title"), "template.title", t.title) ||
                !ReadOptionalText(*info, "reference", "template", t.reference) ||
                !ReadOptionalText(*info, "notes", "template", t.notes)) {
                return false;
            }
        }
        if (const JsonValue* info = root.Find("report")) {
            if (!NeedsVersion2("report", N_("a report's title block needs version 2 of the format"))) return false;
            if (!CheckObject(*info, "report") ||
                !CheckFields(*info, "report",
                             {"title", "specimen", "customer", "reference", "author", "revision", "notes"})) {
                return false;
            }
            document.report.emplace();
            ReportInfo& r = *document.report;
            if (!ReadOptionalText(*info, "title", "report", r.title) ||
                !ReadOptionalText(*info, "specimen", "report", r.specimen) ||
                !ReadOptionalText(*info, "customer", "report", r.customer) ||
                !ReadOptionalText(*info, "reference", "report", r.reference) ||
                !ReadOptionalText(*info, "author", "report", r.author) ||
                !ReadOptionalText(*info, "revision", "report", r.revision) ||
                !ReadOptionalText(*info, "notes", "report", r.notes)) {
                return false;
            }
        }
        if (!CheckFields(root, "",
                         {"format", "version", "template", "report", "gravity", "profile", "sweep", "shaker",
                          "sequence", "axes"})) {
            return false;
        }

        if (const JsonValue* gravity = root.Find("gravity")) {
            if (!ReadQuantity(*gravity, QuantityKind::Acceleration, "gravity", document.gravity)) return false;
            if (document.gravity.unit == "g") return Fail("gravity", lang::Tr("cannot be given in g"));
            if (!ReadPositive(*gravity, QuantityKind::Acceleration, "gravity", document.gravity)) return false;
        }
        m_gravity = document.GravitySi();

        const JsonValue* profile = root.Find("profile");
        if (profile == nullptr) return Fail("profile", "missing");
        if (profile->type != JsonValue::Type::Array || profile->items.empty()) {
            return Fail("profile", lang::Tr("expected a list of one or more segments"));
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
        if (root.Find("axes") != nullptr) {
            if (!NeedsVersion2("axes", N_("the axes of a plan without a sweep needs version 2 of the format")))
                return false;
            if (document.sweep) return Fail("axes", lang::Tr("a plan with a sweep gives its axes as sweep.axes"));
            document.axes = 1.0;
            if (!ReadWhole(root, "axes", "", kMaxAxes, *document.axes)) return false;
        }
        if (const JsonValue* sequence = root.Find("sequence")) {
            if (!NeedsVersion2("sequence", N_("a sequence needs version 2 of the format"))) return false;
            if (sequence->type != JsonValue::Type::Array || sequence->items.empty()) {
                return Fail("sequence", lang::Tr("expected a list of one or more runs"));
            }
            document.sequence.emplace();
            std::optional<std::size_t> sweepRun;
            for (std::size_t i = 0; i < sequence->items.size(); ++i) {
                const std::string path = "sequence[" + std::to_string(i) + "]";
                document.sequence->emplace_back();
                Run& run = document.sequence->back();
                if (!ReadRun(sequence->items[i], path, run)) return false;
                if (run.kind != RunKind::Sweep) continue;
                if (!document.sweep) return Fail(path, lang::Tr("a sweep run needs the document's sweep"));
                if (sweepRun) {
                    return Fail(path, lang::Fill(lang::Tr("the endurance sweep runs once, and %1 runs it"),
                                                 {"sequence[" + std::to_string(*sweepRun) + "]"}));
                }
                sweepRun = i;
            }
        }
        return true;
    }

    // refusal: "a sequence needs version 2 of the format", marked N_.
    bool NeedsVersion2(const std::string& path, const char* refusal) {
        if (m_version >= 2) return true;
        return Fail(path, lang::Tr(refusal));
    }

    // A log sweep's rate in octaves, a linear one's in Hz.
    bool CheckRateUnit(const Quantity& rate, SweepType type, const std::string& path) {
        const bool octaves = IsOctaveRateUnit(rate.unit);
        if (rate.unit.empty() || octaves == (type == SweepType::Log)) return true;
        return Fail(path, type == SweepType::Log ? lang::Tr("a log sweep's rate is in oct/min or oct/s")
                                                 : lang::Tr("a linear sweep's rate is in Hz/min or Hz/s"));
    }

    bool ReadRun(const JsonValue& value, const std::string& path, Run& run) {
        if (!CheckObject(value, path)) return false;
        int kind = 0;
        if (!ReadWord(value, "run", path, {"sweep", "search", "dwell", "stepped"}, kind)) return false;
        run.kind = static_cast<RunKind>(kind);
        switch (run.kind) {
            case RunKind::Sweep:
                return CheckFields(value, path, {"run"});
            case RunKind::Search:
                return ReadSearch(value, path, run) && ReadLevel(value, path, run.level);
            case RunKind::Dwell:
                return ReadDwell(value, path, run) && ReadLevel(value, path, run.level);
            case RunKind::Stepped:
                break;
        }
        return ReadStepped(value, path, run) && ReadLevel(value, path, run.level);
    }

    bool ReadSearch(const JsonValue& value, const std::string& path, Run& run) {
        if (!CheckFields(value, path, {"run", "type", "rate", "pass_time", "mode", "sweeps", "duration", "level"})) {
            return false;
        }
        int type = 0;
        if (!ReadWord(value, "type", path, {"log", "linear"}, type)) return false;
        run.type = type == 0 ? SweepType::Log : SweepType::Linear;
        if (!EitherOr(value, path, "rate", "pass_time")) return false;
        if (!ReadOptionalPositive(value, "rate", QuantityKind::SweepRate, path, run.rate) ||
            !ReadOptionalPositive(value, "pass_time", QuantityKind::Time, path, run.passTime)) {
            return false;
        }
        if (run.rate && !CheckRateUnit(*run.rate, run.type, Join(path, "rate"))) return false;
        int mode = 0;
        if (!ReadWord(value, "mode", path, {"up", "down", "up-down"}, mode)) return false;
        run.mode = static_cast<SweepMode>(mode);
        return EitherOr(value, path, "sweeps", "duration") &&
               ReadOptionalWhole(value, "sweeps", path, kMaxSweeps, run.sweeps) &&
               ReadOptionalPositive(value, "duration", QuantityKind::Time, path, run.duration);
    }

    bool ReadDwell(const JsonValue& value, const std::string& path, Run& run) {
        if (!CheckFields(value, path, {"run", "frequency", "resonances", "time", "cycles", "level"})) return false;
        return EitherOr(value, path, "frequency", "resonances") && EitherOr(value, path, "time", "cycles") &&
               ReadOptionalPositive(value, "frequency", QuantityKind::Frequency, path, run.frequency) &&
               ReadOptionalWhole(value, "resonances", path, kMaxResonances, run.resonances) &&
               ReadOptionalPositive(value, "time", QuantityKind::Time, path, run.time) &&
               ReadCount(value, "cycles", path, run.cycles);
    }

    bool ReadStepped(const JsonValue& value, const std::string& path, Run& run) {
        if (!CheckFields(value, path, {"run", "from", "to", "step", "hold", "hold_cycles", "level"})) return false;
        for (const char* name : {"from", "to", "step"}) {
            if (value.Find(name) == nullptr) return Fail(Join(path, name), lang::Tr("missing"));
        }
        return ReadPositive(*value.Find("from"), QuantityKind::Frequency, Join(path, "from"), run.from) &&
               ReadPositive(*value.Find("to"), QuantityKind::Frequency, Join(path, "to"), run.to) &&
               ReadStep(*value.Find("step"), Join(path, "step"), run.step) &&
               EitherOr(value, path, "hold", "hold_cycles") &&
               ReadOptionalPositive(value, "hold", QuantityKind::Time, path, run.hold) &&
               ReadCount(value, "hold_cycles", path, run.holdCycles);
    }

    // A frequency ("1 Hz", linear steps) or a part of an octave ("0.5 oct",
    // log steps; also octave or octaves).
    bool ReadStep(const JsonValue& value, const std::string& path, Quantity& step) {
        if (value.type == JsonValue::Type::String) {
            std::string text = value.text;
            while (!text.empty() && text.back() == ' ') text.pop_back();
            for (const char* word : {"octaves", "octave", "oct"}) {
                const std::size_t length = std::char_traits<char>::length(word);
                if (text.size() <= length || !EndsWithIgnoringCase(text, word)) continue;
                std::string number = text.substr(0, text.size() - length);
                if (!number.empty() && number.back() == ' ') number.pop_back();
                if (!IsPointNumberText(number)) break;
                step = Quantity{halvex::ParsePointNumber(number), "oct"};
                if (!std::isfinite(step.number) || !(step.number > 0.0))
                    return Fail(path, lang::Tr("must be positive and finite"));
                return true;
            }
            if (value.text.rfind('?', 0) == 0) {
                bool ok = true;
                if (ToFill(value, path, ok)) return ok;
            }
        }
        Quantity frequency;
        std::string problem;
        if (value.type == JsonValue::Type::String &&
            !ParsePointQuantityText(value.text, QuantityKind::Frequency, frequency, problem)) {
            return Fail(path, lang::Tr("expected a frequency (\"1 Hz\") or a part of an octave (\"0.5 oct\")"));
        }
        return ReadPositive(value, QuantityKind::Frequency, path, step);
    }

    static bool EndsWithIgnoringCase(const std::string& text, const char* word) {
        const std::size_t length = std::char_traits<char>::length(word);
        for (std::size_t i = 0; i < length; ++i) {
            const char c = text[text.size() - length + i];
            if (std::tolower(static_cast<unsigned char>(c)) != word[i]) return false;
        }
        return true;
    }

    // A fraction of the profile (above 0, at most 1) or one constant level of its own.
    bool ReadLevel(const JsonValue& object, const std::string& path, RunLevel& level) {
        const JsonValue* value = object.Find("level");
        if (value == nullptr) return true;
        const std::string field = Join(path, "level");
        bool ok = true;
        if (ToFill(*value, field, ok)) {
            level.source = RunLevel::Source::Fraction;
            level.fraction = 0.0;
            return ok;
        }
        if (value->type == JsonValue::Type::Number) {
            if (!(value->number > 0.0) || value->number > 1.0) {
                return Fail(field, lang::Tr("a part of the profile's level is above 0 and at most 1"));
            }
            level.source = RunLevel::Source::Fraction;
            level.fraction = value->number;
            return true;
        }
        if (value->type != JsonValue::Type::Object || value->names.size() != 1) {
            return Fail(field,
                        lang::Tr("expected a part of the profile's level (0.25) or an object with one level, such as "
                                 "{\"acceleration\": \"0.5 g\"}"));
        }
        if (!CheckFields(*value, field, {"displacement_pp", "displacement_zp", "velocity", "acceleration"})) {
            return false;
        }
        for (const LevelKind kind :
             {LevelKind::DisplacementPp, LevelKind::DisplacementZp, LevelKind::Velocity, LevelKind::Acceleration}) {
            const JsonValue* own = value->Find(LevelFieldName(kind));
            if (own == nullptr) continue;
            level.source = RunLevel::Source::Own;
            level.kind = kind;
            const std::string ownField = Join(field, LevelFieldName(kind));
            if (own->type == JsonValue::Type::Array)
                return Fail(ownField, lang::Tr("a run's own level is one constant value"));
            return ReadPositive(*own, LevelQuantityKind(kind), ownField, level.value);
        }
        return true;
    }

    bool ReadBoundary(const JsonValue& segment, const char* name, const std::string& path, Boundary& boundary) {
        const JsonValue* value = segment.Find(name);
        const std::string field = Join(path, name);
        if (value == nullptr) return Fail(field, lang::Tr("missing"));
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
            !ParsePointQuantityText(value->text, QuantityKind::Frequency, frequency, problem)) {
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
                            lang::Fill(lang::Tr("a segment has one level, and this one has %1"),
                                       {LevelFieldName(segment.kind)}));
            }
            level = found;
            segment.kind = kind;
        }
        if (level == nullptr) {
            return Fail(
                path,
                lang::Tr("a segment needs one level: displacement_pp, displacement_zp, velocity or acceleration"));
        }
        const std::string field = Join(path, LevelFieldName(segment.kind));
        const QuantityKind kind = LevelQuantityKind(segment.kind);
        if (level->type != JsonValue::Type::Array) {
            segment.values.emplace_back();
            return ReadPositive(*level, kind, field, segment.values.back());
        }
        if (level->items.size() != 2) return Fail(field, lang::Tr("a ramp has two values, at `from` and at `to`"));
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
        if (!CheckFields(value, path, {"type", "rate", "pass_time", "mode", "sweeps", "duration", "axes", "dwells"})) {
            return false;
        }
        int type = 0;
        if (!ReadWord(value, "type", path, {"log", "linear"}, type)) return false;
        sweep.type = type == 0 ? SweepType::Log : SweepType::Linear;
        const JsonValue* rate = value.Find("rate");
        const JsonValue* passTime = value.Find("pass_time");
        if ((rate == nullptr) == (passTime == nullptr))
            return Fail(path, lang::Tr("give either rate or pass_time, not both"));
        if (rate != nullptr) {
            sweep.rate.emplace();
            if (!ReadPositive(*rate, QuantityKind::SweepRate, "sweep.rate", *sweep.rate) ||
                !CheckRateUnit(*sweep.rate, sweep.type, "sweep.rate")) {
                return false;
            }
        } else {
            sweep.passTime.emplace();
            if (!ReadPositive(*passTime, QuantityKind::Time, "sweep.pass_time", *sweep.passTime)) return false;
        }
        int mode = 0;
        if (!ReadWord(value, "mode", path, {"up", "down", "up-down"}, mode)) return false;
        sweep.mode = static_cast<SweepMode>(mode);
        if (!ReadWhole(value, "sweeps", path, kMaxSweeps, sweep.sweeps)) return false;
        if (value.Find("duration") != nullptr) {
            if (!NeedsVersion2("sweep.duration",
                               N_("a sweep given by its time per axis needs version 2 of the format")))
                return false;
            if (value.Find("sweeps") != nullptr)
                return Fail(path, lang::Tr("give either sweeps or duration, not both"));
            if (!ReadOptionalPositive(value, "duration", QuantityKind::Time, path, sweep.duration)) return false;
        }
        if (!ReadWhole(value, "axes", path, kMaxAxes, sweep.axes)) return false;
        if (const JsonValue* dwells = value.Find("dwells")) {
            if (dwells->type != JsonValue::Type::Array)
                return Fail("sweep.dwells", lang::Tr("expected a list of dwells"));
            for (std::size_t i = 0; i < dwells->items.size(); ++i) {
                const std::string item = "sweep.dwells[" + std::to_string(i) + "]";
                const JsonValue& dwell = dwells->items[i];
                if (!CheckObject(dwell, item) || !CheckFields(dwell, item, {"frequency", "time"})) return false;
                sweep.dwells.emplace_back();
                for (const char* name : {"frequency", "time"}) {
                    if (dwell.Find(name) == nullptr) return Fail(Join(item, name), lang::Tr("missing"));
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

    // The names of the library's entries and the copies of their figures.
    bool ReadLibraryFields(const JsonValue& value, ShakerSettings& shaker) {
        const std::string path = "shaker";
        for (const char* field : {"name", "expander", "fixture", "max_payload", "frequency_range", "expander_resonance",
                                  "fixture_resonance", "setups"}) {
            if (value.Find(field) != nullptr &&
                !NeedsVersion2(Join(path, field),
                               N_("a shaker from the lab's library needs version 2 of the format"))) {
                return false;
            }
        }
        if (!ReadOptionalText(value, "name", path, shaker.name) ||
            !ReadOptionalText(value, "expander", path, shaker.expander) ||
            !ReadOptionalText(value, "fixture", path, shaker.fixture) ||
            !ReadOptionalPositive(value, "max_payload", QuantityKind::Mass, path, shaker.maxPayload) ||
            !ReadOptionalPositive(value, "expander_resonance", QuantityKind::Frequency, path,
                                  shaker.expanderResonance) ||
            !ReadOptionalPositive(value, "fixture_resonance", QuantityKind::Frequency, path, shaker.fixtureResonance)) {
            return false;
        }
        return ReadFrequencyRange(value, path, shaker.frequencyRange);
    }

    bool ReadMasses(const JsonValue& object, const std::string& path, const char* const* names, int count,
                    std::optional<Quantity>* masses) {
        const JsonValue* value = object.Find("moving_mass");
        if (value == nullptr) return true;
        const std::string massPath = Join(path, "moving_mass");
        if (!CheckObject(*value, massPath)) return false;
        for (const std::string& member : value->names) {
            bool known = false;
            for (int i = 0; i < count; ++i) known = known || member == names[i];
            if (!known) return Fail(Join(massPath, member), lang::Tr("unknown field"));
        }
        for (int i = 0; i < count; ++i) {
            const JsonValue* mass = value->Find(names[i]);
            if (mass == nullptr) continue;
            const std::string field = Join(massPath, names[i]);
            masses[i].emplace();
            bool ok = true;
            if (ToFillQuantity(*mass, QuantityKind::Mass, field, *masses[i], ok)) {
                if (!ok) return false;
                continue;
            }
            if (!ReadQuantity(*mass, QuantityKind::Mass, field, *masses[i])) return false;
            const double si = ToSi(*masses[i], QuantityKind::Mass, m_gravity);
            // A part that is not there may be written as 0.
            if (!std::isfinite(si) || si < 0.0) return Fail(field, lang::Tr("must be zero or positive, and finite"));
        }
        return true;
    }

    // One set-up per axis, where the axes are run differently.
    bool ReadSetups(const JsonValue& value, ShakerSettings& shaker) {
        const JsonValue* setups = value.Find("setups");
        if (setups == nullptr) return true;
        if (setups->type != JsonValue::Type::Array || setups->items.empty()) {
            return Fail("shaker.setups", lang::Tr("expected a list of one set-up per axis"));
        }
        for (std::size_t i = 0; i < setups->items.size(); ++i) {
            const std::string path = "shaker.setups[" + std::to_string(i) + "]";
            const JsonValue& item = setups->items[i];
            if (!CheckObject(item, path) || !CheckFields(item, path,
                                                         {"axis", "expander", "expander_resonance", "fixture",
                                                          "fixture_resonance", "moving_mass"})) {
                return false;
            }
            shaker.setups.emplace_back();
            AxisSetup& setup = shaker.setups.back();
            if (!ReadOptionalText(item, "axis", path, setup.axis) ||
                !ReadOptionalText(item, "expander", path, setup.expander) ||
                !ReadOptionalText(item, "fixture", path, setup.fixture) ||
                !ReadOptionalPositive(item, "expander_resonance", QuantityKind::Frequency, path,
                                      setup.expanderResonance) ||
                !ReadOptionalPositive(item, "fixture_resonance", QuantityKind::Frequency, path,
                                      setup.fixtureResonance) ||
                !ReadMasses(item, path, kMassNames + 1, 3, setup.masses.data())) {
                return false;
            }
        }
        return true;
    }

    bool IsUnfilled(const std::string& path) const {
        for (const std::string& unfilled : *m_unfilled) {
            if (unfilled == path) return true;
        }
        return false;
    }

    bool ReadShaker(const JsonValue& value, ShakerSettings& shaker) {
        const std::string path = "shaker";
        if (!CheckObject(value, path)) return false;
        if (!CheckFields(value, path,
                         {"rated_force", "force_fraction", "moving_mass", "stroke_pp", "velocity", "acceleration",
                          "name", "expander", "fixture", "max_payload", "frequency_range", "expander_resonance",
                          "fixture_resonance", "setups"})) {
            return false;
        }
        if (!ReadLibraryFields(value, shaker) || !ReadSetups(value, shaker)) return false;
        if (!ReadOptionalPositive(value, "rated_force", QuantityKind::Force, path, shaker.ratedForce)) return false;
        if (const JsonValue* fraction = value.Find("force_fraction")) {
            bool ok = true;
            shaker.forceFraction = 0.0;
            if (ToFill(*fraction, "shaker.force_fraction", ok)) {
                if (!ok) return false;
            } else if (fraction->type != JsonValue::Type::Number || !(fraction->number > 0.0) ||
                       fraction->number > 1.0) {
                return Fail("shaker.force_fraction", lang::Tr("must be a number above 0 and at most 1"));
            } else {
                shaker.forceFraction = fraction->number;
            }
        }
        if (!ReadMasses(value, path, kMassNames, 4, shaker.masses.data())) return false;
        return ReadOptionalPositive(value, "stroke_pp", QuantityKind::Length, path, shaker.strokePp) &&
               ReadOptionalPositive(value, "velocity", QuantityKind::Velocity, path, shaker.velocity) &&
               ReadOptionalPositive(value, "acceleration", QuantityKind::Acceleration, path, shaker.acceleration);
    }
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
    return ReadPlanJson(root, document, message);
}

bool ReadPlanJson(const JsonValue& root, PlanDocument& document, std::string& message) {
    document = PlanDocument();
    Builder builder(message);
    return builder.ReadDocument(root, document);
}

}  // namespace planner
