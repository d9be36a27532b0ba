#pragma once

#include "draw/page.h"

#include <windows.h>

// A report's pages painted with GDI into any device context: a printer's, or
// a bitmap's for a picture. Lengths on the page are points; the device's are
// its pixels.
namespace ui::win32 {

// Paints one page, the paper's top left corner at the device's (left, top)
// pixel, pixelsPerPoint device pixels to the point. Leaves the device
// context as it found it.
void PaintPage(HDC dc, const draw::Page& page, double pixelsPerPoint, double left = 0.0, double top = 0.0);

// The paper a printer's form is nearer to: the American forms print on
// Letter, the rest on A4.
draw::Paper PaperOfForm(short paperSize);
short FormOfPaper(draw::Paper paper);

}  // namespace ui::win32
