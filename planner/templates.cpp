#include "planner/templates.h"

#include <optional>
#include <string>

#include "lang/tr.h"
#include "numeric/json_text.h"
#include "planner/file_io.h"
#include "planner/json.h"
#include "planner/plan_form.h"

namespace planner {
namespace {

// The shipped templates' titles, references and notes, for the catalogues:
// a built-in template is shown in the user's language, a library's own as
// its lab wrote it. The tests check that each shipped text is among them.
[[maybe_unused]] const char* const kBuiltinTemplateWords[] = {
    N_("Exploratory vibration, 4 to 33 Hz in 1 Hz steps"),
    N_("MIL-STD-167-1A, Type I environmental vibration, exploratory vibration test"),
    N_("Each frequency from 4 to 33 Hz in steps of 1 Hz held about 15 s at a single amplitude (zero-to-peak) of 0.010 "
       "in, with a tolerance of +/- 0.002 in, to find the resonances. Figures from the public-domain US military "
       "standard."),
    N_("Low-frequency vibration, 10 to 55 Hz at 0.06 in total excursion"),
    N_("MIL-STD-202, Method 201A (vibration)"),
    N_("0.06 in total excursion (peak-to-peak) from 10 to 55 Hz; the frequency varied uniformly from 10 to 55 Hz and "
       "back to 10 Hz in about one minute; 2 hours in each of 3 mutually perpendicular directions, 6 hours in all. "
       "Figures from the public-domain US military standard."),
    N_("Resonance search, endurance, dwells at the resonances, search again"),
    N_("Structure only: every severity is left to fill from your own copy of the standard"),
    N_("On each axis: a low-level resonance search at 1 octave per minute, the endurance sweeps for a time, a dwell at "
       "each resonance found, and a second search to see whether anything moved."),
    N_("Stepped sine survey"),
    N_("Each frequency of a table from one frequency to another in equal steps, held for a time at the profile's "
       "level."),
    N_("Swept sine endurance with a displacement/acceleration crossover"),
    N_("A constant displacement below the crossover and a constant acceleration above it, swept logarithmically up and "
       "down a number of times on each of three axes."),
};

// A text of a built-in template as shown; a library's own as written.
std::string Shown(const TemplateEntry& entry, const std::string& text) {
    return entry.builtIn ? std::string(lang::Tr(text.c_str())) : text;
}

}  // namespace

std::vector<TemplateEntry> Templates(const LabDocument* lab) {
    std::vector<TemplateEntry> templates;
    for (const std::string_view text : BuiltinTemplateTexts()) {
        TemplateEntry entry;
        std::string message;
        // The shipped texts are checked by the tests; one that did not read would be left out.
        if (!ReadPlanDocument(text, entry.document, message) || !entry.document.templateInfo ||
            !entry.document.templateInfo->id) {
            continue;
        }
        entry.id = *entry.document.templateInfo->id;
        templates.push_back(std::move(entry));
    }
    if (lab == nullptr) return templates;
    for (const PlanDocument& document : lab->templates) {
        TemplateEntry entry{*document.templateInfo->id, false, document};
        bool replaced = false;
        for (TemplateEntry& shipped : templates) {
            if (shipped.builtIn && shipped.id == entry.id) {
                shipped = entry;
                replaced = true;
            }
        }
        if (!replaced) templates.push_back(std::move(entry));
    }
    return templates;
}

const TemplateEntry* FindTemplate(const std::vector<TemplateEntry>& templates, std::string_view id) {
    for (const TemplateEntry& entry : templates) {
        if (entry.id == id) return &entry;
    }
    return nullptr;
}

std::string TemplateLine(const TemplateEntry& entry) {
    const std::optional<TemplateInfo>& info = entry.document.templateInfo;
    std::string line = info ? Shown(entry, info->title) : entry.id;
    if (info && info->reference) line += " \u2014 " + Shown(entry, *info->reference);
    if (!entry.builtIn) line = lang::Fill(lang::Tr("%1 (library)"), {line});
    return line;
}

std::vector<std::vector<std::string>> TemplateProfileRows(const PlanDocument& document) {
    const PlanFields fields = FieldsOf(document);
    std::vector<std::vector<std::string>> rows;
    rows.reserve(fields.segments.size());
    for (std::size_t i = 0; i < fields.segments.size(); ++i) rows.push_back(ProfileRow(i, fields.segments[i]));
    // A figure to fill shows as an empty field in the planner; here, where
    // nothing is typed, it is said.
    for (const std::string& path : document.unfilled) {
        if (path.rfind("profile[", 0) != 0) continue;
        const std::size_t close = path.find("].");
        if (close == std::string::npos) continue;
        const std::size_t segment = std::stoul(path.substr(8, close - 8));
        if (segment >= rows.size()) continue;
        const std::string field = path.substr(close + 2);
        const int column = field == "from"                          ? kFromColumn
                           : field == "to"                          ? kToColumn
                           : field.find("[1]") != std::string::npos ? kRampColumn
                                                                    : kValueColumn;
        rows[segment][static_cast<std::size_t>(column)] = "?";
    }
    return rows;
}

std::string TemplateDetails(const TemplateEntry& entry) {
    const PlanDocument& document = entry.document;
    std::string text;
    if (document.templateInfo && document.templateInfo->reference) {
        text += lang::Fill(lang::Tr("Reference: %1"), {Shown(entry, *document.templateInfo->reference)}) + "\n";
    }
    if (document.templateInfo && document.templateInfo->notes) {
        text += Shown(entry, *document.templateInfo->notes) + "\n";
    }
    const std::size_t toFill = document.unfilled.size();
    if (toFill == 0) {
        text += lang::Tr("Every figure given: the plan computes as it opens.");
    } else {
        text +=
            lang::Fill(lang::TrN("%1 figure to fill, marked in the planner; the plan computes once they are given.",
                                 "%1 figures to fill, marked in the planner; the plan computes once they are given.",
                                 static_cast<unsigned long>(toFill)),
                       {std::to_string(toFill)});
    }
    return text;
}

namespace {

// Reads the words of a templates command: the one word it takes (when it
// takes one), --lab LIB and --format. Returns 0 when they read, else the
// exit status with err set.
struct TemplateWords {
    std::optional<std::string> word;
    std::optional<std::string> lab;
    bool json = false;
};

int ReadWords(const std::vector<std::string>& args, const char* command, bool takesWord, bool takesFormat,
              TemplateWords& words, std::string& err) {
    const std::string usage = std::string(" (usage: ") + command + (takesWord ? " ID" : "") + " [--lab LIB]" +
                              (takesFormat ? " [--format text|json]" : "") + ")\n";
    const auto fail = [&](const std::string& problem) {
        err = std::string(command) + ": " + problem + usage;
        return 2;
    };
    bool haveFormat = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--lab" || (arg == "--format" && takesFormat)) {
            if (i + 1 >= args.size()) return fail(arg + " needs a value");
            const std::string& value = args[++i];
            if (arg == "--lab") {
                if (words.lab) return fail("--lab given twice");
                words.lab = value;
            } else {
                if (haveFormat) return fail("--format given twice");
                if (value != "text" && value != "json") return fail("--format is text or json, not " + Quoted(value));
                haveFormat = true;
                words.json = value == "json";
            }
        } else if (arg.size() >= 2 && arg.compare(0, 2, "--") == 0) {
            return fail("unknown option " + Quoted(arg));
        } else if (!takesWord || words.word) {
            return fail("unexpected word " + Quoted(arg));
        } else {
            words.word = arg;
        }
    }
    if (takesWord && !words.word) return fail("ID is missing");
    return 0;
}

// The templates, with the library's when one is named; false with err set.
bool ListOf(const TemplateWords& words, std::vector<TemplateEntry>& templates, std::string& err) {
    LabDocument lab;
    if (words.lab) {
        std::string text;
        std::string message;
        if (!ReadTextFile(*words.lab, text)) {
            err = *words.lab + ": cannot be read\n";
            return false;
        }
        if (!ReadLabDocument(text, lab, message)) {
            err = *words.lab + ": " + message + '\n';
            return false;
        }
    }
    templates = Templates(words.lab ? &lab : nullptr);
    return true;
}

}  // namespace

int RunTemplatesCommand(const std::vector<std::string>& args, std::string& out, std::string& err) {
    out.clear();
    err.clear();
    TemplateWords words;
    if (const int status = ReadWords(args, "templates", false, true, words, err)) return status;
    std::vector<TemplateEntry> templates;
    if (!ListOf(words, templates, err)) return 1;
    if (words.json) {
        out = "{\"templates\":[";
        for (std::size_t i = 0; i < templates.size(); ++i) {
            const TemplateInfo& info = *templates[i].document.templateInfo;
            if (i > 0) out += ',';
            out += "{\"id\":";
            halvex::AppendJsonString(out, templates[i].id);
            out += ",\"title\":";
            halvex::AppendJsonString(out, info.title);
            if (info.reference) {
                out += ",\"reference\":";
                halvex::AppendJsonString(out, *info.reference);
            }
            out += templates[i].builtIn ? ",\"source\":\"built-in\"}" : ",\"source\":\"library\"}";
        }
        out += "]}\n";
        return 0;
    }
    for (const TemplateEntry& entry : templates) {
        const TemplateInfo& info = *entry.document.templateInfo;
        out += entry.id + (entry.builtIn ? "" : " (library)") + "\n  " + info.title + '\n';
        if (info.reference) out += "  " + *info.reference + '\n';
    }
    return 0;
}

int RunTemplateCommand(const std::vector<std::string>& args, std::string& out, std::string& err) {
    out.clear();
    err.clear();
    TemplateWords words;
    if (const int status = ReadWords(args, "template", true, false, words, err)) return status;
    std::vector<TemplateEntry> templates;
    if (!ListOf(words, templates, err)) return 1;
    const TemplateEntry* entry = FindTemplate(templates, *words.word);
    if (entry == nullptr) {
        err = *words.word + ": no template of this id (halvex-calc templates lists them)\n";
        return 1;
    }
    out = WritePlanDocument(entry->document);
    return 0;
}

}  // namespace planner
