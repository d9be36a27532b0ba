// The HTML report over arbitrary plans: whatever a plan's texts hold, the
// file parses as HTML with only the elements and attributes the writer
// writes, every attribute quoted, every '&' an entity the writer uses, and
// well-formed UTF-8. A plan's text that opened a tag or ended a quote would
// show up here as a name the writer never writes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>
#include <string_view>

#include "fuzz/valid_utf8.h"
#include "planner/plan.h"
#include "planner/report.h"

namespace {

const std::set<std::string_view> kElements{"html", "head", "meta", "title", "style", "body", "section", "h1", "h2", "p",
                                           "div", "table", "caption", "colgroup", "col", "thead", "tbody", "tr", "th",
                                           "td",
                                           // the chart's SVG
                                           "svg", "rect", "line", "polyline", "polygon", "text", "circle"};

const std::set<std::string_view> kAttributes{"lang",
                                             "charset",
                                             "class",
                                             "style",
                                             "aria-label",
                                             "width",
                                             "height",
                                             "viewBox",
                                             "font-family",
                                             "data-plot",
                                             "data-range",
                                             "x",
                                             "y",
                                             "x1",
                                             "y1",
                                             "x2",
                                             "y2",
                                             "points",
                                             "fill",
                                             "fill-opacity",
                                             "stroke",
                                             "stroke-width",
                                             "stroke-dasharray",
                                             "stroke-linejoin",
                                             "font-size",
                                             "text-anchor",
                                             "transform",
                                             "cx",
                                             "cy",
                                             "r"};

bool IsNameChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-';
}

std::string_view NameAt(std::string_view html, std::size_t& i) {
    const std::size_t start = i;
    while (i < html.size() && IsNameChar(html[i])) ++i;
    return html.substr(start, i - start);
}

// A small tokenizer of what the writer writes: tags, quoted attributes,
// text with entities, and the style sheet as raw text.
void CheckHtml(std::string_view html) {
    constexpr std::string_view kDoctype = "<!DOCTYPE html>\n";
    if (html.substr(0, kDoctype.size()) != kDoctype) std::abort();
    std::size_t i = kDoctype.size();
    while (i < html.size()) {
        const char c = html[i];
        if (c == '&') {
            bool known = false;
            for (const std::string_view entity : {"&amp;", "&lt;", "&gt;", "&quot;", "&#39;"}) {
                known = known || html.substr(i, entity.size()) == entity;
            }
            if (!known) std::abort();
            ++i;
            continue;
        }
        if (c == '>' || c == '"') std::abort();  // the writer escapes both in text
        if (c != '<') {
            ++i;
            continue;
        }
        ++i;
        const bool closing = i < html.size() && html[i] == '/';
        if (closing) ++i;
        const std::string_view name = NameAt(html, i);
        if (kElements.count(name) == 0) std::abort();
        while (i < html.size() && html[i] != '>') {
            if (html[i] == ' ' || html[i] == '/') {
                ++i;
                continue;
            }
            if (closing) std::abort();
            const std::string_view attribute = NameAt(html, i);
            if (kAttributes.count(attribute) == 0) std::abort();
            if (html.substr(i, 2) != "=\"") std::abort();
            const std::size_t end = html.find('"', i + 2);
            if (end == std::string_view::npos) std::abort();
            const std::string_view value = html.substr(i + 2, end - i - 2);
            if (value.find_first_of("<>") != std::string_view::npos) std::abort();
            i = end + 1;
        }
        if (i >= html.size()) std::abort();
        ++i;
        if (name == "style" && !closing) {
            // The style sheet is the writer's own, and the only raw text.
            const std::size_t end = html.find("</style>", i);
            if (end == std::string_view::npos) std::abort();
            i = end;
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    planner::PlanDocument document;
    planner::PlanOutcome outcome;
    std::string message;
    if (!planner::ReadPlan(text, document, message) || !document.unfilled.empty() ||
        !planner::EvaluatePlan(document, planner::PlanQuery(), outcome, message)) {
        return 0;
    }
    // The file's name comes from the user too; take it from the plan.
    planner::ReportOptions options;
    options.paper = size % 2 == 0 ? draw::Paper::A4 : draw::Paper::Letter;
    options.fileName = document.report && document.report->author ? *document.report->author : "plan.halvex-plan";
    options.printedDate = "2026-12-08";
    options.version = "0";
    const draw::PagedDocument report = planner::LayOutReport(document, outcome, nullptr, options);
    if (report.pages.empty()) std::abort();
    const std::string html = planner::ReportHtml(report);
    if (!ValidUtf8(html)) std::abort();
    CheckHtml(html);
    return 0;
}
