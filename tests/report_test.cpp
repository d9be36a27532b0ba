#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "lang/tr.h"
#include "planner/plan.h"
#include "planner/report.h"
#include "tests/planner_example.h"

namespace {

using draw::PageItemKind;

// Every text a reader sees on a page, table cells included, a line each.
std::string PageTexts(const draw::Page& page) {
    std::string text;
    for (const draw::PageItem& item : page.items) {
        if (item.kind == PageItemKind::Text) text += item.text.text + '\n';
        if (item.kind != PageItemKind::Table) continue;
        for (const draw::TableRow& row : item.table.rows) {
            for (const draw::TableCell& cell : row.cells) text += cell.text + '\t';
            text += '\n';
        }
    }
    return text;
}

// What falls outside the paper, or outside its table cell; empty when nothing.
std::string Overflow(const draw::PagedDocument& report) {
    const draw::PaperSize size = draw::SizeOf(report.paper);
    std::string found;
    const auto within = [&](double left, double right, double top, double bottom, const std::string& what) {
        if (left < 0.0 || right > size.width || top < 0.0 || bottom > size.height) found += what + '\n';
    };
    for (const draw::Page& page : report.pages) {
        for (const draw::PageItem& item : page.items) {
            if (item.kind == PageItemKind::Text) {
                const draw::PageText& t = item.text;
                const double w = draw::TextWidth(t.text, t.size) * (t.bold ? 1.1 : 1.0);
                const double left = t.anchor == draw::TextAnchor::Start ? t.x
                                    : t.anchor == draw::TextAnchor::End ? t.x - w
                                                                        : t.x - w / 2.0;
                within(left, left + w, t.y - draw::kTextAscent * t.size, t.y + draw::kTextDescent * t.size, t.text);
            } else if (item.kind == PageItemKind::Table) {
                const draw::PageTable& table = item.table;
                within(table.columnLeft.front(), table.columnLeft.back() + table.columnWidth.back(), table.top,
                       table.bottom, "table");
                for (const draw::TableRow& row : table.rows) {
                    for (std::size_t i = 0; i < row.cells.size(); ++i) {
                        const double w = draw::TextWidth(row.cells[i].text, table.size) * (row.header ? 1.1 : 1.0);
                        if (w > table.columnWidth[i]) found += row.cells[i].text + " (wider than its cell)\n";
                    }
                }
            } else if (item.kind == PageItemKind::Chart) {
                within(item.chart.x, item.chart.x + item.chart.width, item.chart.y, item.chart.y + item.chart.height,
                       "chart");
            }
        }
    }
    return found;
}

draw::PagedDocument Report(const planner::PlanDocument& document, draw::Paper paper) {
    planner::PlanOutcome outcome;
    std::string message;
    EXPECT_TRUE(planner::EvaluatePlan(document, {}, outcome, message)) << message;
    return planner::LayOutReport(document, outcome, nullptr, {paper, "shaker-test.halvex-plan", "2026-12-08", "1.2.3"});
}

// The worked example on both papers: every figure a reader checks, the
// verdict at the top of the first page, the chart at least half a page, a
// foot on every page, and nothing off the paper. The figures by hand: the
// crossover sqrt(A / X) / 2 pi is 13.99 Hz, the velocity there 0.1116 m/s,
// against 1.8 m/s a margin of 16.13; the ramp 1 g to 2 g over log2(5)
// octaves 20 log10(2) / 2.322 = 2.593 dB/oct; a pass log2(100) = 6.644
// octaves at 1 oct/min is 398.6 s, 42848 cycles; 20 passes and 3 axes
// 23917.9 s; 9 kN over 25 kg is 36.71 g.
TEST(Report, WorkedExampleOnA4AndLetter) {
    const std::vector<std::string> figures{"13.99",
                                           "0.1116",
                                           "16.13",
                                           "2.593",
                                           "6.644",
                                           "6 min 38.6 s",
                                           "42848",
                                           "2 h 12 min 52.6 s",
                                           "6 h 38 min 37.9 s",
                                           "36.71",
                                           "0.4903",
                                           "20.08",
                                           "18.35",
                                           "9.80665",
                                           "shaker-test.halvex-plan",
                                           "2026-12-08"};
    for (const draw::Paper paper : {draw::Paper::A4, draw::Paper::Letter}) {
        const draw::PagedDocument report = Report(ExamplePlan(), paper);
        SCOPED_TRACE(paper == draw::Paper::A4 ? "A4" : "Letter");
        ASSERT_GE(report.pages.size(), 2u);
        std::string all;
        for (const draw::Page& page : report.pages) all += PageTexts(page);
        for (const std::string& figure : figures) EXPECT_NE(all.find(figure), std::string::npos) << figure;
        // The verdict's lines read as one sentence.
        std::string first = PageTexts(report.pages[0]);
        std::replace(first.begin(), first.end(), '\n', ' ');
        EXPECT_NE(first.find("The shaker can run this plan, binding on velocity at 13.99 Hz, margin 16.13."),
                  std::string::npos);
        const std::string count = " of " + std::to_string(report.pages.size());
        for (std::size_t i = 0; i < report.pages.size(); ++i) {
            const std::string texts = PageTexts(report.pages[i]);
            EXPECT_NE(texts.find("Page " + std::to_string(i + 1) + count), std::string::npos) << i;
            EXPECT_NE(texts.find("Halvex 1.2.3"), std::string::npos) << i;
        }
        bool chart = false;
        for (const draw::Page& page : report.pages) {
            for (const draw::PageItem& item : page.items) {
                if (item.kind != PageItemKind::Chart) continue;
                chart = true;
                EXPECT_GE(item.chart.height, draw::SizeOf(paper).height / 2.0);
                EXPECT_FALSE(item.chart.chart->ops.empty());
            }
        }
        EXPECT_TRUE(chart);
        EXPECT_EQ(Overflow(report), "");
    }
}

// A profile too long for a page: its table goes on over the next with the
// header again, no row lost or repeated; long texts cut to their place.
TEST(Report, LongTableSplitsWithItsHeader) {
    std::string profile;
    for (int i = 0; i < 60; ++i) {
        profile += std::string(i == 0 ? "" : ",") + "{\"from\": " + std::to_string(10 + i) +
                   ", \"to\": " + std::to_string(11 + i) + ", \"acceleration\": \"1 g\"}";
    }
    planner::PlanDocument document;
    std::string message;
    ASSERT_TRUE(planner::ReadPlan(R"({"format": "halvex-plan", "version": 2, "profile": [)" + profile +
                                      R"(], "report": {"specimen": ")" + std::string(300, 'W') + R"("}})",
                                  document, message))
        << message;
    const draw::PagedDocument report = Report(document, draw::Paper::A4);
    EXPECT_EQ(Overflow(report), "");
    std::vector<std::string> segments;
    int tables = 0;
    for (const draw::Page& page : report.pages) {
        for (const draw::PageItem& item : page.items) {
            if (item.kind != PageItemKind::Table || item.table.rows.front().cells.front().text != "Segment") continue;
            ++tables;
            EXPECT_TRUE(item.table.rows.front().header);
            for (std::size_t r = 1; r < item.table.rows.size(); ++r) {
                EXPECT_FALSE(item.table.rows[r].header);
                const std::string& number = item.table.rows[r].cells.front().text;
                if (!number.empty()) segments.push_back(number);
            }
        }
    }
    EXPECT_GE(tables, 2);
    ASSERT_EQ(segments.size(), 60u);
    for (std::size_t i = 0; i < segments.size(); ++i) EXPECT_EQ(segments[i], std::to_string(i + 1));
}

// A plan is mailed around: its texts reach the HTML as text and nothing
// else, and the file fetches nothing and runs nothing.
TEST(Report, HtmlKeepsHostileTextsAsText) {
    planner::PlanDocument document = ExamplePlan();
    document.report.emplace();
    document.report->title = "<script>alert(1)</script>";
    document.report->notes = "</svg><img src=x onerror=alert(1)>";
    document.report->customer = "\"q\" & 'b'";
    const std::string html = planner::ReportHtml(Report(document, draw::Paper::Letter));
    for (const char* absent : {"<script", "<img", "http", "<link", "url("}) {
        EXPECT_EQ(html.find(absent), std::string::npos) << absent;
    }
    EXPECT_NE(html.find("&lt;script&gt;alert(1)&lt;/script&gt;"), std::string::npos);
    EXPECT_NE(html.find("&lt;/svg&gt;&lt;img src=x onerror=alert(1)&gt;"), std::string::npos);
    EXPECT_NE(html.find("&quot;q&quot; &amp; &#39;b&#39;"), std::string::npos);
    EXPECT_NE(html.find("@page{size:letter"), std::string::npos);
    EXPECT_NE(html.find("<svg"), std::string::npos);
}

// The title block is kept by the plan: written at version 2, read back equal.
TEST(Report, TitleBlockRoundTrips) {
    planner::PlanDocument document = ExamplePlan();
    EXPECT_EQ(document.Version(), 1);
    document.report =
        planner::ReportInfo{"Bracket qualification",         "Bracket B-7", "ACME", "MIL-STD-810H 514.8", "J. Doe", "B",
                            "Fixture\nbolted at four points"};
    const std::string text = planner::WritePlanDocument(document);
    EXPECT_NE(text.find("\"version\": 2"), std::string::npos);
    planner::PlanDocument back;
    std::string message;
    ASSERT_TRUE(planner::ReadPlan(text, back, message)) << message;
    EXPECT_EQ(back, document);
}

}  // namespace

namespace {

// A profile with a step and a shaker named from the library: the warning
// set apart, the library's names, and the force derated by the library's
// 0.8: 9 kN rated, 7.2 kN usable.
TEST(Report, WarningsAndTheLibrarysShaker) {
    std::ifstream in(std::string(HALVEX_SOURCE_DIR) + "/docs/examples/lab.halvex-lab");
    std::stringstream labText;
    labText << in.rdbuf();
    planner::LabDocument lab;
    std::string message;
    ASSERT_TRUE(planner::ReadLabDocument(labText.str(), lab, message)) << message;
    planner::PlanDocument document;
    ASSERT_TRUE(planner::ReadPlan(R"({"format": "halvex-plan", "version": 2,
        "profile": [{"from": 5, "to": 50, "acceleration": "1 g"}, {"from": 50, "to": 500, "acceleration": "2 g"}],
        "shaker": {"name": "S-9", "rated_force": "9 kN", "moving_mass": {"armature": "5 kg"}}})",
                                  document, message))
        << message;
    planner::PlanQuery query;
    query.lab = &lab;
    planner::PlanOutcome outcome;
    ASSERT_TRUE(planner::EvaluatePlan(document, query, outcome, message)) << message;
    ASSERT_EQ(outcome.profile.warnings.size(), 1u);
    const draw::PagedDocument report = planner::LayOutReport(document, outcome, &lab, {});
    std::string warnings;
    std::string all;
    for (const draw::Page& page : report.pages) {
        all += PageTexts(page);
        for (const draw::PageItem& item : page.items) {
            if (item.kind == PageItemKind::Text && item.text.role == draw::TextRole::Warning) {
                warnings += item.text.text;
            }
        }
    }
    EXPECT_NE(warnings.find("profile[0].to"), std::string::npos) << warnings;
    EXPECT_NE(all.find("S-9"), std::string::npos);
    EXPECT_NE(all.find("Environmental lab, building 2"), std::string::npos);
    EXPECT_NE(all.find("force\t0.09807\t9\t7.2\tkN"), std::string::npos) << all;
}

}  // namespace

namespace {

// Long texts in the title block and the sequence's words wrap rather than
// lose their ends: nothing but the cut columns ends in an ellipsis.
TEST(Report, LongTextsWrap) {
    std::ifstream in(std::string(HALVEX_SOURCE_DIR) + "/docs/examples/endurance-sequence.halvex-plan");
    std::stringstream text;
    text << in.rdbuf();
    planner::PlanDocument document;
    std::string message;
    ASSERT_TRUE(planner::ReadPlan(text.str(), document, message)) << message;
    document.report.emplace();
    document.report->reference = "MIL-STD-810H Method 514.8, Procedure I, Annex C, Category 24";
    planner::PlanOutcome outcome;
    ASSERT_TRUE(planner::EvaluatePlan(document, {}, outcome, message)) << message;
    // A file name with no blank to break at goes on over lines, whole.
    planner::ReportOptions options;
    options.fileName = "qualification-vibration-bracket-b7-serial-0042-revision-b.halvex-plan";
    const draw::PagedDocument report = planner::LayOutReport(document, outcome, nullptr, options);
    EXPECT_EQ(Overflow(report), "");
    std::string all;
    for (const draw::Page& page : report.pages) all += PageTexts(page);
    EXPECT_EQ(all.find("\xE2\x80\xA6"), std::string::npos) << all;
    EXPECT_NE(all.find("Category 24"), std::string::npos);
    std::string joined = all;
    joined.erase(std::remove(joined.begin(), joined.end(), '\n'), joined.end());
    EXPECT_NE(joined.find(options.fileName), std::string::npos) << all;
}

// The report in the language the program speaks: German headings, footer and
// verdict, the HTML's lang attribute, the units as they are; in Japanese a
// paragraph of ideographs wrapped at their full width (an ideograph is one em,
// not a Latin letter's width), so that no line runs off the page.
TEST(Report, SpeaksTheProgramsLanguage) {
    struct English {
        ~English() { lang::SetLanguage(lang::Language::English); }
    } english;
    lang::SetLanguage(lang::Language::German);
    const draw::PagedDocument german = Report(ExamplePlan(), draw::Paper::A4);
    std::string headings;
    for (const draw::Page& page : german.pages) {
        for (const draw::PageItem& item : page.items) {
            if (item.kind == PageItemKind::Text && item.text.role == draw::TextRole::Heading) {
                headings += item.text.text + '|';
            }
        }
    }
    EXPECT_EQ(headings,
              "Prüfprofil|Prüfeinrichtung|Prüfungen|Dauerschwingprüfung mit Frequenzdurchlauf|"
              "Prüfablauf, je Achse|Diagramm|");
    const std::string first = PageTexts(german.pages[0]);
    EXPECT_NE(first.find("Seite 1 von " + std::to_string(german.pages.size())), std::string::npos) << first;
    EXPECT_NE(first.find("9.80665 m/s^2"), std::string::npos) << first;
    std::string verdict = first;  // over two lines
    std::replace(verdict.begin(), verdict.end(), '\n', ' ');
    EXPECT_NE(verdict.find("maßgebend ist Schwinggeschwindigkeit bei 13.99 Hz, Reserve 16.13."), std::string::npos)
        << first;
    EXPECT_EQ(planner::ReportHtml(german).rfind("<!DOCTYPE html>\n<html lang=\"de\">", 0), 0u);

    lang::SetLanguage(lang::Language::Japanese);
    planner::PlanDocument document = ExamplePlan();
    document.report.emplace();
    std::string notes;
    for (int i = 0; i < 40; ++i) notes += "加振機の取付面を確認する。";  // 13 ideographs and a full stop each
    document.report->notes = notes;
    const draw::PagedDocument japanese = Report(document, draw::Paper::A4);
    EXPECT_EQ(planner::ReportHtml(japanese).rfind("<!DOCTYPE html>\n<html lang=\"ja\">", 0), 0u);
    const double width = draw::SizeOf(draw::Paper::A4).width - 2.0 * 56.0;
    std::string wrapped;
    std::size_t lines = 0;
    for (const draw::PageItem& item : japanese.pages[0].items) {
        if (item.kind != PageItemKind::Text || item.text.role != draw::TextRole::Body || item.text.text.empty() ||
            notes.find(item.text.text) == std::string::npos) {
            continue;
        }
        const std::size_t characters = item.text.text.size() / 3;  // each three bytes in UTF-8
        EXPECT_LE(static_cast<double>(characters) * item.text.size, width) << item.text.text;
        wrapped += item.text.text;
        ++lines;
    }
    EXPECT_GE(lines, 4u);
    EXPECT_EQ(wrapped.size(), notes.size());
}

// The plan command's text answer in Japanese: its tables padded by the
// columns a terminal gives each character, two for an ideograph, so that
// the peaks' figures stand one under the other after labels of different
// lengths.
TEST(Report, TextAnswerLinesUpInJapanese) {
    struct English {
        ~English() { lang::SetLanguage(lang::Language::English); }
    } english;
    lang::SetLanguage(lang::Language::Japanese);
    const planner::PlanDocument document = ExamplePlan();
    planner::PlanOutcome outcome;
    std::string message;
    ASSERT_TRUE(planner::EvaluatePlan(document, {}, outcome, message)) << message;
    const auto columns = [](const std::string& text) {
        std::size_t n = 0;
        for (const char c : text) {
            const auto byte = static_cast<unsigned char>(c);
            if ((byte & 0xC0) != 0x80) n += byte >= 0xE3 ? 2 : 1;
        }
        return n;
    };
    std::istringstream answer(planner::PlanTextReport(document, outcome));
    std::vector<std::size_t> ends;  // where each peak's figure ends
    for (std::string line; std::getline(answer, line);) {
        if (line.rfind("  最大", 0) != 0 || line.find("周波数") == std::string::npos) continue;
        std::istringstream words(line);
        std::string label, figure;
        words >> label >> figure;
        ends.push_back(columns(line.substr(0, line.find(figure, line.find(label) + label.size()) + figure.size())));
    }
    ASSERT_EQ(ends.size(), 3u);
    EXPECT_EQ(ends[0], ends[1]);
    EXPECT_EQ(ends[1], ends[2]);
}

}  // namespace
