#include "tests/left_in_english.h"

#include <cstring>

#include "lang/catalogue.h"

namespace halvex_test {

EnglishLeftOvers::EnglishLeftOvers(lang::Language language) {
    const lang::Catalogue* catalogue = lang::FindCatalogue(lang::CodeOf(language));
    if (catalogue == nullptr) return;
    for (std::size_t i = 0; i < catalogue->count; ++i) {
        const lang::CatalogueEntry& entry = catalogue->entries[i];
        const char* english = std::strchr(entry.key, '\x04');
        english = english != nullptr ? english + 1 : entry.key;
        // A text some language keeps as it is ("OK", a name) is not left over.
        if (std::strcmp(english, entry.text) == 0) continue;
        m_texts.insert(english);
        const std::string_view text(english);
        if (text.size() >= 16 && text.find(' ') != std::string_view::npos) m_sentences.emplace_back(text);
    }
}

std::string EnglishLeftOvers::FindIn(const ui::UserWindow& window) const {
    if (Left(window.Title())) return window.Title();
    for (const ui::ControlState& control : window.ReadControls()) {
        if (Left(control.text)) return control.text;
        if (Left(control.tooltip)) return control.tooltip;
        for (const std::string& item : control.items) {
            if (Left(item)) return item;
        }
        for (const ui::GridColumn& column : control.columns) {
            if (Left(column.title)) return column.title;
        }
        if (control.drawing != nullptr) {
            if (Left(control.drawing->title)) return control.drawing->title;
            for (const draw::DrawOp& op : control.drawing->ops) {
                if (Left(op.text)) return op.text;
            }
        }
    }
    return {};
}

std::string EnglishLeftOvers::FindInMessage(std::string_view text) const {
    if (Left(std::string(text))) return std::string(text);
    for (const std::string& sentence : m_sentences) {
        if (text.find(sentence) != std::string_view::npos) return sentence;
    }
    return {};
}

}  // namespace halvex_test
