#include "ui/user_window.h"

#include <algorithm>

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

}  // namespace ui
