#pragma once

#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "lang/tr.h"
#include "ui/user_window.h"

namespace halvex_test {

// Finds texts shown in English under another language: the texts that
// language's catalogue translates, met as they are in a window or a message,
// were shown without going through it.
class EnglishLeftOvers {
public:
    explicit EnglishLeftOvers(lang::Language language);

    // The first such text of the window: its title, its controls' texts,
    // list and drop-down items, grid headers, tooltips and chart texts; empty
    // when there is none.
    std::string FindIn(const ui::UserWindow& window) const;
    // In a message: the whole text, or a sentence of the catalogue in it.
    std::string FindInMessage(std::string_view text) const;

private:
    bool Left(const std::string& text) const { return m_texts.count(text) != 0; }

    std::unordered_set<std::string> m_texts;
    std::vector<std::string> m_sentences;  // those of several words
};

}  // namespace halvex_test
