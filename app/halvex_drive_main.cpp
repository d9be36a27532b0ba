// halvex-drive [--backend headless|win32] [--program calculator|planner|lab]
// [SCRIPT]: the program driven by a script (or standard input), writing JSON
// lines to standard output; on the headless backend, or on real Win32
// dialogs in the Windows build.
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>

#include "app/command_line.h"
#include "app/drive_session.h"
#include "lang/tr.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>

#include "app/win32/win32_drive_session.h"
#endif

namespace {

// An option's translated description beside its name, each further line
// under the first; the option names and values stay as they are.
std::string Option(const char* name, const char* description) {
    constexpr std::size_t kColumn = 18;
    std::string text = std::string("  ") + name;
    text.append(text.size() < kColumn ? kColumn - text.size() : 1, ' ');
    std::string_view rest = lang::Tr(description);
    for (bool first = true; !rest.empty(); first = false) {
        const std::size_t end = rest.find('\n');
        if (!first) text.append(kColumn, ' ');
        text += rest.substr(0, end);
        text += '\n';
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    }
    return text;
}

// The help in the language asked for (--language is read before the rest).
std::string HelpText() {
    return lang::Tr("Usage:") + std::string(" halvex-drive [OPTION]... [--] [SCRIPT]\n") +
           lang::Tr(
               "Runs Halvex without a screen: plays the user actions of SCRIPT, or of\n"
               "standard input when there is no SCRIPT, one command a line, on the main menu\n"
               "and the dialogs it opens, and writes what happens to standard output as one\n"
               "JSON object a line. The commands are described in halvex-drive(1).\n") +
           "\n" + lang::Tr("Options:") + "\n" +
           Option("--backend NAME", N_("headless (the default), or win32 for real Win32 dialogs in\n"
                                       "the Windows build")) +
           Option("--program NAME", N_("calculator (the default: the main menu), planner for the\n"
                                       "sine test planner, or lab for the equipment library's\n"
                                       "editor on the library chosen last")) +
           Option("--language CODE", N_("the language of the controls' texts: en (the default),\n"
                                        "de, fr, zh_CN or ja")) +
           Option("--decimal-comma", N_("numbers in the controls with a decimal comma; the\n"
                                        "values written keep the point")) +
           Option("--help", N_("show this help and exit")) + Option("--version", N_("show the version and exit")) +
           Option("--", N_("end of options: what follows is the script's name, even if\n"
                           "it begins with '-'")) +
           "\n" +
           lang::Tr(
               "Exit status: 0 when every command was carried out, 1 when an error line was\n"
               "written, 2 when the script cannot be opened or the command line is wrong.\n");
}

}  // namespace

int main(int argc, char** argv) {
    halvex::ApplyLanguageOptions(argc, argv, false);
    const std::string help = HelpText();
    const halvex::CommandLineSyntax syntax{"halvex-drive", help, {{"backend", true}, {"program", true}}, 1};
    const halvex::CommandLine line = halvex::ParseCommandLine(syntax, argc, argv);
    halvex::PrintCommandLineMessages(line);
    if (line.exit) return line.exitStatus;
    std::string backend = "headless";
    std::string program = "calculator";
    for (const auto& [name, value] : line.options) {
        if (name == "backend") backend = value;
        if (name == "program") program = value;
    }
    if (program != "calculator" && program != "planner" && program != "lab") {
        std::cerr << "halvex-drive: no program " << program << '\n';
        return 2;
    }
#ifdef _WIN32
    const bool known = backend == "headless" || backend == "win32";
#else
    const bool known = backend == "headless";
#endif
    if (!known) {
        std::cerr << "halvex-drive: no backend " << backend << " in this build\n";
        return 2;
    }
    std::ifstream file;
    const bool fromFile = !line.operands.empty();
    if (fromFile) {
        file.open(line.operands[0], std::ios::binary);
        if (!file) {
            std::cerr << "halvex-drive: cannot open " << line.operands[0] << '\n';
            return 2;
        }
    }
#ifdef _WIN32
    // The same bytes as everywhere else: LF line ends out, input as it is.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stdin), _O_BINARY);
#endif
    std::ios::sync_with_stdio(false);
    std::istream& in = fromFile ? static_cast<std::istream&>(file) : std::cin;
    const auto chosen = program == "planner" ? halvex::DriveSession::Program::Planner
                        : program == "lab"   ? halvex::DriveSession::Program::Lab
                                             : halvex::DriveSession::Program::Calculator;
#ifdef _WIN32
    if (backend == "win32") return halvex::Win32DriveSession(in, std::cout, chosen).Run();
#endif
    return halvex::DriveSession(in, std::cout, chosen).Run();
}
