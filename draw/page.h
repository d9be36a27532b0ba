#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "draw/drawing.h"

// A printed document as pages of positioned items, laid out once and written
// by every output: the printer and the PDF paint the items where they stand,
// the HTML writer writes them in reading order as headings, paragraphs,
// tables and an inline picture. Window-free. Lengths are in points (1/72 in),
// from the page's top left corner, y down.
namespace draw {

enum class Paper { A4, Letter };

struct PaperSize {
    double width = 0.0;  // points
    double height = 0.0;
};

constexpr PaperSize SizeOf(Paper paper) {
    return paper == Paper::A4 ? PaperSize{595.276, 841.890} : PaperSize{612.0, 792.0};
}

// What a text is, so that the HTML writer can say it and every output gives
// it one look.
enum class TextRole {
    Title,    // the document's title
    Heading,  // a section's heading
    Verdict,  // the sentence that states the outcome, set apart
    Body,     // a line of a paragraph
    Label,    // the name in a "name: value" pair of the title block
    Value,    // its value
    Warning,  // a warning the reader must not miss
    Footer,   // the page's foot: page n of m, the date printed, the program
};

struct PageText {
    double x = 0.0;  // where the anchor is
    double y = 0.0;  // the baseline
    std::string text;
    TextRole role = TextRole::Body;
    double size = 10.0;  // points
    bool bold = false;
    TextAnchor anchor = TextAnchor::Start;
    std::uint32_t colour = 0;  // 0xRRGGBB
};

// A straight line: table rules, the title block's frame, the foot's rule.
struct PageRule {
    double x0 = 0.0;
    double y0 = 0.0;
    double x1 = 0.0;
    double y1 = 0.0;
    double width = 0.5;  // points
    std::uint32_t colour = 0;
};

// A table as the layout placed it: its columns' left edges and widths, each
// row's baseline. The layout has already cut the texts to fit their cells
// and split the table over pages; a table on a later page repeats its header.
struct TableCell {
    std::string text;
    TextAnchor anchor = TextAnchor::Start;  // numbers stand to the right
    bool bold = false;
};

struct TableRow {
    double baseline = 0.0;
    std::vector<TableCell> cells;  // one per column
    bool header = false;
    // The further lines of the row above, whose texts were wrapped: one
    // row to the reader, with no rule between.
    bool continued = false;
};

struct PageTable {
    std::string caption;  // what the table holds, for the HTML's caption; may be empty
    std::vector<double> columnLeft;
    std::vector<double> columnWidth;
    double top = 0.0;  // the table's frame
    double bottom = 0.0;
    std::vector<TableRow> rows;
    double size = 9.0;  // points
};

// A chart in a rectangle of the page, painted as the window paints it.
struct PageChart {
    double x = 0.0;
    double y = 0.0;
    double width = 0.0;
    double height = 0.0;
    std::shared_ptr<const Chart> chart;
};

enum class PageItemKind { Text, Rule, Table, Chart };

// One item of a page; the page's items are in reading order.
struct PageItem {
    PageItemKind kind = PageItemKind::Text;
    PageText text;
    PageRule rule;
    PageTable table;
    PageChart chart;
};

struct Page {
    std::vector<PageItem> items;
};

struct PagedDocument {
    Paper paper = Paper::A4;
    std::string title;  // the document's name for a window, a print job or an HTML title
    std::vector<Page> pages;
};

}  // namespace draw
