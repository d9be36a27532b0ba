#pragma once

#include <string_view>
#include <vector>

namespace res {

// A control id and the name it has in res/*_ids.h.
struct ControlName {
    const char* name;
    int id;
};

// The names of dialog `dialogId`'s controls: the IDC_ constants of its own
// header, then IDOK and IDCANCEL, which every dialog shares. Names belong to
// a dialog because numbers do not: 1018 is an output box of the pure sine
// calculator and a frame of the sine sweep's.
std::vector<ControlName> ControlNamesOf(int dialogId);

// The id that `name` (spelled as in the header) has on dialog `dialogId`;
// false when that dialog has no control of that name.
bool FindControlId(int dialogId, std::string_view name, int& id);

// The same for a menu command (IDM_SAVE): the IDM_ constants of the dialog's
// own header, then the ones every dialog may have (IDM_COPY_ALL_RESULTS).
bool FindCommandId(int dialogId, std::string_view name, int& id);

}  // namespace res
