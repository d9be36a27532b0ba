// Files of the planner: the replacing write that a crash cannot leave half
// done, and `plan --svg`.
#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "planner/file_io.h"
#include "planner/plan.h"

namespace {

std::string Temp(const char* name) { return ::testing::TempDir() + name; }

std::string Contents(const std::string& path) {
    std::string text;
    return planner::ReadTextFile(path, text) ? text : "(unreadable)";
}

// How the process dies in the middle of a save: killed where there are
// signals, ended on the spot without any clean-up on Windows.
#ifdef _WIN32
[[noreturn]] void DieAbruptly() { std::_Exit(9); }
const auto kDiedAbruptly = ::testing::ExitedWithCode(9);
#else
[[noreturn]] void DieAbruptly() {
    std::raise(SIGKILL);
    std::_Exit(9);
}
const auto kDiedAbruptly = ::testing::KilledBySignal(SIGKILL);
#endif

const char kPlan[] = R"({"format": "halvex-plan", "version": 1,
  "profile": [{"from": 10, "to": 100, "acceleration": "1 g"}]})";

TEST(PlannerFiles, KilledBetweenWriteAndRenameLeavesTheOldFileWhole) {
    const std::string path = Temp("atomic_kill.halvex-plan");
    std::ofstream(path, std::ios::binary) << "old text";
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            std::string message;
            planner::WriteFileReplacing(path, std::string(100000, 'n'), message,
                                        [](const std::string&) -> bool { DieAbruptly(); });
        },
        kDiedAbruptly, "");
    EXPECT_EQ(Contents(path), "old text");
    std::remove((path + ".saving").c_str());
    std::remove(path.c_str());
}

TEST(PlannerFiles, ReplacesOnlyOnceTheNewTextIsWhole) {
    const std::string path = Temp("atomic_ok.halvex-plan");
    std::ofstream(path, std::ios::binary) << "old text";
    std::string message;
    std::string seen;
    ASSERT_TRUE(planner::WriteFileReplacing(path, "new text", message, [&](const std::string& temporary) {
        seen = Contents(temporary) + "|" + Contents(path);
        return true;
    })) << message;
    EXPECT_EQ(seen, "new text|old text");
    EXPECT_EQ(Contents(path), "new text");
    EXPECT_FALSE(planner::WriteFileReplacing("/nonexistent/dir/plan.halvex-plan", "x", message));
    EXPECT_EQ(message, "/nonexistent/dir/plan.halvex-plan: cannot be written");
    std::remove(path.c_str());
}

// Saved twice (the second replaces the first) and opened again, under the
// name as written: on Windows the UTF-16 name, not the UTF-8 bytes read in
// the ANSI code page.
TEST(PlannerFiles, ANameOutsideAsciiIsKept) {
    const std::string path = Temp("plan_\xC3\xA4_\xCE\xA9_\xE6\x97\xA5.halvex-plan");  // ä, Omega, a CJK sign
    std::string message;
    ASSERT_TRUE(planner::WriteFileReplacing(path, "first", message)) << message;
    ASSERT_TRUE(planner::WriteFileReplacing(path, kPlan, message)) << message;
    EXPECT_EQ(Contents(path), kPlan);
#ifdef _WIN32
    const std::string folder = ::testing::TempDir();
    std::wstring wide(folder.begin(), folder.end());  // the temporary folder's name is plain ASCII
    wide += L"plan_\u00E4_\u03A9_\u65E5.halvex-plan";
    std::FILE* file = _wfopen(wide.c_str(), L"rb");
    EXPECT_NE(file, nullptr);
    if (file != nullptr) std::fclose(file);
    _wremove(wide.c_str());
#else
    std::remove(path.c_str());
#endif
}

struct SvgCase {
    const char* name;
    const char* document;
    const char* svgPath;  // under the temporary folder unless absolute
    int status;
    bool svgWritten;
};

const SvgCase kSvgCases[] = {
    {"written_beside_the_report", kPlan, "plan.svg", 0, true},
    {"unwritable_place", kPlan, "/nonexistent/dir/plan.svg", 1, false},
    {"refused_document_writes_nothing", R"({"format": "halvex-plan", "version": 1, "profile": []})", "refused.svg", 1,
     false},
};

TEST(PlannerFiles, PlanCommandWritesTheChart) {
    const std::string plan = Temp("svg_command.halvex-plan");
    for (const SvgCase& c : kSvgCases) {
        SCOPED_TRACE(c.name);
        std::ofstream(plan, std::ios::binary) << c.document;
        const std::string svg = c.svgPath[0] == '/' ? c.svgPath : Temp(c.svgPath);
        std::remove(svg.c_str());
        std::string out, err;
        EXPECT_EQ(planner::RunPlanCommand({plan, "--svg", svg, "--format", "json"}, out, err), c.status) << err;
        const std::string written = Contents(svg);
        EXPECT_EQ(written != "(unreadable)", c.svgWritten);
        if (c.svgWritten) {
            EXPECT_EQ(written.rfind("<?xml", 0), 0u);
            EXPECT_NE(written.find("<polyline class=\"profile\""), std::string::npos);
            // Titled with the plan file's name, without its folder.
            EXPECT_NE(written.find(">svg_command.halvex-plan, g = 9.80665 m/s\u00b2</text>"), std::string::npos);
            EXPECT_EQ(out.rfind("{\"gravity\"", 0), 0u) << out;
        } else {
            EXPECT_EQ(out, "");
        }
        std::remove(svg.c_str());
    }
    std::string out, err;
    EXPECT_EQ(planner::RunPlanCommand({plan, "--svg", "a.svg", "--svg", "b.svg"}, out, err), 2);
    EXPECT_EQ(err.rfind("plan: --svg given twice", 0), 0u) << err;
    std::remove(plan.c_str());
}

}  // namespace
