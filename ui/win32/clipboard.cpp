#include "ui/win32/clipboard.h"

#include <cstring>

#include "ui/win32/utf16.h"

namespace ui::win32 {

void SetClipboardUnicode(HWND owner, std::string_view text) {
    const std::wstring wide = Widen(text);
    const std::size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (memory == nullptr) return;
    std::memcpy(GlobalLock(memory), wide.c_str(), bytes);
    GlobalUnlock(memory);
    if (OpenClipboard(owner) == FALSE) {
        GlobalFree(memory);
        return;
    }
    EmptyClipboard();
    // The clipboard owns the memory once it has taken it.
    if (SetClipboardData(CF_UNICODETEXT, memory) == nullptr) GlobalFree(memory);
    CloseClipboard();
}

std::string ClipboardUnicode(HWND owner) {
    if (OpenClipboard(owner) == FALSE) return {};
    std::string text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* wide = static_cast<const wchar_t*>(GlobalLock(data))) {
            text = Narrow(std::wstring_view(wide));
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

}  // namespace ui::win32
