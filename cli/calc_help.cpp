#include "cli/calc_request.h"
#include "lang/tr.h"

#ifndef HALVEX_CALC_VERSION
#error "the build defines HALVEX_CALC_VERSION from the project's version"
#endif

namespace halvex::cli {
namespace {

// Each line of a translated paragraph after the indent; the command syntax
// and option names between them are never translated.
std::string Indented(const char* indent, const char* paragraph) {
    std::string text;
    std::string_view rest = lang::Tr(paragraph);
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        text += indent;
        text += rest.substr(0, end);
        text += '\n';
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    }
    return text;
}

// An option's description beside its name, the lines after the first under
// the first.
std::string Option(const char* name, const char* description) {
    constexpr std::size_t kColumn = 26;
    std::string text = "  ";
    text += name;
    text.append(text.size() < kColumn ? kColumn - text.size() : 1, ' ');
    const std::string lines = Indented("", description);
    std::size_t at = 0;
    while (at < lines.size()) {
        const std::size_t end = lines.find('\n', at);
        if (at > 0) text.append(kColumn, ' ');
        text.append(lines, at, end - at + 1);
        at = end + 1;
    }
    return text;
}

// The columns a text takes on a terminal, two for a Chinese or Japanese
// character, so that the second syntax line stands under the first.
std::size_t Columns(std::string_view text) {
    std::size_t columns = 0;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte & 0xC0) != 0x80) columns += byte >= 0xE3 ? 2 : 1;
    }
    return columns;
}

}  // namespace

std::string HelpText() {
    const std::string usage = lang::Tr("Usage:");
    return usage + " halvex-calc COMMAND [OPTIONS]\n" + std::string(Columns(usage), ' ') +
           " halvex-calc --batch [--format json]\n" +
           Indented("", N_("Sinusoidal vibration calculations from the command line, with the texts of the\n"
                           "Halvex dialogs.")) +
           "\n" + lang::Tr("Commands:") + "\n" +
           "  sine --dimension pp|zp|velocity|acceleration --amplitude A --unit U\n"
           "       --frequency F [--frequency-unit hz|rad/s] [--rotation]\n" +
           Indented("      ", N_("pure sine: U is uin, mil, in, um, mm, m, or g for acceleration\n"
                                 "(per second or per second squared for velocity and acceleration);\n"
                                 "with --rotation, rad or deg")) +
           "  sweep amplitude --frequency F --given dzp|dpp|velocity|acceleration --amplitude A\n"
           "  sweep crossover --pair dzp-velocity|dzp-acceleration|dpp-velocity|\n"
           "                         dpp-acceleration|velocity-acceleration --first A --second B\n"
           "  sweep octaves --from F1 --to F2\n"
           "  sweep rate --type linear|log --from F1 --to F2 --minutes T\n"
           "  sweep cycles --type linear|log --from F1 --to F2 --minutes T\n" +
           Indented("      ", N_("sine sweep analyses, in inches, in/sec, G, Hz and minutes")) +
           "  plan FILE [--at TIME] [--frequency F] [--resonance F --q Q] [--svg OUT]\n"
           "           [--report OUT.html [--paper a4|letter]] [--lab LIB [--rank]]\n" +
           Indented("      ", N_("the sine test plan of a .halvex-plan document: profile, crossovers,\n"
                                 "peaks, shaker check, test time; its timeline and a resonance on request;\n"
                                 "--svg writes its four-coordinate chart to OUT; --report writes the test\n"
                                 "plan report as one HTML file to print or mail; --lab LIB derates a shaker\n"
                                 "named from the lab's library, and --rank ranks the library's shakers")) +
           "  lab LIB\n" + Indented("      ", N_("the lab's equipment library of a .halvex-lab document, listed")) +
           "  templates [--lab LIB]\n" + Indented("      ", N_("the plan templates: built in, and the library's own")) +
           "  template ID [--lab LIB]\n" +
           Indented("      ", N_("the template's plan document, to fill and save as a plan")) + "\n" +
           lang::Tr("Options:") + "\n" +
           Option("--format text|tsv|json", N_("text: the result boxes, one a line (default);\n"
                                               "tsv: the results table; json: one object")) +
           Option("--batch", N_("one request a line from standard input, one JSON\n"
                                "answer a line")) +
           Option("--language CODE", N_("the language of the texts for people: en (default),\n"
                                        "de, fr, zh_CN or ja; JSON answers stay English")) +
           Option("--decimal-comma", N_("numbers for people with a decimal comma; JSON\n"
                                        "answers and --batch keep the point")) +
           Option("--help", N_("this text")) + Option("--version", N_("the program's version")) + "\n" +
           Indented("", N_("Exit status: 0 answered; 1 refused (the dialog's message on standard error, or\n"
                           "{\"error\": ...} in JSON), or in a batch any line refused or malformed;\n"
                           "2 usage error or unreadable input.\n"
                           "See halvex-calc(1) for more."));
}

std::string VersionText() { return "halvex-calc " HALVEX_CALC_VERSION "\n"; }

}  // namespace halvex::cli
