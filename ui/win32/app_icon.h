#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

// The program's icon drawn with GDI from the picture every backend shares.
namespace ui::win32 {

// side x side pixels, top row first, as 0xAARRGGBB; transparent outside the tile.
std::vector<std::uint32_t> AppIconPixels(int side);
// An icon of that size; the caller destroys it.
HICON CreateAppIcon(int side);

}  // namespace ui::win32
