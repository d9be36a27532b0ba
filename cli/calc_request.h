#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "puresine/pure_sine_calc.h"

// One halvex-calc request: a command, its options and the answer it writes.
namespace halvex::cli {

enum class Format { Text, Tsv, Json };

// Also the program's exit status for a single request.
enum class Status { Answered = 0, Refused = 1, Usage = 2 };

// The options that a request gave, by name without the dashes; a flag has
// an empty value.
class Options {
public:
    // nullptr when the option was not given.
    const std::string_view* Find(std::string_view name) const;
    bool Has(std::string_view name) const { return Find(name) != nullptr; }
    std::string_view Value(std::string_view name) const;  // empty when not given

    void Clear() { m_items.clear(); }
    void Add(std::string_view name, std::string_view value) { m_items.push_back({name, value}); }

private:
    struct Item {
        std::string_view name;
        std::string_view value;
    };
    std::vector<Item> m_items;
};

// Buffers that one request after another reuses, so that a batch does not
// allocate per line.
struct Scratch {
    Options options;
    puresine::PureSineOutcome pureSine;
};

// What one command runs on its options, after they have been read. Writes the
// answer in the format to out and returns Answered, or returns Refused with
// the calculator's message, or Usage with the problem, in problem.
using CommandRun = Status (*)(const Options& options, Format format, Scratch& scratch, std::string& out,
                              std::string& problem);

struct OptionRule {
    const char* name;  // without the dashes
    bool flag;         // takes no value
};

// One entry per command: a new command is one more entry.
struct CommandRule {
    const char* name;                 // first word: "sine", "sweep"
    const char* analysis;             // second word, or nullptr when there is none
    std::vector<OptionRule> options;  // besides --format, which every command takes
    CommandRun run;
};

const std::vector<CommandRule>& Commands();

// Runs one request (the arguments without the program's name). On success
// the answer is appended to out; otherwise problem holds the message of a
// refusal or the one-line description of a usage error, and format the
// format asked for, in which a refusal is to be written. A batch passes
// jsonOnly: its answers are JSON lines, and asking for another format is a
// usage error.
Status RunRequest(const std::vector<std::string_view>& args, bool jsonOnly, Scratch& scratch, std::string& out,
                  std::string& problem, Format& format);

// The error object that JSON answers carry instead of a result.
void AppendJsonError(std::string& out, std::string_view message);

std::string HelpText();
std::string VersionText();

}  // namespace halvex::cli
