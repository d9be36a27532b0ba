#include "tests/random_events.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <iterator>
#include <optional>
#include <sstream>
#include <vector>

#include "app/drive_session.h"
#include "numeric/number_text.h"

namespace halvex_test {
namespace {

using ui::headless::HeadlessControl;
using ui::headless::HeadlessWindow;

// Texts that no quantity field reads, whatever it takes.
const char* const kNeverReads[] = {"abc", "1,5", "10abc", "x", "1 parsec", "--2", "1 Hz Hz", "e5", "."};

// The units a field may be typed with, and a few it never takes.
const char* const kUnits[] = {"",    " Hz",  " g",    " m/s",     " mm",     " in",   " mil",    " m/s^2", " in/s",
                              " s",  " min", " h",    " oct/min", " Hz/min", " Hz/s", " oct",    " kN",    " lbf",
                              " kg", " lb",  " mm/s", " dB/oct",  "Hz",      "G",     " furlong"};

// Texts with a meaning of their own somewhere in the window.
const char* const kSpecial[] = {"auto",    "0",    "-1",    "1e30",   "1e-30",   "+6 dB/oct", "-12 dB/oct",
                                "0.25",    "0.5",  "1",     "2 h",    "30 min",  "1 oct/min", "90 Hz/min",
                                "0.5 oct", "1 Hz", "10 Hz", "100 Hz", "1000",    "9.80665",   "1.5 g",
                                "1e999",   "   ",  "10000", "10001",  "2.54 mm", "0.06 in",   "3"};

// Values a test plan is made of, for a field that is empty.
const char* const kTypical[] = {"20", "50", "30", "5 min", "1", "2", "0.5", "10 s", "40 Hz", "1 g", "3"};

std::size_t Pick(std::mt19937_64& random, std::size_t n) {
    return std::uniform_int_distribution<std::size_t>(0, n - 1)(random);
}

// A new text for a field that shows current: mostly its number changed
// and its unit kept, so that a document that holds stays near one; else a text
// from anywhere, one that never reads, or nothing.
std::string FieldText(std::mt19937_64& random, const std::string& current) {
    const int kind = std::uniform_int_distribution<int>(0, 99)(random);
    std::size_t digits = 0;
    while (digits < current.size() &&
           (std::isdigit(static_cast<unsigned char>(current[digits])) || current[digits] == '.' ||
            current[digits] == 'e' || current[digits] == '-' || current[digits] == '+')) {
        ++digits;
    }
    const std::optional<double> number = digits > 0 ? halvex::ReadNumber(current.substr(0, digits)) : std::nullopt;
    if (kind < 55 && number) {
        static const double kFactors[] = {0.5, 0.9, 1.1, 1.5, 2.0, 3.0, 0.1, 10.0, 1.0};
        return halvex::FormatNumber("%.4g", *number * kFactors[Pick(random, std::size(kFactors))]) +
               current.substr(digits);
    }
    if (kind < 62) return current.empty() ? kTypical[Pick(random, std::size(kTypical))] : "";
    if (kind < 70) return kNeverReads[Pick(random, std::size(kNeverReads))];
    if (kind < 85) return kSpecial[Pick(random, std::size(kSpecial))];
    // A number of a few digits, mostly where a test's values lie.
    std::uniform_real_distribution<double> mantissa(1.0, 10.0);
    const int exponent = std::uniform_int_distribution<int>(-3, 4)(random);
    const int places = std::uniform_int_distribution<int>(1, 4)(random);
    const double value = mantissa(random) * std::pow(10.0, exponent);
    return halvex::FormatNumber("%." + std::to_string(places) + "g", value) + kUnits[Pick(random, std::size(kUnits))];
}

// Breakpoint tables as a spreadsheet gives them, escaped for a paste line.
const char* const kTables[] = {"10\\t1 g\\n100\\t2 g", "5\\t0.5\\n50\\t0.5\\n500\\t0.5", "abc\\tdef", "20\\t1 g",
                               "10\\t1 g\\n5\\t2 g"};

}  // namespace

DocumentWindow::DocumentWindow(int dialog, int status, std::string directory, const std::string& verb,
                               const std::array<int, 4>& commands)
    : dialog(dialog), status(status), directory(std::move(directory)), fileIds(commands.begin(), commands.end()) {
    std::string* const lines[4] = {&open, &save, &saveAs, &afterKeep};
    for (std::size_t i = 0; i < 4; ++i) *lines[i] = verb + " " + std::to_string(commands[i]);
}

bool NeverReads(const std::string& text) {
    return std::find(std::begin(kNeverReads), std::end(kNeverReads), text) != std::end(kNeverReads);
}

std::string FileNameOf(const std::string& path) {
    if (path.empty()) return "Untitled";
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool AnyMark(const HeadlessWindow& top) {
    return std::any_of(top.Controls().begin(), top.Controls().end(), [](const HeadlessControl& c) {
        return c.marked || std::any_of(c.cellMarks.begin(), c.cellMarks.end(),
                                       [](const ui::GridMark& m) { return m.kind == ui::MarkKind::Problem; });
    });
}

Typed TypedNeverReading(const HeadlessWindow& top, const std::string& line) {
    std::istringstream words(line);
    std::string command, idWord;
    words >> command >> idWord;
    Typed typed;
    if (command != "type" && command != "cell") return typed;
    if (halvex::ReadControlWord(idWord, top.Template().id, typed.id) != halvex::ControlWord::Read) return typed;
    const HeadlessControl* control = top.FindControl(typed.id);
    if (control == nullptr) return typed;
    std::size_t textAt = command.size() + 1 + idWord.size() + 1;
    if (command == "cell") {
        words >> typed.row >> typed.column;
        textAt = line.find(' ', line.find(' ', textAt) + 1) + 1;
    }
    const std::string text = textAt <= line.size() ? line.substr(textAt) : "";
    if (!NeverReads(text)) return typed;
    if (command == "type") {
        typed.neverReads = control->kind == res::ControlKind::Edit && control->text == text;
    } else if (typed.row >= 0 && typed.row < static_cast<int>(control->rows.size()) && typed.column >= 0) {
        const std::vector<std::string>& cells = control->rows[static_cast<std::size_t>(typed.row)];
        typed.neverReads = typed.column < static_cast<int>(cells.size()) && cells[typed.column] == text;
    }
    return typed;
}

bool MarkedWhereTyped(const HeadlessWindow& top, const Typed& typed) {
    const HeadlessControl& control = *top.FindControl(typed.id);
    if (typed.row < 0) return control.marked;
    return std::any_of(control.cellMarks.begin(), control.cellMarks.end(),
                       [&](const ui::GridMark& mark) { return mark.row == typed.row && mark.column == typed.column; });
}

void WindowEvents::Generate(std::mt19937_64& random, const HeadlessWindow& top, std::deque<std::string>& lines) {
    const DocumentWindow& w = m_window;
    const auto fileId = [&](int id) { return std::find(w.fileIds.begin(), w.fileIds.end(), id) != w.fileIds.end(); };
    std::vector<const HeadlessControl*> edits, lists, buttons, grids;
    for (const HeadlessControl& control : top.Controls()) {
        if (control.id == res::kNoId || !control.visible || !control.enabled) continue;
        switch (control.kind) {
            case res::ControlKind::Edit:
                if ((control.style & res::kReadOnly) == 0) edits.push_back(&control);
                break;
            case res::ControlKind::List:
                if (!control.items.empty()) lists.push_back(&control);
                break;
            case res::ControlKind::Button:
                if (!fileId(control.id)) buttons.push_back(&control);
                break;
            case res::ControlKind::Grid:
                if (std::any_of(control.columns.begin(), control.columns.end(),
                                [](const ui::GridColumn& c) { return c.editable; })) {
                    grids.push_back(&control);
                }
                break;
            default:
                break;
        }
    }
    std::vector<int> commands;
    const std::vector<ui::MenuItemState> menu = top.ReadMenu();
    if (top.Template().menu != nullptr) {
        for (const res::MenuPopup& popup : *top.Template().menu) {
            for (const res::MenuItem& item : popup) {
                const auto state = std::find_if(menu.begin(), menu.end(), [&](const ui::MenuItemState& s) {
                    return s.commandId == item.commandId;
                });
                if (item.commandId != 0 && (state == menu.end() || state->enabled)) commands.push_back(item.commandId);
            }
        }
    }

    const std::string title = top.Title();
    const bool modified = title.find("* \xE2\x80\x94") != std::string::npos;
    const bool untitled = title.rfind("Untitled", 0) == 0;
    const HeadlessControl* status = top.FindControl(w.status);
    const auto document = [&](std::size_t which) { return w.directory + "/" + w.documents[which]; };
    // What Save asks before it writes: the file's name for an untitled
    // document, whether to take another file for one that must not be written.
    const auto saveAnswers = [&]() {
        if (untitled) lines.push_back("answer " + document(Pick(random, w.savedTo)));
        if (!w.saveElsewhere.empty() && status != nullptr && status->text.find(w.saveElsewhere) != std::string::npos) {
            const bool yes = std::uniform_int_distribution<int>(0, 3)(random) > 0;
            lines.push_back(yes ? "answer yes" : "answer no");
            if (yes) lines.push_back("answer " + document(Pick(random, w.savedTo)));
        }
    };
    // A question about unsaved changes comes first, then the file dialogs.
    const auto keepChanges = [&]() {
        if (!modified) return true;
        const int answer = std::uniform_int_distribution<int>(0, 9)(random);
        if (answer < 7) {
            lines.push_back("answer no");
            return true;
        }
        if (answer < 8) {
            lines.push_back("answer cancel");
            return false;
        }
        lines.push_back("answer yes");
        saveAnswers();
        return true;
    };

    const int roll = std::uniform_int_distribution<int>(0, 999)(random);
    const std::string name = title.substr(0, title.find(modified ? "* \xE2\x80\x94" : " \xE2\x80\x94"));
    if (status != nullptr && status->text == name) {
        for (const HeadlessControl& control : top.Controls()) {
            if (control.kind == res::ControlKind::Edit && !control.text.empty()) m_goodTexts[control.id] = control.text;
            if (control.kind != res::ControlKind::Grid) continue;
            for (std::size_t row = 0; row < control.rows.size(); ++row) {
                for (std::size_t column = 0; column < control.rows[row].size(); ++column) {
                    m_goodCells[{control.id, static_cast<int>(row), static_cast<int>(column)}] =
                        control.rows[row][column];
                }
            }
        }
    } else if (roll % w.putRight == 0) {
        // While the fields make no document, a marked field gets a text
        // back that made one, or Undo goes back a step.
        for (const HeadlessControl& control : top.Controls()) {
            if (control.marked && control.enabled && control.visible && control.kind == res::ControlKind::Edit) {
                const auto good = m_goodTexts.find(control.id);
                const auto typical = w.typical.find(control.id);
                const std::string text = good != m_goodTexts.end()    ? good->second
                                         : typical != w.typical.end() ? typical->second
                                                                      : kTypical[Pick(random, std::size(kTypical))];
                lines.push_back("type " + std::to_string(control.id) + " " + text);
                return;
            }
            for (const ui::GridMark& mark : control.cellMarks) {
                const auto good = m_goodCells.find({control.id, mark.row, mark.column});
                if (good == m_goodCells.end()) continue;
                lines.push_back("cell " + std::to_string(control.id) + " " + std::to_string(mark.row) + " " +
                                std::to_string(mark.column) + " " + good->second);
                return;
            }
        }
        if (w.undo != 0 && std::find(commands.begin(), commands.end(), w.undo) != commands.end()) {
            lines.push_back("menu " + std::to_string(w.undo));
            return;
        }
        // Nothing marked: the problem may lie in an item not on show.
        if (!w.namedLists.empty()) {
            const HeadlessControl* list = top.FindControl(w.namedLists[Pick(random, w.namedLists.size())].first);
            if (list != nullptr && list->items.size() > 1) {
                lines.push_back("select " + std::to_string(list->id) + " " +
                                std::to_string(Pick(random, list->items.size())));
                return;
            }
        }
    }
    if (roll < 2) {
        keepChanges();
        lines.push_back("close");
        return;
    }
    if (roll < 6) {  // neither closes the window nor changes anything
        lines.push_back(roll < 4 ? "enter" : "escape");
        return;
    }
    if (roll >= 940) {  // a pause: the recovery copy is written
        lines.push_back("wait 2");
        return;
    }
    if (roll < 60) {  // a file command
        const int last = 3 + static_cast<int>(w.exports.size());
        switch (const int which = std::uniform_int_distribution<int>(0, last)(random)) {
            case 0:
                if (keepChanges()) lines.push_back("answer " + document(Pick(random, w.documents.size())));
                lines.push_back(w.open);
                return;
            case 1:
                keepChanges();
                lines.push_back(w.afterKeep);
                return;
            case 2:
                saveAnswers();
                lines.push_back(w.save);
                return;
            case 3:
                lines.push_back("answer " + document(Pick(random, w.savedTo)));
                lines.push_back(w.saveAs);
                return;
            default: {
                const auto& [command, file] = w.exports[static_cast<std::size_t>(which - 4)];
                lines.push_back("answer " + w.directory + "/" + file);
                lines.push_back(command);
                return;
            }
        }
    }
    if (roll < 110 && !commands.empty()) {  // any other menu command
        const int command = commands[Pick(random, commands.size())];
        if (!fileId(command)) {
            lines.push_back("menu " + std::to_string(command));
            return;
        }
    }
    if (roll < 120 && !top.ControlCommands().empty()) {
        lines.push_back("key " + top.ControlCommands()[Pick(random, top.ControlCommands().size())].shortcut);
        return;
    }
    if (roll < 150 && !w.namedLists.empty()) {  // a name that its list may have already
        const auto& [listId, nameId] = w.namedLists[Pick(random, w.namedLists.size())];
        const HeadlessControl* list = top.FindControl(listId);
        const HeadlessControl* name = top.FindControl(nameId);
        if (list != nullptr && !list->items.empty() && name != nullptr && name->enabled) {
            lines.push_back("type " + std::to_string(nameId) + " " + list->items[Pick(random, list->items.size())]);
            return;
        }
    }
    if (roll < 250 && !buttons.empty()) {
        lines.push_back("click " + std::to_string(buttons[Pick(random, buttons.size())]->id));
        return;
    }
    if (roll < 350 && !lists.empty()) {
        const HeadlessControl& list = *lists[Pick(random, lists.size())];
        lines.push_back("select " + std::to_string(list.id) + " " + std::to_string(Pick(random, list.items.size())));
        return;
    }
    if (roll < 600 && !grids.empty()) {
        const HeadlessControl& grid = *grids[Pick(random, grids.size())];
        const std::string id = std::to_string(grid.id);
        const int rows = static_cast<int>(grid.rows.size());
        const int pickRow = rows > 0 ? static_cast<int>(Pick(random, static_cast<std::size_t>(rows))) : 0;
        const int sub = std::uniform_int_distribution<int>(0, 99)(random);
        if (sub < 2) {
            lines.push_back("paste " + id + " " + kTables[Pick(random, std::size(kTables))]);
            return;
        }
        std::vector<int> editable;
        for (std::size_t i = 0; i < grid.columns.size(); ++i) {
            if (grid.columns[i].editable) editable.push_back(static_cast<int>(i));
        }
        const int column = editable[Pick(random, editable.size())];
        if (sub < 25 || rows == 0) {
            lines.push_back("goto " + id + " " + std::to_string(pickRow) + " " + std::to_string(column));
            return;
        }
        const std::vector<std::string>& choices = grid.columns[static_cast<std::size_t>(column)].choices;
        const std::vector<std::string>& cells = grid.rows[static_cast<std::size_t>(pickRow)];
        const std::string current = column < static_cast<int>(cells.size()) ? cells[column] : "";
        const std::string text =
            !choices.empty() && sub < 90 ? choices[Pick(random, choices.size())] : FieldText(random, current);
        lines.push_back("cell " + id + " " + std::to_string(pickRow) + " " + std::to_string(column) + " " + text);
        return;
    }
    if (!edits.empty()) {
        const HeadlessControl& edit = *edits[Pick(random, edits.size())];
        lines.push_back("type " + std::to_string(edit.id) + " " + FieldText(random, edit.text));
        return;
    }
    lines.push_back(w.undo != 0 ? "menu " + std::to_string(w.undo) : "enter");
}

}  // namespace halvex_test
