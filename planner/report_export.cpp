#include "planner/report_export.h"

#include <ctime>

#include "lang/tr.h"
#include "planner/file_io.h"
#include "planner/report.h"
#include "res/version.h"
#include "ui/window.h"

namespace planner {
namespace {

std::string Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return text;
}

// The extension of a path's last name, lower case; empty without one.
std::string ExtensionOf(const std::string& path) {
    const std::size_t slash = path.find_last_of("/\\");
    const std::size_t dot = path.rfind('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
    return Lower(path.substr(dot + 1));
}

std::string BaseName(const std::string& path) {
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

draw::Paper UserPaper() {
    draw::Paper paper = draw::Paper::A4;
    if (ui::GetBackend().PrinterPaper(paper)) return paper;
    return DefaultPaper();
}

std::string TodayText() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    char text[16];
    std::strftime(text, sizeof text, "%Y-%m-%d", &local);
    return text;
}

draw::PagedDocument ReportPages(const PlanDocument& document, const PlanOutcome& outcome, const LabDocument* lab,
                                const std::string& fileName, draw::Paper paper) {
    ReportOptions options;
    options.paper = paper;
    options.fileName = fileName;
    options.printedDate = TodayText();
    options.version = res::kProgramVersion;
    return LayOutReport(document, outcome, lab, options);
}

bool ReportFileBytes(const draw::PagedDocument& pages, const std::string& path, std::string& bytes,
                     std::string& problem) {
    const std::string extension = ExtensionOf(path);
    if (extension == "html" || extension == "htm") {
        bytes = ReportHtml(pages);
        return true;
    }
    if (extension == "pdf") {
        if (ui::GetBackend().PagesAsPdf(pages, bytes)) return true;
        problem = lang::Fill(lang::Tr("%1: PDF is not written here; a report can be written as .html"), {path});
        return false;
    }
    problem = lang::Fill(lang::Tr("%1: a report is written as .pdf or .html"), {path});
    return false;
}

int ExportReport(const std::string& planPath, const std::string& outPath, std::string& problem) {
    std::string text, message;
    if (!ReadTextFile(planPath, text)) {
        problem = lang::Fill(lang::Tr("%1: cannot be read"), {planPath});
        return 1;
    }
    PlanDocument document;
    PlanOutcome outcome;
    if (!ReadPlan(text, document, message) || !EvaluatePlan(document, PlanQuery(), outcome, message)) {
        problem = planPath + ": " + message;
        return 1;
    }
    const draw::PagedDocument pages = ReportPages(document, outcome, nullptr, BaseName(planPath), UserPaper());
    std::string bytes;
    if (!ReportFileBytes(pages, outPath, bytes, problem)) return 1;
    if (!WriteFileReplacing(outPath, bytes, message)) {
        problem = message;
        return 1;
    }
    return 0;
}

}  // namespace planner
