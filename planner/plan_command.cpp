#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <optional>

#include "lang/tr.h"
#include "numeric/number_text.h"
#include "planner/chart.h"
#include "planner/file_io.h"
#include "planner/json.h"
#include "planner/machine_texts.h"
#include "planner/plan.h"
#include "planner/ranking.h"
#include "planner/report.h"
#include "res/version.h"

namespace planner {
namespace {

// An option's value: a bare number in SI units or "NUMBER UNIT", always
// with the point, as scripts write it.
bool ReadOptionValue(const std::string& text, QuantityKind kind, double& value) {
    std::string problem;
    return ReadPointSiValue(text, kind, kStandardGravity, value, problem);
}

// "plan: PROBLEM (usage: SYNTAX)"; the command's words stay as they are.
std::string UsageLine(const char* command, const std::string& problem, const char* syntax) {
    return std::string(command) + ": " + lang::Fill(lang::Tr("%1 (usage: %2)"), {problem, syntax}) + '\n';
}

int Usage(std::string& err, const std::string& problem) {
    err = UsageLine("plan", problem,
                    "plan FILE [--format text|json] [--at TIME] [--frequency F] [--resonance F --q Q] [--svg OUT] "
                    "[--report OUT.html [--paper a4|letter]] [--lab LIB [--rank]]");
    return 2;
}

std::string GivenTwice(const std::string& option) { return lang::Fill(lang::Tr("%1 given twice"), {option}); }

std::string Unreadable(const std::string& path) { return lang::Fill(lang::Tr("%1: cannot be read"), {path}) + '\n'; }

// Today as 2026-12-08; SOURCE_DATE_EPOCH, when set, fixes the day, so that
// a report can be made again byte for byte.
std::string Today() {
    std::time_t now = std::time(nullptr);
    const char* fixed = std::getenv("SOURCE_DATE_EPOCH");
    if (fixed != nullptr && *fixed != '\0') now = static_cast<std::time_t>(std::strtoll(fixed, nullptr, 10));
    std::tm day{};
#if defined(_WIN32)
    gmtime_s(&day, &now);
#else
    gmtime_r(&now, &day);
#endif
    char text[48];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", day.tm_year + 1900, day.tm_mon + 1, day.tm_mday);
    return text;
}

std::string BaseName(const std::string& path) {
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

int RunPlanCommand(const std::vector<std::string>& args, std::string& out, std::string& err) {
    out.clear();
    err.clear();
    std::string file;
    bool haveFile = false;
    bool json = false;
    bool haveFormat = false;
    std::optional<std::string> svg;
    std::optional<std::string> report;
    std::optional<draw::Paper> paper;
    std::optional<std::string> labPath;
    bool rank = false;
    PlanQuery query;

    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& word = args[i];
        if (word.size() < 2 || word.compare(0, 2, "--") != 0) {
            if (haveFile) return Usage(err, lang::Fill(lang::Tr("more than one FILE: %1"), {Quoted(word)}));
            file = word;
            haveFile = true;
            continue;
        }
        if (word == "--rank") {
            if (rank) return Usage(err, GivenTwice(word));
            rank = true;
            continue;
        }
        if (word != "--format" && word != "--at" && word != "--frequency" && word != "--resonance" && word != "--q" &&
            word != "--svg" && word != "--lab" && word != "--report" && word != "--paper") {
            return Usage(err, lang::Fill(lang::Tr("unknown option %1"), {Quoted(word)}));
        }
        if (i + 1 >= args.size()) return Usage(err, lang::Fill(lang::Tr("%1 needs a value"), {word}));
        const std::string& value = args[++i];
        std::optional<double>* slot = nullptr;
        QuantityKind kind = QuantityKind::Frequency;
        const char* expected = N_("a frequency, such as 100 or \"100 Hz\"");
        if (word == "--format") {
            if (haveFormat) return Usage(err, GivenTwice(word));
            if (value != "text" && value != "json") {
                return Usage(err, lang::Fill(lang::Tr("--format is text or json, not %1"), {Quoted(value)}));
            }
            haveFormat = true;
            json = value == "json";
            continue;
        }
        if (word == "--svg") {
            if (svg) return Usage(err, GivenTwice(word));
            svg = value;
            continue;
        }
        if (word == "--report") {
            if (report) return Usage(err, GivenTwice(word));
            report = value;
            continue;
        }
        if (word == "--paper") {
            if (paper) return Usage(err, GivenTwice(word));
            if (value != "a4" && value != "letter") {
                return Usage(err, lang::Fill(lang::Tr("--paper is a4 or letter, not %1"), {Quoted(value)}));
            }
            paper = value == "a4" ? draw::Paper::A4 : draw::Paper::Letter;
            continue;
        }
        if (word == "--lab") {
            if (labPath) return Usage(err, GivenTwice(word));
            labPath = value;
            continue;
        }
        if (word == "--at") {
            slot = &query.at;
            kind = QuantityKind::Time;
            expected = N_("a time, such as 2273 or \"37.9 min\"");
        } else if (word == "--frequency") {
            slot = &query.frequency;
        } else if (word == "--resonance") {
            slot = &query.resonance;
        } else {
            slot = &query.q;
            expected = N_("a number");
        }
        if (slot->has_value()) return Usage(err, GivenTwice(word));
        double number = 0.0;
        const bool read = word == "--q" ? IsPointNumberText(value) : ReadOptionValue(value, kind, number);
        if (word == "--q" && read) number = halvex::ParsePointNumber(value);
        if (!read)
            return Usage(err, lang::Fill(lang::Tr("%1 needs %2, not %3"), {word, lang::Tr(expected), Quoted(value)}));
        *slot = number;
    }
    if (!haveFile) return Usage(err, lang::Tr("FILE is missing"));
    if (query.q && !query.resonance) return Usage(err, lang::Tr("--q needs --resonance"));
    if (query.resonance && !query.q) return Usage(err, lang::Tr("--resonance needs --q"));
    if (rank && !labPath) return Usage(err, lang::Tr("--rank needs --lab"));
    if (rank && (svg || report || query.at || query.frequency || query.resonance)) {
        return Usage(err, lang::Tr("--rank answers alone, without --svg, --report, --at, --frequency or --resonance"));
    }
    if (paper && !report) return Usage(err, lang::Tr("--paper needs --report"));
    // JSON is machine output: its texts, messages included, keep the point.
    std::optional<halvex::PointNumbersScope> point;
    if (json) point.emplace();

    std::string text;
    if (!ReadTextFile(file, text)) {
        err = Unreadable(file);
        return 1;
    }
    PlanDocument document;
    PlanOutcome outcome;
    std::string message;
    LabDocument lab;
    if (labPath) {
        std::string labText;
        if (!ReadTextFile(*labPath, labText)) {
            err = Unreadable(*labPath);
            return 1;
        }
        if (!ReadLabDocument(labText, lab, message)) {
            err = *labPath + ": " + message + '\n';
            return 1;
        }
        query.lab = &lab;
    }
    if (!ReadPlanDocument(text, document, message) || !EvaluatePlan(document, query, outcome, message)) {
        err = file + ": " + message + '\n';
        return 1;
    }
    if (rank) {
        std::vector<RankedShaker> ranking;
        if (!RankShakers(document, outcome, lab, ranking, message)) {
            err = *labPath + ": " + message + '\n';
            return 1;
        }
        if (json && MachineTexts::Needed()) {
            // The ranking as programs read it: its reasons in English.
            const MachineTexts machine;
            PlanOutcome english;
            if (EvaluatePlan(document, query, english, message) &&
                RankShakers(document, english, lab, ranking, message)) {
                out = RankJsonReport(ranking);
                return 0;
            }
        }
        out = json ? RankJsonReport(ranking) : RankTextReport(document, ranking);
        return 0;
    }
    if (svg) {
        // The picture the planner exports, titled with the file's name.
        Chart chart;
        DrawChart(document, outcome, chart, ChartTitle{BaseName(file)});
        if (!WriteFileReplacing(*svg, ChartSvg(chart, 800, 600), message)) {
            err = message + '\n';
            return 1;
        }
    }
    if (report) {
        // The report of the plan alone: the answers to a query are not part of it.
        PlanOutcome plain;
        if (!EvaluatePlan(document, PlanQuery{{}, {}, {}, {}, query.lab}, plain, message)) {
            err = file + ": " + message + '\n';
            return 1;
        }
        ReportOptions options{paper.value_or(DefaultPaper()), BaseName(file), Today(), res::kProgramVersion};
        const draw::PagedDocument pages = LayOutReport(document, plain, labPath ? &lab : nullptr, options);
        if (!WriteFileReplacing(*report, ReportHtml(pages), message)) {
            err = message + '\n';
            return 1;
        }
    }
    if (json && MachineTexts::Needed()) {
        // The answer as programs read it: its warnings in English, its
        // numbers with the point.
        const MachineTexts machine;
        PlanOutcome english;
        if (EvaluatePlan(document, query, english, message)) {
            out = PlanJsonReport(document, english);
            return 0;
        }
    }
    out = json ? PlanJsonReport(document, outcome) : PlanTextReport(document, outcome);
    return 0;
}

}  // namespace planner

namespace planner {

int RunLabCommand(const std::vector<std::string>& args, std::string& out, std::string& err) {
    out.clear();
    err.clear();
    const auto usage = [&](const std::string& problem) {
        err = UsageLine("lab", problem, "lab LIB [--format text|json]");
        return 2;
    };
    std::optional<std::string> file;
    std::optional<std::string> format;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--format") {
            if (format) return usage(GivenTwice(args[i]));
            if (i + 1 >= args.size()) return usage(lang::Fill(lang::Tr("%1 needs a value"), {args[i]}));
            format = args[++i];
            if (*format != "text" && *format != "json")
                return usage(lang::Fill(lang::Tr("--format is text or json, not %1"), {Quoted(*format)}));
        } else if (args[i].size() >= 2 && args[i].compare(0, 2, "--") == 0) {
            return usage(lang::Fill(lang::Tr("unknown option %1"), {Quoted(args[i])}));
        } else if (file) {
            return usage(lang::Fill(lang::Tr("more than one LIB: %1"), {Quoted(args[i])}));
        } else {
            file = args[i];
        }
    }
    if (!file) return usage(lang::Tr("LIB is missing"));
    std::optional<halvex::PointNumbersScope> point;
    if (format == std::optional<std::string>("json")) point.emplace();
    std::string text;
    if (!ReadTextFile(*file, text)) {
        err = Unreadable(*file);
        return 1;
    }
    LabDocument lab;
    std::string message;
    if (!ReadLabDocument(text, lab, message)) {
        err = *file + ": " + message + '\n';
        return 1;
    }
    out = format == std::optional<std::string>("json") ? LabJsonReport(lab) : LabTextReport(lab);
    return 0;
}

}  // namespace planner
