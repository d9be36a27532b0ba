#include "planner/breakpoints.h"

#include <cctype>
#include <cmath>

#include "lang/tr.h"
#include "numeric/number_text.h"

namespace planner {
namespace {

std::string Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return {};
    return std::string(text.substr(first, text.find_last_not_of(" \t\r") - first + 1));
}

std::string Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

std::vector<std::string> Cells(const std::string& line) {
    std::vector<std::string> cells;
    std::size_t start = 0;
    for (;;) {
        const std::size_t tab = line.find('\t', start);
        cells.push_back(Trimmed(std::string_view(line).substr(start, tab - start)));
        if (tab == std::string::npos) break;
        start = tab + 1;
    }
    while (!cells.empty() && cells.back().empty()) cells.pop_back();  // a trailing tab
    return cells;
}

enum class Form { None, Pp, Zp };

// Takes a displacement's form out of a text: "10 mm p-p" leaves "10 mm".
Form TakeForm(std::string& text) {
    static const struct {
        const char* word;
        Form form;
    } kWords[] = {
        {"peak-to-peak", Form::Pp}, {"pk-pk", Form::Pp}, {"p-p", Form::Pp}, {"da", Form::Pp},
        {"zero-to-peak", Form::Zp}, {"0-pk", Form::Zp},  {"0-p", Form::Zp}, {"peak", Form::Zp},
    };
    const std::string lower = Lower(text);
    for (const auto& known : kWords) {
        const std::size_t at = lower.find(known.word);
        if (at == std::string::npos) continue;
        const std::size_t end = at + std::string(known.word).size();
        // Whole words only: "da" is not the "da" in "Hz data".
        const auto letter = [&](std::size_t i) { return std::isalpha(static_cast<unsigned char>(lower[i])) != 0; };
        if ((at > 0 && letter(at - 1)) || (end < lower.size() && letter(end))) continue;
        text = Trimmed(text.substr(0, at) + text.substr(end));
        return known.form;
    }
    return Form::None;
}

// The unit a header names: in brackets if any, else its last word.
std::string HeaderUnit(const std::string& header) {
    const std::size_t open = header.find_first_of("([");
    if (open != std::string::npos) {
        const std::size_t close = header.find_first_of(")]", open);
        return Trimmed(header.substr(open + 1, close == std::string::npos ? std::string::npos : close - open - 1));
    }
    const std::size_t blank = header.find_last_of(' ');
    return blank == std::string::npos ? header : header.substr(blank + 1);
}

struct Level {
    LevelKind kind = LevelKind::Acceleration;
    int unit = 0;  // into LevelUnits(kind)
    double number = 0.0;
};

// "0.5 g", or "0.5" in the header's unit; false with what is wrong.
bool ReadLevel(std::string cell, const std::string& headerUnit, Form headerForm, Level& level, std::string& problem) {
    Form form = TakeForm(cell);
    if (form == Form::None) form = headerForm;
    const std::string text = IsNumberText(cell) ? cell + " " + headerUnit : cell;
    if (IsNumberText(cell) && headerUnit.empty()) {
        problem =
            lang::Fill(lang::Tr("\"%1\" needs a unit, in the header or after the number (g, m/s, mm p-p...)"), {cell});
        return false;
    }
    for (const QuantityKind kind : {QuantityKind::Acceleration, QuantityKind::Velocity, QuantityKind::Length}) {
        Quantity quantity;
        std::string ignored;
        if (!ParseQuantityText(text, kind, quantity, ignored)) continue;
        if (kind == QuantityKind::Length && form == Form::None) {
            problem = lang::Fill(
                lang::Tr("say whether the displacement \"%1\" is p-p or 0-p, in the header or the cell"), {cell});
            return false;
        }
        level.kind = kind == QuantityKind::Acceleration ? LevelKind::Acceleration
                     : kind == QuantityKind::Velocity   ? LevelKind::Velocity
                     : form == Form::Pp                 ? LevelKind::DisplacementPp
                                                        : LevelKind::DisplacementZp;
        const std::vector<std::string>& units = LevelUnits(level.kind);
        level.unit = -1;
        for (std::size_t i = 0; i < units.size(); ++i) {
            if (units[i] == quantity.unit) level.unit = static_cast<int>(i);
        }
        level.number = quantity.number;
        if (level.unit < 0 || !(level.number > 0.0) || !std::isfinite(level.number)) break;
        return true;
    }
    problem =
        lang::Fill(lang::Tr("\"%1\" is not a level (an acceleration, velocity or displacement with its unit)"), {cell});
    return false;
}

struct Breakpoint {
    double frequency = 0.0;
    Level level;
};

std::string Number(double value) { return QuantityText(Quantity{value, ""}); }

SegmentFields SegmentAt(const std::string& from, const std::string& to, const Level& level) {
    SegmentFields segment;
    segment.from = from;
    segment.to = to;
    segment.kind = level.kind;
    segment.unit = level.unit;
    segment.value = Number(level.number);
    return segment;
}

}  // namespace

bool ReadBreakpointTable(std::string_view text, double gravity, std::vector<SegmentFields>& segments,
                         std::string& problem) {
    std::vector<Breakpoint> points;
    std::string headerUnit;
    Form headerForm = Form::None;
    std::size_t lineNumber = 0;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        const std::string line(text.substr(start, end - start));
        start = end + 1;
        ++lineNumber;
        std::vector<std::string> cells = Cells(line);
        if (cells.empty()) continue;
        const std::string where = lang::Fill(lang::Tr("Line %1: "), {std::to_string(lineNumber)});
        if (cells.size() != 2) {
            problem = where + lang::Fill(lang::Tr("a breakpoint table has two columns, frequency and level; this "
                                                  "line has %1"),
                                         {std::to_string(cells.size())});
            return false;
        }
        std::string frequency = cells[0];
        if (Lower(frequency).size() > 2 && Lower(frequency).compare(frequency.size() - 2, 2, "hz") == 0) {
            frequency = Trimmed(frequency.substr(0, frequency.size() - 2));
        }
        if (!IsNumberText(frequency)) {
            if (points.empty() && headerUnit.empty() && headerForm == Form::None) {  // the header
                headerForm = TakeForm(cells[1]);
                headerUnit = HeaderUnit(cells[1]);
                continue;
            }
            problem = where + lang::Fill(lang::Tr("\"%1\" is not a frequency in Hz"), {cells[0]});
            return false;
        }
        Breakpoint point;
        point.frequency = halvex::ParseNumber(frequency);
        if (!(point.frequency > 0.0) || !std::isfinite(point.frequency)) {
            problem = where + lang::Tr("a frequency must be positive");
            return false;
        }
        if (!points.empty() && !(point.frequency > points.back().frequency)) {
            problem = where + lang::Tr("the frequencies must rise from line to line");
            return false;
        }
        if (!ReadLevel(cells[1], headerUnit, headerForm, point.level, problem)) {
            problem.insert(0, where);
            return false;
        }
        points.push_back(point);
    }
    if (points.size() < 2) {
        problem = lang::Tr("a breakpoint table needs two breakpoints or more, a frequency and a level on each line");
        return false;
    }
    segments.clear();
    for (std::size_t i = 0; i + 1 < points.size(); ++i) {
        const Breakpoint& a = points[i];
        const Breakpoint& b = points[i + 1];
        const std::string from = Number(a.frequency);
        const std::string to = Number(b.frequency);
        if (a.level.kind != b.level.kind) {
            segments.push_back(SegmentAt(from, "auto", a.level));
            segments.push_back(SegmentAt("auto", to, b.level));
            continue;
        }
        SegmentFields segment = SegmentAt(from, to, a.level);
        const QuantityKind kind = LevelQuantityKind(a.level.kind);
        const std::vector<std::string>& units = LevelUnits(a.level.kind);
        // The end in the segment's unit, converted when its line gave another.
        const double end = a.level.unit == b.level.unit
                               ? b.level.number
                               : ToSi(Quantity{b.level.number, units[b.level.unit]}, kind, gravity) /
                                     ToSi(Quantity{1.0, units[a.level.unit]}, kind, gravity);
        if (end != a.level.number) segment.endValue = Number(end);
        segments.push_back(segment);
    }
    return true;
}

}  // namespace planner
