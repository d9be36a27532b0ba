#include <string>

#include "numeric/json_text.h"
#include "planner/document.h"

namespace planner {
namespace {

void AppendQuantity(std::string& out, const Quantity& quantity) {
    if (quantity.unit.empty()) {
        halvex::AppendJsonShortestDouble(out, quantity.number);
    } else {
        halvex::AppendJsonString(out, QuantityText(quantity));
    }
}

void AppendBoundary(std::string& out, const Boundary& boundary) {
    if (boundary.isAuto) {
        out += "\"auto\"";
    } else {
        AppendQuantity(out, boundary.frequency);
    }
}

// ", "name": " before every member but the first of its object.
void Member(std::string& out, bool& first, const char* name) {
    if (!first) out += ", ";
    first = false;
    halvex::AppendJsonString(out, name);
    out += ": ";
}

void AppendSegment(std::string& out, const Segment& segment) {
    out += "{\"from\": ";
    AppendBoundary(out, segment.from);
    out += ", \"to\": ";
    AppendBoundary(out, segment.to);
    out += ", ";
    halvex::AppendJsonString(out, LevelFieldName(segment.kind));
    out += ": ";
    if (segment.values.size() == 1) {
        AppendQuantity(out, segment.values[0]);
    } else {
        out += '[';
        for (std::size_t i = 0; i < segment.values.size(); ++i) {
            if (i > 0) out += ", ";
            AppendQuantity(out, segment.values[i]);
        }
        out += ']';
    }
    out += '}';
}

void AppendSweep(std::string& out, const SweepSettings& sweep) {
    static const char* const kModes[] = {"up", "down", "up-down"};
    bool first = true;
    out += "{";
    Member(out, first, "type");
    halvex::AppendJsonString(out, sweep.type == SweepType::Log ? "log" : "linear");
    if (sweep.rate) {
        Member(out, first, "rate");
        AppendQuantity(out, *sweep.rate);
    }
    if (sweep.passTime) {
        Member(out, first, "pass_time");
        AppendQuantity(out, *sweep.passTime);
    }
    Member(out, first, "mode");
    halvex::AppendJsonString(out, kModes[static_cast<int>(sweep.mode)]);
    Member(out, first, "sweeps");
    halvex::AppendJsonShortestDouble(out, sweep.sweeps);
    Member(out, first, "axes");
    halvex::AppendJsonShortestDouble(out, sweep.axes);
    if (!sweep.dwells.empty()) {
        Member(out, first, "dwells");
        out += "[";
        for (std::size_t i = 0; i < sweep.dwells.size(); ++i) {
            out += i == 0 ? "\n    {\"frequency\": " : ",\n    {\"frequency\": ";
            AppendQuantity(out, sweep.dwells[i].frequency);
            out += ", \"time\": ";
            AppendQuantity(out, sweep.dwells[i].time);
            out += '}';
        }
        out += "\n  ]";
    }
    out += '}';
}

void AppendOptional(std::string& out, bool& first, const char* name, const std::optional<Quantity>& quantity) {
    if (!quantity) return;
    Member(out, first, name);
    AppendQuantity(out, *quantity);
}

void AppendShaker(std::string& out, const ShakerSettings& shaker) {
    bool first = true;
    out += "{";
    AppendOptional(out, first, "rated_force", shaker.ratedForce);
    Member(out, first, "force_fraction");
    halvex::AppendJsonShortestDouble(out, shaker.forceFraction);
    bool anyMass = false;
    for (const auto& mass : shaker.masses) anyMass = anyMass || mass.has_value();
    if (anyMass) {
        Member(out, first, "moving_mass");
        bool firstMass = true;
        out += '{';
        for (int i = 0; i < 4; ++i) AppendOptional(out, firstMass, kMassNames[i], shaker.masses[i]);
        out += '}';
    }
    AppendOptional(out, first, "stroke_pp", shaker.strokePp);
    AppendOptional(out, first, "velocity", shaker.velocity);
    AppendOptional(out, first, "acceleration", shaker.acceleration);
    out += '}';
}

}  // namespace

std::string WritePlanDocument(const PlanDocument& document) {
    std::string out = "{\n  \"format\": \"halvex-plan\", \"version\": ";
    out += std::to_string(kPlanVersion);
    out += ",\n  \"gravity\": ";
    AppendQuantity(out, document.gravity);
    out += ",\n  \"profile\": [";
    for (std::size_t i = 0; i < document.profile.size(); ++i) {
        out += i == 0 ? "\n    " : ",\n    ";
        AppendSegment(out, document.profile[i]);
    }
    out += "\n  ]";
    if (document.sweep) {
        out += ",\n  \"sweep\": ";
        AppendSweep(out, *document.sweep);
    }
    if (document.shaker) {
        out += ",\n  \"shaker\": ";
        AppendShaker(out, *document.shaker);
    }
    out += "\n}\n";
    return out;
}

}  // namespace planner
