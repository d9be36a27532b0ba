#include "ui/user_window.h"

#include <algorithm>
#include <cctype>

namespace ui {

std::string CheckUsable(const res::DialogTemplate& dialogTemplate, const ControlState* found, int id,
                        res::ControlKind kind, const char* what) {
    if (found == nullptr) return "no control " + std::to_string(id) + " on dialog " + std::to_string(dialogTemplate.id);
    if (found->kind != kind) return "control " + std::to_string(id) + " is not " + what;
    if (!found->visible) return "control " + std::to_string(id) + " is hidden";
    if (!found->enabled) return "control " + std::to_string(id) + " is disabled";
    return {};
}

std::string CheckGridAction(const ControlState& grid, GridAction action, int row, int column, std::string_view text) {
    const std::string name = "grid " + std::to_string(grid.id);
    if (action != GridAction::Move && (grid.style & res::kReadOnly) != 0) return name + " is read-only";
    if (action == GridAction::Paste) return {};
    if (row < 0 || row >= static_cast<int>(grid.rows.size()) || column < 0 ||
        column >= static_cast<int>(grid.columns.size())) {
        return "cell " + std::to_string(row) + "," + std::to_string(column) + " out of range for " + name;
    }
    if (action == GridAction::Move) return {};
    const GridColumn& target = grid.columns[static_cast<std::size_t>(column)];
    if (!target.editable) return "column " + std::to_string(column) + " of " + name + " is read-only";
    if (!target.choices.empty() &&
        std::find(target.choices.begin(), target.choices.end(), text) == target.choices.end()) {
        return "\"" + std::string(text) + "\" is not a choice of column " + std::to_string(column) + " of " + name;
    }
    return {};
}

std::string CheckMenuItem(const res::DialogTemplate& dialogTemplate, const std::vector<MenuItemState>& menu,
                          int commandId) {
    const auto found = std::find_if(menu.begin(), menu.end(),
                                    [commandId](const MenuItemState& item) { return item.commandId == commandId; });
    if (commandId == 0 || found == menu.end()) {
        return "no menu item " + std::to_string(commandId) + " on dialog " + std::to_string(dialogTemplate.id);
    }
    if (!found->enabled) return "menu item " + std::to_string(commandId) + " is disabled";
    return {};
}

namespace {

// The words of a shortcut, each in upper case: "CTRL", "SHIFT", "S".
std::vector<std::string> KeyWords(std::string_view text) {
    std::vector<std::string> words;
    std::string word;
    for (const char c : text) {
        if (c == '+' && !word.empty()) {
            words.push_back(word);
            word.clear();
        } else if (c != ' ') {
            word += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        }
    }
    words.push_back(word);
    // The modifiers in one order; the key stays last.
    std::sort(words.begin(), words.end() - 1);
    return words;
}

}  // namespace

bool SameShortcut(std::string_view a, std::string_view b) { return KeyWords(a) == KeyWords(b); }

int FindShortcutCommand(const res::DialogTemplate& dialogTemplate, std::string_view shortcut) {
    if (dialogTemplate.menu == nullptr) return 0;
    for (const res::MenuPopup& popup : *dialogTemplate.menu) {
        for (const res::MenuItem& item : popup) {
            for (const char* key : {item.shortcut, item.alternateShortcut}) {
                if (item.commandId != 0 && key != nullptr && SameShortcut(key, shortcut)) return item.commandId;
            }
        }
    }
    return 0;
}

}  // namespace ui
