#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

#include "lang/tr.h"
#include "numeric/number_text.h"
#include "planner/report.h"

#if defined(__linux__)
#include <langinfo.h>
#include <locale.h>
#endif

namespace planner {
namespace {

using draw::PageItemKind;
using draw::TextAnchor;
using draw::TextRole;

// Points to a hundredth, without a trailing zero.
std::string Pt(double value) { return halvex::FormatPointNumber("%.7g", std::round(value * 100.0) / 100.0) + "pt"; }

const char* ElementOf(TextRole role) {
    switch (role) {
        case TextRole::Title:
            return "h1";
        case TextRole::Heading:
            return "h2";
        default:
            return "p";
    }
}

const char* ClassOf(TextRole role) {
    switch (role) {
        case TextRole::Title:
            return "title";
        case TextRole::Heading:
            return "heading";
        case TextRole::Verdict:
            return "verdict";
        case TextRole::Body:
            return "body";
        case TextRole::Label:
            return "label";
        case TextRole::Value:
            return "value";
        case TextRole::Warning:
            return "warning";
        case TextRole::Footer:
            break;
    }
    return "footer";
}

const char* AnchorClass(TextAnchor anchor) {
    return anchor == TextAnchor::End ? " r" : anchor == TextAnchor::Middle ? " c" : "";
}

// A text placed with its baseline where the layout put it: the box of a
// line as high as the font starts 0.8 of it above the baseline.
void WriteText(std::string& out, const draw::PageText& text, double pageWidth) {
    const char* element = ElementOf(text.role);
    std::string style = "top:" + Pt(text.y - 0.8 * text.size) + ";font-size:" + Pt(text.size);
    if (text.anchor == TextAnchor::End) {
        style += ";right:" + Pt(pageWidth - text.x);
    } else {
        style += ";left:" + Pt(text.x);
    }
    if (text.bold) style += ";font-weight:bold";
    if (text.colour != 0) style += ";color:" + draw::HexColour(text.colour);
    out += std::string("<") + element + " class=\"t " + ClassOf(text.role) + AnchorClass(text.anchor) + "\" style=\"" +
           style + "\">" + draw::MarkupEscaped(text.text) + "</" + element + ">\n";
}

void WriteRule(std::string& out, const draw::PageRule& rule) {
    // Rules are level or upright; a box as wide as the rule and one border.
    const bool level = rule.y0 == rule.y1;
    const double x = rule.x0 < rule.x1 ? rule.x0 : rule.x1;
    const double y = rule.y0 < rule.y1 ? rule.y0 : rule.y1;
    const double length = level ? (rule.x1 - rule.x0 < 0 ? rule.x0 - rule.x1 : rule.x1 - rule.x0)
                                : (rule.y1 - rule.y0 < 0 ? rule.y0 - rule.y1 : rule.y1 - rule.y0);
    out += "<div class=\"rule\" style=\"left:" + Pt(x) + ";top:" + Pt(y) + ";" + (level ? "width:" : "height:") +
           Pt(length) + ";border-" + (level ? "top" : "left") + ":" + Pt(rule.width) + " solid " +
           draw::HexColour(rule.colour) + "\"></div>\n";
}

void WriteTable(std::string& out, const draw::PageTable& table) {
    double width = 0.0;
    for (const double w : table.columnWidth) width += w;
    const double left = table.columnLeft.empty() ? 0.0 : table.columnLeft.front();
    const double rowHeight =
        table.rows.empty() ? 0.0 : (table.bottom - table.top) / static_cast<double>(table.rows.size());
    out += "<table style=\"left:" + Pt(left) + ";top:" + Pt(table.top) + ";width:" + Pt(width) +
           ";font-size:" + Pt(table.size) + "\">\n";
    if (!table.caption.empty()) out += "<caption>" + draw::MarkupEscaped(table.caption) + "</caption>\n";
    out += "<colgroup>";
    for (const double w : table.columnWidth) out += "<col style=\"width:" + Pt(w) + "\">";
    out += "</colgroup>\n";
    bool inHead = false;
    bool inBody = false;
    for (const draw::TableRow& row : table.rows) {
        if (row.header && !inHead && !inBody) {
            out += "<thead>\n";
            inHead = true;
        }
        if (!row.header && !inBody) {
            if (inHead) out += "</thead>\n";
            out += "<tbody>\n";
            inHead = false;
            inBody = true;
        }
        out +=
            std::string("<tr") + (row.continued ? " class=\"more\"" : "") + " style=\"height:" + Pt(rowHeight) + "\">";
        for (const draw::TableCell& cell : row.cells) {
            const char* element = row.header ? "th" : "td";
            std::string cls = AnchorClass(cell.anchor);
            if (cell.bold && !row.header) cls += " b";
            out += std::string("<") + element + (cls.empty() ? "" : " class=\"" + cls.substr(1) + "\"") + ">" +
                   draw::MarkupEscaped(cell.text) + "</" + element + ">";
        }
        out += "</tr>\n";
    }
    if (inHead) out += "</thead>\n";
    if (inBody) out += "</tbody>\n";
    out += "</table>\n";
}

void WriteChart(std::string& out, const draw::PageChart& chart) {
    out += "<div class=\"chart\" style=\"left:" + Pt(chart.x) + ";top:" + Pt(chart.y) + ";width:" + Pt(chart.width) +
           ";height:" + Pt(chart.height) + "\">\n";
    if (chart.chart) {
        // CSS pixels are 3/4 of a point: the picture fills its box, drawn
        // larger where the box is small and scaled down by its view box.
        const double width = chart.width * 4.0 / 3.0;
        const double height = chart.height * 4.0 / 3.0;
        const double scale = draw::ChartScale(*chart.chart, width, height);
        std::string svg = draw::ChartSvg(*chart.chart, width * scale, height * scale);
        // Inline, the SVG needs neither the XML declaration nor its namespace,
        // which the HTML parser gives it.
        if (svg.compare(0, 5, "<?xml") == 0) svg.erase(0, svg.find('\n') + 1);
        const std::string ns = " xmlns=\"http://www.w3.org/2000/svg\"";
        const std::size_t at = svg.find(ns);
        if (at != std::string::npos) svg.erase(at, ns.size());
        out += svg;
    }
    out += "</div>\n";
}

constexpr char kStyle[] =
    "html{background:#8a8f96}\n"
    "body{margin:0;padding:12pt 0;font-family:'DejaVu Sans',Arial,Helvetica,sans-serif;color:#000}\n"
    ".page{position:relative;margin:0 auto 12pt auto;background:#fff;overflow:hidden;"
    "box-shadow:0 1pt 4pt rgba(0,0,0,0.4)}\n"
    ".t{position:absolute;margin:0;padding:0;line-height:1;white-space:pre;font-weight:normal}\n"
    ".t.c{transform:translateX(-50%)}\n"
    ".rule{position:absolute;margin:0;padding:0}\n"
    ".chart{position:absolute}\n"
    ".chart svg{display:block;width:100%;height:100%}\n"
    "table{position:absolute;border-collapse:collapse;table-layout:fixed;line-height:1}\n"
    "th,td{padding:0 3pt;white-space:pre;overflow:hidden;text-align:left;vertical-align:middle}\n"
    "td{border-top:0.5pt solid #c8c8c8}\n"
    "tr.more td{border-top:none}\n"
    "tbody{border-bottom:0.5pt solid #c8c8c8}\n"
    "th{font-weight:bold;border-bottom:0.75pt solid #606060;background:#eef0f3}\n"
    "th.r,td.r{text-align:right}\n"
    "th.c,td.c{text-align:center}\n"
    "td.b{font-weight:bold}\n"
    ".verdict{font-weight:bold}\n"
    "@media print{html{background:none}body{padding:0}"
    ".page{margin:0;box-shadow:none;break-after:page;page-break-after:always}"
    ".page:last-child{break-after:auto;page-break-after:auto}"
    "th{-webkit-print-color-adjust:exact;print-color-adjust:exact}}\n";

// The language the report is written in, as HTML names it, so that a browser
// chooses its fonts (Japanese or Chinese forms of the same character) and
// hyphenation by it.
const char* HtmlLanguage() {
    switch (lang::CurrentLanguage()) {
        case lang::Language::German:
            return "de";
        case lang::Language::French:
            return "fr";
        case lang::Language::Chinese:
            return "zh-CN";
        case lang::Language::Japanese:
            return "ja";
        case lang::Language::English:
            break;
    }
    return "en";
}

// Faces that hold the language's characters, before the Latin ones, where
// DejaVu Sans has none: the Noto CJK faces on Linux, the system's own on
// Windows and macOS.
const char* CjkFonts() {
    switch (lang::CurrentLanguage()) {
        case lang::Language::Chinese:
            return "body{font-family:'DejaVu Sans','Noto Sans CJK SC','Microsoft YaHei','PingFang SC',sans-serif}\n";
        case lang::Language::Japanese:
            return "body{font-family:'DejaVu Sans','Noto Sans CJK JP','Yu Gothic',Meiryo,'Hiragino Sans',sans-serif}\n";
        default:
            return "";
    }
}

}  // namespace

std::string ReportHtml(const draw::PagedDocument& report) {
    const draw::PaperSize size = draw::SizeOf(report.paper);
    std::string out = std::string("<!DOCTYPE html>\n<html lang=\"") + HtmlLanguage() +
                      "\">\n<head>\n<meta charset=\"utf-8\">\n<title>" + draw::MarkupEscaped(report.title) +
                      "</title>\n<style>\n";
    out += std::string("@page{size:") + (report.paper == draw::Paper::A4 ? "A4" : "letter") + ";margin:0}\n";
    out += ".page{width:" + Pt(size.width) + ";height:" + Pt(size.height) + "}\n";
    out += kStyle;
    out += CjkFonts();
    out += "</style>\n</head>\n<body>\n";
    for (std::size_t i = 0; i < report.pages.size(); ++i) {
        out += "<section class=\"page\" aria-label=\"" +
               draw::MarkupEscaped(lang::Fill(lang::Tr("Page %1"), {std::to_string(i + 1)})) + "\">\n";
        for (const draw::PageItem& item : report.pages[i].items) {
            switch (item.kind) {
                case PageItemKind::Text:
                    WriteText(out, item.text, size.width);
                    break;
                case PageItemKind::Rule:
                    WriteRule(out, item.rule);
                    break;
                case PageItemKind::Table:
                    WriteTable(out, item.table);
                    break;
                case PageItemKind::Chart:
                    WriteChart(out, item.chart);
                    break;
            }
        }
        out += "</section>\n";
    }
    return out + "</body>\n</html>\n";
}

draw::Paper DefaultPaper() {
#if defined(__GLIBC__)
    // The environment's paper alone, read without touching the process's
    // locale: US Letter is 216 by 279 mm, anything else prints on A4.
    const locale_t paper = newlocale(LC_PAPER_MASK, "", static_cast<locale_t>(nullptr));
    if (paper == static_cast<locale_t>(nullptr)) return draw::Paper::A4;
    // glibc hands these numbers out in the pointer itself, as an int in its
    // first bytes; the rest is whatever was there.
    const auto millimetres = [&](nl_item item) {
        const char* value = nl_langinfo_l(item, paper);
        unsigned int number = 0;
        std::memcpy(&number, static_cast<const void*>(&value), sizeof number);
        return number;
    };
    const unsigned int width = millimetres(_NL_PAPER_WIDTH);
    const unsigned int height = millimetres(_NL_PAPER_HEIGHT);
    freelocale(paper);
    return width == 216 && height == 279 ? draw::Paper::Letter : draw::Paper::A4;
#else
    return draw::Paper::A4;
#endif
}

}  // namespace planner
