#include <algorithm>
#include <iterator>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "lang/tr.h"
#include "planner/chart.h"
#include "planner/report.h"
#include "planner/result_text.h"
#include "planner/results_table.h"

namespace planner {
namespace {

using draw::PageItem;
using draw::PageItemKind;
using draw::TextRole;

constexpr double kMargin = 56.0;       // points, about 20 mm on every side
constexpr double kFooterRoom = 28.0;   // above the bottom margin: the foot's rule and line
constexpr double kCellPadding = 3.0;   // points each side of a cell's text
constexpr double kLineSpacing = 1.35;  // of the font size
constexpr double kBodySize = 10.0;
constexpr double kTableSize = 8.5;
constexpr double kHeadingSize = 13.0;
constexpr double kTitleSize = 18.0;
constexpr double kFooterSize = 8.0;
constexpr char kEllipsis[] = "\xE2\x80\xA6";

// Whether a code point is set full width: CJK ideographs, kana, hangul and
// their punctuation, the full-width forms.
bool IsWide(char32_t c) {
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0x303E) || (c >= 0x3041 && c <= 0x33FF) ||
           (c >= 0x3400 && c <= 0x4DBF) || (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0xA000 && c <= 0xA4CF) ||
           (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F) ||
           (c >= 0xFF00 && c <= 0xFF60) || (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
}

// draw::TextWidth's estimate, with at least the full em that a Chinese or
// Japanese character takes (an estimate made for Latin letters gives it
// about two thirds of one).
double TextWidth(const std::string& text, double size) {
    double width = draw::TextWidth(text, size);
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
        char32_t c = length == 1 ? lead : lead & (0x3F >> (length - 1));
        for (std::size_t k = 1; k < length && i + k < text.size(); ++k) {
            c = (c << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        }
        if (IsWide(c)) width += std::max(0.0, size - draw::TextWidth(text.substr(i, length), size));
        i += length;
    }
    return width;
}

// Punctuation that a line of Chinese or Japanese does not begin with.
bool NoLineStart(const std::string& character) {
    static const char* const kClosing[] = {"\xE3\x80\x81", "\xE3\x80\x82", "\xEF\xBC\x8C", "\xEF\xBC\x9A",
                                           "\xEF\xBC\x9B", "\xEF\xBC\x89", "\xE3\x80\x8D", "\xE3\x80\x8F",
                                           "\xEF\xBC\x81", "\xEF\xBC\x9F", "\xE3\x83\xBC"};
    return std::find(std::begin(kClosing), std::end(kClosing), character) != std::end(kClosing);
}

// Drops whole characters from the end until the text and an ellipsis fit.
std::string CutToWidth(const std::string& text, double width, double size) {
    if (TextWidth(text, size) <= width) return text;
    std::string cut = text;
    while (!cut.empty() && TextWidth(cut + kEllipsis, size) > width) {
        cut.pop_back();
        while (!cut.empty() && (static_cast<unsigned char>(cut.back()) & 0xc0) == 0x80) cut.pop_back();
        if (!cut.empty() && static_cast<unsigned char>(cut.back()) >= 0xc0) cut.pop_back();
    }
    return cut + kEllipsis;
}

// Lines of at most width, broken at blanks; a word longer than a line is cut.
std::vector<std::string> WrapToWidth(const std::string& text, double width, double size) {
    std::vector<std::string> lines;
    std::string line;
    std::size_t at = 0;
    while (at <= text.size()) {
        const std::size_t end = std::min(text.find_first_of(" \n", at), text.size());
        const std::string word = text.substr(at, end - at);
        std::string joined = line;
        if (!joined.empty()) joined += ' ';
        joined += word;
        if (!line.empty() && TextWidth(joined, size) > width) {
            lines.push_back(line);
            line = word;
        } else {
            line = joined;
        }
        if (end < text.size() && text[end] == '\n') {
            lines.push_back(line);
            line.clear();
        }
        at = end + 1;
    }
    if (!line.empty() || lines.empty()) lines.push_back(line);
    // A word wider than the line, such as a long file name, is broken
    // between characters rather than cut.
    std::vector<std::string> broken;
    for (const std::string& l : lines) {
        std::string piece;
        for (std::size_t i = 0; i < l.size();) {
            std::size_t next = i + 1;
            while (next < l.size() && (static_cast<unsigned char>(l[next]) & 0xC0) == 0x80) ++next;
            const std::string character = l.substr(i, next - i);
            if (!piece.empty() && TextWidth(piece + character, size) > width) {
                // A closing mark goes with the character before it to the
                // next line, as Chinese and Japanese type is set.
                std::string carried;
                if (NoLineStart(character) && piece.size() > 1) {
                    std::size_t last = piece.size() - 1;
                    while (last > 0 && (static_cast<unsigned char>(piece[last]) & 0xC0) == 0x80) --last;
                    if (last > 0) {
                        carried = piece.substr(last);
                        piece.erase(last);
                    }
                }
                broken.push_back(piece);
                piece = carried;
            }
            piece += character;
            i = next;
        }
        broken.push_back(piece);
    }
    return broken;
}

struct Column {
    std::string title;
    TextAnchor anchor = TextAnchor::Start;
    bool wrap = false;  // a text too wide goes on over more lines, not cut
};

constexpr double kBoldWidth = 1.1;  // a bold face is this much wider than TextWidth's

// Each column as wide as its widest text; then the columns share the
// width: spare room in proportion, and when there is too little, the
// widest columns cut down to one width that makes them fit, but never
// below their header's.
std::vector<double> ColumnWidths(const std::vector<Column>& columns, const std::vector<std::vector<std::string>>& rows,
                                 double width) {
    std::vector<double> natural;
    std::vector<double> least;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        least.push_back(kBoldWidth * TextWidth(columns[i].title, kTableSize) + 2.0 * kCellPadding);
        double most = least.back();
        for (const auto& row : rows) {
            if (i < row.size()) most = std::max(most, TextWidth(row[i], kTableSize) + 2.0 * kCellPadding);
        }
        natural.push_back(most);
    }
    double total = 0.0;
    double leastTotal = 0.0;
    for (std::size_t i = 0; i < natural.size(); ++i) {
        total += natural[i];
        leastTotal += least[i];
    }
    if (total <= width) {
        for (double& w : natural) w *= width / total;
        return natural;
    }
    if (leastTotal > width) std::fill(least.begin(), least.end(), 0.0);
    // The cap c for which the columns, each min(natural, c) but at least its
    // header, take the width; found by halving.
    const auto taken = [&](double cap) {
        double sum = 0.0;
        for (std::size_t i = 0; i < natural.size(); ++i) sum += std::max(least[i], std::min(natural[i], cap));
        return sum;
    };
    double low = 0.0;
    double high = width;
    for (int step = 0; step < 60; ++step) {
        const double mid = (low + high) / 2.0;
        (taken(mid) > width ? high : low) = mid;
    }
    for (std::size_t i = 0; i < natural.size(); ++i) natural[i] = std::max(least[i], std::min(natural[i], low));
    return natural;
}

// Places items down the pages from the top margin, starting a page when
// the next block does not fit above the foot.
class Layout {
public:
    explicit Layout(draw::Paper paper) : m_size(draw::SizeOf(paper)) { m_report.paper = paper; }

    double Left() const { return kMargin; }
    double Width() const { return m_size.width - 2.0 * kMargin; }
    double Bottom() const { return m_size.height - kMargin - kFooterRoom; }
    double Room() const { return Bottom() - m_y; }

    void NewPage() {
        m_report.pages.emplace_back();
        m_y = kMargin;
    }

    // Keeps the next height together: a new page when it does not fit.
    void Keep(double height) {
        if (m_report.pages.empty() || (m_y > kMargin && height > Room())) NewPage();
    }

    void Gap(double height) { m_y += height; }

    void Text(double x, double baseline, const std::string& text, TextRole role, double size, bool bold,
              TextAnchor anchor = TextAnchor::Start) {
        PageItem item;
        item.kind = PageItemKind::Text;
        item.text.x = x;
        item.text.y = baseline;
        item.text.text = text;
        item.text.role = role;
        item.text.size = size;
        item.text.bold = bold;
        item.text.anchor = anchor;
        item.text.colour = role == TextRole::Warning ? 0xa00000 : role == TextRole::Footer ? 0x555555 : 0;
        m_report.pages.back().items.push_back(std::move(item));
    }

    void Rule(double x0, double y0, double x1, double y1, double width) {
        PageItem item;
        item.kind = PageItemKind::Rule;
        item.rule = {x0, y0, x1, y1, width, 0x808080};
        m_report.pages.back().items.push_back(std::move(item));
    }

    // A paragraph wrapped to the text's width, each line where it fits.
    void Paragraph(const std::string& text, TextRole role, double size, bool bold = false) {
        for (const std::string& line : WrapToWidth(text, Width() / (bold ? kBoldWidth : 1.0), size)) {
            Keep(size * kLineSpacing);
            Text(Left(), m_y + size, line, role, size, bold);
            m_y += size * kLineSpacing;
        }
    }

    void Heading(const std::string& text) {
        // A heading stays with at least three lines of what follows it.
        Keep(kHeadingSize * 1.8 + 3.0 * kTableSize * 1.6);
        if (m_y > kMargin) m_y += 6.0;
        Text(Left(), m_y + kHeadingSize, text, TextRole::Heading, kHeadingSize, true);
        m_y += kHeadingSize * 1.8;
    }

    // A table split over pages, its header repeated on each; the texts cut
    // to their cells.
    void Table(const std::string& heading, const std::vector<Column>& columns,
               const std::vector<std::vector<std::string>>& rows) {
        const double rowHeight = kTableSize * 1.6;
        const std::vector<double> widths = ColumnWidths(columns, rows, Width());
        // A row as lines: the wrapping columns' texts over as many as
        // they need, the others cut to their cells.
        const auto lines = [&](const std::vector<std::string>& texts, bool header) {
            std::vector<std::vector<std::string>> cells(columns.size());
            std::size_t count = 1;
            for (std::size_t i = 0; i < columns.size(); ++i) {
                const std::string& text = i < texts.size() ? texts[i] : std::string();
                const double room = (widths[i] - 2.0 * kCellPadding) / (header ? kBoldWidth : 1.0);
                cells[i] = columns[i].wrap && !header ? WrapToWidth(text, room, kTableSize)
                                                      : std::vector<std::string>{CutToWidth(text, room, kTableSize)};
                count = std::max(count, cells[i].size());
            }
            return std::make_pair(cells, count);
        };
        // The heading stays with the header and the first row.
        Keep(kHeadingSize * 1.8 + 6.0 +
             rowHeight * static_cast<double>(1 + (rows.empty() ? 1 : lines(rows.front(), false).second)));
        Heading(heading);
        std::size_t next = 0;
        bool continued = false;
        while (next < rows.size() || !continued) {
            if (continued) {
                NewPage();
                Heading(lang::Fill(lang::TrC("report", "%1 (continued)"), {heading}));
            }
            Keep(rowHeight * static_cast<double>(1 + (next < rows.size() ? lines(rows[next], false).second : 1)));
            draw::PageTable table;
            table.size = kTableSize;
            table.top = m_y;
            double x = Left();
            for (const double w : widths) {
                table.columnLeft.push_back(x);
                table.columnWidth.push_back(w);
                x += w;
            }
            const auto add = [&](const std::vector<std::string>& texts, bool header) {
                const auto [cells, count] = lines(texts, header);
                for (std::size_t line = 0; line < count; ++line) {
                    draw::TableRow row;
                    row.header = header;
                    row.continued = line > 0;
                    row.baseline = m_y + rowHeight - 0.35 * kTableSize;
                    for (std::size_t i = 0; i < columns.size(); ++i) {
                        row.cells.push_back(
                            {line < cells[i].size() ? cells[i][line] : std::string(), columns[i].anchor, header});
                    }
                    table.rows.push_back(std::move(row));
                    m_y += rowHeight;
                }
            };
            std::vector<std::string> titles;
            titles.reserve(columns.size());
            for (const Column& c : columns) titles.push_back(c.title);
            add(titles, true);
            // A row's lines stay on one page.
            while (next < rows.size() && static_cast<double>(lines(rows[next], false).second) * rowHeight <= Room()) {
                add(rows[next++], false);
            }
            if (next < rows.size() && table.rows.size() == 1) {
                // Not even one row fits under the header on a fresh page: cut it there.
                add(rows[next++], false);
            }
            table.bottom = m_y;
            PageItem item;
            item.kind = PageItemKind::Table;
            item.table = std::move(table);
            m_report.pages.back().items.push_back(std::move(item));
            continued = true;
        }
        m_y += 6.0;
    }

    void Chart(std::shared_ptr<const draw::Chart> chart, double height) {
        Keep(height);
        PageItem item;
        item.kind = PageItemKind::Chart;
        item.chart = {Left(), m_y, Width(), height, std::move(chart)};
        m_report.pages.back().items.push_back(std::move(item));
        m_y += height + 6.0;
    }

    double& Y() { return m_y; }

    // The foot of every page: a rule, the date printed, the program and
    // "Page n of m".
    draw::PagedDocument Finish(const std::string& title, const ReportOptions& options) {
        m_report.title = title;
        const std::size_t count = m_report.pages.size();
        const double baseline = m_size.height - kMargin;
        for (std::size_t i = 0; i < count; ++i) {
            draw::Page& page = m_report.pages[i];
            PageItem rule;
            rule.kind = PageItemKind::Rule;
            rule.rule = {Left(), baseline - 12.0, Left() + Width(), baseline - 12.0, 0.5, 0x808080};
            page.items.push_back(rule);
            const auto foot = [&](double x, const std::string& text, TextAnchor anchor) {
                PageItem item;
                item.kind = PageItemKind::Text;
                item.text = {x,
                             baseline,
                             CutToWidth(text, Width() / 3.0, kFooterSize),
                             TextRole::Footer,
                             kFooterSize,
                             false,
                             anchor,
                             0x555555};
                page.items.push_back(std::move(item));
            };
            foot(Left(),
                 options.printedDate.empty() ? std::string()
                                             : lang::Fill(lang::TrC("report", "Printed %1"), {options.printedDate}),
                 TextAnchor::Start);
            foot(Left() + Width() / 2.0, "Halvex " + options.version, TextAnchor::Middle);
            foot(Left() + Width(),
                 lang::Fill(lang::TrC("report", "Page %1 of %2"), {std::to_string(i + 1), std::to_string(count)}),
                 TextAnchor::End);
        }
        return std::move(m_report);
    }

private:
    draw::PaperSize m_size;
    draw::PagedDocument m_report;
    double m_y = kMargin;
};

// "A to B": two frequencies or levels of a range.
std::string Range(const std::string& from, const std::string& to) {
    return lang::Fill(lang::TrC("report", "%1 to %2"), {from, to});
}

std::string LevelText(const Segment& segment) {
    std::string text;
    for (std::size_t i = 0; i < segment.values.size(); ++i) {
        text = i == 0 ? QuantityText(segment.values[i]) : Range(text, QuantityText(segment.values[i]));
    }
    return text;
}

// Title, then the title block as pairs in two columns.
void AddTitleBlock(Layout& layout, const PlanDocument& document, const ReportOptions& options,
                   const std::string& title) {
    layout.Keep(kTitleSize * 2.0);
    for (const std::string& line : WrapToWidth(title, layout.Width() / kBoldWidth, kTitleSize)) {
        layout.Text(layout.Left(), layout.Y() + kTitleSize, line, TextRole::Title, kTitleSize, true);
        layout.Gap(kTitleSize * 1.3);
    }
    layout.Gap(6.0);
    const ReportInfo info = document.report.value_or(ReportInfo{});
    const auto or_ = [](const std::optional<std::string>& text) { return text.value_or(""); };
    const std::vector<std::pair<std::string, std::string>> pairs{
        {lang::TrC("report", "Specimen"), or_(info.specimen)},
        {lang::TrC("report", "Customer"), or_(info.customer)},
        {lang::TrC("report", "Standard"), or_(info.reference)},
        {lang::TrC("report", "Author"), or_(info.author)},
        {lang::TrC("report", "Revision"), or_(info.revision)},
        {lang::TrC("report", "Date of issue"), options.printedDate},
        {lang::TrC("report", "Plan file"),
         options.fileName.empty() ? lang::TrC("report", "Untitled") : options.fileName},
        {lang::TrC("report", "Gravity"), ShownGravity(document.GravitySi()) + " m/s^2"},
    };
    const double half = layout.Width() / 2.0;
    double labelWidth = 0.0;
    for (const auto& pair : pairs) {
        labelWidth = std::max(labelWidth, kBoldWidth * TextWidth(pair.first, kBodySize) + 8.0);
    }
    const double top = layout.Y();
    layout.Rule(layout.Left(), top, layout.Left() + layout.Width(), top, 0.75);
    layout.Gap(4.0);
    // Values wrap in their half of the line, at most four lines each.
    constexpr std::size_t kMostLines = 4;
    for (std::size_t i = 0; i < pairs.size(); i += 2) {
        std::size_t height = 1;
        for (std::size_t j = i; j < i + 2 && j < pairs.size(); ++j) {
            const double x = layout.Left() + static_cast<double>(j - i) * half;
            const double room = half - labelWidth - 6.0;
            std::vector<std::string> lines = WrapToWidth(pairs[j].second, room, kBodySize);
            if (lines.size() > kMostLines) {
                lines.resize(kMostLines);
                lines.back() = CutToWidth(lines.back() + kEllipsis, room, kBodySize);
            }
            layout.Text(x, layout.Y() + kBodySize, pairs[j].first, TextRole::Label, kBodySize, true);
            for (std::size_t k = 0; k < lines.size(); ++k) {
                layout.Text(x + labelWidth, layout.Y() + kBodySize + static_cast<double>(k) * kBodySize * kLineSpacing,
                            lines[k], TextRole::Value, kBodySize, false);
            }
            height = std::max(height, lines.size());
        }
        layout.Gap(static_cast<double>(height) * kBodySize * kLineSpacing);
    }
    layout.Gap(2.0);
    layout.Rule(layout.Left(), layout.Y(), layout.Left() + layout.Width(), layout.Y(), 0.75);
    layout.Gap(10.0);
}

void AddProfile(Layout& layout, const PlanDocument& document, const ResolvedProfile& profile, const ResultUnits& u) {
    std::vector<std::vector<std::string>> rows;
    for (std::size_t i = 0; i < profile.segments.size(); ++i) {
        const ResolvedSegment& s = profile.segments[i];
        const std::string level = i < document.profile.size() ? LevelText(document.profile[i]) : std::string();
        const auto row = [&](double f, const Motion& m, bool first) {
            rows.push_back({first ? std::to_string(i + 1) : "", first ? ReportLevelWords(s.kind) : "",
                            first ? level : "", ShownNumber(f), ShownNumber(u.length.Of(m.displacementPp)),
                            ShownNumber(u.velocity.Of(m.velocity)), ShownNumber(u.acceleration.Of(m.acceleration)),
                            first && s.ramp ? ShownNumber(s.slopeDbPerOctave) : ""});
        };
        row(s.from, s.start, true);
        row(s.to, s.end, false);
    }
    layout.Table(lang::TrC("report", "Profile"),
                 {{lang::TrC("report", "Segment"), TextAnchor::End},
                  {lang::TrC("report", "Level"), TextAnchor::Start, true},
                  {lang::TrC("report", "As written"), TextAnchor::Start, true},
                  {"Hz", TextAnchor::End},
                  {lang::Fill(lang::TrC("report", "Disp. p-p (%1)"), {u.length.symbol}), TextAnchor::End},
                  {lang::Fill(lang::TrC("report", "Vel. (%1)"), {u.velocity.symbol}), TextAnchor::End},
                  {lang::Fill(lang::TrC("report", "Accel. (%1)"), {u.acceleration.symbol}), TextAnchor::End},
                  {"dB/oct", TextAnchor::End}},
                 rows);
    if (!profile.crossovers.empty()) {
        std::string list;
        for (std::size_t i = 0; i < profile.crossovers.size(); ++i) {
            list += (i == 0 ? "" : ", ") + ShownNumber(profile.crossovers[i]) + " Hz";
        }
        layout.Paragraph(lang::Fill(lang::TrC("report", "Crossovers: %1"), {list}), TextRole::Body, kBodySize);
    }
    layout.Paragraph(
        lang::Fill(lang::TrC("report",
                             "Peak displacement %1 %2 p-p at %3 Hz; peak velocity %4 %5 at %6 Hz; peak acceleration "
                             "%7 %8 at %9 Hz."),
                   {ShownNumber(u.length.Of(profile.displacementPp.value)), u.length.symbol,
                    ShownNumber(profile.displacementPp.frequency), ShownNumber(u.velocity.Of(profile.velocity.value)),
                    u.velocity.symbol, ShownNumber(profile.velocity.frequency),
                    ShownNumber(u.acceleration.Of(profile.acceleration.value)), u.acceleration.symbol,
                    ShownNumber(profile.acceleration.frequency)}),
        TextRole::Body, kBodySize);
    for (const ProfileWarning& warning : profile.warnings) {
        layout.Paragraph(lang::Fill(lang::TrC("report", "Warning: %1"), {warning.message}), TextRole::Warning,
                         kBodySize);
    }
}

std::string RunLevelText(const PlanDocument& document, std::size_t index, const PlanOutcome& outcome) {
    if (!outcome.sequence || !outcome.sequence->fromDocument || !document.sequence ||
        index >= document.sequence->size()) {
        return lang::TrC("report", "the profile");
    }
    const Run& run = (*document.sequence)[index];
    if (run.kind == RunKind::Sweep) return lang::TrC("report", "the profile");
    switch (run.level.source) {
        case RunLevel::Source::Profile:
            return lang::TrC("report", "the profile");
        case RunLevel::Source::Fraction:
            return lang::Fill(lang::TrC("report", "%1 % of the profile"), {ShownNumber(run.level.fraction * 100.0)});
        case RunLevel::Source::Own:
            break;
    }
    return std::string(ReportLevelWords(run.level.kind)) + ' ' + QuantityText(run.level.value);
}

std::string RunFrequencies(const RunResult& run) {
    switch (run.kind) {
        case RunKind::Sweep:
        case RunKind::Search:
            return Range(ShownNumber(run.sweep.lowest), ShownNumber(run.sweep.highest));
        case RunKind::Dwell:
            return run.resonances > 0 ? lang::TrC("report", "resonances") : ShownNumber(run.frequency);
        case RunKind::Stepped:
            break;
    }
    return run.frequencies.empty() ? std::string()
                                   : Range(ShownNumber(run.frequencies.front()), ShownNumber(run.frequencies.back()));
}

void AddSequence(Layout& layout, const PlanDocument& document, const PlanOutcome& outcome) {
    if (outcome.sweep) {
        const SweepResult& sweep = *outcome.sweep;
        const std::string rate =
            ShownNumber(sweep.rate * 60.0) + (sweep.type == SweepType::Log ? " oct/min" : " Hz/min");
        layout.Table(
            lang::TrC("report", "Endurance sweep"), {{lang::TrC("report", "Sweep")}, {""}},
            {{lang::TrC("report", "Type and rate"),
              lang::Fill(
                  sweep.type == SweepType::Log ? lang::TrC("report", "log, %1") : lang::TrC("report", "linear, %1"),
                  {rate})},
             {lang::TrC("report", "Frequencies (Hz)"), Range(ShownNumber(sweep.lowest), ShownNumber(sweep.highest))},
             {lang::TrC("report", "Octaves"), ShownNumber(sweep.octaves)},
             {lang::TrC("report", "Time per pass"), ShownDuration(sweep.passTime)},
             {lang::TrC("report", "Cycles per pass"), ShownCount(sweep.cyclesPerPass)},
             {lang::TrC("report", "Passes per axis"), ShownNumber(sweep.passesPerAxis)},
             {lang::TrC("report", "Time per axis"), ShownDuration(sweep.axisTime)},
             {lang::TrC("report", "Total time"), ShownDuration(sweep.totalTime)}});
    }
    if (!outcome.sequence) return;
    const SequenceResult& sequence = *outcome.sequence;
    std::vector<std::vector<std::string>> rows;
    for (std::size_t i = 0; i < sequence.runs.size(); ++i) {
        const RunResult& run = sequence.runs[i];
        rows.push_back({std::to_string(i + 1), ReportRunWords(run.kind), RunDetails(run), RunFrequencies(run),
                        RunLevelText(document, i, outcome), ShownDuration(run.time),
                        run.cyclesKnown ? ShownCount(run.cycles) : "-"});
    }
    layout.Table(lang::TrC("report", "Sequence, on each axis"),
                 {{lang::TrC("report", "Run"), TextAnchor::End},
                  {lang::TrC("report", "Kind"), TextAnchor::Start, true},
                  {lang::TrC("report", "What it does"), TextAnchor::Start, true},
                  {"Hz", TextAnchor::End},
                  {lang::TrC("report", "Level"), TextAnchor::Start, true},
                  {lang::TrC("report", "Time per axis"), TextAnchor::End},
                  {lang::TrC("report", "Cycles per axis"), TextAnchor::End}},
                 rows);
    if (sequence.dwellTime > 0.0) {
        layout.Paragraph(
            lang::Fill(lang::TrC("report", "The sweep's own dwells per axis: %1"), {ShownDuration(sequence.dwellTime)}),
            TextRole::Body, kBodySize);
    }
    layout.Paragraph(lang::Fill(lang::TrC("report", "Test time per axis: %1"), {ShownDuration(sequence.axisTime)}),
                     TextRole::Body, kBodySize, true);
    // The count of axes as shown: "1 axis", "3 axes", "1.5 axes".
    const std::string axes = ShownNumber(sequence.axes);
    layout.Paragraph(lang::Fill(axes == "1" ? lang::TrC("report", "Test time over %1 axis: %2")
                                            : lang::TrC("report", "Test time over %1 axes: %2"),
                                {axes, ShownDuration(sequence.totalTime)}),
                     TextRole::Body, kBodySize, true);
}

void AddChecks(Layout& layout, const std::string& heading, const ShakerResult& shaker, const ResultUnits& u) {
    const ShakerCheck* binding = BindingCheck(shaker);
    std::vector<std::vector<std::string>> rows;
    for (const ShakerCheck& c : shaker.checks) {
        const ResultUnit& unit = LimitUnit(u, c.limit);
        const char* verdict = c.ok ? lang::TrC("report", "holds") : lang::TrC("report", "FAILS");
        if (&c == binding) verdict = c.ok ? lang::TrC("report", "holds, binds") : lang::TrC("report", "FAILS, binds");
        rows.push_back({ReportLimitWords(c.limit), ShownNumber(unit.Of(c.required)), ShownNumber(unit.Of(c.rated)),
                        ShownNumber(unit.Of(c.available)), unit.symbol, ShownNumber(c.margin),
                        c.frequency ? ShownNumber(*c.frequency) : "", c.run ? std::to_string(*c.run + 1) : "",
                        verdict});
    }
    layout.Table(heading,
                 {{lang::TrC("report", "Limit")},
                  {lang::TrC("report", "Required"), TextAnchor::End},
                  {lang::TrC("report", "Rated"), TextAnchor::End},
                  {lang::TrC("report", "Usable"), TextAnchor::End},
                  {lang::TrC("report", "Unit")},
                  {lang::TrC("report", "Margin"), TextAnchor::End},
                  {lang::TrC("report", "At Hz"), TextAnchor::End},
                  {lang::TrC("report", "Run"), TextAnchor::End},
                  {lang::TrC("report", "Verdict")}},
                 rows);
}

void AddEquipment(Layout& layout, const PlanDocument& document, const PlanOutcome& outcome, const LabDocument* lab,
                  const ResultUnits& u) {
    if (!document.shaker || !outcome.shaker) return;
    const ShakerSettings& settings = *document.shaker;
    const ShakerResult& shaker = *outcome.shaker;
    layout.Heading(lang::TrC("report", "Equipment"));
    std::string line = lang::Fill(lang::TrC("report", "Shaker: %1"),
                                  {settings.name.value_or(lang::TrC("report", "as given in the plan"))});
    if (settings.expander) line += lang::Fill(lang::TrC("report", "; expander: %1"), {*settings.expander});
    if (settings.fixture) line += lang::Fill(lang::TrC("report", "; fixture: %1"), {*settings.fixture});
    if (lab != nullptr && settings.name) {
        line += lab->name ? lang::Fill(lang::TrC("report", " (from the library %1)"), {*lab->name})
                          : std::string(lang::TrC("report", " (from the library)"));
    }
    layout.Paragraph(line, TextRole::Body, kBodySize);
    if (shaker.movingMass) {
        layout.Paragraph(lang::Fill(lang::TrC("report", "Moving mass %1 %2"),
                                    {ShownNumber(u.mass.Of(*shaker.movingMass)), u.mass.symbol}),
                         TextRole::Body, kBodySize);
    }
    if (shaker.maxAcceleration) {
        layout.Paragraph(
            lang::Fill(lang::TrC("report", "Highest acceleration %1 %2 (usable force over the moving mass)"),
                       {ShownNumber(u.acceleration.Of(*shaker.maxAcceleration)), u.acceleration.symbol}),
            TextRole::Body, kBodySize);
    }
    if (!shaker.checks.empty()) AddChecks(layout, lang::TrC("report", "Checks"), shaker, u);
    for (std::size_t i = 0; i < shaker.axes.size() && i < settings.setups.size(); ++i) {
        const AxisSetup& setup = settings.setups[i];
        std::string name = lang::Fill(lang::TrC("report", "Axis %1"), {std::to_string(i + 1)});
        if (setup.axis) name += " (" + *setup.axis + ")";
        if (setup.expander) name += ", " + *setup.expander;
        if (setup.fixture) name += ", " + *setup.fixture;
        AddChecks(layout, name, shaker.axes[i], u);
    }
    for (const std::string& difference : outcome.labDifferences) {
        layout.Paragraph(lang::Fill(lang::TrC("report", "The library differs: %1"), {difference}), TextRole::Warning,
                         kBodySize);
    }
}

}  // namespace

// A shaker's limit as the report names it: "frequency range".
const char* ReportLimitWords(LimitKind kind) {
    switch (kind) {
        case LimitKind::Force:
            return lang::TrC("report", "force");
        case LimitKind::Stroke:
            return lang::TrC("report", "stroke");
        case LimitKind::Velocity:
            return lang::TrC("report", "velocity");
        case LimitKind::Acceleration:
            return lang::TrC("report", "acceleration");
        case LimitKind::Payload:
            return lang::TrC("report", "payload");
        case LimitKind::FrequencyRange:
            return lang::TrC("report", "frequency range");
        case LimitKind::ExpanderResonance:
            return lang::TrC("report", "expander resonance");
        case LimitKind::FixtureResonance:
            break;
    }
    return lang::TrC("report", "fixture resonance");
}

// A level's kind, as LevelWords names it, in the report's language.
const char* ReportLevelWords(LevelKind kind) {
    switch (kind) {
        case LevelKind::DisplacementPp:
            return lang::TrC("report", "displacement p-p");
        case LevelKind::DisplacementZp:
            return lang::TrC("report", "displacement 0-p");
        case LevelKind::Velocity:
            return lang::TrC("report", "velocity");
        case LevelKind::Acceleration:
            break;
    }
    return lang::TrC("report", "acceleration");
}

// A run's kind, as RunLabel names it, in the report's language.
const char* ReportRunWords(RunKind kind) {
    switch (kind) {
        case RunKind::Sweep:
            return lang::TrC("report", "endurance sweep");
        case RunKind::Search:
            return lang::TrC("report", "resonance search");
        case RunKind::Dwell:
            return lang::TrC("report", "dwell");
        case RunKind::Stepped:
            break;
    }
    return lang::TrC("report", "stepped sine");
}

std::string VerdictSentence(const PlanOutcome& outcome) {
    if (!outcome.shaker) return lang::TrC("report", "No shaker is given: the plan is not checked against one.");
    const ShakerResult& shaker = *outcome.shaker;
    const ShakerCheck* binding = BindingCheck(shaker);
    if (binding == nullptr) return lang::TrC("report", "The plan gives the shaker no limit to check.");
    // One whole sentence per case, so that each language orders its parts.
    const std::string limit = ReportLimitWords(binding->limit);
    const std::string margin = ShownNumber(binding->margin);
    if (binding->frequency) {
        const std::string at = ShownNumber(*binding->frequency);
        return shaker.ok
                   ? lang::Fill(lang::TrC("report", "The shaker can run this plan, binding on %1 at %2 Hz, margin %3."),
                                {limit, at, margin})
                   : lang::Fill(lang::TrC("report", "The shaker cannot run this plan: %1 fails at %2 Hz, margin %3."),
                                {limit, at, margin});
    }
    return shaker.ok ? lang::Fill(lang::TrC("report", "The shaker can run this plan, binding on %1, margin %2."),
                                  {limit, margin})
                     : lang::Fill(lang::TrC("report", "The shaker cannot run this plan: %1 fails, margin %2."),
                                  {limit, margin});
}

draw::PagedDocument LayOutReport(const PlanDocument& document, const PlanOutcome& outcome, const LabDocument* lab,
                                 const ReportOptions& options) {
    Layout layout(options.paper);
    layout.NewPage();
    const ResultUnits units = ResultUnitsOf(document);
    const std::string title = document.report && document.report->title && !document.report->title->empty()
                                  ? *document.report->title
                                  : std::string(lang::TrC("report", "Sine vibration test plan"));
    AddTitleBlock(layout, document, options, title);
    layout.Paragraph(VerdictSentence(outcome), TextRole::Verdict, 12.0, true);
    if (document.report && document.report->notes) {
        layout.Gap(4.0);
        layout.Paragraph(*document.report->notes, TextRole::Body, kBodySize);
    }
    // What the shaker is asked and what it gives come first, beside the
    // verdict; the chart, which needs half a page, after the times.
    AddProfile(layout, document, outcome.profile, units);
    AddEquipment(layout, document, outcome, lab, units);
    AddSequence(layout, document, outcome);

    // The chart as the window draws it, half a page and more.
    auto chart = std::make_shared<draw::Chart>();
    DrawChart(document, outcome, *chart);
    const double chartHeight = std::max(0.75 * layout.Width(), draw::SizeOf(options.paper).height / 2.0);
    layout.Keep(kHeadingSize * 1.8 + 6.0 + chartHeight);
    layout.Heading(lang::TrC("report", "Chart"));
    layout.Chart(chart, chartHeight);
    return layout.Finish(title, options);
}

}  // namespace planner
