#pragma once

// What a screen reader calls the controls the user works with, unless the
// dialog names a control itself (ui::DialogSink::ControlName). Buttons,
// frames and static texts are named by their own text and are not listed.
namespace res {

struct AccessibleName {
    int dialogId;
    int controlId;
    // The name in English (the backends translate it); for a control with a
    // label, used while the label is blank.
    const char* name;
    // A control whose current text names this one (the sweep relabels its
    // inputs), or kNoId.
    int labelId;
    // Added after the label's text.
    const char* labelSuffix;
};

// nullptr when the control has no entry.
const AccessibleName* FindAccessibleName(int dialogId, int controlId);

}  // namespace res
