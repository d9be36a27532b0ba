#pragma once

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
using draw::StyleOf;
using draw::TextAnchor;

// Draws the chart of a plan: grid, diagonals, the shaker's limits, the
// profile with its crossovers and the binding point. The ranges follow the
// profile with room around it.
void DrawChart(const PlanDocument& document, const PlanOutcome& outcome, Chart& chart);

}  // namespace planner
