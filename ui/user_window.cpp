#include "ui/user_window.h"

namespace ui {

std::string CheckUsable(const res::DialogTemplate& dialogTemplate, const ControlState* found, int id,
                        res::ControlKind kind, const char* what) {
    if (found == nullptr) return "no control " + std::to_string(id) + " on dialog " + std::to_string(dialogTemplate.id);
    if (found->kind != kind) return "control " + std::to_string(id) + " is not " + what;
    if (!found->visible) return "control " + std::to_string(id) + " is hidden";
    if (!found->enabled) return "control " + std::to_string(id) + " is disabled";
    return {};
}

}  // namespace ui
