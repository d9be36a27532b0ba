#pragma once

// The typeface the dialogs and drawings use in the process's language. The
// templates name a Latin face (MS Sans Serif, Arial), which has no Chinese
// or Japanese glyphs: in those languages the system's UI face for the
// script is used instead, the first of a short list that is installed
// (Microsoft YaHei UI, Yu Gothic UI on Windows; Noto Sans CJK under Wine),
// with the script's character set, so that the font mapper still finds a
// face of that script where none of the list is there.
namespace ui::win32 {

// The face for a text that the template or drawing would set in latinFace
// (UTF-8); latinFace itself in English, German and French.
const char* FaceForLanguage(const char* latinFace);

// The character set to ask for with it (DEFAULT_CHARSET, GB2312_CHARSET or
// SHIFTJIS_CHARSET).
unsigned char CharsetForLanguage();

}  // namespace ui::win32
