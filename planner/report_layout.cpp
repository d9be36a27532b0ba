#include <algorithm>
#include <memory>
#include <string>
#include <utility>
#include <vector>

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

// Drops whole characters from the end until the text and an ellipsis fit.
std::string CutToWidth(const std::string& text, double width, double size) {
    if (draw::TextWidth(text, size) <= width) return text;
    std::string cut = text;
    while (!cut.empty() && draw::TextWidth(cut + kEllipsis, size) > width) {
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
        if (!line.empty() && draw::TextWidth(joined, size) > width) {
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
            if (!piece.empty() && draw::TextWidth(piece + character, size) > width) {
                broken.push_back(piece);
                piece.clear();
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
        least.push_back(kBoldWidth * draw::TextWidth(columns[i].title, kTableSize) + 2.0 * kCellPadding);
        double most = least.back();
        for (const auto& row : rows) {
            if (i < row.size()) most = std::max(most, draw::TextWidth(row[i], kTableSize) + 2.0 * kCellPadding);
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
                Heading(heading + " (continued)");
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
            foot(Left(), options.printedDate.empty() ? std::string() : "Printed " + options.printedDate,
                 TextAnchor::Start);
            foot(Left() + Width() / 2.0, "Halvex " + options.version, TextAnchor::Middle);
            foot(Left() + Width(), "Page " + std::to_string(i + 1) + " of " + std::to_string(count), TextAnchor::End);
        }
        return std::move(m_report);
    }

private:
    draw::PaperSize m_size;
    draw::PagedDocument m_report;
    double m_y = kMargin;
};

std::string Words(const char* name) {
    std::string text = name;
    std::replace(text.begin(), text.end(), '_', ' ');
    return text;
}

std::string LevelText(const Segment& segment) {
    std::string text;
    for (std::size_t i = 0; i < segment.values.size(); ++i) {
        text += (i == 0 ? "" : " to ") + QuantityText(segment.values[i]);
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
        {"Specimen", or_(info.specimen)},
        {"Customer", or_(info.customer)},
        {"Standard", or_(info.reference)},
        {"Author", or_(info.author)},
        {"Revision", or_(info.revision)},
        {"Date of issue", options.printedDate},
        {"Plan file", options.fileName.empty() ? "Untitled" : options.fileName},
        {"Gravity", ShownGravity(document.GravitySi()) + " m/s^2"},
    };
    const double half = layout.Width() / 2.0;
    double labelWidth = 0.0;
    for (const auto& pair : pairs) {
        labelWidth = std::max(labelWidth, kBoldWidth * draw::TextWidth(pair.first, kBodySize) + 8.0);
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
            rows.push_back({first ? std::to_string(i + 1) : "", first ? LevelWords(s.kind) : "", first ? level : "",
                            ShownNumber(f), ShownNumber(u.length.Of(m.displacementPp)),
                            ShownNumber(u.velocity.Of(m.velocity)), ShownNumber(u.acceleration.Of(m.acceleration)),
                            first && s.ramp ? ShownNumber(s.slopeDbPerOctave) : ""});
        };
        row(s.from, s.start, true);
        row(s.to, s.end, false);
    }
    layout.Table("Profile",
                 {{"Segment", TextAnchor::End},
                  {"Level", TextAnchor::Start, true},
                  {"As written", TextAnchor::Start, true},
                  {"Hz", TextAnchor::End},
                  {"Disp. p-p (" + u.length.symbol + ")", TextAnchor::End},
                  {"Vel. (" + u.velocity.symbol + ")", TextAnchor::End},
                  {"Accel. (" + u.acceleration.symbol + ")", TextAnchor::End},
                  {"dB/oct", TextAnchor::End}},
                 rows);
    if (!profile.crossovers.empty()) {
        std::string text = "Crossovers:";
        for (std::size_t i = 0; i < profile.crossovers.size(); ++i) {
            text += (i == 0 ? " " : ", ") + ShownNumber(profile.crossovers[i]) + " Hz";
        }
        layout.Paragraph(text, TextRole::Body, kBodySize);
    }
    layout.Paragraph("Peak displacement " + ShownNumber(u.length.Of(profile.displacementPp.value)) + ' ' +
                         u.length.symbol + " p-p at " + ShownNumber(profile.displacementPp.frequency) +
                         " Hz; peak velocity " + ShownNumber(u.velocity.Of(profile.velocity.value)) + ' ' +
                         u.velocity.symbol + " at " + ShownNumber(profile.velocity.frequency) +
                         " Hz; peak acceleration " + ShownNumber(u.acceleration.Of(profile.acceleration.value)) + ' ' +
                         u.acceleration.symbol + " at " + ShownNumber(profile.acceleration.frequency) + " Hz.",
                     TextRole::Body, kBodySize);
    for (const ProfileWarning& warning : profile.warnings) {
        layout.Paragraph("Warning: " + warning.message, TextRole::Warning, kBodySize);
    }
}

std::string RunLevelText(const PlanDocument& document, std::size_t index, const PlanOutcome& outcome) {
    if (!outcome.sequence || !outcome.sequence->fromDocument || !document.sequence ||
        index >= document.sequence->size()) {
        return "the profile";
    }
    const Run& run = (*document.sequence)[index];
    if (run.kind == RunKind::Sweep) return "the profile";
    switch (run.level.source) {
        case RunLevel::Source::Profile:
            return "the profile";
        case RunLevel::Source::Fraction:
            return ShownNumber(run.level.fraction * 100.0) + " % of the profile";
        case RunLevel::Source::Own:
            break;
    }
    return std::string(LevelWords(run.level.kind)) + ' ' + QuantityText(run.level.value);
}

std::string RunFrequencies(const RunResult& run) {
    switch (run.kind) {
        case RunKind::Sweep:
        case RunKind::Search:
            return ShownNumber(run.sweep.lowest) + " to " + ShownNumber(run.sweep.highest);
        case RunKind::Dwell:
            return run.resonances > 0 ? "resonances" : ShownNumber(run.frequency);
        case RunKind::Stepped:
            break;
    }
    return run.frequencies.empty()
               ? std::string()
               : ShownNumber(run.frequencies.front()) + " to " + ShownNumber(run.frequencies.back());
}

void AddSequence(Layout& layout, const PlanDocument& document, const PlanOutcome& outcome) {
    if (outcome.sweep) {
        const SweepResult& sweep = *outcome.sweep;
        const std::string rate =
            ShownNumber(sweep.rate * 60.0) + (sweep.type == SweepType::Log ? " oct/min" : " Hz/min");
        layout.Table("Endurance sweep", {{"Sweep"}, {""}},
                     {{"Type and rate", std::string(sweep.type == SweepType::Log ? "log, " : "linear, ") + rate},
                      {"Frequencies (Hz)", ShownNumber(sweep.lowest) + " to " + ShownNumber(sweep.highest)},
                      {"Octaves", ShownNumber(sweep.octaves)},
                      {"Time per pass", ShownDuration(sweep.passTime)},
                      {"Cycles per pass", ShownCount(sweep.cyclesPerPass)},
                      {"Passes per axis", ShownNumber(sweep.passesPerAxis)},
                      {"Time per axis", ShownDuration(sweep.axisTime)},
                      {"Total time", ShownDuration(sweep.totalTime)}});
    }
    if (!outcome.sequence) return;
    const SequenceResult& sequence = *outcome.sequence;
    std::vector<std::vector<std::string>> rows;
    for (std::size_t i = 0; i < sequence.runs.size(); ++i) {
        const RunResult& run = sequence.runs[i];
        rows.push_back({std::to_string(i + 1), RunLabel(run.kind), RunDetails(run), RunFrequencies(run),
                        RunLevelText(document, i, outcome), ShownDuration(run.time),
                        run.cyclesKnown ? ShownCount(run.cycles) : "-"});
    }
    layout.Table("Sequence, on each axis",
                 {{"Run", TextAnchor::End},
                  {"Kind", TextAnchor::Start, true},
                  {"What it does", TextAnchor::Start, true},
                  {"Hz", TextAnchor::End},
                  {"Level", TextAnchor::Start, true},
                  {"Time per axis", TextAnchor::End},
                  {"Cycles per axis", TextAnchor::End}},
                 rows);
    if (sequence.dwellTime > 0.0) {
        layout.Paragraph("The sweep's own dwells per axis: " + ShownDuration(sequence.dwellTime), TextRole::Body,
                         kBodySize);
    }
    layout.Paragraph("Test time per axis: " + ShownDuration(sequence.axisTime), TextRole::Body, kBodySize, true);
    layout.Paragraph("Test time over " + Counted(ShownNumber(sequence.axes), "axis", "axes") + ": " +
                         ShownDuration(sequence.totalTime),
                     TextRole::Body, kBodySize, true);
}

void AddChecks(Layout& layout, const std::string& heading, const ShakerResult& shaker, const ResultUnits& u) {
    const ShakerCheck* binding = BindingCheck(shaker);
    std::vector<std::vector<std::string>> rows;
    for (const ShakerCheck& c : shaker.checks) {
        const ResultUnit& unit = LimitUnit(u, c.limit);
        std::string verdict = c.ok ? "holds" : "FAILS";
        if (&c == binding) verdict += ", binds";
        rows.push_back({Words(LimitName(c.limit)), ShownNumber(unit.Of(c.required)), ShownNumber(unit.Of(c.rated)),
                        ShownNumber(unit.Of(c.available)), unit.symbol, ShownNumber(c.margin),
                        c.frequency ? ShownNumber(*c.frequency) : "", c.run ? std::to_string(*c.run + 1) : "",
                        verdict});
    }
    layout.Table(heading,
                 {{"Limit"},
                  {"Required", TextAnchor::End},
                  {"Rated", TextAnchor::End},
                  {"Usable", TextAnchor::End},
                  {"Unit"},
                  {"Margin", TextAnchor::End},
                  {"At Hz", TextAnchor::End},
                  {"Run", TextAnchor::End},
                  {"Verdict"}},
                 rows);
}

void AddEquipment(Layout& layout, const PlanDocument& document, const PlanOutcome& outcome, const LabDocument* lab,
                  const ResultUnits& u) {
    if (!document.shaker || !outcome.shaker) return;
    const ShakerSettings& settings = *document.shaker;
    const ShakerResult& shaker = *outcome.shaker;
    layout.Heading("Equipment");
    std::string line = "Shaker: " + settings.name.value_or("as given in the plan");
    if (settings.expander) line += "; expander: " + *settings.expander;
    if (settings.fixture) line += "; fixture: " + *settings.fixture;
    if (lab != nullptr && settings.name) line += " (from the library" + (lab->name ? " " + *lab->name : "") + ")";
    layout.Paragraph(line, TextRole::Body, kBodySize);
    if (shaker.movingMass) {
        layout.Paragraph("Moving mass " + ShownNumber(u.mass.Of(*shaker.movingMass)) + ' ' + u.mass.symbol,
                         TextRole::Body, kBodySize);
    }
    if (shaker.maxAcceleration) {
        layout.Paragraph("Highest acceleration " + ShownNumber(u.acceleration.Of(*shaker.maxAcceleration)) + ' ' +
                             u.acceleration.symbol + " (usable force over the moving mass)",
                         TextRole::Body, kBodySize);
    }
    if (!shaker.checks.empty()) AddChecks(layout, "Checks", shaker, u);
    for (std::size_t i = 0; i < shaker.axes.size() && i < settings.setups.size(); ++i) {
        const AxisSetup& setup = settings.setups[i];
        std::string name = "Axis " + std::to_string(i + 1);
        if (setup.axis) name += " (" + *setup.axis + ")";
        if (setup.expander) name += ", " + *setup.expander;
        if (setup.fixture) name += ", " + *setup.fixture;
        AddChecks(layout, name, shaker.axes[i], u);
    }
    for (const std::string& difference : outcome.labDifferences) {
        layout.Paragraph("The library differs: " + difference, TextRole::Warning, kBodySize);
    }
}

}  // namespace

std::string VerdictSentence(const PlanOutcome& outcome) {
    if (!outcome.shaker) return "No shaker is given: the plan is not checked against one.";
    const ShakerResult& shaker = *outcome.shaker;
    const ShakerCheck* binding = BindingCheck(shaker);
    if (binding == nullptr) return "The plan gives the shaker no limit to check.";
    std::string text = shaker.ok ? "The shaker can run this plan, binding on " : "The shaker cannot run this plan: ";
    text += Words(LimitName(binding->limit));
    if (!shaker.ok) text += " fails";
    if (binding->frequency) text += " at " + ShownNumber(*binding->frequency) + " Hz";
    return text + ", margin " + ShownNumber(binding->margin) + ".";
}

draw::PagedDocument LayOutReport(const PlanDocument& document, const PlanOutcome& outcome, const LabDocument* lab,
                                 const ReportOptions& options) {
    Layout layout(options.paper);
    layout.NewPage();
    const ResultUnits units = ResultUnitsOf(document);
    const std::string title = document.report && document.report->title && !document.report->title->empty()
                                  ? *document.report->title
                                  : std::string("Sine vibration test plan");
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
    layout.Heading("Chart");
    layout.Chart(chart, chartHeight);
    return layout.Finish(title, options);
}

}  // namespace planner
