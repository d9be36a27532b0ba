#pragma once

#include "res/dialog_template.h"

namespace res {

// The template as the process's language shows it: the caption, every
// control's text and the menu bar translated, and as wide as the language
// needs (res/language_layout.h). English is the template itself. Each is made once per template and kept for the life
// of the program.
const DialogTemplate& Localized(const DialogTemplate& english);

}  // namespace res
