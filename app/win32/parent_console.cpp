#include "app/win32/parent_console.h"

#include <windows.h>

#include <cstdio>
#include <iostream>

namespace halvex::win32 {

void UseParentConsole() {
    const bool outMissing = GetStdHandle(STD_OUTPUT_HANDLE) == nullptr;
    const bool errMissing = GetStdHandle(STD_ERROR_HANDLE) == nullptr;
    if ((!outMissing && !errMissing) || !AttachConsole(ATTACH_PARENT_PROCESS)) return;
    if (outMissing && std::freopen("CONOUT$", "w", stdout) != nullptr) std::cout.clear();
    if (errMissing && std::freopen("CONOUT$", "w", stderr) != nullptr) std::cerr.clear();
}

}  // namespace halvex::win32
