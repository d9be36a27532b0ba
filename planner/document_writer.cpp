#include <string>

#include "numeric/json_text.h"
#include "planner/document.h"

namespace planner {
namespace {

// Writes one document; knows each value's path so that a field to fill is
// written "?" wherever it is.
class Writer {
public:
    explicit Writer(const PlanDocument& document) : m_document(document) {}

    std::string Write() {
        m_out = "{\n  \"format\": \"halvex-plan\", \"version\": ";
        m_out += std::to_string(m_document.Version());
        if (m_document.templateInfo) {
            const TemplateInfo& info = *m_document.templateInfo;
            bool first = true;
            m_out += ",\n  \"template\": {";
            Name(first, "id", info.id);
            Name(first, "title", info.title);
            Name(first, "reference", info.reference);
            Name(first, "notes", info.notes);
            m_out += '}';
        }
        if (m_document.report) {
            const ReportInfo& info = *m_document.report;
            bool first = true;
            m_out += ",\n  \"report\": {";
            Name(first, "title", info.title);
            Name(first, "specimen", info.specimen);
            Name(first, "customer", info.customer);
            Name(first, "reference", info.reference);
            Name(first, "author", info.author);
            Name(first, "revision", info.revision);
            Name(first, "notes", info.notes);
            m_out += '}';
        }
        m_out += ",\n  \"gravity\": ";
        Value("gravity", m_document.gravity);
        m_out += ",\n  \"profile\": [";
        for (std::size_t i = 0; i < m_document.profile.size(); ++i) {
            m_out += i == 0 ? "\n    " : ",\n    ";
            AppendSegment("profile[" + std::to_string(i) + "]", m_document.profile[i]);
        }
        m_out += "\n  ]";
        if (m_document.sweep) {
            m_out += ",\n  \"sweep\": ";
            AppendSweep(*m_document.sweep);
        }
        if (m_document.shaker) {
            m_out += ",\n  \"shaker\": ";
            AppendShaker(*m_document.shaker);
        }
        if (m_document.axes) {
            m_out += ",\n  \"axes\": ";
            Number("axes", *m_document.axes);
        }
        if (m_document.sequence) {
            m_out += ",\n  \"sequence\": [";
            for (std::size_t i = 0; i < m_document.sequence->size(); ++i) {
                m_out += i == 0 ? "\n    " : ",\n    ";
                AppendRun("sequence[" + std::to_string(i) + "]", (*m_document.sequence)[i]);
            }
            m_out += "\n  ]";
        }
        m_out += "\n}\n";
        return std::move(m_out);
    }

private:
    // "?" for a field to fill, else true.
    bool Filled(const std::string& path) {
        if (!m_document.IsUnfilled(path)) return true;
        m_out += "\"?\"";
        return false;
    }

    // A quantity to fill keeps the unit it is to be given in: "? g".
    void Value(const std::string& path, const Quantity& quantity) {
        if (m_document.IsUnfilled(path) && !quantity.unit.empty()) {
            halvex::AppendJsonString(m_out, "? " + quantity.unit);
            return;
        }
        if (!Filled(path)) return;
        if (quantity.unit.empty()) {
            halvex::AppendJsonShortestDouble(m_out, quantity.number);
        } else {
            halvex::AppendJsonString(m_out, PointQuantityText(quantity));
        }
    }

    void Number(const std::string& path, double number) {
        if (Filled(path)) halvex::AppendJsonShortestDouble(m_out, number);
    }

    void Boundary(const std::string& path, const planner::Boundary& boundary) {
        if (boundary.isAuto) {
            m_out += "\"auto\"";
        } else {
            Value(path, boundary.frequency);
        }
    }

    // ", "name": " before every member but the first of its object.
    void Member(bool& first, const char* name) {
        if (!first) m_out += ", ";
        first = false;
        halvex::AppendJsonString(m_out, name);
        m_out += ": ";
    }

    void AppendSegment(const std::string& path, const Segment& segment) {
        m_out += "{\"from\": ";
        Boundary(path + ".from", segment.from);
        m_out += ", \"to\": ";
        Boundary(path + ".to", segment.to);
        m_out += ", ";
        const std::string level = path + "." + LevelFieldName(segment.kind);
        halvex::AppendJsonString(m_out, LevelFieldName(segment.kind));
        m_out += ": ";
        if (segment.values.size() == 1) {
            Value(level, segment.values[0]);
        } else {
            m_out += '[';
            for (std::size_t i = 0; i < segment.values.size(); ++i) {
                if (i > 0) m_out += ", ";
                Value(level + "[" + std::to_string(i) + "]", segment.values[i]);
            }
            m_out += ']';
        }
        m_out += '}';
    }

    void AppendSweep(const SweepSettings& sweep) {
        static const char* const kModes[] = {"up", "down", "up-down"};
        bool first = true;
        m_out += "{";
        Member(first, "type");
        halvex::AppendJsonString(m_out, sweep.type == SweepType::Log ? "log" : "linear");
        if (sweep.rate) {
            Member(first, "rate");
            Value("sweep.rate", *sweep.rate);
        }
        if (sweep.passTime) {
            Member(first, "pass_time");
            Value("sweep.pass_time", *sweep.passTime);
        }
        Member(first, "mode");
        halvex::AppendJsonString(m_out, kModes[static_cast<int>(sweep.mode)]);
        if (sweep.duration) {
            Member(first, "duration");
            Value("sweep.duration", *sweep.duration);
        } else {
            Member(first, "sweeps");
            Number("sweep.sweeps", sweep.sweeps);
        }
        Member(first, "axes");
        Number("sweep.axes", sweep.axes);
        if (!sweep.dwells.empty()) {
            Member(first, "dwells");
            m_out += "[";
            for (std::size_t i = 0; i < sweep.dwells.size(); ++i) {
                const std::string path = "sweep.dwells[" + std::to_string(i) + "]";
                m_out += i == 0 ? "\n    {\"frequency\": " : ",\n    {\"frequency\": ";
                Value(path + ".frequency", sweep.dwells[i].frequency);
                m_out += ", \"time\": ";
                Value(path + ".time", sweep.dwells[i].time);
                m_out += '}';
            }
            m_out += "\n  ]";
        }
        m_out += '}';
    }

    void Optional(bool& first, const std::string& path, const char* name, const std::optional<Quantity>& quantity) {
        if (!quantity) return;
        Member(first, name);
        Value(path + "." + name, *quantity);
    }

    void OptionalNumber(bool& first, const std::string& path, const char* name, const std::optional<double>& number) {
        if (!number) return;
        Member(first, name);
        Number(path + "." + name, *number);
    }

    void AppendRun(const std::string& path, const Run& run) {
        static const char* const kModes[] = {"up", "down", "up-down"};
        bool first = true;
        m_out += "{";
        Member(first, "run");
        halvex::AppendJsonString(m_out, RunKindName(run.kind));
        switch (run.kind) {
            case RunKind::Sweep:
                m_out += '}';
                return;
            case RunKind::Search:
                Member(first, "type");
                halvex::AppendJsonString(m_out, run.type == SweepType::Log ? "log" : "linear");
                Optional(first, path, "rate", run.rate);
                Optional(first, path, "pass_time", run.passTime);
                Member(first, "mode");
                halvex::AppendJsonString(m_out, kModes[static_cast<int>(run.mode)]);
                OptionalNumber(first, path, "sweeps", run.sweeps);
                Optional(first, path, "duration", run.duration);
                break;
            case RunKind::Dwell:
                Optional(first, path, "frequency", run.frequency);
                OptionalNumber(first, path, "resonances", run.resonances);
                Optional(first, path, "time", run.time);
                OptionalNumber(first, path, "cycles", run.cycles);
                break;
            case RunKind::Stepped:
                Member(first, "from");
                Value(path + ".from", run.from);
                Member(first, "to");
                Value(path + ".to", run.to);
                Member(first, "step");
                if (Filled(path + ".step")) Value(path + ".step", run.step);
                Optional(first, path, "hold", run.hold);
                OptionalNumber(first, path, "hold_cycles", run.holdCycles);
                break;
        }
        const std::string level = path + ".level";
        if (run.level.source == RunLevel::Source::Fraction) {
            Member(first, "level");
            Number(level, run.level.fraction);
        } else if (run.level.source == RunLevel::Source::Own) {
            Member(first, "level");
            m_out += '{';
            halvex::AppendJsonString(m_out, LevelFieldName(run.level.kind));
            m_out += ": ";
            Value(level + "." + LevelFieldName(run.level.kind), run.level.value);
            m_out += '}';
        }
        m_out += '}';
    }

    void AppendShaker(const ShakerSettings& shaker) {
        bool first = true;
        m_out += "{";
        Name(first, "name", shaker.name);
        Optional(first, "shaker", "rated_force", shaker.ratedForce);
        if (shaker.forceFraction) {
            Member(first, "force_fraction");
            Number("shaker.force_fraction", *shaker.forceFraction);
        }
        bool anyMass = false;
        for (const auto& mass : shaker.masses) anyMass = anyMass || mass.has_value();
        if (anyMass) {
            Member(first, "moving_mass");
            bool firstMass = true;
            m_out += '{';
            for (int i = 0; i < 4; ++i) Optional(firstMass, "shaker.moving_mass", kMassNames[i], shaker.masses[i]);
            m_out += '}';
        }
        Optional(first, "shaker", "stroke_pp", shaker.strokePp);
        Optional(first, "shaker", "velocity", shaker.velocity);
        Optional(first, "shaker", "acceleration", shaker.acceleration);
        Optional(first, "shaker", "max_payload", shaker.maxPayload);
        if (shaker.frequencyRange) {
            Member(first, "frequency_range");
            m_out += '[';
            Value("shaker.frequency_range[0]", (*shaker.frequencyRange)[0]);
            m_out += ", ";
            Value("shaker.frequency_range[1]", (*shaker.frequencyRange)[1]);
            m_out += ']';
        }
        Name(first, "expander", shaker.expander);
        Name(first, "fixture", shaker.fixture);
        Optional(first, "shaker", "expander_resonance", shaker.expanderResonance);
        Optional(first, "shaker", "fixture_resonance", shaker.fixtureResonance);
        if (!shaker.setups.empty()) {
            Member(first, "setups");
            m_out += '[';
            for (std::size_t i = 0; i < shaker.setups.size(); ++i) {
                m_out += i == 0 ? "\n    " : ",\n    ";
                AppendSetup("shaker.setups[" + std::to_string(i) + "]", shaker.setups[i]);
            }
            m_out += "\n  ]";
        }
        m_out += '}';
    }

    void Name(bool& first, const char* field, const std::optional<std::string>& name) {
        if (name) Name(first, field, *name);
    }

    void Name(bool& first, const char* field, const std::string& name) {
        Member(first, field);
        halvex::AppendJsonString(m_out, name);
    }

    void AppendSetup(const std::string& path, const AxisSetup& setup) {
        bool first = true;
        m_out += '{';
        Name(first, "axis", setup.axis);
        Name(first, "expander", setup.expander);
        Optional(first, path, "expander_resonance", setup.expanderResonance);
        Name(first, "fixture", setup.fixture);
        Optional(first, path, "fixture_resonance", setup.fixtureResonance);
        if (setup.masses[0] || setup.masses[1] || setup.masses[2]) {
            Member(first, "moving_mass");
            bool firstMass = true;
            m_out += '{';
            for (int i = 0; i < 3; ++i) Optional(firstMass, path + ".moving_mass", kMassNames[i + 1], setup.masses[i]);
            m_out += '}';
        }
        m_out += '}';
    }

    const PlanDocument& m_document;
    std::string m_out;
};

}  // namespace

std::string WritePlanDocument(const PlanDocument& document) { return Writer(document).Write(); }

}  // namespace planner
