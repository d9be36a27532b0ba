#include "planner/lab_form.h"

#include <algorithm>
#include <optional>

#include "lang/tr.h"

namespace planner {

const char* const kExpanderKindItems[2] = {N_("head expander"), N_("slip table")};

namespace {

std::string NumberText(double value) { return QuantityText(Quantity{value, ""}); }

bool Blank(const std::string& text) { return text.find_first_not_of(' ') == std::string::npos; }

// A field of an item or of the library, its key in the file and its label
// in the window.
struct KeyLabel {
    const char* key;
    const char* label;
};

const KeyLabel kLibraryLabels[] = {
    {"name", N_("Library name")},
    {"gravity", N_("Gravity")},
    {"fixture_margin", N_("Fixture resonance margin")},
    {"derating.force", N_("Usable part of the rated force")},
    {"derating.stroke", N_("Usable part of the rated stroke")},
    {"derating.velocity", N_("Usable part of the rated velocity")},
    {"derating.acceleration", N_("Usable part of the rated acceleration")},
};
const KeyLabel kItemLabels[] = {
    {"name", N_("Name")},
    {"rated_force", N_("Rated force")},
    {"stroke_pp", N_("Stroke p-p")},
    {"velocity", N_("Velocity")},
    {"acceleration", N_("Acceleration")},
    {"armature", N_("Armature mass")},
    {"max_payload", N_("Max payload")},
    {"frequency_range", N_("Frequency range")},
    {"frequency_range[0]", N_("Lowest frequency")},
    {"frequency_range[1]", N_("Highest frequency")},
    {"kind", N_("Kind")},
    {"mass", N_("Mass")},
    {"first_resonance", N_("First resonance")},
};
const char* const kListPaths[kLabLists] = {"shakers", "expanders", "fixtures"};
// "Shaker 2": an item by its place in its list.
const char* const kItemNames[kLabLists] = {N_("Shaker %1"), N_("Expander %1"), N_("Fixture %1")};

// "Shaker 2, Rated force", "Gravity": a field as the window names it.
std::string PlaceName(const LabPlace& place) {
    std::string name;
    if (place.item >= 0) {
        name = lang::Fill(lang::Tr(kItemNames[static_cast<int>(place.list)]), {std::to_string(place.item + 1)});
    }
    const auto& labels = place.item >= 0 ? std::vector<KeyLabel>(std::begin(kItemLabels), std::end(kItemLabels))
                                         : std::vector<KeyLabel>(std::begin(kLibraryLabels), std::end(kLibraryLabels));
    for (const KeyLabel& label : labels) {
        if (place.key == label.key)
            return name.empty() ? std::string(lang::Tr(label.label)) : name + ", " + lang::Tr(label.label);
    }
    return name.empty() ? place.key : name;
}

// The place a reader's path names: "shakers[1].rated_force".
LabPlace PlaceOfPath(const std::string& path) {
    LabPlace place;
    for (int list = 0; list < kLabLists; ++list) {
        const std::string head = std::string(kListPaths[list]) + "[";
        if (path.compare(0, head.size(), head) != 0) continue;
        const std::size_t close = path.find(']', head.size());
        if (close == std::string::npos) break;
        place.list = static_cast<LabList>(list);
        place.item = std::stoi(path.substr(head.size(), close - head.size()));
        place.key = close + 2 <= path.size() ? path.substr(close + 2) : std::string();
        return place;
    }
    place.key = path;
    return place;
}

// Reads one quantity field into slot; false with the problem and its place.
class FieldsReader {
public:
    FieldsReader(std::string& problem, LabPlace& place) : m_problem(problem), m_place(place) {}

    bool Quantity(const QuantityField& field, QuantityKind kind, const char* key,
                  std::optional<planner::Quantity>& slot) {
        if (ReadQuantity(field, kind, FieldUnits(kind), slot, m_problem)) return true;
        return Fail(key);
    }

    // Empty is the default.
    bool Number(const std::string& field, const char* key, double& number) {
        if (Blank(field) || ReadNumber(field, number, m_problem)) return true;
        return Fail(key);
    }

    bool Fail(const char* key, const char* what = nullptr) {
        if (what != nullptr) m_problem = what;
        m_place.key = key;
        m_problem = PlaceName(m_place) + ": " + m_problem;
        return false;
    }

private:
    std::string& m_problem;
    LabPlace& m_place;
};

bool ReadShaker(const LabShakerFields& fields, FieldsReader& read, LabShaker& shaker) {
    using K = QuantityKind;
    shaker.name = fields.name;
    std::optional<planner::Quantity> low, high;
    if (!read.Quantity(fields.ratedForce, K::Force, "rated_force", shaker.ratedForce) ||
        !read.Quantity(fields.strokePp, K::Length, "stroke_pp", shaker.strokePp) ||
        !read.Quantity(fields.velocity, K::Velocity, "velocity", shaker.velocity) ||
        !read.Quantity(fields.acceleration, K::Acceleration, "acceleration", shaker.acceleration) ||
        !read.Quantity(fields.armature, K::Mass, "armature", shaker.armature) ||
        !read.Quantity(fields.maxPayload, K::Mass, "max_payload", shaker.maxPayload) ||
        !read.Quantity(fields.lowestFrequency, K::Frequency, "frequency_range[0]", low) ||
        !read.Quantity(fields.highestFrequency, K::Frequency, "frequency_range[1]", high)) {
        return false;
    }
    if (low.has_value() != high.has_value()) {
        return read.Fail(low ? "frequency_range[1]" : "frequency_range[0]",
                         lang::Tr("give both ends of the frequency range, or neither"));
    }
    if (low) shaker.frequencyRange = std::array<planner::Quantity, 2>{*low, *high};
    return true;
}

// An expander's and a fixture's figures.
template <typename Fields, typename Item>
bool ReadMassAndResonance(const Fields& fields, FieldsReader& read, Item& item) {
    item.name = fields.name;
    return read.Quantity(fields.mass, QuantityKind::Mass, "mass", item.mass) &&
           read.Quantity(fields.firstResonance, QuantityKind::Frequency, "first_resonance", item.firstResonance);
}

bool ReadExpander(const LabExpanderFields& fields, FieldsReader& read, LabExpander& expander) {
    if (fields.kind >= 0) expander.kind = static_cast<ExpanderKind>(fields.kind);
    return ReadMassAndResonance(fields, read, expander);
}

bool ReadFixture(const LabFixtureFields& fields, FieldsReader& read, LabFixture& fixture) {
    return ReadMassAndResonance(fields, read, fixture);
}

// Each item of a list, its place noted for a problem.
template <typename Fields, typename Item, typename ReadItem>
bool ReadItems(LabList list, const std::vector<Fields>& fields, std::vector<Item>& items, FieldsReader& read,
               LabPlace& place, ReadItem readItem) {
    place.list = list;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        place.item = static_cast<int>(i);
        items.emplace_back();
        if (!readItem(fields[i], read, items.back())) return false;
    }
    return true;
}

}  // namespace

bool LabFields::operator==(const LabFields& o) const {
    const auto same = [](const QuantityField& a, const QuantityField& b) {
        return a.text == b.text && a.unit == b.unit;
    };
    const auto sameShaker = [&](const LabShakerFields& a, const LabShakerFields& b) {
        return a.name == b.name && same(a.ratedForce, b.ratedForce) && same(a.strokePp, b.strokePp) &&
               same(a.velocity, b.velocity) && same(a.acceleration, b.acceleration) && same(a.armature, b.armature) &&
               same(a.maxPayload, b.maxPayload) && same(a.lowestFrequency, b.lowestFrequency) &&
               same(a.highestFrequency, b.highestFrequency);
    };
    const auto sameExpander = [&](const LabExpanderFields& a, const LabExpanderFields& b) {
        return a.name == b.name && a.kind == b.kind && same(a.mass, b.mass) && same(a.firstResonance, b.firstResonance);
    };
    const auto sameFixture = [&](const LabFixtureFields& a, const LabFixtureFields& b) {
        return a.name == b.name && same(a.mass, b.mass) && same(a.firstResonance, b.firstResonance);
    };
    return name == o.name && same(gravity, o.gravity) && derating == o.derating && fixtureMargin == o.fixtureMargin &&
           std::equal(shakers.begin(), shakers.end(), o.shakers.begin(), o.shakers.end(), sameShaker) &&
           std::equal(expanders.begin(), expanders.end(), o.expanders.begin(), o.expanders.end(), sameExpander) &&
           std::equal(fixtures.begin(), fixtures.end(), o.fixtures.begin(), o.fixtures.end(), sameFixture) &&
           templates == o.templates;
}

LabFields LabFieldsOf(const LabDocument& lab) {
    using K = QuantityKind;
    LabFields fields;
    fields.name = lab.name.value_or("");
    fields.gravity = GravityField(lab.gravity);
    const double derating[4] = {lab.derating.force, lab.derating.stroke, lab.derating.velocity,
                                lab.derating.acceleration};
    for (int i = 0; i < 4; ++i) fields.derating[i] = NumberText(derating[i]);
    fields.fixtureMargin = NumberText(lab.fixtureMargin);
    for (const LabShaker& shaker : lab.shakers) {
        LabShakerFields s;
        s.name = shaker.name;
        s.ratedForce = FieldOf(shaker.ratedForce, K::Force);
        s.strokePp = FieldOf(shaker.strokePp, K::Length);
        s.velocity = FieldOf(shaker.velocity, K::Velocity);
        s.acceleration = FieldOf(shaker.acceleration, K::Acceleration);
        s.armature = FieldOf(shaker.armature, K::Mass);
        s.maxPayload = FieldOf(shaker.maxPayload, K::Mass);
        if (shaker.frequencyRange) {
            s.lowestFrequency = FieldOf((*shaker.frequencyRange)[0], K::Frequency);
            s.highestFrequency = FieldOf((*shaker.frequencyRange)[1], K::Frequency);
        }
        fields.shakers.push_back(s);
    }
    for (const LabExpander& expander : lab.expanders) {
        LabExpanderFields e;
        e.name = expander.name;
        e.kind = expander.kind ? static_cast<int>(*expander.kind) : -1;
        e.mass = FieldOf(expander.mass, K::Mass);
        e.firstResonance = FieldOf(expander.firstResonance, K::Frequency);
        fields.expanders.push_back(e);
    }
    for (const LabFixture& fixture : lab.fixtures) {
        fields.fixtures.push_back(
            {fixture.name, FieldOf(fixture.mass, K::Mass), FieldOf(fixture.firstResonance, K::Frequency)});
    }
    fields.templates = lab.templates;
    return fields;
}

bool LabOf(const LabFields& fields, LabDocument& lab, std::string& problem, LabPlace& place) {
    LabDocument built;
    place = LabPlace();
    FieldsReader read(problem, place);
    if (!Blank(fields.name)) built.name = fields.name;
    if (!ReadGravity(fields.gravity, built.gravity, problem)) return read.Fail("gravity");
    double* const derating[4] = {&built.derating.force, &built.derating.stroke, &built.derating.velocity,
                                 &built.derating.acceleration};
    const char* const deratingKeys[4] = {"derating.force", "derating.stroke", "derating.velocity",
                                         "derating.acceleration"};
    for (int i = 0; i < 4; ++i) {
        if (!read.Number(fields.derating[i], deratingKeys[i], *derating[i])) return false;
    }
    if (!read.Number(fields.fixtureMargin, "fixture_margin", built.fixtureMargin)) return false;
    if (!ReadItems(LabList::Shakers, fields.shakers, built.shakers, read, place, ReadShaker) ||
        !ReadItems(LabList::Expanders, fields.expanders, built.expanders, read, place, ReadExpander) ||
        !ReadItems(LabList::Fixtures, fields.fixtures, built.fixtures, read, place, ReadFixture)) {
        return false;
    }
    built.templates = fields.templates;
    // Ranges, names given and unique: as a file of this library is checked.
    std::string message;
    if (!ReadLabDocument(WriteLabDocument(built), lab, message)) {
        const std::size_t colon = message.find(": ");
        place = PlaceOfPath(message.substr(0, colon));
        problem = PlaceName(place) + (colon == std::string::npos ? "" : message.substr(colon));
        return false;
    }
    place = LabPlace();
    problem.clear();
    return true;
}

std::string UniqueName(const std::string& base, const std::vector<std::string>& names) {
    for (int n = 1;; ++n) {
        std::string name = base + " " + std::to_string(n);
        if (std::find(names.begin(), names.end(), name) == names.end()) return name;
    }
}

std::string CopyName(const std::string& name, const std::vector<std::string>& names) {
    for (int n = 1;; ++n) {
        std::string copy = n == 1 ? lang::Fill(lang::Tr("%1 (copy)"), {name})
                                  : lang::Fill(lang::Tr("%1 (copy %2)"), {name, std::to_string(n)});
        if (std::find(names.begin(), names.end(), copy) == names.end()) return copy;
    }
}

}  // namespace planner
