// A report's pages painted by the Qt backend into a PDF file, read back with
// poppler's tools as a reader's viewer would: the texts are text, on the
// paper asked for, where the layout put them.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QPrinter>

#include <cstdio>
#include <fstream>
#include <memory>
#include <regex>
#include <string>

#include "draw/page.h"
#include "tests/temp_file.h"
#include "ui/qt/page_painter.h"

namespace {

draw::PageItem Text(double x, double y, const std::string& text, draw::TextAnchor anchor = draw::TextAnchor::Start) {
    draw::PageItem item;
    item.kind = draw::PageItemKind::Text;
    item.text.x = x;
    item.text.y = y;
    item.text.text = text;
    item.text.size = 12.0;
    item.text.anchor = anchor;
    return item;
}

// Two Letter pages: a title, a table whose number stands right in its
// cell, and a chart with an axis label.
draw::PagedDocument TwoPages() {
    draw::PagedDocument document;
    document.paper = draw::Paper::Letter;
    document.title = "Probe";
    draw::Page first;
    first.items.push_back(Text(72.0, 100.0, "Headline"));
    draw::PageItem table;
    table.kind = draw::PageItemKind::Table;
    table.table.columnLeft = {72.0, 272.0};
    table.table.columnWidth = {200.0, 100.0};
    table.table.top = 120.0;
    table.table.bottom = 160.0;
    table.table.rows.push_back(
        {135.0, {{"Segment", draw::TextAnchor::Start, false}, {"Level", draw::TextAnchor::End, false}}, true});
    table.table.rows.push_back(
        {150.0, {{"sweep", draw::TextAnchor::Start, false}, {"4.905", draw::TextAnchor::End, false}}, false});
    first.items.push_back(table);
    auto picture = std::make_shared<draw::Chart>();
    draw::DrawOp label;
    label.kind = draw::DrawKind::Text;
    label.role = draw::DrawRole::AxisLabel;
    label.points = {{1.0, -1.0}};
    label.text = "Frequency";
    picture->box = {0.0, 2.0, -2.0, 0.0};
    picture->ops.push_back(label);
    draw::PageItem chart;
    chart.kind = draw::PageItemKind::Chart;
    chart.chart = {72.0, 200.0, 400.0, 300.0, picture};
    first.items.push_back(chart);
    document.pages.push_back(first);
    draw::Page second;
    second.items.push_back(Text(540.0, 700.0, "Footnote", draw::TextAnchor::End));
    document.pages.push_back(second);
    return document;
}

std::string Output(const std::string& command) {
    std::string out;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return out;
    char buffer[4096];
    std::size_t n = 0;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, n);
    pclose(pipe);
    return out;
}

// The box pdftotext -bbox gives a word, in points from the page's top left.
struct Box {
    double xMin = -1, yMin = -1, xMax = -1, yMax = -1;
};

Box WordBox(const std::string& bbox, const std::string& word) {
    const std::regex line("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\">" + word +
                          "</word>");
    std::smatch match;
    if (!std::regex_search(bbox, match, line)) return {};
    return {std::stod(match[1]), std::stod(match[2]), std::stod(match[3]), std::stod(match[4])};
}

TEST(QtReport, APdfHoldsThePagesTextsAsTextOnThePaperAndWhereTheLayoutPutThem) {
    QByteArray pdf;
    ASSERT_TRUE(ui::qt::DocumentAsPdf(TwoPages(), pdf));
    const std::string path = TestTempPath(".pdf");
    std::ofstream(path, std::ios::binary).write(pdf.constData(), pdf.size());

    const std::string info = Output("pdfinfo '" + path + "'");
    EXPECT_NE(info.find("Pages:           2"), std::string::npos) << info;
    EXPECT_NE(info.find("612 x 792 pts (letter)"), std::string::npos) << info;
    EXPECT_NE(info.find("Probe"), std::string::npos) << "the document's title";

    const std::string bbox = Output("pdftotext -bbox '" + path + "' -");
    // A 12 pt word whose baseline is at 100 pt: its box ends a little
    // below that; the scale from points to the writer's units is right.
    const Box headline = WordBox(bbox, "Headline");
    EXPECT_NEAR(headline.xMin, 72.0, 1.0);
    EXPECT_GT(headline.yMax, 100.0);
    EXPECT_LT(headline.yMax, 104.0);
    // The number stands at its cell's right edge, less the padding.
    EXPECT_NEAR(WordBox(bbox, "4.905").xMax, 370.0, 1.0);
    EXPECT_NEAR(WordBox(bbox, "Segment").xMin, 74.0, 1.0);
    // The chart's own texts are text too, inside its rectangle.
    const Box frequency = WordBox(bbox, "Frequency");
    EXPECT_GT(frequency.xMin, 72.0);
    EXPECT_LT(frequency.yMax, 500.0);
    EXPECT_GT(frequency.yMin, 200.0);
    // The second page's text is on the second page, its end at its anchor.
    const std::size_t secondPage = bbox.find("<page", bbox.find("<page") + 1);
    ASSERT_NE(secondPage, std::string::npos);
    EXPECT_GT(bbox.find("Footnote"), secondPage);
    EXPECT_NEAR(WordBox(bbox, "Footnote").xMax, 540.0, 1.0);
    std::remove(path.c_str());
}

// Print... paints on a full-page printer: its origin is the paper's corner,
// not the printable area's, and the paper the layout asked for is kept.
TEST(QtReport, APrinterGetsThePagesFromThePapersCorner) {
    const std::string path = TestTempPath(".pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(path));
    printer.setFullPage(true);
    ASSERT_TRUE(ui::qt::PaintDocument(printer, TwoPages()));
    EXPECT_NE(Output("pdfinfo '" + path + "'").find("612 x 792 pts (letter)"), std::string::npos);
    const std::string bbox = Output("pdftotext -bbox '" + path + "' -");
    EXPECT_NEAR(WordBox(bbox, "Headline").xMin, 72.0, 1.0);
    EXPECT_NEAR(WordBox(bbox, "Footnote").xMax, 540.0, 1.0);
    std::remove(path.c_str());
}

}  // namespace
