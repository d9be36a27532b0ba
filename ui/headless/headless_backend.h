#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ui/answer_queue.h"
#include "ui/user_window.h"
#include "ui/window.h"

// A backend without a screen: controls live in memory, the user's actions
// come from an event source, message boxes are recorded and answered with OK.
namespace ui::headless {

using HeadlessControl = ControlState;

struct SystemMenuItem {
    unsigned flags;
    unsigned commandId;
    std::string text;
};

struct ControlCommand {
    unsigned commandId;
    std::string text;
    std::string shortcut;
    std::vector<int> controlIds;
};

class HeadlessBackend;

class HeadlessWindow final : public DialogWindow, public UserWindow {
public:
    // Timers run on the backend's clock; a window made without one keeps a
    // clock of its own.
    HeadlessWindow(const res::DialogTemplate& dialogTemplate, DialogSink& sink, HeadlessBackend* backend = nullptr);

    const res::DialogTemplate& Template() const override { return m_template; }
    void ShowControl(int id, bool show) override;
    bool IsControlVisible(int id) const override;
    void SetControlText(int id, std::string_view text) override;
    void GetControlText(int id, std::string& out) const override;
    void ListReset(int id) override;
    void ListInsert(int id, int index, std::string_view text) override;
    int ListGetCurSel(int id) const override;
    void ListSetCurSel(int id, int index) override;
    void AppendSystemMenu(unsigned flags, unsigned commandId, std::string_view text) override;
    void SetIcon(bool big, int iconId) override;
    void SetControlDrawing(int id, const std::shared_ptr<const draw::Chart>& drawing) override;
    void AddControlCommand(unsigned commandId, std::string_view text, std::string_view shortcut,
                           const std::vector<int>& controlIds) override;
    void SetClipboardText(std::string_view text) override { m_clipboard.assign(text); }
    std::string GetClipboardText() const override { return m_clipboard; }
    void GridSetColumns(int id, const std::vector<GridColumn>& columns) override;
    void GridSetRows(int id, const GridRows& rows) override;
    void GridGetCell(int id, int row, int column, std::string& out) const override;
    void GridSetCurrentCell(int id, int row, int column) override;
    GridCell GridCurrentCell(int id) const override { return Control(id).current; }
    void GridMarkCell(int id, int row, int column, std::string_view problem) override;
    void GridWarnCell(int id, int row, int column, std::string_view warning) override;
    void MarkControl(int id, std::string_view problem) override;
    void EnableControl(int id, bool enabled) override;
    void FocusControl(int /*id*/) override {}  // no keyboard here
    void SetControlTooltip(int id, std::string_view text) override;
    void EnableMenuItem(int commandId, bool enabled) override;
    void SetTitle(std::string_view text) override { m_title.assign(text); }
    void SetTimer(unsigned id, unsigned milliseconds) override;
    void KillTimer(unsigned id) override;
    void EndDialog(int code) override;

    std::vector<ControlState> ReadControls() const override { return m_controls; }
    std::string Title() const override { return m_title; }
    std::vector<MenuItemState> ReadMenu() const override { return m_menu; }
    std::string UserSelect(int id, int index) override;
    std::string UserType(int id, std::string_view text) override;
    std::string UserClick(int id) override;
    void UserEnter() override;
    void UserEscape() override;
    void UserClose() override;
    void UserSysCommand(unsigned commandId) override;
    std::string UserEditCell(int id, int row, int column, std::string_view text) override;
    std::string UserMoveToCell(int id, int row, int column) override;
    std::string UserPaste(int id, std::string_view text) override;
    std::string UserMenu(int commandId) override;
    std::string UserKey(std::string_view shortcut) override;
    void UserWait(unsigned milliseconds) override;
    // The shortcut key of a command the dialog added.
    std::string UserShortcut(unsigned commandId);

    const std::vector<HeadlessControl>& Controls() const { return m_controls; }
    const HeadlessControl* FindControl(int id) const;
    const std::vector<SystemMenuItem>& SystemMenu() const { return m_systemMenu; }
    const std::vector<ControlCommand>& ControlCommands() const { return m_controlCommands; }
    // What is on the clipboard: the dialog's last copy, or the user's paste.
    const std::string& Clipboard() const { return m_clipboard; }
    int BigIcon() const { return m_bigIcon; }
    int SmallIcon() const { return m_smallIcon; }
    bool Ended() const { return m_ended; }
    int EndCode() const { return m_endCode; }
    // When this window's next timer runs out, in the clock's milliseconds;
    // false when none is set.
    bool NextTimer(std::uint64_t& due) const;
    // Sends WM_TIMER for the timer that runs out first, if it is due by now.
    bool FireTimer(std::uint64_t now);

private:
    struct Timer {
        unsigned id;
        std::uint64_t due;
    };

    HeadlessControl& Control(int id);
    void MarkCell(int id, int row, int column, std::string_view problem, MarkKind kind);
    const HeadlessControl& Control(int id) const;
    std::string CheckUsable(int id, res::ControlKind kind, const char* what) const;

    const res::DialogTemplate& m_template;
    DialogSink& m_sink;
    HeadlessBackend* m_backend;
    std::uint64_t m_ownClock = 0;
    std::vector<Timer> m_timers;
    std::vector<HeadlessControl> m_controls;
    std::vector<int> m_indexById;  // control ids are small: a direct index, -1 for none
    std::vector<SystemMenuItem> m_systemMenu;
    std::vector<ControlCommand> m_controlCommands;
    std::vector<MenuItemState> m_menu;
    std::string m_title;
    std::string m_clipboard;
    int m_bigIcon = 0;
    int m_smallIcon = 0;
    bool m_ended = false;
    int m_endCode = 0;
};

class HeadlessBackend;

// Supplies the user's actions to the innermost modal run, one at a time.
class EventSource {
public:
    virtual ~EventSource() = default;
    // Performs at most one user action on the top window; returns false when
    // there will be no more, and the run is then cancelled.
    virtual bool Next(HeadlessBackend& backend, HeadlessWindow& top) = 0;
};

// Told what happens, as it happens.
class Observer {
public:
    virtual ~Observer() = default;
    virtual void OnOpen(const HeadlessWindow& /*window*/) {}
    virtual void OnClose(const HeadlessWindow& /*window*/, int /*code*/) {}
    virtual void OnMessageBox(std::string_view /*text*/) {}
    virtual void OnQuestion(std::string_view /*text*/, int /*answer*/) {}
    virtual void OnChoice(std::string_view /*text*/, const std::vector<std::string>& /*buttons*/,
                          std::size_t /*chosen*/) {}
    // The extension of the type the dialog offers first.
    virtual void OnFileDialog(FileDialog /*kind*/, std::string_view /*extension*/, bool /*answered*/,
                              std::string_view /*path*/) {}
    virtual void OnOpenDocument(std::string_view /*path*/) {}
    // A print dialog, and what would have gone to the printer: the pages as
    // laid out on the paper chosen (none when it was cancelled).
    virtual void OnPrint(const PrintJob& /*job*/, bool /*printed*/, const draw::PagedDocument& /*pages*/) {}
};

class HeadlessBackend final : public Backend {
public:
    void SetEventSource(EventSource* source) { m_source = source; }
    void SetObserver(Observer* observer) { m_observer = observer; }

    std::unique_ptr<DialogWindow> CreateDialogWindow(const res::DialogTemplate& dialogTemplate,
                                                     DialogSink& sink) override;
    int RunModal(DialogWindow& window) override;
    void MessageBox(std::string_view text) override;
    // Questions and file dialogs take the answers queued for them (see
    // AnswerQueue); with none queued they are cancelled.
    int AskYesNoCancel(std::string_view text) override;
    std::size_t AskChoice(std::string_view text, const std::vector<std::string>& buttons) override;
    bool AskFileName(FileDialog kind, const std::vector<FileType>& types, std::string& path,
                     std::size_t& type) override;
    // Told to the observer, and taken as opened.
    bool OpenDocument(const std::string& path) override;
    std::string ProgramDirectory() const override { return m_programDirectory; }
    // Answered from the queue ("print", "print letter"); the pages are laid
    // out on the paper chosen and told to the observer, not painted.
    PrintResult PrintPages(const PrintJob& job) override;
    void SetProgramDirectory(std::string directory) { m_programDirectory = std::move(directory); }
    void QueueAnswer(std::string answer) { m_answers->Push(std::move(answer)); }
    // Answers from that queue, kept by the caller, instead of the backend's own.
    void SetAnswerQueue(AnswerQueue* answers) { m_answers = answers != nullptr ? answers : &m_ownAnswers; }

    // The innermost running dialog, or nullptr.
    HeadlessWindow* Top() const { return m_running.empty() ? nullptr : m_running.back(); }

    // A clock of its own, in milliseconds, that moves only when told: the
    // running windows' timers go off as it passes them, so that a script
    // waits two seconds in no time and always alike.
    std::uint64_t Now() const { return m_now; }
    void AdvanceClock(unsigned milliseconds);

private:
    EventSource* m_source = nullptr;
    Observer* m_observer = nullptr;
    std::vector<HeadlessWindow*> m_running;
    AnswerQueue m_ownAnswers;
    AnswerQueue* m_answers = &m_ownAnswers;
    std::string m_programDirectory;
    std::uint64_t m_now = 0;
};

}  // namespace ui::headless
