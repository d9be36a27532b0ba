#pragma once

#include <string_view>

#include "lang/tr.h"

namespace res {

// The title of message boxes and of the program in task lists.
constexpr const char* kApplicationTitle = "Halvex";

// The result boxes' context-menu entry and its key; the backends show the
// entry in the process's language.
constexpr const char* kCopyAllResultsItem = N_("Copy All Results");
constexpr const char* kCopyAllResultsShortcut = "Ctrl+Shift+C";

// The calculators' key for their manual, anywhere in the window.
constexpr const char* kManualItem = N_("Manual");
constexpr const char* kManualShortcut = "F1";

// The manual's pages, installed beside the program.
constexpr const char* kManualPage = "index.html";

// The string resource of that id; empty when the program has none.
std::string_view LoadResourceString(int id);

struct VersionRecord {
    unsigned fileVersion[4];
    unsigned productVersion[4];
    unsigned language;  // 0x0409
    unsigned codePage;  // 1200
    const char* companyName;
    const char* fileDescription;
    const char* fileVersionText;
    const char* internalName;
    const char* legalCopyright;
    const char* legalTrademarks;
    const char* originalFilename;
    const char* productName;
    const char* productVersionText;
};

// Kept with the program for whoever inspects it; nothing reads it at run time.
const VersionRecord& GetVersionRecord();

}  // namespace res
