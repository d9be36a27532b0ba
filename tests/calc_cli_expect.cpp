#include "tests/calc_cli_expect.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <sstream>
#include <string_view>

#include "numeric/number_text.h"
#include "res/pure_sine_ids.h"
#include "res/sine_sweep_ids.h"
#include "tests/json_value.h"

namespace halvex_test {
namespace {

using halvex::cli::Format;
using halvex::cli::Status;
namespace ps = res::pure_sine;
namespace ss = res::sine_sweep;

// The pure sine grid: columns are displacement zero-to-peak, displacement
// peak-to-peak, velocity and acceleration; the units by row, translation and
// rotation (nullptr where a rotation leaves the box blank).
struct GridBox {
    int id;
    int column;
    const char* unit;
    const char* rotationUnit;
};
const GridBox kGrid[] = {
    {ps::IDC_DISP_ZP_MM, 0, "mm", "rad"},        {ps::IDC_DISP_PP_MM, 1, "mm", "rad"},
    {ps::IDC_VEL_M, 2, "m/s", "rad/s"},          {ps::IDC_ACC_M, 3, "m/s^2", "rad/s^2"},
    {ps::IDC_DISP_ZP_MICRONS, 0, "um", nullptr}, {ps::IDC_DISP_PP_MICRONS, 1, "um", nullptr},
    {ps::IDC_VEL_MM, 2, "mm/s", "deg/s"},        {ps::IDC_ACC_MM, 3, "mm/s^2", "deg/s^2"},
    {ps::IDC_DISP_ZP_IN, 0, "in", "deg"},        {ps::IDC_DISP_PP_IN, 1, "in", "deg"},
    {ps::IDC_VEL_MICRONS, 2, "um/s", nullptr},   {ps::IDC_ACC_IN, 3, "in/s^2", nullptr},
    {ps::IDC_DISP_ZP_MILS, 0, "mil", nullptr},   {ps::IDC_DISP_PP_MILS, 1, "mil", nullptr},
    {ps::IDC_VEL_IN, 2, "in/s", nullptr},        {ps::IDC_ACC_G, 3, "g", nullptr},
    {ps::IDC_DISP_ZP_UIN, 0, "uin", nullptr},    {ps::IDC_DISP_PP_UIN, 1, "uin", nullptr},
    {ps::IDC_VEL_MILS, 2, "mil/s", nullptr},     {ps::IDC_VEL_UIN, 2, "uin/s", nullptr},
};
// The order in which Calculate sets the texts.
const std::vector<int> kTranslationSetOrder = {
    ps::IDC_DISP_PP_MM,   ps::IDC_DISP_ZP_MM,  ps::IDC_DISP_PP_IN,  ps::IDC_DISP_ZP_IN,      ps::IDC_DISP_PP_MILS,
    ps::IDC_DISP_ZP_MILS, ps::IDC_DISP_PP_UIN, ps::IDC_DISP_ZP_UIN, ps::IDC_DISP_PP_MICRONS, ps::IDC_DISP_ZP_MICRONS,
    ps::IDC_VEL_M,        ps::IDC_VEL_MM,      ps::IDC_VEL_MICRONS, ps::IDC_VEL_IN,          ps::IDC_VEL_MILS,
    ps::IDC_VEL_UIN,      ps::IDC_ACC_M,       ps::IDC_ACC_MM,      ps::IDC_ACC_IN,          ps::IDC_ACC_G};
const std::vector<int> kRotationSetOrder = {ps::IDC_DISP_PP_MM, ps::IDC_DISP_ZP_MM, ps::IDC_DISP_PP_IN,
                                            ps::IDC_DISP_ZP_IN, ps::IDC_VEL_M,      ps::IDC_VEL_MM,
                                            ps::IDC_ACC_M,      ps::IDC_ACC_MM};
// The rate and cycle analyses set the octaves first; the others go from the top.
const std::vector<int> kTimedSweepSetOrder = {ss::IDC_OUTPUT2, ss::IDC_OUTPUT1};

const char* const kColumnQuantity[] = {"displacement", "displacement", "velocity", "acceleration"};
const char* const kColumnForm[] = {"zero-to-peak", "peak-to-peak", "zero-to-peak", "zero-to-peak"};

// What a sweep output row holds, by analysis and rate type: the number's
// significant digits too.
struct SweepMeaning {
    const char* quantity;
    const char* form;
    const char* unit;
    int digits;
};

SweepMeaning SweepRow(const std::string& analysis, const std::string& rateType, int row) {
    if (analysis == "amplitude") {
        const SweepMeaning rows[] = {{"displacement", "zero-to-peak", "in", 3},
                                     {"displacement", "peak-to-peak", "in", 3},
                                     {"velocity", "zero-to-peak", "in/s", 3},
                                     {"acceleration", "zero-to-peak", "g", 3}};
        return rows[row - 1];
    }
    if (analysis == "crossover") return {"frequency", "", "Hz", 4};
    if (row == 2) return {"octaves", "", "oct", 3};
    if (analysis == "cycles") return {"cycles", "", "cycles", 6};
    return {"sweep rate", "", rateType == "log" ? "oct/min" : "Hz/min", 3};
}

int SweepRowOf(int id) { return id == ss::IDC_OUTPUT1 ? 1 : id == ss::IDC_OUTPUT2 ? 2 : id == ss::IDC_OUTPUT3 ? 3 : 4; }

std::string OptionValue(const std::vector<std::string>& args, const std::string& name) {
    const auto found = std::find(args.begin(), args.end(), name);
    return found != args.end() && found + 1 != args.end() ? *(found + 1) : std::string();
}

// The number as a box shows it, without its padding and words.
std::string NumberToken(const std::string& text) {
    std::istringstream words(text);
    std::string word;
    while (words >> word) {
        if (word == "inf" || word == "-inf" || word == "nan") return word;
        char* end = nullptr;
        std::strtod(word.c_str(), &end);
        if (end != word.c_str() && *end == '\0') return word;
    }
    return {};
}

double JsonNumber(const JsonValue& value) {
    if (value.kind == JsonValue::Kind::Number) return value.number;
    EXPECT_EQ(value.kind, JsonValue::Kind::String);
    if (value.text == "nan") return std::numeric_limits<double>::quiet_NaN();
    EXPECT_TRUE(value.text == "inf" || value.text == "-inf") << value.text;
    return value.text == "inf" ? HUGE_VAL : -HUGE_VAL;
}

// The JSON value is the double behind the text: written with the box's
// significant digits it gives the text's number again.
void ExpectValueBehindText(const JsonValue& value, const std::string& text, int digits) {
    const std::string format = "%." + std::to_string(digits) + "g";
    EXPECT_EQ(halvex::FormatNumber(format, JsonNumber(value)), NumberToken(text)) << text;
}

}  // namespace

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) lines.push_back(line);
    return lines;
}

Answers AskAll(const std::vector<std::string>& args) {
    Answers answers;
    halvex::cli::Scratch scratch;
    const std::pair<const char*, std::string*> formats[] = {
        {"text", &answers.text}, {"tsv", &answers.tsv}, {"json", &answers.json}};
    for (const auto& [name, out] : formats) {
        std::vector<std::string_view> views(args.begin(), args.end());
        views.insert(views.end(), {"--format", name});
        std::string problem;
        Format format = Format::Text;
        const Status status = halvex::cli::RunRequest(views, false, scratch, *out, problem, format);
        if (out == &answers.text) {
            answers.status = status;
            answers.problem = problem;
        } else {
            EXPECT_EQ(status, answers.status) << name;
            EXPECT_EQ(problem, answers.problem) << name;
        }
    }
    return answers;
}

const std::vector<int>& PureSineGridOrder() {
    static const std::vector<int> order = [] {
        std::vector<int> ids;
        for (const GridBox& box : kGrid) ids.push_back(box.id);
        return ids;
    }();
    return order;
}

const std::vector<int>& SweepRowOrder() {
    static const std::vector<int> order = {ss::IDC_OUTPUT1, ss::IDC_OUTPUT2, ss::IDC_OUTPUT3, ss::IDC_OUTPUT4};
    return order;
}

void ExpectSameAsDialog(const std::vector<std::string>& args, const Answers& answers, const Shown& shown) {
    ASSERT_EQ(answers.status, Status::Answered) << answers.problem;
    std::vector<std::string> texts;
    for (const auto& box : shown) texts.push_back(box.second);
    EXPECT_EQ(Lines(answers.text), texts);

    const bool pureSine = args[0] == "sine";
    const bool rotation = std::find(args.begin(), args.end(), "--rotation") != args.end();
    const JsonValue json = JsonReader::Parse(answers.json.substr(0, answers.json.find('\n')));
    const std::vector<JsonValue>& items = json[pureSine ? "results" : "outputs"].items;
    std::vector<std::pair<int, std::string>> rows;  // (id, table row) in reading order
    ASSERT_EQ(items.size(), shown.size());
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const auto& [id, text] = shown[i];
        const JsonValue& item = items[i];
        EXPECT_EQ(item["text"].text, text);
        if (pureSine) {
            const GridBox& box =
                *std::find_if(std::begin(kGrid), std::end(kGrid), [id = id](const GridBox& b) { return b.id == id; });
            const std::string unit = rotation ? box.rotationUnit : box.unit;
            EXPECT_EQ(item["quantity"].text, kColumnQuantity[box.column]) << id;
            EXPECT_EQ(item["form"].text, kColumnForm[box.column]) << id;
            EXPECT_EQ(item["unit"].text, unit) << id;
            ExpectValueBehindText(item["value"], text, 4);
            rows.emplace_back(id, std::string(kColumnQuantity[box.column]) + "\t" + kColumnForm[box.column] + "\t" +
                                      NumberToken(text) + "\t" + unit);
        } else {
            const int row = SweepRowOf(id);
            const SweepMeaning meaning = SweepRow(args[1], OptionValue(args, "--type"), row);
            EXPECT_EQ(item["row"].number, row);
            ExpectValueBehindText(item["value"], text, meaning.digits);
            rows.emplace_back(id, std::string(meaning.quantity) + "\t" + meaning.form + "\t" + NumberToken(text) +
                                      "\t" + meaning.unit);
        }
    }
    // The table lists the rows as Copy All Results does: in the order
    // Calculate sets the texts.
    const std::vector<int>& setOrder = pureSine ? (rotation ? kRotationSetOrder : kTranslationSetOrder)
                                       : (args[1] == "rate" || args[1] == "cycles") ? kTimedSweepSetOrder
                                                                                    : SweepRowOrder();
    std::stable_sort(rows.begin(), rows.end(), [&setOrder](const auto& a, const auto& b) {
        return std::find(setOrder.begin(), setOrder.end(), a.first) <
               std::find(setOrder.begin(), setOrder.end(), b.first);
    });
    std::vector<std::string> tsv = {"quantity\tform\tvalue\tunit"};
    for (const auto& row : rows) tsv.push_back(row.second);
    EXPECT_EQ(Lines(answers.tsv), tsv);
}

std::string Joined(const std::vector<std::string>& args) {
    std::string line = "halvex-calc";
    for (const std::string& arg : args) line += " '" + arg + "'";
    return line;
}

}  // namespace halvex_test
