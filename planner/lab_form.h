#pragma once

#include <array>
#include <string>
#include <vector>

#include "planner/lab.h"
#include "planner/plan_form.h"

// The equipment library's editor as texts and list choices, and the library
// they describe. Window-free, so that its rules can be tested alone.
namespace planner {

// The three lists of a library, in the order the window shows them.
enum class LabList { Shakers, Expanders, Fixtures };
constexpr int kLabLists = 3;

// "head expander", "slip table": an expander's kind list, in ExpanderKind order.
extern const char* const kExpanderKindItems[2];

struct LabShakerFields {
    std::string name;
    QuantityField ratedForce, strokePp, velocity, acceleration, armature, maxPayload;
    QuantityField lowestFrequency, highestFrequency;
};

struct LabExpanderFields {
    std::string name;
    int kind = -1;  // into kExpanderKindItems; -1 while not given
    QuantityField mass, firstResonance;
};

struct LabFixtureFields {
    std::string name;
    QuantityField mass, firstResonance;
};

struct LabFields {
    std::string name;
    QuantityField gravity = GravityField(Quantity{kStandardGravity, ""});  // in GravityUnits()
    std::array<std::string, 4> derating{"1", "1", "1", "1"};               // in LabDerating order
    std::string fixtureMargin = "1";
    std::vector<LabShakerFields> shakers;
    std::vector<LabExpanderFields> expanders;
    std::vector<LabFixtureFields> fixtures;
    // The lab's templates, which the editor does not show, kept whole so
    // that a save never drops them.
    std::vector<PlanDocument> templates;

    bool operator==(const LabFields& o) const;
};

// The fields of a library as it was read.
LabFields LabFieldsOf(const LabDocument& lab);

// Where a problem lies: a field of the library itself (item -1), or of one
// item of a list, named by its field in the file ("rated_force",
// "frequency_range[1]", "derating.force"); key empty for no single field.
struct LabPlace {
    LabList list = LabList::Shakers;
    int item = -1;
    std::string key;
};

// The library the fields describe, checked as a file of it would be. False
// with one message naming the field as the window does ("Shaker 2, Rated
// force: ...") and, in place, that field.
bool LabOf(const LabFields& fields, LabDocument& lab, std::string& problem, LabPlace& place);

// A name for a new item that no other in names has: base itself, else
// "base 2", "base 3"...
std::string UniqueName(const std::string& base, const std::vector<std::string>& names);
// The name of a copy of the item called name: "S-9 (copy)", else "S-9 (copy 2)"...
std::string CopyName(const std::string& name, const std::vector<std::string>& names);

}  // namespace planner
