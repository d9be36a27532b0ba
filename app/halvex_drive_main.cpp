// halvex-drive [--backend headless|win32] [--program calculator|planner]
// [SCRIPT]: the program driven by a script (or standard input), writing JSON
// lines to standard output; on the headless backend, or on real Win32
// dialogs in the Windows build. The planner runs headless.
#include <fstream>
#include <iostream>
#include <string_view>

#include "app/drive_session.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>

#include "app/win32/win32_drive_session.h"
#endif

namespace {

int Usage() {
    std::cerr << "usage: halvex-drive [--backend headless|win32] [--program calculator|planner] [SCRIPT]\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    std::string_view backend = "headless";
    std::string_view program = "calculator";
    int next = 1;
    if (next < argc && std::string_view(argv[next]) == "--backend") {
        if (next + 1 >= argc) return Usage();
        backend = argv[next + 1];
        next += 2;
    }
    if (next < argc && std::string_view(argv[next]) == "--program") {
        if (next + 1 >= argc) return Usage();
        program = argv[next + 1];
        next += 2;
    }
    if (program != "calculator" && (program != "planner" || backend != "headless")) {
        std::cerr << "halvex-drive: no program " << program << " on the " << backend << " backend\n";
        return 2;
    }
    if (argc - next > 1) return Usage();
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
    if (next < argc) {
        file.open(argv[next], std::ios::binary);
        if (!file) {
            std::cerr << "halvex-drive: cannot open " << argv[next] << '\n';
            return 2;
        }
    }
#ifdef _WIN32
    // The same bytes as everywhere else: LF line ends out, input as it is.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stdin), _O_BINARY);
#endif
    std::ios::sync_with_stdio(false);
    std::istream& in = next < argc ? static_cast<std::istream&>(file) : std::cin;
#ifdef _WIN32
    if (backend == "win32") return halvex::Win32DriveSession(in, std::cout).Run();
#endif
    return halvex::DriveSession(in, std::cout,
                                program == "planner" ? halvex::DriveSession::Program::Planner
                                                     : halvex::DriveSession::Program::Calculator)
        .Run();
}
