// halvex-drive [SCRIPT]: the program on the headless backend, driven by a
// script (or standard input), writing JSON lines to standard output.
#include <fstream>
#include <iostream>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "app/drive_session.h"

int main(int argc, char** argv) {
    if (argc > 2) {
        std::cerr << "usage: halvex-drive [SCRIPT]\n";
        return 2;
    }
    std::ifstream file;
    if (argc == 2) {
        file.open(argv[1], std::ios::binary);
        if (!file) {
            std::cerr << "halvex-drive: cannot open " << argv[1] << '\n';
            return 2;
        }
    }
#ifdef _WIN32
    // The same bytes as everywhere else: LF line ends out, input as it is.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stdin), _O_BINARY);
#endif
    std::ios::sync_with_stdio(false);
    halvex::DriveSession session(argc == 2 ? static_cast<std::istream&>(file) : std::cin, std::cout);
    return session.Run();
}
