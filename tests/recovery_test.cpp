// Recovery copies: what they hold, how they are written, and which are offered.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "planner/file_io.h"
#include "planner/recovery.h"
#include "tests/temp_file.h"

namespace {

std::string Example(const char* name) {
    std::string text;
    EXPECT_TRUE(planner::ReadTextFile(std::string(HALVEX_SOURCE_DIR) + "/docs/examples/" + name, text)) << name;
    return text;
}

// The user's state directory moved to a scratch one of the test's own.
class RecoveryDirectoryTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_state = TestTempPath(".state");
#ifdef _WIN32
        _putenv_s("LOCALAPPDATA", m_state.c_str());
#else
        setenv("XDG_STATE_HOME", m_state.c_str(), 1);
#endif
        for (const std::string& name : planner::ListDirectory(planner::RecoveryDirectory())) {
            planner::RemoveFile(planner::RecoveryDirectory() + planner::kSeparator + name);
        }
        ASSERT_TRUE(planner::MakeDirectories(planner::RecoveryDirectory()));
    }

    // A copy as a process that is gone left it: no lock of it is held.
    static std::string LeftBehind(const std::string& name, const std::string& text) {
        std::string path = planner::RecoveryDirectory() + planner::kSeparator;
        path += name;
        std::string message;
        EXPECT_TRUE(planner::WriteFileReplacing(path, text, message)) << message;
        return path;
    }

    std::string m_state;
};

TEST(RecoveryText, HeaderAndDocumentReadBackAndAnUnreadableDocumentIsRefused) {
    const std::string plan = Example("shaker-test.halvex-plan");
    // The file's stamp whole: a hash above 2^53 would not survive a JSON number.
    const planner::RecoveryCopy written{planner::RecoveryKind::Plan, "/lab/plans/test \xC3\xBC\n2.halvex-plan",
                                        "2026-12-08T07:30:00Z", plan,
                                        planner::FileStamp{true, 1234, -5, 0xFEDCBA9876543211ull}};
    planner::RecoveryCopy read;
    std::string problem;
    ASSERT_TRUE(planner::ReadRecoveryText(planner::WriteRecoveryText(written), read, problem)) << problem;
    EXPECT_EQ(read.original, written.original);
    EXPECT_EQ(read.written, written.written);
    EXPECT_EQ(read.document, plan);
    EXPECT_EQ(read.file, written.file);

    // Untitled, as null; a library is read as a library, not a plan.
    const planner::RecoveryCopy lab{
        planner::RecoveryKind::Lab, "", "2026-12-08T07:31:00Z", Example("lab.halvex-lab"), {}};
    ASSERT_TRUE(planner::ReadRecoveryText(planner::WriteRecoveryText(lab), read, problem)) << problem;
    EXPECT_EQ(read.kind, planner::RecoveryKind::Lab);
    EXPECT_EQ(read.original, "");
    const planner::RecoveryCopy mislabelled{planner::RecoveryKind::Plan, "", "", lab.document, {}};
    EXPECT_FALSE(planner::ReadRecoveryText(planner::WriteRecoveryText(mislabelled), read, problem));
    EXPECT_EQ(problem.rfind("the plan in it: ", 0), 0u) << problem;

    // A copy cut short anywhere does not read.
    const std::string whole = planner::WriteRecoveryText(written);
    for (const std::size_t cut : {std::size_t{0}, whole.find('\n'), whole.size() - 2}) {
        EXPECT_FALSE(planner::ReadRecoveryText(whole.substr(0, cut), read, problem)) << cut;
    }
}

// A machine stopped after the new copy is written and before it is renamed
// leaves the copy before as it was.
TEST_F(RecoveryDirectoryTest, AStopBetweenWriteAndRenameLeavesTheCopyBeforeWhole) {
    planner::RecoveryFile file(planner::RecoveryKind::Plan);
    std::string message;
    const std::string before = Example("shaker-test.halvex-plan");
    ASSERT_TRUE(file.Write("/p/a.halvex-plan", {}, before, message)) << message;
    EXPECT_FALSE(file.Write("/p/a.halvex-plan", {}, Example("stepped-sine.halvex-plan"), message,
                            [](const std::string&) { return false; }));
    std::string text;
    planner::RecoveryCopy copy;
    ASSERT_TRUE(planner::ReadTextFile(file.Path(), text));
    ASSERT_TRUE(planner::ReadRecoveryText(text, copy, message)) << message;
    EXPECT_EQ(copy.document, before);
}

// Two windows never share a copy; a running program's copies are its own;
// a copy left behind is offered, one that does not read too, and neither is
// removed by looking.
TEST_F(RecoveryDirectoryTest, OnlyCopiesNoLiveProgramHoldsAreOfferedAndNoneIsRemovedUnasked) {
    planner::RecoveryFile first(planner::RecoveryKind::Plan), second(planner::RecoveryKind::Plan);
    std::string message;
    const std::string plan = Example("shaker-test.halvex-plan");
    ASSERT_TRUE(first.Write("", {}, plan, message)) << message;
    ASSERT_TRUE(second.Write("", {}, plan, message)) << message;
    EXPECT_NE(first.Path(), second.Path());

    const planner::RecoveryCopy left{
        planner::RecoveryKind::Plan, "/p/left.halvex-plan", "2026-12-08T07:30:00Z", plan, {}};
    const std::string good = LeftBehind("1-1-1.plan.halvex-recovery", planner::WriteRecoveryText(left));
    const std::string bad = LeftBehind("1-1-2.plan.halvex-recovery", "{\"recovery\":1,\"kind\":\"plan\"");
    LeftBehind("1-1-3.lab.halvex-recovery",
               planner::WriteRecoveryText({planner::RecoveryKind::Lab, "", "", Example("lab.halvex-lab"), {}}));

    const std::string staleLock = LeftBehind("1-2.lock", "");

    std::vector<planner::FoundCopy> found = planner::FindRecoveryCopies(planner::RecoveryKind::Plan);
    EXPECT_FALSE(planner::FileExists(staleLock));
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0].path, good);
    EXPECT_TRUE(found[0].readable);
    EXPECT_EQ(found[0].copy.original, "/p/left.halvex-plan");
    EXPECT_EQ(found[1].path, bad);
    EXPECT_FALSE(found[1].readable);
    EXPECT_FALSE(found[1].problem.empty());
    EXPECT_TRUE(planner::FileExists(bad));

    planner::DiscardRecoveryCopy(good);
    found = planner::FindRecoveryCopies(planner::RecoveryKind::Plan);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].path, bad);
    EXPECT_TRUE(planner::FileExists(first.Path()));
    first.Remove();
    EXPECT_FALSE(planner::FileExists(first.Path()));
}

}  // namespace
