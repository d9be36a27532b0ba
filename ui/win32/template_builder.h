#pragma once

#include <cstdint>
#include <vector>

#include "res/dialog_template.h"

// A dialog template of ours as the in-memory extended dialog template
// (DLGTEMPLATEEX with DS_SETFONT) that the Windows dialog manager builds a
// dialog from: the template's caption, font, size and styles, and each
// control of the real class with its styles, in template order.
namespace ui::win32 {

// The window styles of the dialog and of one control.
std::uint32_t DialogStyle(const res::DialogTemplate& dialogTemplate);
std::uint32_t DialogExStyle(const res::DialogTemplate& dialogTemplate);
std::uint32_t ControlStyle(const res::ControlTemplate& control);

// The template as 16-bit words, aligned as the dialog manager requires.
std::vector<std::uint16_t> BuildDialogTemplate(const res::DialogTemplate& dialogTemplate);

}  // namespace ui::win32
