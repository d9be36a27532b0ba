#include "app/win32/parent_console.h"

#include <windows.h>

#include <cstdio>

namespace halvex::win32 {

void UseParentConsole() {
    const bool outMissing = GetStdHandle(STD_OUTPUT_HANDLE) == nullptr;
    const bool errMissing = GetStdHandle(STD_ERROR_HANDLE) == nullptr;
    if ((!outMissing && !errMissing) || !AttachConsole(ATTACH_PARENT_PROCESS)) return;
    if (outMissing) std::freopen("CONOUT$", "w", stdout);
    if (errMissing) std::freopen("CONOUT$", "w", stderr);
}

}  // namespace halvex::win32
