#pragma once

#include <array>
#include <deque>
#include <map>
#include <random>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "ui/headless/headless_backend.h"

// User actions on a document window (the planner, the equipment library's
// editor) for the random checker, made from whatever the window shows, and
// the checks that every such window shares.
namespace halvex_test {

// What a document window's file commands are, as halvex-drive lines
// ("menu 57601", "click 1482"), and where its documents go.
struct DocumentWindow {
    // Open, Save, Save As and afterKeep, each "VERB ID" ("menu", "click"),
    // and these ids the file events' own.
    DocumentWindow(int dialog, int status, std::string directory, const std::string& verb,
                   const std::array<int, 4>& commands);

    int dialog = 0;
    int status = 0;  // the status line: the file's name, or what is wrong
    std::string directory;
    // File names in directory: the first savedTo are saved to, every one opened.
    std::vector<std::string> documents;
    std::size_t savedTo = 2;
    std::string open, save, saveAs;
    // What asks about unsaved changes and then leaves the document: New, or
    // the window's Close.
    std::string afterKeep;
    // Commands that write another file, and the file each is given.
    std::vector<std::pair<std::string, std::string>> exports;
    int undo = 0;  // the menu command Undo, 0 for none
    // Status text that says Save will ask for another file first.
    std::string saveElsewhere;
    // Menu commands and buttons that only the file events use.
    std::vector<int> fileIds;
    // One event in putRight, while something is wrong, puts it right.
    int putRight = 3;
    // A text that each edit reads, to put a marked one right with.
    std::map<int, std::string> typical;
    // Each list whose items are named, and the edit of the chosen item's name.
    std::vector<std::pair<int, int>> namedLists;
};

// Texts that no quantity field reads, whatever it takes.
bool NeverReads(const std::string& text);

// The control a type or cell line typed a text that never reads into, when
// the window took the text: whether it did, and then the control and cell.
struct Typed {
    bool neverReads = false;
    int id = 0;
    int row = -1;
    int column = -1;
};
Typed TypedNeverReading(const ui::headless::HeadlessWindow& top, const std::string& line);
bool MarkedWhereTyped(const ui::headless::HeadlessWindow& top, const Typed& typed);
bool AnyMark(const ui::headless::HeadlessWindow& top);
// "Untitled" for no path, else the path's last part.
std::string FileNameOf(const std::string& path);

// Makes user actions as halvex-drive lines: the answers a file command's
// questions and file dialogs take, then the command. Texts that were in
// fields while the status line named no problem are remembered, so that
// now and then a marked field gets one back and the fields are put right.
class WindowEvents {
public:
    explicit WindowEvents(DocumentWindow window) : m_window(std::move(window)) {}
    int Dialog() const { return m_window.dialog; }
    void Generate(std::mt19937_64& random, const ui::headless::HeadlessWindow& top, std::deque<std::string>& lines);

private:
    DocumentWindow m_window;
    std::map<int, std::string> m_goodTexts;                        // by edit
    std::map<std::tuple<int, int, int>, std::string> m_goodCells;  // by grid, row and column
};

}  // namespace halvex_test
