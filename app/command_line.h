#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The programs' command lines: --help and --version for every program, the
// program's own long options, and operands. "--" ends the options, so an
// operand may begin with "-"; a lone "-" is an operand.
namespace halvex {

struct OptionRule {
    std::string_view name;  // without the leading "--"
    bool takesValue;        // "--name VALUE" or "--name=VALUE"
};

struct CommandLineSyntax {
    std::string_view program;  // in messages and in --version
    std::string_view help;     // the whole text of --help
    std::vector<OptionRule> options;
    std::size_t maxOperands;
};

struct CommandLine {
    // Set when the program must end at once with exitStatus: after --help or
    // --version (0), or a wrong command line, already reported in one line (2).
    bool exit = false;
    int exitStatus = 0;
    // The program's own options in the order given, each with its value
    // (empty for an option without one).
    std::vector<std::pair<std::string, std::string>> options;
    std::vector<std::string> operands;
    // What the program is to print: --help's or --version's text, and the
    // one-line report of a wrong command line.
    std::string out;
    std::string err;
};

// Reads the arguments; prints nothing (the desktop programs carry no
// iostreams: PrintCommandLineMessages writes through C's standard streams).
CommandLine ParseCommandLine(const CommandLineSyntax& syntax, int argc, const char* const* argv);

// Sets the process's language and decimal sign before anything is written,
// so that even --help speaks the language asked for: first from the user's
// settings for a desktop program (fromUserSettings), English and the point
// for the others; then from --language CODE and --decimal-comma wherever they
// are before "--". A code Halvex does not speak is left for ParseCommandLine
// to refuse. Every program takes both options.
void ApplyLanguageOptions(int argc, const char* const* argv, bool fromUserSettings);

// Writes the line's out and err texts to standard output and error, flushed.
void PrintCommandLineMessages(const CommandLine& line);

// The arguments without the widget toolkit's style choice ("-style NAME" or
// "-style=NAME", also with two dashes), which the desktop programs leave for
// the toolkit; argv[0] stays first. Stops at "--".
std::vector<const char*> WithoutStyleOption(int argc, const char* const* argv);

}  // namespace halvex
