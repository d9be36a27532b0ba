#include <gtest/gtest.h>

#include "tests/case_name.h"

#include <string>

#include "numeric/json_text.h"
#include "planner/json.h"

namespace {

using planner::JsonError;
using planner::JsonValue;

struct BadJson {
    const char* name;
    std::string text;
    std::size_t line;
    std::size_t column;
    const char* path;
    const char* what;
};

class JsonRefusesTest : public ::testing::TestWithParam<BadJson> {};

TEST_P(JsonRefusesTest, SaysWhereAndWhat) {
    const BadJson& c = GetParam();
    JsonValue value;
    JsonError error;
    ASSERT_FALSE(planner::ParseJson(c.text, value, error));
    EXPECT_EQ(error.line, c.line);
    EXPECT_EQ(error.column, c.column);
    EXPECT_EQ(error.path, c.path);
    EXPECT_EQ(error.what, c.what);
}

INSTANTIATE_TEST_SUITE_P(
    Rfc8259, JsonRefusesTest,
    ::testing::Values(BadJson{"TrailingComma", "{\"a\": [1, 2,]}", 1, 13, "a[2]", "not a JSON value"},
                      BadJson{"TrailingCommaInObject", "{\"a\": 1,}", 1, 9, "", "expected a member name in quotes"},
                      BadJson{"LeadingZero", "[01]", 1, 3, "[0]", "a number may not start with 0"},
                      BadJson{"BarePoint", "[1.]", 1, 4, "[0]", "a number needs digits after '.'"},
                      BadJson{"PlusSign", "[+1]", 1, 2, "[0]", "not a JSON value"},
                      BadJson{"HugeNumber", "{\"x\": 1e999}", 1, 7, "x", "the number is too large"},
                      BadJson{"SingleQuotes", "{'a': 1}", 1, 2, "", "expected a member name in quotes"},
                      BadJson{"Comment", "{\"a\": 1 // no\n}", 1, 9, "", "expected ',' or '}'"},
                      BadJson{"RawNewlineInString", "{\"a\":\n\"x\ny\"}", 2, 3, "a",
                              "a control character in a string must be escaped"},
                      BadJson{"UnknownEscape", "[\"\\x\"]", 1, 4, "[0]", "unknown escape in a string"},
                      BadJson{"LoneHighSurrogate", "[\"\\ud800x\"]", 1, 9, "[0]", "a high surrogate without a low one"},
                      BadJson{"LoneLowSurrogate", "[\"\\udc00\"]", 1, 9, "[0]", "a low surrogate without a high one"},
                      BadJson{"OverlongUtf8", "[\"\xC0\xAF\"]", 1, 3, "[0]", "a string that is not UTF-8"},
                      BadJson{"EncodedSurrogate", "[\"\xED\xA0\x80\"]", 1, 3, "[0]", "a string that is not UTF-8"},
                      BadJson{"DuplicateName", "{\"a\": 1, \"a\": 2}", 1, 10, "", "the name \"a\" appears twice"},
                      BadJson{"TwoDocuments", "{} {}", 1, 4, "", "unexpected text after the document"},
                      BadJson{"Empty", "  ", 1, 3, "", "the document ends where a value is expected"},
                      BadJson{"Unterminated", "{\"a\": [1", 1, 9, "a", "the document ends inside an array"},
                      BadJson{"TrueMisspelt", "[tru]", 1, 2, "[0]", "not a JSON value"},
                      BadJson{"PathThroughLevels", "{\"p\": [{}, {\"to\": -}]}", 1, 20, "p[1].to",
                              "a number needs digits"}),
    halvex_test::CaseName());

TEST(JsonTest, ReadsEveryKindOfValueWithEscapes) {
    JsonValue value;
    JsonError error;
    const std::string text =
        "\xEF\xBB\xBF { \"n\": -0.5e+2, \"s\": \"a\\\"\\\\\\/\\b\\f\\n\\r\\t\\u00e9\\ud83d\\ude00\xC3\xA9\", "
        "\"a\": [true, false, null, {}], \"z\": 0 }\r\n";
    ASSERT_TRUE(planner::ParseJson(text, value, error)) << planner::FormatJsonError(error);
    ASSERT_EQ(value.type, JsonValue::Type::Object);
    EXPECT_EQ(value.Find("n")->number, -50.0);
    EXPECT_EQ(value.Find("s")->text, "a\"\\/\b\f\n\r\t\xC3\xA9\xF0\x9F\x98\x80\xC3\xA9");
    const JsonValue& a = *value.Find("a");
    ASSERT_EQ(a.items.size(), 4u);
    EXPECT_TRUE(a.items[0].boolean);
    EXPECT_EQ(a.items[2].type, JsonValue::Type::Null);
    EXPECT_EQ(a.items[3].type, JsonValue::Type::Object);
    EXPECT_EQ(value.Find("z")->number, 0.0);
    EXPECT_EQ(value.Find("missing"), nullptr);
}

TEST(JsonTest, RefusesNestingBeyondTheLimitButNotAtIt) {
    const auto nested = [](int depth) { return std::string(depth, '[') + std::string(depth, ']'); };
    JsonValue value;
    JsonError error;
    EXPECT_TRUE(planner::ParseJson(nested(planner::kJsonMaxDepth), value, error));
    ASSERT_FALSE(planner::ParseJson(nested(100000), value, error));
    EXPECT_EQ(error.what, "nested too deeply");
    EXPECT_EQ(error.column, static_cast<std::size_t>(planner::kJsonMaxDepth + 1));
}

TEST(JsonTest, ReadsALargeDocumentWithManyMembers) {
    // Many members in one object and a long array: the reader must not slow
    // down per member (a duplicate check by scanning would).
    std::string text = "{";
    for (int i = 0; i < 50000; ++i) text += (i ? ",\"k" : "\"k") + std::to_string(i) + "\":[1,2.5,\"x\"]";
    text += "}";
    JsonValue value;
    JsonError error;
    ASSERT_TRUE(planner::ParseJson(text, value, error));
    EXPECT_EQ(value.items.size(), 50000u);
    EXPECT_EQ(value.Find("k49999")->items[1].number, 2.5);
}

TEST(JsonTest, WritesNumbersAndStringsThatReadBack) {
    const double numbers[] = {0.1, 1e-300, 123456789012345678.0, -2.5, 5e-324, 1.7976931348623157e308};
    for (const double n : numbers) {
        std::string text;
        halvex::AppendJsonShortestDouble(text, n);
        JsonValue value;
        JsonError error;
        ASSERT_TRUE(planner::ParseJson(text, value, error)) << text;
        EXPECT_EQ(value.number, n) << text;
    }
    std::string text;
    halvex::AppendJsonString(text, std::string("q\"b\\\n\x01\xC3\xA9", 8));
    EXPECT_EQ(text, "\"q\\\"b\\\\\\n\\u0001\xC3\xA9\"");
    JsonValue value;
    JsonError error;
    ASSERT_TRUE(planner::ParseJson(text, value, error));
    EXPECT_EQ(value.text, std::string("q\"b\\\n\x01\xC3\xA9", 8));
}

}  // namespace
