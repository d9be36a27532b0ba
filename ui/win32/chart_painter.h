#pragma once

#include "draw/drawing.h"

#include <windows.h>

// The chart's drawing list painted with GDI into any device context: the
// same mapping as every other backend, shaded regions as solid fills of the
// role's colour on white.
namespace ui::win32 {

// Paints the whole rectangle (left, top, width, height): white, then the
// chart fitted into it, greyed out when it is out of date; a picture for a
// file with the title line.
void PaintChart(HDC dc, const draw::Chart& chart, int left, int top, int width, int height, bool picture = false,
                bool greyed = false);

// The colour GDI paints a role's fill with: its colour laid over white at
// the role's opacity.
COLORREF FillColour(const draw::DrawStyle& style);

}  // namespace ui::win32
