#pragma once

#include "lang/tr.h"

namespace res {

// How much wider a dialog is laid out for a language whose texts need more
// room than the English ones, in percent of its template width (100: as the
// template). Every control's left edge and width grow by the same factor, so
// nothing that was apart comes to overlap; heights and the font stay. A
// dialog stays within 1024×768 pixels in every language.
int WidthPercent(int dialogId, lang::Language language);

}  // namespace res
