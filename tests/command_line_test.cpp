#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/command_line.h"
#include "tests/case_name.h"

namespace {

// A program with one option that takes a value and one that does not, and
// at most one operand, like halvex-drive with a backend option.
const halvex::CommandLineSyntax kSyntax{"prog", "Usage: prog\n", {{"backend", true}, {"quiet", false}}, 1};

struct Row {
    std::string name;
    std::vector<std::string> args;
    bool exit;
    int status;
    std::string out;  // exact, or empty for "nothing"
    bool oneErrorLine;
    std::vector<std::string> operands;
    std::vector<std::pair<std::string, std::string>> options;
};

class CommandLineTest : public ::testing::TestWithParam<Row> {};

TEST_P(CommandLineTest, ReadsArguments) {
    const Row& row = GetParam();
    std::vector<const char*> argv{"prog"};
    for (const std::string& a : row.args) argv.push_back(a.c_str());
    const halvex::CommandLine line = halvex::ParseCommandLine(kSyntax, static_cast<int>(argv.size()), argv.data());
    EXPECT_EQ(line.exit, row.exit);
    EXPECT_EQ(line.exitStatus, row.status);
    EXPECT_EQ(line.out, row.out);
    const std::string& e = line.err;
    if (row.oneErrorLine) {
        ASSERT_FALSE(e.empty());
        EXPECT_EQ(e.rfind("prog: ", 0), 0u) << e;
        EXPECT_EQ(e.find('\n'), e.size() - 1) << e;
    } else {
        EXPECT_EQ(e, "");
    }
    if (!row.exit) {
        EXPECT_EQ(line.operands, row.operands);
        EXPECT_EQ(line.options, row.options);
    }
}

const std::string kVersion = std::string("prog ") + HALVEX_TEST_VERSION + "\n";

INSTANTIATE_TEST_SUITE_P(
    Table, CommandLineTest,
    ::testing::Values(
        Row{"Nothing", {}, false, 0, "", false, {}, {}},
        Row{"HelpWinsOverLaterMistakes", {"--help", "--bogus"}, true, 0, "Usage: prog\n", false, {}, {}},
        Row{"UnknownLongOption", {"--bogus"}, true, 2, "", true, {}, {}},
        Row{"ShortOptionsAreUnknown", {"-h"}, true, 2, "", true, {}, {}},
        Row{"HelpTakesNoValue", {"--help=x"}, true, 2, "", true, {}, {}},
        Row{"TooManyOperands", {"a", "b"}, true, 2, "", true, {}, {}},
        Row{"LoneDashIsAnOperand", {"-"}, false, 0, "", false, {"-"}, {}},
        Row{"DoubleDashEndsOptions",
            {
                "--",
                "-script",
            },
            false,
            0,
            "",
            false,
            {"-script"},
            {}},
        Row{"ValueAfterOption", {"--backend", "win32", "s"}, false, 0, "", false, {"s"}, {{"backend", "win32"}}},
        Row{"ValueWithEquals",
            {"--backend=win32", "--quiet"},
            false,
            0,
            "",
            false,
            {},
            {{"backend", "win32"}, {"quiet", ""}}},
        Row{"MissingValue", {"--backend"}, true, 2, "", true, {}, {}},
        Row{"FlagGivenAValue", {"--quiet=1"}, true, 2, "", true, {}, {}}),
    halvex_test::CaseName());

TEST(CommandLine, VersionNamesProgramAndBuildVersion) {
    const char* argv[] = {"prog", "--version"};
    const halvex::CommandLine line = halvex::ParseCommandLine(kSyntax, 2, argv);
    EXPECT_EQ(line.out.substr(0, kVersion.size()), kVersion);
}

// The desktop programs leave the toolkit's style choice to the toolkit; what
// remains must still be read as before, operands after "--" untouched.
TEST(CommandLine, StyleChoiceIsLeftToTheToolkit) {
    const char* argv[] = {"prog", "-style", "windows", "--style=fusion", "--version", "--", "-style", "x"};
    const std::vector<const char*> kept = halvex::WithoutStyleOption(8, argv);
    const std::vector<std::string> words(kept.begin(), kept.end());
    EXPECT_EQ(words, (std::vector<std::string>{"prog", "--version", "--", "-style", "x"}));
}

}  // namespace
