#include <gtest/gtest.h>

#include "tests/case_name.h"

#include <clocale>
#include <cmath>
#include <limits>
#include <string_view>

#include "numeric/json_text.h"
#include "numeric/number_text.h"

namespace {

using halvex::FormatNumber;
using halvex::ParseNumber;

struct ParseCase {
    const char* name;
    std::string_view text;
    double expected;
    bool number;
};

class ParseNumberTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseNumberTest, ReadsOnlyAWholeNumber) {
    const ParseCase& c = GetParam();
    EXPECT_EQ(ParseNumber(c.text), c.expected) << '"' << c.text << '"';
    // A refused text reads as 0; a typed 0 is still a number.
    EXPECT_EQ(halvex::ReadNumber(c.text).has_value(), c.number) << '"' << c.text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Grammar, ParseNumberTest,
    ::testing::Values(
        ParseCase{"Empty", "", 0.0, false}, ParseCase{"LoneBlank", " ", 0.0, false},
        ParseCase{"Integer", "10", 10.0, true}, ParseCase{"Zero", "0", 0.0, true},
        ParseCase{"WhiteSpaceAround", " \t\n 2.5 \t", 2.5, true}, ParseCase{"TrailingLetters", "12abc", 0.0, false},
        ParseCase{"Exponent", "1e3", 1000.0, true}, ParseCase{"CapitalExponentWithSign", "1E-3", 0.001, true},
        ParseCase{"PlusSign", "+5", 5.0, true}, ParseCase{"SignPointExponent", "-.5e1", -5.0, true},
        ParseCase{"NoDigitsBeforePoint", ".5", 0.5, true}, ParseCase{"NoDigitsAfterPoint", "5.", 5.0, true},
        ParseCase{"PointAlone", ".", 0.0, false}, ParseCase{"SignAlone", "-", 0.0, false},
        ParseCase{"ExponentWithoutDigits", "1e", 0.0, false}, ParseCase{"ExponentSignWithoutDigits", "3e+", 0.0, false},
        ParseCase{"CommaIsNotAPoint", "1,5", 0.0, false}, ParseCase{"InnerBlank", "1 5", 0.0, false},
        ParseCase{"TwoPoints", "1.5.3", 0.0, false}, ParseCase{"UnitAfterNumber", "10 kHz", 0.0, false},
        ParseCase{"HexIsNotANumber", "0x10", 0.0, false}, ParseCase{"InfIsNotANumber", "inf", 0.0, false},
        ParseCase{"InfinityIsNotANumber", "-infinity", 0.0, false}, ParseCase{"NanIsNotANumber", "nan", 0.0, false},
        ParseCase{"BlankAfterSign", "- 5", 0.0, false},
        ParseCase{"EmbeddedNul", std::string_view("5\0", 2), 0.0, false},
        ParseCase{"SmallestValid", "1e-12", 1e-12, true}, ParseCase{"LargestValid", "1e100", 1e100, true}),
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
    const char* field;  // the number alone, as a results table shows it
};

class FormatNumberTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatNumberTest, MatchesPrintfInTheCLocale) {
    const FormatCase& c = GetParam();
    EXPECT_EQ(FormatNumber(c.format, c.value), c.expected);
    EXPECT_EQ(halvex::FormatNumberField(c.format, c.value), c.field);
}

INSTANTIATE_TEST_SUITE_P(
    Formats, FormatNumberTest,
    ::testing::Values(
        FormatCase{"RightAligned", "%12.4g mm", 25.4, "        25.4 mm", "25.4"},
        FormatCase{"TwoDigitExponent", "%12.4g micro inch", 1e6, "       1e+06 micro inch", "1e+06"},
        FormatCase{"SmallExponent", "%12.3g in", 2.44e-6, "    2.44e-06 in", "2.44e-06"},
        FormatCase{"RoundsToPrecision", "%12.4g G", 5.11124, "       5.111 G", "5.111"},
        FormatCase{"TrailingZerosDropped", "%12.4g", 1.5, "         1.5", "1.5"},
        FormatCase{"LiteralBeforeNumber", "disp = %12.3g in", 0.0097775, "disp =      0.00978 in", "0.00978"},
        FormatCase{"WidthThirteen", "%13.6g cycles", 25797092.0, "  2.57971e+07 cycles", "2.57971e+07"},
        FormatCase{"Negative", "%12.3g  Hz/min", -198.0, "        -198  Hz/min", "-198"},
        FormatCase{"Infinity", "%12.3g x", std::numeric_limits<double>::infinity(), "         inf x", "inf"},
        FormatCase{"MinusInfinity", "%12.3g", -std::numeric_limits<double>::infinity(), "        -inf", "-inf"},
        FormatCase{"NaNHasNoSign", "%12.3g", -std::numeric_limits<double>::quiet_NaN(), "         nan", "nan"},
        FormatCase{"WiderThanField", "%5.4g", 1.234e-100, "1.234e-100", "1.234e-100"},
        FormatCase{"RoundTrip", "%.17g", 0.1, "0.10000000000000001", "0.10000000000000001"}),
    halvex_test::CaseName());

// A toolkit sets the process locale from the environment; a comma-decimal
// locale must change neither reading nor writing.
TEST(NumberTextLocale, IgnoresACommaDecimalLocale) {
    const char* set = std::setlocale(LC_ALL, "de_DE.UTF-8");
    if (set == nullptr) GTEST_SKIP() << "de_DE.UTF-8 is not installed";
    EXPECT_EQ(ParseNumber("1.5"), 1.5);
    EXPECT_EQ(ParseNumber("1,5"), 0.0);
    EXPECT_EQ(FormatNumber("%12.4g mm", 1.5), "         1.5 mm");
    std::setlocale(LC_ALL, "C");
}

// The user's decimal comma for one test, and the point again after it.
class DecimalCommaTest : public ::testing::Test {
protected:
    void SetUp() override { halvex::SetDecimalComma(true); }
    void TearDown() override { halvex::SetDecimalComma(false); }
};

struct CommaCase {
    const char* name;
    std::string_view text;
    bool comma;  // read with the decimal comma, else with the point
    double expected;
    bool number;
};

class DecimalSignTest : public ::testing::TestWithParam<CommaCase> {
protected:
    void TearDown() override { halvex::SetDecimalComma(false); }
};

// Each sign reads its own numbers and refuses the other's; neither reads
// digit grouping, which would make "1.234" a thousand times too large.
TEST_P(DecimalSignTest, ReadsOnlyItsOwnSignAndNoGrouping) {
    const CommaCase& c = GetParam();
    halvex::SetDecimalComma(c.comma);
    EXPECT_EQ(halvex::ReadNumber(c.text).has_value(), c.number) << '"' << c.text << '"';
    EXPECT_EQ(ParseNumber(c.text), c.expected) << '"' << c.text << '"';
}

INSTANTIATE_TEST_SUITE_P(Signs, DecimalSignTest,
                         ::testing::Values(CommaCase{"CommaRead", " -1,5e1 ", true, -15.0, true},
                                           CommaCase{"CommaAloneBeforeDigits", ",25", true, 0.25, true},
                                           CommaCase{"PointRefusedWithComma", "1.5", true, 0.0, false},
                                           CommaCase{"PointGroupingRefused", "1.234,5", true, 0.0, false},
                                           CommaCase{"BlankGroupingRefused", "1 234,5", true, 0.0, false},
                                           CommaCase{"TwoCommasRefused", "1,234,5", true, 0.0, false},
                                           CommaCase{"CommaGroupingRefusedWithPoint", "1,234.5", false, 0.0, false}),
                         halvex_test::CaseName());

// Only the number takes the comma, not a point in the text around it; the
// machine's functions keep the point whatever the setting.
TEST_F(DecimalCommaTest, WritesTheCommaForPeopleAndThePointForMachines) {
    EXPECT_EQ(FormatNumber("%12.4g mm.", 25.4), "        25,4 mm.");
    EXPECT_EQ(halvex::FormatNumberField("%12.3g in", 2.44e-6), "2,44e-06");
    std::string shown;
    halvex::AppendShortestShownNumber(shown, 0.1);
    EXPECT_EQ(shown, "0,1");

    EXPECT_EQ(halvex::FormatPointNumber("%12.4g mm", 25.4), "        25.4 mm");
    std::string point;
    halvex::AppendShortestPointNumber(point, 0.1);
    EXPECT_EQ(point, "0.1");
    EXPECT_EQ(halvex::ReadPointNumber("0.5"), 0.5);
    EXPECT_FALSE(halvex::ReadPointNumber("0,5").has_value());
    std::string json;
    halvex::AppendJsonShortestDouble(json, 0.1);
    json += ' ';
    halvex::AppendJsonDouble(json, 0.5);
    EXPECT_EQ(json, "0.1 0.5");
    {
        const halvex::PointNumbersScope machine;
        EXPECT_EQ(FormatNumber("%g", 0.5), "0.5");
    }
    EXPECT_EQ(FormatNumber("%g", 0.5), "0,5");
}

}  // namespace
