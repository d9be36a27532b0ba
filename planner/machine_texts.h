#pragma once

#include "lang/tr.h"
#include "numeric/number_text.h"

namespace planner {

// English and the point while it lives, then the language and decimal sign
// as they were: what programs read (JSON answers) is written so whatever
// the program was asked to speak to people.
class MachineTexts {
public:
    MachineTexts() : m_language(lang::CurrentLanguage()), m_comma(halvex::DecimalComma()) {
        lang::SetLanguage(lang::Language::English);
        halvex::SetDecimalComma(false);
    }
    ~MachineTexts() {
        lang::SetLanguage(m_language);
        halvex::SetDecimalComma(m_comma);
    }
    MachineTexts(const MachineTexts&) = delete;
    MachineTexts& operator=(const MachineTexts&) = delete;

    // Whether texts for people differ from those for programs at all.
    static bool Needed() { return lang::CurrentLanguage() != lang::Language::English || halvex::DecimalComma(); }

private:
    lang::Language m_language;
    bool m_comma;
};

}  // namespace planner
