// Writes the chart of a plan file as SVG and prints the planner's segment
// ends (Hz, m/s), one a line, for tests/svg_check.py to compare.
#include <cstdio>
#include <fstream>
#include <sstream>

#include "planner/chart.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: chart_svg_tool PLAN OUT.svg\n");
        return 2;
    }
    std::ifstream in(argv[1]);
    std::stringstream text;
    text << in.rdbuf();
    planner::PlanDocument document;
    planner::PlanOutcome outcome;
    std::string message;
    if (!planner::ReadPlan(text.str(), document, message) || !planner::EvaluatePlan(document, {}, outcome, message)) {
        std::fprintf(stderr, "%s\n", message.c_str());
        return 1;
    }
    planner::Chart chart;
    planner::DrawChart(document, outcome, chart);
    std::ofstream(argv[2]) << planner::ChartSvg(chart, 800, 500);
    for (const planner::ResolvedSegment& s : outcome.profile.segments) {
        std::printf("%.17g %.17g\n%.17g %.17g\n", s.from, s.start.velocity, s.to, s.end.velocity);
    }
    return 0;
}
