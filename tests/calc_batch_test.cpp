#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/calc_batch.h"
#include "cli/calc_words.h"
#include "tests/calc_cli_expect.h"
#include "tests/case_name.h"
#include "tests/json_value.h"

namespace {

using halvex::cli::BatchRun;
using halvex_test::JsonReader;
using halvex_test::Lines;

struct WordsCase {
    const char* name;
    std::string line;
    std::vector<std::string> words;  // empty with a problem
    const char* problem;
};

class WordsTest : public ::testing::TestWithParam<WordsCase> {};

TEST_P(WordsTest, SplitsAsAShellWould) {
    const WordsCase& c = GetParam();
    halvex::cli::Words words;
    std::string problem;
    const bool ok = words.Split(c.line, problem);
    EXPECT_EQ(ok, c.problem == nullptr) << problem;
    if (!ok) {
        EXPECT_EQ(problem, c.problem);
        return;
    }
    const std::vector<std::string> got(words.List().begin(), words.List().end());
    EXPECT_EQ(got, c.words);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, WordsTest,
    ::testing::Values(WordsCase{"Blanks", " sine\t --amplitude   1 ", {"sine", "--amplitude", "1"}, nullptr},
                      WordsCase{"SingleQuotesKeepEverything", R"(a 'b c\d "e"')", {"a", R"(b c\d "e")"}, nullptr},
                      WordsCase{
                          "DoubleQuotesEscapeFourCharacters", R"("a \"b\" \$ \\ \x")", {R"(a "b" $ \ \x)"}, nullptr},
                      WordsCase{"BackslashKeepsTheNextCharacter", R"(a\ b \'c)", {"a b", "'c"}, nullptr},
                      WordsCase{"PiecesJoinIntoOneWord", R"(--unit'm'"m"\m)", {"--unitmmm"}, nullptr},
                      WordsCase{"EmptyQuotesAreAWord", R"('' "" x)", {"", "", "x"}, nullptr},
                      WordsCase{"NothingButBlanks", "  \t ", {}, nullptr},
                      WordsCase{"OpenSingleQuote", "sine 'abc", {}, "unterminated single quote"},
                      WordsCase{"OpenDoubleQuote", R"(sine "ab\")", {}, "unterminated double quote"},
                      WordsCase{"TrailingBackslash", R"(sine \)", {}, "backslash at the end of the line"}),
    halvex_test::CaseName());

std::string RunWhole(const std::string& input, int* status = nullptr) {
    BatchRun batch;
    batch.Feed(input);
    batch.Finish();
    if (status != nullptr) *status = batch.ExitStatus();
    return batch.Output();
}

std::string ErrorOf(const std::string& line) {
    const halvex_test::JsonValue value = JsonReader::Parse(line);
    return value.Has("error") ? value["error"].text : std::string();
}

TEST(Batch, AnswersGoodRefusedAndMalformedLinesInOrder) {
    const std::string input =
        "# planned levels\n"
        "\n"
        "sweep crossover --pair velocity-acceleration --first 10 --second 5\n"
        "   \n"
        "sine --dimension pp --amplitude 0 --unit in --frequency 10\n"
        "sweep octaves --from 20 --to 2000 --format json\n"
        "sweep octaves --from 20 --to 2000 --format text\n"
        "cosine\n"
        "sine --dimension 'pp\n"
        "  # an indented comment\n"
        "sweep amplitude --frequency 100 --given acceleration --amplitude \"10\"\n";
    int status = -1;
    const std::vector<std::string> lines = Lines(RunWhole(input, &status));
    EXPECT_EQ(status, 1);
    ASSERT_EQ(lines.size(), 7u);
    // The worked examples: 10 in/sec meets 5 G at 30.72 Hz; 20 to 2000 Hz is
    // 6.64 octaves; 10 G at 100 Hz is 0.00978 in zero-to-peak.
    EXPECT_EQ(JsonReader::Parse(lines[0])["outputs"].items.at(0)["text"].text, "Frequency =        30.72 Hz");
    EXPECT_EQ(ErrorOf(lines[1]), "Please enter valid amplitude. ");
    EXPECT_EQ(JsonReader::Parse(lines[2])["outputs"].items.at(0)["text"].text, "        6.64 octaves");
    EXPECT_NE(ErrorOf(lines[3]).find("--format text"), std::string::npos);
    EXPECT_EQ(ErrorOf(lines[4]), "unknown command 'cosine'");
    EXPECT_EQ(ErrorOf(lines[5]), "unterminated single quote");
    EXPECT_EQ(JsonReader::Parse(lines[6])["outputs"].items.at(0)["text"].text, "disp =      0.00978 in zero-to-peak");
}

TEST(Batch, EveryLineAnsweredIsExitZero) {
    int status = -1;
    EXPECT_EQ(Lines(RunWhole("sweep octaves --from 1 --to 2\nsweep octaves --from 1 --to 4\n", &status)).size(), 2u);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(RunWhole("", &status), "");
    EXPECT_EQ(status, 0);
}

// LF, CR LF and CR files, a last line without its end, and input arriving a
// byte at a time all give the same answers.
TEST(Batch, LineEndsAndPiecesDoNotChangeTheAnswers) {
    const std::string a = "sweep octaves --from 10 --to 20";
    const std::string b = "# note";
    const std::string c = "sine --dimension zp --amplitude 1 --unit mm --frequency 1";
    const std::string expected = RunWhole(a + "\n" + b + "\n" + c + "\n");
    ASSERT_EQ(Lines(expected).size(), 2u);
    EXPECT_EQ(RunWhole(a + "\r\n" + b + "\r\n" + c + "\r\n"), expected);
    EXPECT_EQ(RunWhole(a + "\r" + b + "\r" + c), expected);
    EXPECT_EQ(RunWhole(a + "\n" + b + "\n" + c), expected);
    std::string whole = a;
    whole.append("\r\n").append(b).append("\n").append(c);
    BatchRun pieces;
    for (char byte : whole) pieces.Feed(std::string_view(&byte, 1));
    pieces.Finish();
    EXPECT_EQ(pieces.Output(), expected);
}

TEST(Batch, NulBytesAndOverlongLinesAreErrorsAndTheBatchGoesOn) {
    const std::string good = "sweep octaves --from 10 --to 20\n";
    const std::size_t big = halvex::cli::kMaxRequestBytes + 10;
    std::string input = std::string("sweep octaves --from 10\0 --to 20\n", 33) + good;
    input += "sweep octaves --from 10 --to " + std::string(big, '2') + "\n" + good;
    input += "#" + std::string(big, 'x') + "\n";                                 // a comment, however long
    input += std::string(big, ' ') + "\n";                                       // a blank line, however long
    input += std::string(halvex::cli::kMaxRequestBytes, ' ') + "sine\n" + good;  // content past the limit
    int status = -1;
    const std::vector<std::string> lines = Lines(RunWhole(input, &status));
    EXPECT_EQ(status, 1);
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(ErrorOf(lines[0]), "request holds a NUL byte");
    EXPECT_NE(ErrorOf(lines[2]).find("longer than"), std::string::npos);
    EXPECT_NE(ErrorOf(lines[4]).find("longer than"), std::string::npos);
    for (std::size_t i : {1u, 3u, 5u}) EXPECT_EQ(ErrorOf(lines[i]), "") << i;
}

}  // namespace
