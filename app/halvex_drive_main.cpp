// halvex-drive [--program calculator|planner] [SCRIPT]: a program on the
// headless backend, driven by a script (or standard input), writing JSON
// lines to standard output.
#include <fstream>
#include <iostream>
#include <string>

#include "app/drive_session.h"

int main(int argc, char** argv) {
    halvex::DriveSession::Program program = halvex::DriveSession::Program::Calculator;
    int first = 1;
    if (argc > 2 && std::string(argv[1]) == "--program") {
        const std::string name = argv[2];
        if (name == "planner") {
            program = halvex::DriveSession::Program::Planner;
        } else if (name != "calculator") {
            std::cerr << "halvex-drive: unknown program " << name << '\n';
            return 2;
        }
        first = 3;
    }
    if (argc - first > 1) {
        std::cerr << "usage: halvex-drive [--program calculator|planner] [SCRIPT]\n";
        return 2;
    }
    std::ifstream file;
    if (argc - first == 1) {
        file.open(argv[first], std::ios::binary);
        if (!file) {
            std::cerr << "halvex-drive: cannot open " << argv[first] << '\n';
            return 2;
        }
    }
    std::ios::sync_with_stdio(false);
    halvex::DriveSession session(argc - first == 1 ? static_cast<std::istream&>(file) : std::cin, std::cout, program);
    return session.Run();
}
