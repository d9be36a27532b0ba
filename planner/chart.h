#pragma once

#include <optional>
#include <string>

#include "draw/drawing.h"
#include "planner/plan.h"

namespace planner {

using draw::Chart;
using draw::ChartBox;
using draw::ChartMapping;
using draw::ChartPoint;
using draw::ChartReadout;
using draw::ChartSvg;
using draw::DrawKind;
using draw::DrawOp;
using draw::DrawRole;
using draw::DrawStyle;
using draw::FitChart;
using draw::PictureOps;
using draw::StyleOf;
using draw::TextAnchor;

// What an exported chart says above its plot, besides the gravity the plan
// uses: the plan's name.
struct ChartTitle {
    std::string planName;  // the file's name; empty for a plan never saved ("Untitled")
};

// Draws the chart of a plan: grid, diagonals, the shaker's envelope, the
// profile with its crossovers and the binding point, and a legend. The ranges
// take in the profile and the envelope's corners, with room around them.
// With a title, the chart's pictures (SVG, PNG, PDF) show it above the plot.
void DrawChart(const PlanDocument& document, const PlanOutcome& outcome, Chart& chart,
               const std::optional<ChartTitle>& title = std::nullopt);

}  // namespace planner
