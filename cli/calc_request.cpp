#include "cli/calc_request.h"

#include <initializer_list>
#include <optional>

#include "cli/calc_answers.h"
#include "lang/tr.h"
#include "numeric/json_text.h"
#include "numeric/number_text.h"
#include "puresine/pure_sine_state.h"
#include "puresine/pure_sine_tables.h"
#include "sweep/sine_sweep_calc.h"

namespace halvex::cli {
namespace {

std::string Quoted(std::string_view text) { return "'" + std::string(text) + "'"; }

// "a, b or c"
std::string Alternatives(std::initializer_list<const char*> words) {
    std::string text;
    std::size_t i = 0;
    for (const char* word : words) {
        if (i == 0) {
            text = word;
        } else if (i + 1 == words.size()) {
            text = lang::Fill(lang::Tr("%1 or %2"), {text, word});
        } else {
            text += ", ";
            text += word;
        }
        ++i;
    }
    return text;
}

// The position of the option's value among words: the index of the list
// item it picks. -1 when the option is not given, as a list with nothing
// selected; false with a usage problem for any other word.
bool Choose(const Options& options, const char* name, std::initializer_list<const char*> words, int& index,
            std::string& problem) {
    index = -1;
    const std::string_view* value = options.Find(name);
    if (value == nullptr) return true;
    int i = 0;
    for (const char* word : words) {
        if (*value == word) {
            index = i;
            return true;
        }
        ++i;
    }
    problem = lang::Fill(lang::Tr("--%1 must be %2, not %3"), {name, Alternatives(words), Quoted(*value)});
    return false;
}

// A number option as the dialog reads its edit: a box left empty reads as
// an empty text. Options are what scripts write: always the point, whatever
// --decimal-comma says of the output.
double Number(const Options& options, const char* name) { return ParsePointNumber(options.Value(name)); }

// The amplitude unit as the index of the dimension's unit list: translation
// units by length (per second, per second squared for velocity and
// acceleration), then G; rotation units radian first.
constexpr std::initializer_list<const char*> kLengthUnits = {"uin", "mil", "in", "um", "mm", "m", "g"};
constexpr std::initializer_list<const char*> kAngleUnits = {"rad", "deg"};

int IndexIn(std::initializer_list<const char*> words, std::string_view word) {
    int i = 0;
    for (const char* candidate : words) {
        if (word == candidate) return i;
        ++i;
    }
    return -1;
}

bool AmplitudeUnit(std::string_view unit, int typeSel, int dimensionSel, int& index, std::string& problem) {
    const bool rotation = typeSel != 0;
    index = IndexIn(rotation ? kAngleUnits : kLengthUnits, unit);
    if (index < 0) {
        if (!rotation && IndexIn(kAngleUnits, unit) >= 0) {
            problem = lang::Fill(lang::Tr("--unit %1 needs --rotation"), {unit});
        } else if (rotation && IndexIn(kLengthUnits, unit) >= 0) {
            problem = lang::Fill(lang::Tr("--unit %1 is not an angle unit: with --rotation use rad or deg"), {unit});
        } else {
            problem = lang::Fill(lang::Tr("--unit must be %1 (rad or deg with --rotation), not %2"),
                                 {Alternatives(kLengthUnits), Quoted(unit)});
        }
        return false;
    }
    const res::ItemTable* table = puresine::AmplitudeUnitTable(typeSel, dimensionSel);
    if (table != nullptr && static_cast<std::size_t>(index) >= table->count) {
        problem = lang::Fill(lang::Tr("--unit %1 is only for --dimension acceleration"), {unit});
        return false;
    }
    return true;
}

Status RunSine(const Options& options, Format format, Scratch& scratch, std::string& out, std::string& problem) {
    const int typeSel = options.Has("rotation") ? 1 : 0;
    int dimensionSel = -1;
    int frequencyUnitSel = -1;
    int amplitudeUnitSel = -1;
    if (!Choose(options, "dimension", {"pp", "zp", "velocity", "acceleration"}, dimensionSel, problem) ||
        !Choose(options, "frequency-unit", {"hz", "rad/s"}, frequencyUnitSel, problem)) {
        return Status::Usage;
    }
    if (frequencyUnitSel < 0) frequencyUnitSel = 0;  // the list starts on Hz
    if (const std::string_view* unit = options.Find("unit")) {
        if (!AmplitudeUnit(*unit, typeSel, dimensionSel, amplitudeUnitSel, problem)) return Status::Usage;
    }
    const puresine::PureSineInputs inputs{typeSel,
                                          dimensionSel,
                                          amplitudeUnitSel,
                                          frequencyUnitSel,
                                          Number(options, "frequency"),
                                          Number(options, "amplitude")};
    puresine::CalculatePureSine(inputs, g_twoPi, g_pi, scratch.pureSine);
    if (scratch.pureSine.message != nullptr) {
        problem = scratch.pureSine.message;
        return Status::Refused;
    }
    WritePureSine(scratch.pureSine, typeSel, format, out);
    return Status::Answered;
}

Status AnswerSweep(const std::optional<sweep::SweepOutcome>& outcome, Format format, std::string& out,
                   std::string& problem) {
    if (outcome->message != nullptr) {
        problem = outcome->message;
        return Status::Refused;
    }
    WriteSweep(*outcome, format, out);
    return Status::Answered;
}

// Each sweep analysis reads its options into the three input boxes x1, x2
// and x3 and the input list's selection, as its dialog does.
Status RunAmplitude(const Options& options, Format format, Scratch&, std::string& out, std::string& problem) {
    int given = -1;
    if (!Choose(options, "given", {"dzp", "dpp", "velocity", "acceleration"}, given, problem)) return Status::Usage;
    return AnswerSweep(sweep::CalculateAnalysis(static_cast<int>(sweep::SweepAnalysis::Amplitude), given,
                                                Number(options, "frequency"), 0.0, Number(options, "amplitude")),
                       format, out, problem);
}

Status RunCrossover(const Options& options, Format format, Scratch&, std::string& out, std::string& problem) {
    int pair = -1;
    if (!Choose(options, "pair",
                {"dzp-velocity", "dzp-acceleration", "dpp-velocity", "dpp-acceleration", "velocity-acceleration"}, pair,
                problem)) {
        return Status::Usage;
    }
    return AnswerSweep(sweep::CalculateAnalysis(static_cast<int>(sweep::SweepAnalysis::CrossoverFrequency), pair,
                                                Number(options, "first"), 0.0, Number(options, "second")),
                       format, out, problem);
}

Status RunOctaves(const Options& options, Format format, Scratch&, std::string& out, std::string& problem) {
    return AnswerSweep(sweep::CalculateAnalysis(static_cast<int>(sweep::SweepAnalysis::NumberOfOctaves), -1,
                                                Number(options, "from"), Number(options, "to"), 0.0),
                       format, out, problem);
}

Status RunTimed(sweep::SweepAnalysis analysis, const Options& options, Format format, std::string& out,
                std::string& problem) {
    int type = -1;
    if (!Choose(options, "type", {"linear", "log"}, type, problem)) return Status::Usage;
    return AnswerSweep(sweep::CalculateAnalysis(static_cast<int>(analysis), type, Number(options, "from"),
                                                Number(options, "to"), Number(options, "minutes")),
                       format, out, problem);
}

Status RunRate(const Options& options, Format format, Scratch&, std::string& out, std::string& problem) {
    return RunTimed(sweep::SweepAnalysis::SweepRate, options, format, out, problem);
}

Status RunCycles(const Options& options, Format format, Scratch&, std::string& out, std::string& problem) {
    return RunTimed(sweep::SweepAnalysis::TotalSineCycles, options, format, out, problem);
}

bool StartsWithDashes(std::string_view word) { return word.size() >= 2 && word[0] == '-' && word[1] == '-'; }

const OptionRule* FindOptionRule(const std::vector<OptionRule>& rules, std::string_view name) {
    for (const OptionRule& rule : rules) {
        if (name == rule.name) return &rule;
    }
    return nullptr;
}

// Whether any command, or the program itself, knows the option.
bool KnownAnywhere(std::string_view name) {
    if (name == "batch" || name == "help" || name == "version") return true;
    for (const CommandRule& command : Commands()) {
        if (FindOptionRule(command.options, name) != nullptr) return true;
    }
    return false;
}

std::string CommandName(const CommandRule& command) {
    return command.analysis == nullptr ? command.name : std::string(command.name) + " " + command.analysis;
}

const OptionRule kFormatOption{"format", false};

// Reads args[first...] as the command's options into options.
bool ReadOptions(const CommandRule& command, const std::vector<std::string_view>& args, std::size_t first,
                 Options& options, std::string& problem) {
    options.Clear();
    for (std::size_t i = first; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (!StartsWithDashes(arg) || arg.size() == 2) {
            problem = lang::Fill(lang::Tr("unexpected argument %1"), {Quoted(arg)});
            return false;
        }
        std::string_view name = arg.substr(2);
        const std::size_t equals = name.find('=');
        const bool inlineValue = equals != std::string_view::npos;
        std::string_view value;
        if (inlineValue) {
            value = name.substr(equals + 1);
            name = name.substr(0, equals);
        }
        const OptionRule* rule = name == kFormatOption.name ? &kFormatOption : FindOptionRule(command.options, name);
        if (rule == nullptr) {
            problem = KnownAnywhere(name) ? lang::Fill(lang::Tr("option --%1 does not belong to %2"),
                                                       {name, Quoted(CommandName(command))})
                                          : lang::Fill(lang::Tr("unknown option --%1"), {name});
            return false;
        }
        if (options.Has(name)) {
            problem = lang::Fill(lang::Tr("option --%1 given twice"), {name});
            return false;
        }
        if (rule->flag && inlineValue) {
            problem = lang::Fill(lang::Tr("option --%1 takes no value"), {name});
            return false;
        }
        if (!rule->flag && !inlineValue) {
            // A following option is not a value: the value was left out.
            if (i + 1 == args.size() || StartsWithDashes(args[i + 1])) {
                problem = lang::Fill(lang::Tr("option --%1 needs a value"), {name});
                return false;
            }
            value = args[++i];
        }
        options.Add(name, value);
    }
    return true;
}

}  // namespace

const std::string_view* Options::Find(std::string_view name) const {
    for (const Item& item : m_items) {
        if (item.name == name) return &item.value;
    }
    return nullptr;
}

std::string_view Options::Value(std::string_view name) const {
    const std::string_view* value = Find(name);
    return value != nullptr ? *value : std::string_view();
}

const std::vector<CommandRule>& Commands() {
    static const std::vector<CommandRule> commands = {
        {"sine",
         nullptr,
         {{"dimension", false},
          {"amplitude", false},
          {"unit", false},
          {"frequency", false},
          {"frequency-unit", false},
          {"rotation", true}},
         RunSine},
        {"sweep", "amplitude", {{"frequency", false}, {"given", false}, {"amplitude", false}}, RunAmplitude},
        {"sweep", "crossover", {{"pair", false}, {"first", false}, {"second", false}}, RunCrossover},
        {"sweep", "octaves", {{"from", false}, {"to", false}}, RunOctaves},
        {"sweep", "rate", {{"type", false}, {"from", false}, {"to", false}, {"minutes", false}}, RunRate},
        {"sweep", "cycles", {{"type", false}, {"from", false}, {"to", false}, {"minutes", false}}, RunCycles},
    };
    return commands;
}

Status RunRequest(const std::vector<std::string_view>& args, bool jsonOnly, Scratch& scratch, std::string& out,
                  std::string& problem, Format& format) {
    format = jsonOnly ? Format::Json : Format::Text;
    if (args.empty()) {
        problem = lang::Tr("no command given (see --help)");
        return Status::Usage;
    }
    const CommandRule* command = nullptr;
    bool nameKnown = false;
    for (const CommandRule& candidate : Commands()) {
        if (args[0] != candidate.name) continue;
        nameKnown = true;
        if (candidate.analysis == nullptr || (args.size() > 1 && args[1] == candidate.analysis)) {
            command = &candidate;
            break;
        }
    }
    if (command == nullptr) {
        if (StartsWithDashes(args[0])) {
            problem = lang::Fill(lang::Tr("a command comes first, its options after it: %1"), {Quoted(args[0])});
        } else if (!nameKnown) {
            problem = lang::Fill(lang::Tr("unknown command %1"), {Quoted(args[0])});
        } else if (args.size() < 2 || StartsWithDashes(args[1])) {
            std::string analyses;
            for (const CommandRule& candidate : Commands()) {
                if (args[0] != candidate.name) continue;
                analyses += analyses.empty() ? "" : ", ";
                analyses += candidate.analysis;
            }
            problem = lang::Fill(lang::Tr("%1 needs one of %2"), {Quoted(args[0]), analyses});
        } else {
            problem = lang::Fill(lang::Tr("unknown %1 analysis %2"), {args[0], Quoted(args[1])});
        }
        return Status::Usage;
    }
    if (!ReadOptions(*command, args, command->analysis == nullptr ? 1 : 2, scratch.options, problem)) {
        return Status::Usage;
    }
    if (const std::string_view* name = scratch.options.Find("format")) {
        int index = -1;
        if (!Choose(scratch.options, "format", {"text", "tsv", "json"}, index, problem)) return Status::Usage;
        if (jsonOnly && index != static_cast<int>(Format::Json)) {
            problem = lang::Fill(lang::Tr("--format %1 in a batch: every answer is a JSON line"), {*name});
            return Status::Usage;
        }
        format = static_cast<Format>(index);
    }
    // JSON is machine output: its texts and messages keep the point too.
    std::optional<PointNumbersScope> point;
    if (format == Format::Json) point.emplace();
    return command->run(scratch.options, format, scratch, out, problem);
}

void AppendJsonError(std::string& out, std::string_view message) {
    out += "{\"error\":";
    AppendJsonString(out, message);
    out += "}\n";
}

}  // namespace halvex::cli
