#pragma once

#include <map>
#include <string>

#include "tests/random_events.h"
#include "ui/headless/headless_backend.h"

class CLabDlg;

// The equipment library editor's part of the random checker: its file
// commands and files for WindowEvents, and its invariants.
namespace halvex_test {

// The library every session finds in its directory that does not read as
// one, and must keep its bytes.
extern const char* const kUnreadableLab;
extern const char* const kUnreadableLabBytes;

DocumentWindow LabWindow(std::string directory);
// Empties directory but for the library that does not read.
void PrepareLabDirectory(const std::string& directory);

// The state before an event that the editor's checks compare with.
struct LabBefore {
    bool modified = false;
    std::string path;
    bool problem = false;
    // The libraries' bytes by path, kept while the fields make none.
    std::map<std::string, std::string> libraries;
};

LabBefore LabStateBefore(const CLabDlg& lab, const std::string& directory, const std::string& line);

// The invariants after one event line: a text that does not read or a name
// its list already has is named in the status line and marked; no mark and
// no problem named apart; while the fields make no library nothing is
// written; a library the window saved or opened, unchanged since, reads back
// as the one on show; the file that does not read keeps its bytes.
std::string CheckLab(const CLabDlg& lab, const ui::headless::HeadlessWindow& top, const std::string& directory,
                     const std::string& line, const LabBefore& before);

}  // namespace halvex_test
