#include "app/win32/parent_console.h"

#include <windows.h>

#include <cstdio>

namespace halvex::win32 {

void UseParentConsole() {
    const bool outMissing = GetStdHandle(STD_OUTPUT_HANDLE) == nullptr;
    const bool errMissing = GetStdHandle(STD_ERROR_HANDLE) == nullptr;
    if ((!outMissing && !errMissing) || !AttachConsole(ATTACH_PARENT_PROCESS)) return;
    // A stream the console cannot take stays as it was: nothing to report to.
    if (outMissing) static_cast<void>(std::freopen("CONOUT$", "w", stdout));
    if (errMissing) static_cast<void>(std::freopen("CONOUT$", "w", stderr));
}

}  // namespace halvex::win32
