// halvex-drive [SCRIPT]: the program on the headless backend, driven by a
// script (or standard input), writing JSON lines to standard output.
#include <fstream>
#include <iostream>

#include "app/command_line.h"
#include "app/drive_session.h"

namespace {

const halvex::CommandLineSyntax kSyntax{
    "halvex-drive",
    "Usage: halvex-drive [OPTION]... [--] [SCRIPT]\n"
    "Runs Halvex without a screen: plays the user actions of SCRIPT, or of\n"
    "standard input when there is no SCRIPT, one command a line, on the main menu\n"
    "and the dialogs it opens, and writes what happens to standard output as one\n"
    "JSON object a line. The commands are described in halvex-drive(1).\n"
    "\n"
    "Options:\n"
    "  --help     show this help and exit\n"
    "  --version  show the version and exit\n"
    "  --         end of options: what follows is the script's name, even if it\n"
    "             begins with '-'\n"
    "\n"
    "Exit status: 0 when every command was carried out, 1 when an error line was\n"
    "written, 2 when the script cannot be opened or the command line is wrong.\n",
    {},
    1,
};

}  // namespace

int main(int argc, char** argv) {
    const halvex::CommandLine line = halvex::ParseCommandLine(kSyntax, argc, argv, std::cout, std::cerr);
    if (line.exit) return line.exitStatus;
    std::ifstream file;
    const bool fromFile = !line.operands.empty();
    if (fromFile) {
        file.open(line.operands[0], std::ios::binary);
        if (!file) {
            std::cerr << "halvex-drive: cannot open " << line.operands[0] << '\n';
            return 2;
        }
    }
    std::ios::sync_with_stdio(false);
    halvex::DriveSession session(fromFile ? static_cast<std::istream&>(file) : std::cin, std::cout);
    return session.Run();
}
