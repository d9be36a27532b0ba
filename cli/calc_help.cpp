#include "cli/calc_request.h"

#ifndef HALVEX_CALC_VERSION
#error "the build defines HALVEX_CALC_VERSION from the project's version"
#endif

namespace halvex::cli {

std::string HelpText() {
    return "Usage: halvex-calc COMMAND [OPTIONS]\n"
           "       halvex-calc --batch [--format json]\n"
           "Sinusoidal vibration calculations from the command line, with the texts of the\n"
           "Halvex dialogs.\n"
           "\n"
           "Commands:\n"
           "  sine --dimension pp|zp|velocity|acceleration --amplitude A --unit U\n"
           "       --frequency F [--frequency-unit hz|rad/s] [--rotation]\n"
           "      pure sine: U is uin, mil, in, um, mm, m, or g for acceleration\n"
           "      (per second or per second squared for velocity and acceleration);\n"
           "      with --rotation, rad or deg\n"
           "  sweep amplitude --frequency F --given dzp|dpp|velocity|acceleration --amplitude A\n"
           "  sweep crossover --pair dzp-velocity|dzp-acceleration|dpp-velocity|\n"
           "                         dpp-acceleration|velocity-acceleration --first A --second B\n"
           "  sweep octaves --from F1 --to F2\n"
           "  sweep rate --type linear|log --from F1 --to F2 --minutes T\n"
           "  sweep cycles --type linear|log --from F1 --to F2 --minutes T\n"
           "      sine sweep analyses, in inches, in/sec, G, Hz and minutes\n"
           "  plan FILE [--at TIME] [--frequency F] [--resonance F --q Q] [--svg OUT]\n"
           "           [--report OUT.html [--paper a4|letter]] [--lab LIB [--rank]]\n"
           "      the sine test plan of a .halvex-plan document: profile, crossovers,\n"
           "      peaks, shaker check, test time; its timeline and a resonance on request;\n"
           "      --svg writes its four-coordinate chart to OUT; --report writes the test\n"
           "      plan report as one HTML file to print or mail; --lab LIB derates a shaker\n"
           "      named from the lab's library, and --rank ranks the library's shakers\n"
           "  lab LIB\n"
           "      the lab's equipment library of a .halvex-lab document, listed\n"
           "  templates [--lab LIB]\n"
           "      the plan templates: built in, and the library's own\n"
           "  template ID [--lab LIB]\n"
           "      the template's plan document, to fill and save as a plan\n"
           "\n"
           "Options:\n"
           "  --format text|tsv|json  text: the result boxes, one a line (default);\n"
           "                          tsv: the results table; json: one object\n"
           "  --batch                 one request a line from standard input, one JSON\n"
           "                          answer a line\n"
           "  --help                  this text\n"
           "  --version               the program's version\n"
           "\n"
           "Exit status: 0 answered; 1 refused (the dialog's message on standard error, or\n"
           "{\"error\": ...} in JSON), or in a batch any line refused or malformed;\n"
           "2 usage error or unreadable input.\n"
           "See halvex-calc(1) for more.\n";
}

std::string VersionText() { return "halvex-calc " HALVEX_CALC_VERSION "\n"; }

}  // namespace halvex::cli
