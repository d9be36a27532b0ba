#include "res/control_names.h"

#include <iterator>

#include "res/control_name_lists.h"  // made from res/*_ids.h at build time

namespace res {
namespace {

struct DialogNames {
    int dialogId;
    const ControlName* begin;
    const ControlName* end;
};

// Which header names each dialog's controls.
const DialogNames kDialogNames[] = {
    {IDD_MAIN_MENU, std::begin(main_menu::kControlNames), std::end(main_menu::kControlNames)},
    {IDD_PURE_SINE, std::begin(pure_sine::kControlNames), std::end(pure_sine::kControlNames)},
    {IDD_SINE_SWEEP, std::begin(sine_sweep::kControlNames), std::end(sine_sweep::kControlNames)},
    {IDD_PLANNER, std::begin(planner_dlg::kControlNames), std::end(planner_dlg::kControlNames)},
    {IDD_LAB, std::begin(lab_dlg::kControlNames), std::end(lab_dlg::kControlNames)},
    {IDD_NEW_FROM_TEMPLATE, std::begin(new_template_dlg::kControlNames), std::end(new_template_dlg::kControlNames)},
    {IDD_SAVE_AS_TEMPLATE, std::begin(save_template_dlg::kControlNames), std::end(save_template_dlg::kControlNames)},
    {IDD_REPORT_DETAILS, std::begin(report_details::kControlNames), std::end(report_details::kControlNames)},
    {IDD_RECOVERY, std::begin(recovery_dlg::kControlNames), std::end(recovery_dlg::kControlNames)},
};

}  // namespace

std::vector<ControlName> ControlNamesOf(int dialogId) {
    std::vector<ControlName> names;
    for (const DialogNames& dialog : kDialogNames) {
        if (dialog.dialogId == dialogId) names.assign(dialog.begin, dialog.end);
    }
    names.insert(names.end(), std::begin(kControlNames), std::end(kControlNames));
    return names;
}

bool FindControlId(int dialogId, std::string_view name, int& id) {
    for (const ControlName& known : ControlNamesOf(dialogId)) {
        if (name == known.name) {
            id = known.id;
            return true;
        }
    }
    return false;
}

bool FindCommandId(int dialogId, std::string_view name, int& id) {
    std::vector<ControlName> names(std::begin(kCommandNames), std::end(kCommandNames));
    if (dialogId == IDD_PLANNER) {
        names.insert(names.begin(), std::begin(planner_dlg::kCommandNames), std::end(planner_dlg::kCommandNames));
    }
    for (const ControlName& known : names) {
        if (name == known.name) {
            id = known.id;
            return true;
        }
    }
    return false;
}

}  // namespace res
