#include "ui/win32/common_controls.h"

#include <windows.h>

#include <commctrl.h>

namespace ui::win32 {

bool LoadCommonControls() {
    static const bool loaded = [] {
        HMODULE library = LoadLibraryW(L"comctl32.dll");
        if (library == nullptr) return false;
        using Init = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
        // Through a function pointer: the import table stays without it.
        const auto init =
            reinterpret_cast<Init>(reinterpret_cast<void*>(GetProcAddress(library, "InitCommonControlsEx")));
        if (init == nullptr) return false;
        // The list view of a grid; the tooltips.
        const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX),
                                           ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES | ICC_TAB_CLASSES};
        return init(&classes) != FALSE;
    }();
    return loaded;
}

}  // namespace ui::win32
