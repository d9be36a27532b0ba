#include <cmath>
#include <set>
#include <string>

#include "lang/tr.h"
#include "numeric/json_text.h"
#include "planner/field_reader.h"
#include "planner/file_io.h"
#include "planner/json.h"
#include "planner/lab.h"

namespace planner {

const char* ExpanderKindName(ExpanderKind kind) {
    return kind == ExpanderKind::SlipTable ? "slip table" : "head expander";
}

namespace {

template <typename Item>
const Item* FindNamed(const std::vector<Item>& items, std::string_view name) {
    for (const Item& item : items) {
        if (item.name == name) return &item;
    }
    return nullptr;
}

class LabReader : public FieldReader {
public:
    explicit LabReader(std::string& message) : FieldReader(message) {}

    bool ReadLab(const JsonValue& root, LabDocument& lab) {
        if (!CheckObject(root, "document")) return false;
        const JsonValue* format = root.Find("format");
        if (format == nullptr)
            return Fail("format", lang::Tr("missing; a library starts with \"format\": \"halvex-lab\""));
        if (format->type != JsonValue::Type::String || format->text != "halvex-lab") {
            return Fail("format", lang::Tr("unknown format; expected \"halvex-lab\""));
        }
        double version = 0.0;
        if (root.Find("version") == nullptr) return Fail("version", lang::Tr("missing"));
        if (!ReadWhole(root, "version", "", 1e9, version)) return false;
        if (version > kLabVersion) {
            return Fail("version",
                        lang::Fill(lang::Tr("this library is of a newer version than this program reads (%1)"),
                                   {std::to_string(kLabVersion)}));
        }
        if (!CheckFields(root, "",
                         {"format", "version", "name", "gravity", "derating", "fixture_margin", "shakers", "expanders",
                          "fixtures", "templates"})) {
            return false;
        }
        if (root.Find("name") != nullptr) {
            lab.name.emplace();
            if (!ReadText(*root.Find("name"), "name", *lab.name)) return false;
        }
        if (const JsonValue* gravity = root.Find("gravity")) {
            if (!ReadQuantity(*gravity, QuantityKind::Acceleration, "gravity", lab.gravity)) return false;
            if (lab.gravity.unit == "g") return Fail("gravity", lang::Tr("cannot be given in g"));
            if (!ReadPositive(*gravity, QuantityKind::Acceleration, "gravity", lab.gravity)) return false;
        }
        m_gravity = lab.GravitySi();
        if (const JsonValue* derating = root.Find("derating")) {
            if (!CheckObject(*derating, "derating") ||
                !CheckFields(*derating, "derating", {"force", "stroke", "velocity", "acceleration"})) {
                return false;
            }
            if (!ReadFraction(*derating, "force", lab.derating.force) ||
                !ReadFraction(*derating, "stroke", lab.derating.stroke) ||
                !ReadFraction(*derating, "velocity", lab.derating.velocity) ||
                !ReadFraction(*derating, "acceleration", lab.derating.acceleration)) {
                return false;
            }
        }
        if (const JsonValue* margin = root.Find("fixture_margin")) {
            if (margin->type != JsonValue::Type::Number || !(margin->number >= 1.0) || !std::isfinite(margin->number)) {
                return Fail("fixture_margin", lang::Tr("must be a number, at least 1"));
            }
            lab.fixtureMargin = margin->number;
        }
        return ReadList(root, "shakers", lab.shakers, &LabReader::ReadShaker) &&
               ReadList(root, "expanders", lab.expanders, &LabReader::ReadExpander) &&
               ReadList(root, "fixtures", lab.fixtures, &LabReader::ReadFixture) && ReadTemplates(root, lab);
    }

    // Each a plan document with its template's id, no id twice.
    bool ReadTemplates(const JsonValue& root, LabDocument& lab) {
        const JsonValue* list = root.Find("templates");
        if (list == nullptr) return true;
        if (list->type != JsonValue::Type::Array) {
            return Fail("templates", lang::Fill(lang::Tr("expected a list, found %1"), {TypeName(*list)}));
        }
        for (std::size_t i = 0; i < list->items.size(); ++i) {
            const std::string path = "templates[" + std::to_string(i) + "]";
            lab.templates.emplace_back();
            PlanDocument& plan = lab.templates.back();
            std::string problem;
            if (!ReadPlanJson(list->items[i], plan, problem)) {
                // The plan's own paths, inside this one.
                if (problem.compare(0, 9, "document:") == 0) return Fail(path, problem.substr(10));
                m_message = path;
                m_message += '.';
                m_message += problem;
                return false;
            }
            if (!plan.templateInfo || !plan.templateInfo->id) {
                return Fail(path + ".template.id", lang::Tr("missing; a library's template needs an id"));
            }
            for (std::size_t j = 0; j < i; ++j) {
                if (lab.templates[j].templateInfo->id == plan.templateInfo->id) {
                    return Fail(path + ".template.id", lang::Fill(lang::Tr("\"%1\" is already the id of templates[%2]"),
                                                                  {*plan.templateInfo->id, std::to_string(j)}));
                }
            }
        }
        return true;
    }

private:
    bool ReadFraction(const JsonValue& object, const char* name, double& fraction) {
        const JsonValue* value = object.Find(name);
        if (value == nullptr) return true;
        if (value->type != JsonValue::Type::Number || !(value->number > 0.0) || value->number > 1.0) {
            return Fail(Join("derating", name), lang::Tr("must be a number above 0 and at most 1"));
        }
        fraction = value->number;
        return true;
    }

    template <typename Item>
    bool ReadList(const JsonValue& root, const char* list, std::vector<Item>& items,
                  bool (LabReader::*readItem)(const JsonValue&, const std::string&, Item&)) {
        const JsonValue* value = root.Find(list);
        if (value == nullptr) return true;
        if (value->type != JsonValue::Type::Array)
            return Fail(list, lang::Fill(lang::Tr("expected a list, found %1"), {TypeName(*value)}));
        std::set<std::string> names;
        for (std::size_t i = 0; i < value->items.size(); ++i) {
            const std::string path = std::string(list) + "[" + std::to_string(i) + "]";
            const JsonValue& item = value->items[i];
            if (!CheckObject(item, path)) return false;
            items.emplace_back();
            if (item.Find("name") == nullptr) return Fail(Join(path, "name"), lang::Tr("missing"));
            if (!ReadText(*item.Find("name"), Join(path, "name"), items.back().name)) return false;
            if (!names.insert(items.back().name).second) {
                return Fail(
                    Join(path, "name"),
                    // TRANSLATORS: %2 is the list's key in the file: shakers, expanders or fixtures.
                    lang::Fill(lang::Tr("\"%1\" is already the name of another in %2"), {items.back().name, list}));
            }
            if (!(this->*readItem)(item, path, items.back())) return false;
        }
        return true;
    }

    bool ReadShaker(const JsonValue& value, const std::string& path, LabShaker& shaker) {
        if (!CheckFields(value, path,
                         {"name", "rated_force", "stroke_pp", "velocity", "acceleration", "armature", "max_payload",
                          "frequency_range"})) {
            return false;
        }
        if (!ReadOptionalPositive(value, "rated_force", QuantityKind::Force, path, shaker.ratedForce) ||
            !ReadOptionalPositive(value, "stroke_pp", QuantityKind::Length, path, shaker.strokePp) ||
            !ReadOptionalPositive(value, "velocity", QuantityKind::Velocity, path, shaker.velocity) ||
            !ReadOptionalPositive(value, "acceleration", QuantityKind::Acceleration, path, shaker.acceleration) ||
            !ReadOptionalPositive(value, "armature", QuantityKind::Mass, path, shaker.armature) ||
            !ReadOptionalPositive(value, "max_payload", QuantityKind::Mass, path, shaker.maxPayload)) {
            return false;
        }
        return ReadFrequencyRange(value, path, shaker.frequencyRange);
    }

    bool ReadExpander(const JsonValue& value, const std::string& path, LabExpander& expander) {
        if (!CheckFields(value, path, {"name", "kind", "mass", "first_resonance"})) return false;
        if (value.Find("kind") != nullptr) {
            int kind = 0;
            if (!ReadWord(value, "kind", path, {"head expander", "slip table"}, kind)) return false;
            expander.kind = static_cast<ExpanderKind>(kind);
        }
        return ReadOptionalPositive(value, "mass", QuantityKind::Mass, path, expander.mass) &&
               ReadOptionalPositive(value, "first_resonance", QuantityKind::Frequency, path, expander.firstResonance);
    }

    bool ReadFixture(const JsonValue& value, const std::string& path, LabFixture& fixture) {
        if (!CheckFields(value, path, {"name", "mass", "first_resonance"})) return false;
        return ReadOptionalPositive(value, "mass", QuantityKind::Mass, path, fixture.mass) &&
               ReadOptionalPositive(value, "first_resonance", QuantityKind::Frequency, path, fixture.firstResonance);
    }
};

// Members of one object on one line, commas between.
class LineWriter {
public:
    explicit LineWriter(std::string& out) : m_out(out) { m_out += '{'; }
    ~LineWriter() { m_out += '}'; }
    LineWriter(const LineWriter&) = delete;
    LineWriter& operator=(const LineWriter&) = delete;

    std::string& Key(const char* name) {
        if (!m_first) m_out += ", ";
        m_first = false;
        halvex::AppendJsonString(m_out, name);
        m_out += ": ";
        return m_out;
    }
    void Text(const char* name, const std::string& text) { halvex::AppendJsonString(Key(name), text); }
    void Number(const char* name, double number) { halvex::AppendJsonShortestDouble(Key(name), number); }
    void Value(const char* name, const std::optional<Quantity>& quantity) {
        if (quantity) AppendQuantity(Key(name), *quantity);
    }

    static void AppendQuantity(std::string& out, const Quantity& quantity) {
        if (quantity.unit.empty()) {
            halvex::AppendJsonShortestDouble(out, quantity.number);
        } else {
            halvex::AppendJsonString(out, PointQuantityText(quantity));
        }
    }

private:
    std::string& m_out;
    bool m_first = true;
};

template <typename Item, typename WriteItem>
void AppendList(std::string& out, const char* name, const std::vector<Item>& items, WriteItem writeItem) {
    out += ",\n  ";
    halvex::AppendJsonString(out, name);
    out += ": [";
    for (std::size_t i = 0; i < items.size(); ++i) {
        out += i == 0 ? "\n    " : ",\n    ";
        LineWriter line(out);
        line.Text("name", items[i].name);
        writeItem(line, items[i]);
    }
    out += items.empty() ? "]" : "\n  ]";
}

}  // namespace

const LabShaker* LabDocument::FindShaker(std::string_view shakerName) const { return FindNamed(shakers, shakerName); }
const LabExpander* LabDocument::FindExpander(std::string_view expanderName) const {
    return FindNamed(expanders, expanderName);
}
const LabFixture* LabDocument::FindFixture(std::string_view fixtureName) const {
    return FindNamed(fixtures, fixtureName);
}

bool ReadLabDocument(std::string_view text, LabDocument& lab, std::string& message) {
    lab = LabDocument();
    JsonValue root;
    JsonError error;
    if (!ParseJson(text, root, error)) {
        message = FormatJsonError(error);
        return false;
    }
    LabReader reader(message);
    return reader.ReadLab(root, lab);
}

std::string WriteLabDocument(const LabDocument& lab) {
    std::string out = "{\n  \"format\": \"halvex-lab\", \"version\": " + std::to_string(kLabVersion);
    if (lab.name) {
        out += ",\n  \"name\": ";
        halvex::AppendJsonString(out, *lab.name);
    }
    out += ",\n  \"gravity\": ";
    LineWriter::AppendQuantity(out, lab.gravity);
    out += ",\n  \"derating\": ";
    {
        LineWriter derating(out);
        derating.Number("force", lab.derating.force);
        derating.Number("stroke", lab.derating.stroke);
        derating.Number("velocity", lab.derating.velocity);
        derating.Number("acceleration", lab.derating.acceleration);
    }
    out += ",\n  \"fixture_margin\": ";
    halvex::AppendJsonShortestDouble(out, lab.fixtureMargin);
    AppendList(out, "shakers", lab.shakers, [](LineWriter& line, const LabShaker& shaker) {
        line.Value("rated_force", shaker.ratedForce);
        line.Value("stroke_pp", shaker.strokePp);
        line.Value("velocity", shaker.velocity);
        line.Value("acceleration", shaker.acceleration);
        line.Value("armature", shaker.armature);
        line.Value("max_payload", shaker.maxPayload);
        if (shaker.frequencyRange) {
            std::string& range = line.Key("frequency_range");
            range += '[';
            LineWriter::AppendQuantity(range, (*shaker.frequencyRange)[0]);
            range += ", ";
            LineWriter::AppendQuantity(range, (*shaker.frequencyRange)[1]);
            range += ']';
        }
    });
    AppendList(out, "expanders", lab.expanders, [](LineWriter& line, const LabExpander& expander) {
        if (expander.kind) line.Text("kind", ExpanderKindName(*expander.kind));
        line.Value("mass", expander.mass);
        line.Value("first_resonance", expander.firstResonance);
    });
    AppendList(out, "fixtures", lab.fixtures, [](LineWriter& line, const LabFixture& fixture) {
        line.Value("mass", fixture.mass);
        line.Value("first_resonance", fixture.firstResonance);
    });
    if (!lab.templates.empty()) {
        out += ",\n  \"templates\": [";
        for (std::size_t i = 0; i < lab.templates.size(); ++i) {
            out += i == 0 ? "\n    " : ",\n    ";
            // The template's document, indented one level further.
            std::string plan = WritePlanDocument(lab.templates[i]);
            while (!plan.empty() && plan.back() == '\n') plan.pop_back();
            for (const char c : plan) out += c == '\n' ? std::string("\n    ") : std::string(1, c);
        }
        out += "\n  ]";
    }
    out += "\n}\n";
    return out;
}

}  // namespace planner

namespace planner {
namespace {

std::string SettingsPath() {
    const std::string directory = UserDataDirectory();
    return directory.empty() ? std::string() : directory + kSeparator + "settings.json";
}

}  // namespace

std::string DefaultLabPath() {
    const std::string directory = UserDataDirectory();
    return directory.empty() ? std::string() : directory + kSeparator + "lab.halvex-lab";
}

std::string ChosenLabPath() {
    std::string text;
    JsonValue settings;
    JsonError error;
    if (ReadTextFile(SettingsPath(), text) && ParseJson(text, settings, error)) {
        const JsonValue* lab = settings.Find("lab");
        if (lab != nullptr && lab->type == JsonValue::Type::String && !lab->text.empty()) return lab->text;
    }
    return DefaultLabPath();
}

bool RememberLabPath(const std::string& path, std::string& message) {
    const std::string settings = SettingsPath();
    if (settings.empty() || !MakeDirectories(UserDataDirectory())) {
        message = lang::Tr("there is no place to keep the choice of library");
        return false;
    }
    std::string text = "{\"lab\": ";
    halvex::AppendJsonString(text, path);
    text += "}\n";
    return WriteFileReplacing(settings, text, message);
}

OpenedLab OpenLab(const std::string& path) {
    OpenedLab opened;
    std::string text;
    if (!ReadTextFile(path, text)) {
        // A library not made yet is an empty one; one that is there but cannot be read is not.
        opened.exists = FileExists(path);
        opened.readable = !opened.exists;
        if (!opened.readable) opened.problem = lang::Fill(lang::Tr("%1: cannot be read"), {path});
        return opened;
    }
    opened.exists = true;
    std::string message;
    if (!ReadLabDocument(text, opened.lab, message)) {
        opened.lab = LabDocument();
        opened.readable = false;
        opened.problem = path + ": " + message;
    }
    return opened;
}

bool SaveLab(const std::string& path, const LabDocument& lab, std::string& message) {
    const OpenedLab there = OpenLab(path);
    if (!there.readable) {
        message = lang::Fill(lang::Tr("%1; it is kept as it is, not written over"), {there.problem});
        return false;
    }
    const std::size_t slash = path.find_last_of("/\\");
    if (slash != std::string::npos && slash > 0) MakeDirectories(path.substr(0, slash));
    return WriteFileReplacing(path, WriteLabDocument(lab), message);
}

}  // namespace planner
