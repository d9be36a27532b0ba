#pragma once

// The resource ids before windows.h, whose macros share some of their names.
#include "res/resource_ids.h"

#include <windows.h>

#include <cstdint>
#include <vector>

// The programs' icons drawn with GDI from the pictures every backend shares,
// by icon resource id.
namespace ui::win32 {

// side x side pixels, top row first, as 0xAARRGGBB; transparent outside the tile.
std::vector<std::uint32_t> AppIconPixels(int side, int iconId = res::IDR_MAINFRAME);
// An icon of that size; the caller destroys it.
HICON CreateAppIcon(int side, int iconId = res::IDR_MAINFRAME);

}  // namespace ui::win32
