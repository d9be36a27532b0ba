#include <gtest/gtest.h>

#include "tests/case_name.h"

#include <clocale>
#include <cmath>
#include <limits>

#include "numeric/number_text.h"

namespace {

using halvex::FormatNumber;
using halvex::ParseNumber;

struct ParseCase {
    const char* name;
    const char* text;
    double expected;
};

class ParseNumberTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseNumberTest, ReadsTheLongestNumberPrefix) {
    const ParseCase& c = GetParam();
    EXPECT_EQ(ParseNumber(c.text), c.expected) << '"' << c.text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Grammar, ParseNumberTest,
    ::testing::Values(ParseCase{"Empty", "", 0.0}, ParseCase{"LoneBlank", " ", 0.0}, ParseCase{"Integer", "10", 10.0},
                      ParseCase{"LeadingWhiteSpace", " \t\n 2.5", 2.5}, ParseCase{"TrailingLetters", "10abc", 10.0},
                      ParseCase{"Exponent", "1e3", 1000.0}, ParseCase{"CapitalExponentWithSign", "2.5E-2", 0.025},
                      ParseCase{"PlusSign", "+7", 7.0}, ParseCase{"MinusSign", "-7.5", -7.5},
                      ParseCase{"NoDigitsBeforePoint", ".5", 0.5}, ParseCase{"NoDigitsAfterPoint", "5.", 5.0},
                      ParseCase{"PointAlone", ".", 0.0}, ParseCase{"SignAlone", "-", 0.0},
                      ParseCase{"ExponentWithoutDigits", "3e", 3.0},
                      ParseCase{"ExponentSignWithoutDigits", "3e+x", 3.0}, ParseCase{"CommaIsNotAPoint", "1,5", 1.0},
                      ParseCase{"HexIsNotANumber", "0x10", 0.0}, ParseCase{"InfIsNotANumber", "inf", 0.0},
                      ParseCase{"InfinityIsNotANumber", "-infinity", 0.0}, ParseCase{"NanIsNotANumber", "nan", 0.0},
                      ParseCase{"Words", "ten", 0.0}, ParseCase{"BlankAfterSign", "- 5", 0.0},
                      ParseCase{"SmallestValid", "1e-12", 1e-12}, ParseCase{"LargestValid", "1e100", 1e100}),
    halvex_test::CaseName());

TEST(ParseNumberLimits, OverflowAndUnderflowFollowStrtod) {
    EXPECT_EQ(ParseNumber("1e999"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(ParseNumber("-1e999"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(ParseNumber("1e-999"), 0.0);
    const std::string longDigits(100000, '9');
    EXPECT_EQ(ParseNumber(longDigits), std::numeric_limits<double>::infinity());
}

struct FormatCase {
    const char* name;
    const char* format;
    double value;
    const char* expected;
};

class FormatNumberTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatNumberTest, MatchesPrintfInTheCLocale) {
    const FormatCase& c = GetParam();
    EXPECT_EQ(FormatNumber(c.format, c.value), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Formats, FormatNumberTest,
    ::testing::Values(FormatCase{"RightAligned", "%12.4g mm", 25.4, "        25.4 mm"},
                      FormatCase{"TwoDigitExponent", "%12.4g micro inch", 1e6, "       1e+06 micro inch"},
                      FormatCase{"SmallExponent", "%12.3g in", 2.44e-6, "    2.44e-06 in"},
                      FormatCase{"RoundsToPrecision", "%12.4g G", 5.11124, "       5.111 G"},
                      FormatCase{"TrailingZerosDropped", "%12.4g", 1.5, "         1.5"},
                      FormatCase{"LiteralBeforeNumber", "disp = %12.3g in", 0.0097775, "disp =      0.00978 in"},
                      FormatCase{"WidthThirteen", "%13.6g cycles", 25797092.0, "  2.57971e+07 cycles"},
                      FormatCase{"Negative", "%12.3g  Hz/min", -198.0, "        -198  Hz/min"},
                      FormatCase{"Infinity", "%12.3g x", std::numeric_limits<double>::infinity(), "         inf x"},
                      FormatCase{"MinusInfinity", "%12.3g", -std::numeric_limits<double>::infinity(), "        -inf"},
                      FormatCase{"NaNHasNoSign", "%12.3g", -std::numeric_limits<double>::quiet_NaN(), "         nan"},
                      FormatCase{"WiderThanField", "%5.4g", 1.234e-100, "1.234e-100"},
                      FormatCase{"RoundTrip", "%.17g", 0.1, "0.10000000000000001"}),
    halvex_test::CaseName());

// A toolkit sets the process locale from the environment; a comma-decimal
// locale must change neither reading nor writing.
TEST(NumberTextLocale, IgnoresACommaDecimalLocale) {
    const char* set = std::setlocale(LC_ALL, "de_DE.UTF-8");
    if (set == nullptr) GTEST_SKIP() << "de_DE.UTF-8 is not installed";
    EXPECT_EQ(ParseNumber("1.5"), 1.5);
    EXPECT_EQ(FormatNumber("%12.4g mm", 1.5), "         1.5 mm");
    std::setlocale(LC_ALL, "C");
}

}  // namespace
