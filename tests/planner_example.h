#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "planner/plan.h"

// The example plan that the documentation shows, read as a user's file is.
inline planner::PlanDocument ExamplePlan() {
    std::ifstream in(std::string(HALVEX_SOURCE_DIR) + "/docs/examples/shaker-test.halvex-plan");
    std::stringstream text;
    text << in.rdbuf();
    planner::PlanDocument document;
    std::string message;
    EXPECT_TRUE(planner::ReadPlan(text.str(), document, message)) << message;
    return document;
}
