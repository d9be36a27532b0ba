#include "app/command_line.h"

#include <cstdio>
#include <optional>
#include <string_view>
#include <vector>

#include "lang/tr.h"
#include "numeric/number_text.h"
#include "res/version.h"

namespace halvex {
namespace {

const OptionRule* FindOption(const CommandLineSyntax& syntax, std::string_view name) {
    for (const OptionRule& option : syntax.options) {
        if (option.name == name) return &option;
    }
    return nullptr;
}

CommandLine Fail(const CommandLineSyntax& syntax, const std::string& what) {
    const std::string program(syntax.program);
    CommandLine line;
    line.err = lang::Fill(lang::Tr("%1: %2 (see '%1 --help')\n"), {program, what});
    line.exit = true;
    line.exitStatus = 2;
    return line;
}

std::string NoValue(std::string_view name) { return lang::Fill(lang::Tr("option '--%1' takes no value"), {name}); }

std::string NeedsValue(std::string_view name) { return lang::Fill(lang::Tr("option '--%1' needs a value"), {name}); }

}  // namespace

void ApplyLanguageOptions(int argc, const char* const* argv, bool fromUserSettings) {
    lang::Language language = fromUserSettings ? lang::LanguageOfUserSettings() : lang::Language::English;
    bool decimalComma = fromUserSettings && lang::DecimalCommaOfUserSettings();
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--") break;
        std::string_view code;
        if (arg == "--language" && i + 1 < argc) {
            code = argv[++i];
        } else if (arg.rfind("--language=", 0) == 0) {
            code = arg.substr(11);
        } else if (arg == "--decimal-comma") {
            decimalComma = true;
            continue;
        } else {
            continue;
        }
        if (const auto chosen = lang::LanguageOfCode(code)) language = *chosen;
    }
    lang::SetLanguage(language);
    halvex::SetDecimalComma(decimalComma);
}

CommandLine ParseCommandLine(const CommandLineSyntax& syntax, int argc, const char* const* argv) {
    CommandLine line;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (optionsEnded || arg == "-" || arg.empty() || arg[0] != '-') {
            if (line.operands.size() == syntax.maxOperands) {
                return Fail(syntax, lang::Fill(lang::Tr("unexpected argument '%1'"), {arg}));
            }
            line.operands.emplace_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        if (arg.substr(0, 2) != "--") return Fail(syntax, lang::Fill(lang::Tr("unknown option '%1'"), {arg}));

        const std::size_t equals = arg.find('=');
        const std::string_view name = arg.substr(2, equals == std::string_view::npos ? arg.npos : equals - 2);
        const bool hasInlineValue = equals != std::string_view::npos;
        if (name == "help" || name == "version") {
            if (hasInlineValue) return Fail(syntax, NoValue(name));
            if (name == "help") {
                line.out = std::string(syntax.help);
            } else {
                line.out = std::string(syntax.program) + ' ' + res::kProgramVersion + '\n' +
                           "Copyright (C) 2026 The Halvex developers\n" + "License: MIT\n";
            }
            line.exit = true;
            line.exitStatus = 0;
            return line;
        }
        if (name == "decimal-comma") {
            if (hasInlineValue) return Fail(syntax, NoValue(name));
            continue;
        }
        if (name == "language") {
            std::string_view code;
            if (hasInlineValue) {
                code = arg.substr(equals + 1);
            } else if (i + 1 < argc) {
                code = argv[++i];
            } else {
                return Fail(syntax, NeedsValue(name));
            }
            if (!lang::LanguageOfCode(code)) {
                return Fail(syntax, lang::Fill(lang::Tr("no language '%1' (en, de, fr, zh_CN or ja)"), {code}));
            }
            continue;
        }
        const OptionRule* option = FindOption(syntax, name);
        if (option == nullptr) {
            return Fail(syntax, lang::Fill(lang::Tr("unknown option '%1'"), {arg.substr(0, arg.find('='))}));
        }
        std::string value;
        if (hasInlineValue) {
            if (!option->takesValue) return Fail(syntax, NoValue(name));
            value = std::string(arg.substr(equals + 1));
        } else if (option->takesValue) {
            if (i + 1 == argc) return Fail(syntax, NeedsValue(name));
            value = argv[++i];
        }
        line.options.emplace_back(std::string(name), std::move(value));
    }
    return line;
}

void PrintCommandLineMessages(const CommandLine& line) {
    std::fwrite(line.out.data(), 1, line.out.size(), stdout);
    std::fflush(stdout);
    std::fwrite(line.err.data(), 1, line.err.size(), stderr);
    std::fflush(stderr);
}

std::vector<const char*> WithoutStyleOption(int argc, const char* const* argv) {
    std::vector<const char*> kept;
    bool options = true;
    for (int i = 0; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (i > 0 && options) {
            if (arg == "--") options = false;
            if ((arg == "-style" || arg == "--style") && i + 1 < argc) {
                ++i;
                continue;
            }
            if (arg.rfind("-style=", 0) == 0 || arg.rfind("--style=", 0) == 0) continue;
        }
        kept.push_back(argv[i]);
    }
    return kept;
}

}  // namespace halvex
