#pragma once

#include <string>
#include <string_view>

#include <windows.h>

// The clipboard's plain text, as UTF-16 (CF_UNICODETEXT) at the platform
// and UTF-8 inside the program.
namespace ui::win32 {

void SetClipboardUnicode(HWND owner, std::string_view text);
// Empty when the clipboard holds no text or cannot be opened.
std::string ClipboardUnicode(HWND owner);

}  // namespace ui::win32
