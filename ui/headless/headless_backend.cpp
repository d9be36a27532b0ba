#include "ui/headless/headless_backend.h"

#include <algorithm>
#include <stdexcept>

#include "ui/messages.h"

namespace ui::headless {

HeadlessWindow::HeadlessWindow(const res::DialogTemplate& dialogTemplate, DialogSink& sink, HeadlessBackend* backend)
    : m_template(dialogTemplate), m_sink(sink), m_backend(backend), m_title(dialogTemplate.caption) {
    m_controls.reserve(dialogTemplate.controlCount);
    for (const res::ControlTemplate& control : dialogTemplate) {
        if (control.id >= 0) {
            if (static_cast<std::size_t>(control.id) >= m_indexById.size()) m_indexById.resize(control.id + 1, -1);
            m_indexById[control.id] = static_cast<int>(m_controls.size());
        }
        HeadlessControl state;
        state.id = control.id;
        state.kind = control.kind;
        state.style = control.style;
        state.text = control.text;
        m_controls.push_back(std::move(state));
    }
    if (dialogTemplate.menu != nullptr) {
        for (const res::MenuPopup& popup : *dialogTemplate.menu) {
            for (const res::MenuItem& item : popup) {
                if (item.commandId != 0) m_menu.push_back(MenuItemState{item.commandId, true});
            }
        }
    }
}

const HeadlessControl* HeadlessWindow::FindControl(int id) const {
    if (id < 0 || static_cast<std::size_t>(id) >= m_indexById.size() || m_indexById[id] < 0) return nullptr;
    return &m_controls[m_indexById[id]];
}

const HeadlessControl& HeadlessWindow::Control(int id) const {
    const HeadlessControl* control = FindControl(id);
    if (control == nullptr) throw std::logic_error("no control " + std::to_string(id));
    return *control;
}

HeadlessControl& HeadlessWindow::Control(int id) {
    return const_cast<HeadlessControl&>(static_cast<const HeadlessWindow&>(*this).Control(id));
}

void HeadlessWindow::ShowControl(int id, bool show) { Control(id).visible = show; }

bool HeadlessWindow::IsControlVisible(int id) const { return Control(id).visible; }

void HeadlessWindow::SetControlText(int id, std::string_view text) { Control(id).text.assign(text); }

void HeadlessWindow::GetControlText(int id, std::string& out) const { out = Control(id).text; }

void HeadlessWindow::MarkControl(int id, std::string_view problem) { Control(id).marked = !problem.empty(); }

void HeadlessWindow::EnableControl(int id, bool enabled) { Control(id).enabled = enabled; }

void HeadlessWindow::SetControlTooltip(int id, std::string_view text) { Control(id).tooltip.assign(text); }

void HeadlessWindow::EnableMenuItem(int commandId, bool enabled) {
    for (MenuItemState& item : m_menu) {
        if (item.commandId == commandId) item.enabled = enabled;
    }
}

void HeadlessWindow::ListReset(int id) {
    HeadlessControl& list = Control(id);
    list.items.clear();
    list.selected = -1;
}

void HeadlessWindow::ListInsert(int id, int index, std::string_view text) {
    HeadlessControl& list = Control(id);
    if (index < 0 || index > static_cast<int>(list.items.size())) throw std::out_of_range("list insert position");
    list.items.insert(list.items.begin() + index, std::string(text));
    if (list.selected >= index) ++list.selected;
}

int HeadlessWindow::ListGetCurSel(int id) const { return Control(id).selected; }

void HeadlessWindow::ListSetCurSel(int id, int index) {
    HeadlessControl& list = Control(id);
    list.selected = (index >= 0 && index < static_cast<int>(list.items.size())) ? index : -1;
}

void HeadlessWindow::AppendSystemMenu(unsigned flags, unsigned commandId, std::string_view text) {
    m_systemMenu.push_back(SystemMenuItem{flags, commandId, std::string(text)});
}

void HeadlessWindow::AddControlCommand(unsigned commandId, std::string_view text, std::string_view shortcut,
                                       const std::vector<int>& controlIds) {
    m_controlCommands.push_back(ControlCommand{commandId, std::string(text), std::string(shortcut), controlIds});
}

void HeadlessWindow::SetIcon(bool big, int iconId) { (big ? m_bigIcon : m_smallIcon) = iconId; }

void HeadlessWindow::SetControlDrawing(int id, const std::shared_ptr<const draw::Chart>& drawing) {
    Control(id).drawing = drawing;
}

void HeadlessWindow::EndDialog(int code) {
    if (m_ended) return;
    m_ended = true;
    m_endCode = code;
}

std::string HeadlessWindow::CheckUsable(int id, res::ControlKind kind, const char* what) const {
    return ui::CheckUsable(m_template, FindControl(id), id, kind, what);
}

std::string HeadlessWindow::UserSelect(int id, int index) {
    std::string error = CheckUsable(id, res::ControlKind::List, "a list");
    if (!error.empty()) return error;
    HeadlessControl& list = Control(id);
    if (index < -1 || index >= static_cast<int>(list.items.size())) {
        return "index " + std::to_string(index) + " out of range for list " + std::to_string(id);
    }
    list.selected = index;
    m_sink.HandleMessage(WM_COMMAND, MakeWParam(static_cast<unsigned>(id), LBN_SELCHANGE), 0);
    return {};
}

std::string HeadlessWindow::UserType(int id, std::string_view text) {
    std::string error = CheckUsable(id, res::ControlKind::Edit, "an edit");
    if (!error.empty()) return error;
    HeadlessControl& edit = Control(id);
    if ((edit.style & res::kReadOnly) != 0) return "edit " + std::to_string(id) + " is read-only";
    edit.text.assign(text);
    m_sink.HandleMessage(WM_COMMAND, MakeWParam(static_cast<unsigned>(id), EN_CHANGE), 0);
    return {};
}

std::string HeadlessWindow::UserClick(int id) {
    std::string error = CheckUsable(id, res::ControlKind::Button, "a button");
    if (!error.empty()) return error;
    m_sink.HandleMessage(WM_COMMAND, MakeWParam(static_cast<unsigned>(id), BN_CLICKED), 0);
    return {};
}

// Enter is the OK command: the default button's in the calculators, and
// the platform's own OK in a dialog without one.
void HeadlessWindow::UserEnter() { m_sink.HandleMessage(WM_COMMAND, MakeWParam(IDOK, BN_CLICKED), 0); }

void HeadlessWindow::UserEscape() { m_sink.HandleMessage(WM_COMMAND, MakeWParam(IDCANCEL, BN_CLICKED), 0); }

void HeadlessWindow::UserClose() { m_sink.HandleMessage(WM_CLOSE, 0, 0); }

void HeadlessWindow::UserSysCommand(unsigned commandId) { m_sink.HandleMessage(WM_SYSCOMMAND, commandId, 0); }

void HeadlessWindow::GridSetColumns(int id, const std::vector<GridColumn>& columns) {
    HeadlessControl& grid = Control(id);
    grid.columns = columns;
    grid.rows.clear();
    grid.current = GridCell{};
    grid.cellMarks.clear();
}

void HeadlessWindow::GridSetRows(int id, const GridRows& rows) {
    HeadlessControl& grid = Control(id);
    grid.rows = rows;
    const int count = static_cast<int>(rows.size());
    if (grid.current.row >= count) grid.current = GridCell{};
    std::vector<GridMark>& marks = grid.cellMarks;
    marks.erase(std::remove_if(marks.begin(), marks.end(), [count](const GridMark& mark) { return mark.row >= count; }),
                marks.end());
}

void HeadlessWindow::GridGetCell(int id, int row, int column, std::string& out) const {
    const HeadlessControl& grid = Control(id);
    out.clear();
    if (row < 0 || row >= static_cast<int>(grid.rows.size())) return;
    const std::vector<std::string>& cells = grid.rows[static_cast<std::size_t>(row)];
    if (column >= 0 && column < static_cast<int>(cells.size())) out = cells[static_cast<std::size_t>(column)];
}

void HeadlessWindow::GridSetCurrentCell(int id, int row, int column) {
    HeadlessControl& grid = Control(id);
    const bool inRange = row >= 0 && row < static_cast<int>(grid.rows.size()) && column >= 0 &&
                         column < static_cast<int>(grid.columns.size());
    grid.current = inRange ? GridCell{row, column} : GridCell{};
}

void HeadlessWindow::GridMarkCell(int id, int row, int column, std::string_view problem) {
    MarkCell(id, row, column, problem, MarkKind::Problem);
}

void HeadlessWindow::GridWarnCell(int id, int row, int column, std::string_view warning) {
    MarkCell(id, row, column, warning, MarkKind::Warning);
}

void HeadlessWindow::MarkCell(int id, int row, int column, std::string_view problem, MarkKind kind) {
    std::vector<GridMark>& marks = Control(id).cellMarks;
    const auto at = std::lower_bound(marks.begin(), marks.end(), std::make_pair(row, column),
                                     [](const GridMark& mark, const std::pair<int, int>& cell) {
                                         return std::make_pair(mark.row, mark.column) < cell;
                                     });
    const bool found = at != marks.end() && at->row == row && at->column == column;
    if (problem.empty()) {
        if (found) marks.erase(at);
    } else if (found) {
        at->problem.assign(problem);
        at->kind = kind;
    } else {
        marks.insert(at, GridMark{row, column, std::string(problem), kind});
    }
}

std::string HeadlessWindow::UserMoveToCell(int id, int row, int column) {
    std::string error = CheckUsable(id, res::ControlKind::Grid, "a grid");
    if (error.empty()) error = CheckGridAction(Control(id), GridAction::Move, row, column);
    if (!error.empty()) return error;
    HeadlessControl& grid = Control(id);
    const bool rowChanged = grid.current.row != row;
    grid.current = GridCell{row, column};
    if (rowChanged)
        m_sink.HandleMessage(WM_COMMAND, MakeWParam(static_cast<unsigned>(id), GN_SELCHANGE),
                             MakeGridParam(row, column));
    return {};
}

std::string HeadlessWindow::UserEditCell(int id, int row, int column, std::string_view text) {
    std::string error = CheckUsable(id, res::ControlKind::Grid, "a grid");
    if (error.empty()) error = CheckGridAction(Control(id), GridAction::Edit, row, column, text);
    if (!error.empty()) return error;
    UserMoveToCell(id, row, column);
    // The dialog may have replaced the rows on the move; the cell is read again.
    HeadlessControl& grid = Control(id);
    if (row >= static_cast<int>(grid.rows.size())) return {};
    std::vector<std::string>& cells = grid.rows[static_cast<std::size_t>(row)];
    if (static_cast<int>(cells.size()) <= column) cells.resize(static_cast<std::size_t>(column) + 1);
    if (cells[static_cast<std::size_t>(column)] == text) return {};
    cells[static_cast<std::size_t>(column)].assign(text);
    m_sink.HandleMessage(WM_COMMAND, MakeWParam(static_cast<unsigned>(id), GN_CELLCHANGE), MakeGridParam(row, column));
    return {};
}

std::string HeadlessWindow::UserPaste(int id, std::string_view text) {
    std::string error = CheckUsable(id, res::ControlKind::Grid, "a grid");
    if (error.empty()) error = CheckGridAction(Control(id), GridAction::Paste);
    if (!error.empty()) return error;
    m_clipboard.assign(text);
    const GridCell current = Control(id).current;
    m_sink.HandleMessage(WM_COMMAND, MakeWParam(static_cast<unsigned>(id), GN_PASTE),
                         MakeGridParam(current.row, current.column));
    return {};
}

std::string HeadlessWindow::UserMenu(int commandId) {
    std::string error = CheckMenuItem(m_template, m_menu, commandId);
    if (!error.empty()) return error;
    m_sink.HandleMessage(WM_COMMAND, MakeWParam(static_cast<unsigned>(commandId), 0), 0);
    return {};
}

// A menu's key first, then a command key of the window's own (F1 in a
// calculator), which works wherever the focus is; the keys an edit uses
// itself stay the edit's.
std::string HeadlessWindow::UserKey(std::string_view shortcut) {
    const int commandId = FindShortcutCommand(m_template, shortcut);
    if (commandId != 0) return UserMenu(commandId);
    for (const ControlCommand& command : m_controlCommands) {
        if (SameShortcut(command.shortcut, shortcut)) return UserShortcut(command.commandId);
    }
    return "no shortcut " + std::string(shortcut) + " on dialog " + std::to_string(m_template.id);
}

std::string HeadlessWindow::UserShortcut(unsigned commandId) {
    for (const ControlCommand& command : m_controlCommands) {
        if (command.commandId != commandId) continue;
        m_sink.HandleMessage(WM_COMMAND, MakeWParam(commandId, BN_CLICKED), 0);
        return {};
    }
    return "no command " + std::to_string(commandId) + " on dialog " + std::to_string(m_template.id);
}

void HeadlessWindow::SetTimer(unsigned id, unsigned milliseconds) {
    KillTimer(id);
    const std::uint64_t now = m_backend != nullptr ? m_backend->Now() : m_ownClock;
    m_timers.push_back(Timer{id, now + milliseconds});
}

void HeadlessWindow::KillTimer(unsigned id) {
    m_timers.erase(std::remove_if(m_timers.begin(), m_timers.end(), [id](const Timer& t) { return t.id == id; }),
                   m_timers.end());
}

bool HeadlessWindow::NextTimer(std::uint64_t& due) const {
    if (m_timers.empty()) return false;
    due = std::min_element(m_timers.begin(), m_timers.end(), [](const Timer& a, const Timer& b) {
              return a.due < b.due;
          })->due;
    return true;
}

bool HeadlessWindow::FireTimer(std::uint64_t now) {
    std::uint64_t due = 0;
    if (!NextTimer(due) || due > now) return false;
    const auto timer = std::find_if(m_timers.begin(), m_timers.end(), [due](const Timer& t) { return t.due == due; });
    const unsigned id = timer->id;
    m_timers.erase(timer);
    m_sink.HandleMessage(WM_TIMER, id, 0);
    return true;
}

void HeadlessWindow::UserWait(unsigned milliseconds) {
    if (m_backend != nullptr) return m_backend->AdvanceClock(milliseconds);
    m_ownClock += milliseconds;
    while (!m_ended && FireTimer(m_ownClock)) {
    }
}

std::unique_ptr<DialogWindow> HeadlessBackend::CreateDialogWindow(const res::DialogTemplate& dialogTemplate,
                                                                  DialogSink& sink) {
    return std::make_unique<HeadlessWindow>(dialogTemplate, sink, this);
}

// Each timer goes off at its own time, the earliest first, in whichever
// running window set it; one that ends its window stops the rest there.
void HeadlessBackend::AdvanceClock(unsigned milliseconds) {
    const std::uint64_t until = m_now + milliseconds;
    for (;;) {
        HeadlessWindow* first = nullptr;
        std::uint64_t firstDue = until;
        for (HeadlessWindow* window : m_running) {
            std::uint64_t due = 0;
            if (!window->Ended() && window->NextTimer(due) && due <= firstDue) {
                first = window;
                firstDue = due;
            }
        }
        if (first == nullptr) break;
        m_now = firstDue;
        first->FireTimer(m_now);
    }
    m_now = until;
}

int HeadlessBackend::RunModal(DialogWindow& window) {
    auto& headless = static_cast<HeadlessWindow&>(window);
    m_running.push_back(&headless);
    if (m_observer != nullptr) m_observer->OnOpen(headless);
    while (!headless.Ended()) {
        if (m_source == nullptr || !m_source->Next(*this, headless)) {
            // Esc; a document window, which has a menu bar and which Esc
            // does not close, is closed by its close box.
            headless.UserEscape();
            if (!headless.Ended() && headless.Template().menu != nullptr) headless.UserClose();
            headless.EndDialog(IDCANCEL);  // in case the dialog refused to close
        }
    }
    m_running.pop_back();
    if (m_observer != nullptr) m_observer->OnClose(headless, headless.EndCode());
    return headless.EndCode();
}

void HeadlessBackend::MessageBox(std::string_view text) {
    if (m_observer != nullptr) m_observer->OnMessageBox(text);
}

int HeadlessBackend::AskYesNoCancel(std::string_view text) {
    const int answer = m_answers->TakeQuestion();
    if (m_observer != nullptr) m_observer->OnQuestion(text, answer);
    return answer;
}

std::size_t HeadlessBackend::AskChoice(std::string_view text, const std::vector<std::string>& buttons) {
    const std::size_t chosen = m_answers->TakeChoice(buttons);
    if (m_observer != nullptr) m_observer->OnChoice(text, buttons, chosen);
    return chosen;
}

bool HeadlessBackend::OpenDocument(const std::string& path) {
    if (m_observer != nullptr) m_observer->OnOpenDocument(path);
    return true;
}

// The answer is the name as typed; the first type stays chosen.
bool HeadlessBackend::AskFileName(FileDialog kind, const std::vector<FileType>& types, std::string& path,
                                  std::size_t& type) {
    const bool answered = m_answers->TakeFileName(path);
    type = 0;
    const std::string extension = types.empty() ? std::string() : types.front().extension;
    if (m_observer != nullptr) m_observer->OnFileDialog(kind, extension, answered, answered ? path : "");
    return answered;
}

PrintResult HeadlessBackend::PrintPages(const PrintJob& job) {
    draw::Paper paper = job.paper;
    const bool printed = m_answers->TakePrint(paper);
    const draw::PagedDocument pages =
        printed && job.layOut ? job.layOut(paper) : draw::PagedDocument{paper, job.title, {}};
    if (m_observer != nullptr) m_observer->OnPrint(job, printed, pages);
    return printed ? PrintResult::Printed : PrintResult::Cancelled;
}

}  // namespace ui::headless
