#include "app/desktop_syntax.h"

#include <string>

#include "lang/tr.h"

namespace halvex {
namespace {

// Each paragraph is one text for the translators, so that they may reflow it.
std::string Options(Toolkit toolkit) {
    const char* language = lang::Tr(
        "  --language CODE\n"
        "               speak CODE (en, de, fr, zh_CN or ja) rather than the language\n"
        "               of the user's settings\n"
        "  --decimal-comma\n"
        "               read and write numbers with a decimal comma, whatever the\n"
        "               regional settings say\n");
    if (toolkit == Toolkit::Win32) {
        return std::string(lang::Tr("Options:\n"
                                    "  --help     show this help and exit\n"
                                    "  --version  show the version and exit\n")) +
               language;
    }
    return std::string(lang::Tr("Options:\n"
                                "  --help       show this help and exit\n"
                                "  --version    show the version and exit\n"
                                "  -style NAME  the widget style, e.g. fusion (the default) or windows; also\n"
                                "               taken from QT_STYLE_OVERRIDE\n")) +
           language + "\n" + lang::Tr("The display is chosen as for any Qt program, e.g. QT_QPA_PLATFORM=wayland.\n");
}

std::string CalculatorHelp(Toolkit toolkit) {
    return std::string(lang::Tr("Usage: halvex [OPTION]...\n")) +
           lang::Tr(
               "Halvex, a calculator for sinusoidal vibration. Opens the main menu, from\n"
               "which the pure sine and the sine sweep calculators are chosen; closing the\n"
               "main menu ends the program.\n") +
           "\n" + Options(toolkit) + "\n" +
           lang::Tr(
               "Exit status: 0 when the main menu was closed, 2 when the command line is\n"
               "wrong.\n");
}

std::string PlannerHelp(Toolkit toolkit) {
    return std::string(lang::Tr("Usage: halvex-planner [OPTION]... [FILE]\n")) +
           lang::Tr(
               "The Halvex sine test planner: a profile of sine segments, its crossovers and\n"
               "peaks, the shaker check and the test time, on the four-coordinate chart.\n"
               "Plans are kept in .halvex-plan files; FILE, when given, is opened at start.\n"
               "With --lab, the lab's equipment library opens instead: FILE, else the library\n"
               "chosen last, else the user's own.\n") +
           "\n" + Options(toolkit) + lang::Tr("  --lab        edit the equipment library (a .halvex-lab file)\n") +
           lang::Tr(
               "  --export-report OUT\n"
               "               write FILE's test plan report to OUT and exit, showing no window:\n") +
           (toolkit == Toolkit::Qt
                ? lang::Tr("               PDF (OUT.pdf) or HTML (OUT.html), on the paper of LC_PAPER\n")
                : lang::Tr("               HTML (OUT.html), on the default printer's paper\n")) +
           "\n" +
           lang::Tr(
               "Exit status: 0 when the window was closed or the report written, 1 when the\n"
               "report could not be written (the reason on standard error), 2 when the\n"
               "command line is wrong.\n");
}

}  // namespace

// The syntax keeps views of its texts, so they live as long as the program.
const CommandLineSyntax& CalculatorSyntax(Toolkit toolkit) {
    static const std::string help[] = {CalculatorHelp(Toolkit::Qt), CalculatorHelp(Toolkit::Win32)};
    static const CommandLineSyntax syntax[] = {{"halvex", help[0], {}, 0}, {"halvex", help[1], {}, 0}};
    return syntax[toolkit == Toolkit::Qt ? 0 : 1];
}

const CommandLineSyntax& PlannerSyntax(Toolkit toolkit) {
    static const std::string help[] = {PlannerHelp(Toolkit::Qt), PlannerHelp(Toolkit::Win32)};
    static const CommandLineSyntax syntax[] = {
        {"halvex-planner", help[0], {{"lab", false}, {"export-report", true}}, 1},
        {"halvex-planner", help[1], {{"lab", false}, {"export-report", true}}, 1}};
    return syntax[toolkit == Toolkit::Qt ? 0 : 1];
}

PlannerStart PlannerStartOf(const CommandLine& line) {
    PlannerStart start;
    bool exporting = false;
    for (const auto& option : line.options) {
        start.lab = start.lab || option.first == "lab";
        if (option.first == "export-report") {
            if (exporting) start.problem = lang::Tr("halvex-planner: --export-report given twice");
            exporting = true;
            start.exportReport = option.second;
        }
    }
    if (!line.operands.empty()) start.file = line.operands.front();
    if (exporting && start.problem.empty()) {
        if (start.lab) {
            start.problem = lang::Tr("halvex-planner: --export-report writes a plan's report, not with --lab");
        } else if (start.file.empty()) {
            start.problem = lang::Tr("halvex-planner: --export-report needs the plan FILE");
        } else if (start.exportReport.empty()) {
            start.problem = lang::Tr("halvex-planner: --export-report needs a file name");
        }
    }
    return start;
}

}  // namespace halvex
