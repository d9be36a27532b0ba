#include "ui/win32/common_controls.h"

#include <windows.h>

#include <commctrl.h>

namespace ui::win32 {

bool LoadCommonControls() {
    static const bool loaded = [] {
        HMODULE library = LoadLibraryW(L"comctl32.dll");
        if (library == nullptr) return false;
        using Init = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
        const auto init =
            reinterpret_cast<Init>(reinterpret_cast<void (*)()>(GetProcAddress(library, "InitCommonControlsEx")));
        if (init == nullptr) return false;
        INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_BAR_CLASSES | ICC_TAB_CLASSES};
        return init(&controls) != FALSE;
    }();
    return loaded;
}

}  // namespace ui::win32
