// halvex-calc: the calculators from the command line, one request from the
// arguments or a batch from standard input.
#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "cli/calc_batch.h"
#include "cli/calc_request.h"
#include "lang/tr.h"
#include "numeric/number_text.h"
#include "planner/machine_texts.h"
#include "planner/plan.h"
#include "planner/templates.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace {

using halvex::cli::Format;
using halvex::cli::Status;

constexpr int kUsageStatus = static_cast<int>(Status::Usage);

void Write(std::FILE* stream, const std::string& text) { std::fwrite(text.data(), 1, text.size(), stream); }

int UsageError(const std::string& problem) {
    Write(stderr, "halvex-calc: " + problem + "\n");
    return kUsageStatus;
}

using planner::MachineTexts;

// Takes --language CODE (or --language=CODE) and --decimal-comma out of the
// arguments, wherever they are, before anything else reads them. False with
// a usage problem; the language is set at once, so that even the problem of
// a later word is told in it.
bool TakeLanguageOptions(std::vector<std::string_view>& args, bool& decimalComma, std::string& problem) {
    std::vector<std::string_view> rest;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (arg == "--decimal-comma") {
            decimalComma = true;
            continue;
        }
        if (arg.rfind("--decimal-comma=", 0) == 0) {
            problem = lang::Tr("option --decimal-comma takes no value");
            return false;
        }
        std::string_view code;
        if (arg == "--language") {
            if (i + 1 == args.size()) {
                problem = lang::Tr("option --language needs a value");
                return false;
            }
            code = args[++i];
        } else if (arg.rfind("--language=", 0) == 0) {
            code = arg.substr(11);
        } else {
            rest.push_back(arg);
            continue;
        }
        const std::optional<lang::Language> language = lang::LanguageOfCode(code);
        if (!language) {
            problem = lang::Fill(lang::Tr("no language '%1' (en, de, fr, zh_CN or ja)"), {code});
            return false;
        }
        lang::SetLanguage(*language);
    }
    args = std::move(rest);
    return true;
}

int RunBatch() {
#ifdef _WIN32
    // Bytes as they are: no CR LF translation, no end at a Ctrl-Z.
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    halvex::cli::BatchRun batch;
    std::vector<char> buffer(1 << 16);
    // Every answer is a JSON line.
    std::optional<MachineTexts> machine(std::in_place);
    while (true) {
        const std::size_t read = std::fread(buffer.data(), 1, buffer.size(), stdin);
        if (read > 0) batch.Feed(std::string_view(buffer.data(), read));
        if (batch.Output().size() >= (1u << 16)) {
            Write(stdout, batch.Output());
            batch.Output().clear();
        }
        if (read < buffer.size()) break;
    }
    const bool unreadable = std::ferror(stdin) != 0;
    if (!unreadable) batch.Finish();
    machine.reset();
    Write(stdout, batch.Output());
    if (std::fflush(stdout) != 0) return kUsageStatus;
    if (unreadable) {
        Write(stderr, std::string("halvex-calc: ") + lang::Tr("cannot read standard input") + "\n");
        return kUsageStatus;
    }
    return batch.ExitStatus();
}

}  // namespace

int main(int argc, char** argv) {
    // English and the point unless asked otherwise: scripts match the texts.
    std::vector<std::string_view> args(argv + 1, argv + argc);
    bool decimalComma = false;
    std::string languageProblem;
    if (!TakeLanguageOptions(args, decimalComma, languageProblem)) return UsageError(languageProblem);
    for (std::string_view arg : args) {
        if (arg == "--help") {
            Write(stdout, halvex::cli::HelpText());
            return 0;
        }
        if (arg == "--version") {
            Write(stdout, halvex::cli::VersionText());
            return 0;
        }
    }
    if (std::find(args.begin(), args.end(), "--batch") != args.end()) {
        // Nothing else but --format json, before or after. --decimal-comma
        // changes nothing here: the lines are read, and the answers written,
        // as programs write numbers, with the point.
        bool batch = false;
        bool format = false;
        for (std::size_t i = 0; i < args.size(); ++i) {
            const std::string_view arg = args[i];
            if (arg == "--batch") {
                if (batch) return UsageError(lang::Tr("option --batch given twice"));
                batch = true;
                continue;
            }
            std::string_view value;
            if (arg == "--format") {
                if (i + 1 == args.size()) return UsageError(lang::Tr("option --format needs a value"));
                value = args[++i];
            } else if (arg.rfind("--format=", 0) == 0) {
                value = arg.substr(9);
            } else {
                return UsageError(lang::Fill(lang::Tr("unexpected argument '%1' with --batch"), {arg}));
            }
            if (format) return UsageError(lang::Tr("option --format given twice"));
            format = true;
            if (value != "json") return UsageError(lang::Tr("--batch answers in JSON only: --format json or nothing"));
        }
        return RunBatch();
    }

    using PlannerCommand = int (*)(const std::vector<std::string>&, std::string&, std::string&);
    static const std::pair<std::string_view, PlannerCommand> kPlannerCommands[] = {
        {"plan", planner::RunPlanCommand},
        {"lab", planner::RunLabCommand},
        {"templates", planner::RunTemplatesCommand},
        {"template", planner::RunTemplateCommand}};
    PlannerCommand command = nullptr;
    for (const auto& [name, run] : kPlannerCommands) {
        if (!args.empty() && args.front() == name) command = run;
    }
    halvex::SetDecimalComma(decimalComma);
    if (command != nullptr) {
        // The planner reads its documents and options itself.
        const std::vector<std::string> words(args.begin() + 1, args.end());
        std::string out;
        std::string err;
        const int status = command(words, out, err);
        Write(stdout, out);
        if (!err.empty()) Write(stderr, (status == kUsageStatus ? "halvex-calc: " : "") + err);
        if (std::fflush(stdout) != 0) return kUsageStatus;
        return status;
    }

    halvex::cli::Scratch scratch;
    std::string out;
    std::string problem;
    Format format = Format::Text;
    Status status = halvex::cli::RunRequest(args, false, scratch, out, problem, format);
    if (status != Status::Usage && format == Format::Json && MachineTexts::Needed()) {
        // The same answer again as programs read it; a usage problem stays
        // on standard error in the language asked for.
        const MachineTexts machine;
        out.clear();
        problem.clear();
        status = halvex::cli::RunRequest(args, false, scratch, out, problem, format);
    }
    switch (status) {
        case Status::Answered:
            Write(stdout, out);
            break;
        case Status::Refused:
            if (format == Format::Json) {
                halvex::cli::AppendJsonError(out, problem);
                Write(stdout, out);
            } else {
                // The calculator's message, as its dialog shows it.
                Write(stderr, lang::Tr(problem.c_str()) + std::string("\n"));
            }
            break;
        case Status::Usage:
            return UsageError(problem);
    }
    if (std::fflush(stdout) != 0) return kUsageStatus;
    return static_cast<int>(status);
}
