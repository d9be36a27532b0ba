#pragma once

// The layer's names first: windows.h defines the same names (WM_COMMAND,
// IDOK...) as macros of the same values, which would break their declarations.
#include "res/resource_ids.h"
#include "ui/dialog.h"
#include "ui/messages.h"
#include "ui/user_window.h"
#include "ui/win32/control_marks.h"
#include "ui/window.h"

#include <windows.h>
// The layer's own MessageBox, not the platform's macro for MessageBoxW.
#undef MessageBox

#include "ui/win32/anchors.h"
#include "ui/win32/chart_control.h"
#include "ui/win32/control_commands.h"
#include "ui/win32/grid_control.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// The dialog layer's backend on the Win32 API: each dialog is built from its
// template as an in-memory extended dialog template and run with
// DialogBoxIndirectParamW, so modal runs nest as the platform's do; the
// controls are the system's LISTBOX (COMBOBOX for a drop-down list), EDIT,
// STATIC and BUTTON; message boxes are MessageBoxW owned by the innermost
// dialog; a chart is an owner-drawn STATIC painted with GDI.
namespace ui::win32 {

class Win32Backend;
struct ListMessages;

class Win32Dialog final : public DialogWindow, public UserWindow {
public:
    Win32Dialog(Win32Backend& backend, const res::DialogTemplate& dialogTemplate, DialogSink& sink);
    ~Win32Dialog() override;

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
    bool IsIconic() const override;
    Size ClientSize() const override;
    Size IconSize() const override;
    void DrawIcon(int x, int y, int iconId) override;
    void SystemCommand(unsigned commandId) override;
    void EndDialog(int code) override;
    void SetControlDrawing(int id, const std::shared_ptr<const draw::Chart>& drawing) override;
    void MarkControl(int id, std::string_view problem) override;
    void EnableControl(int id, bool enabled) override;
    void FocusControl(int id) override;
    bool SaveControlPicture(int id, const std::string& path) override;
    std::vector<std::string> ControlPictureExtensions() const override { return {"png"}; }
    void AddControlCommand(unsigned commandId, std::string_view text, std::string_view shortcut,
                           const std::vector<int>& controlIds) override;
    void SetClipboardText(std::string_view text) override;
    std::string GetClipboardText() const override;
    void GridSetColumns(int id, const std::vector<GridColumn>& columns) override;
    void GridSetRows(int id, const GridRows& rows) override;
    void GridGetCell(int id, int row, int column, std::string& out) const override;
    void GridSetCurrentCell(int id, int row, int column) override;
    GridCell GridCurrentCell(int id) const override;
    void GridMarkCell(int id, int row, int column, std::string_view problem) override;
    void GridWarnCell(int id, int row, int column, std::string_view warning) override;
    void SetControlTooltip(int id, std::string_view text) override;
    void EnableMenuItem(int commandId, bool enabled) override;
    void SetTitle(std::string_view text) override;
    void SetTimer(unsigned id, unsigned milliseconds) override;
    void KillTimer(unsigned id) override;

    // The user's actions, as the messages the platform sends for them.
    std::vector<ControlState> ReadControls() const override;
    std::string Title() const override;
    std::vector<MenuItemState> ReadMenu() const override;
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
    // As the menu sends the command; a shortcut as its key goes through the
    // dialog's accelerator table, with the modifiers held down.
    std::string UserMenu(int commandId) override;
    std::string UserKey(std::string_view shortcut) override;
    // The messages of that time handled as the modal loop would, timers included.
    void UserWait(unsigned milliseconds) override;

    // Turns a key of the menu's or the controls' commands, pressed in this
    // dialog, into its command; false for any other message.
    bool TranslateKey(MSG& message);
    HMENU Menu() const { return m_menu; }
    HWND TooltipWindow() const { return m_tooltips; }

    HWND Handle() const { return m_hwnd; }
    // The control of that id, or nullptr.
    HWND Control(int id) const;
    // The controls in template order.
    const std::vector<HWND>& Controls() const { return m_controls; }
    // The chart control of that id, or nullptr.
    const ChartControl* Chart(int id) const;
    // The grid of that id, or nullptr.
    const GridControl* Grid(int id) const;
    GridControl* Grid(int id);
    bool Ended() const { return m_ended; }
    int EndCode() const { return m_endCode; }

    int Run(HWND owner);

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Handle(UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR OnInitDialog(HWND hwnd);
    void AttachMenu();
    void FitWorkArea();
    void OpenSystemMenu();
    bool IsMenuCommand(int id) const;
    INT_PTR OnPaint();
    INT_PTR OnDrawItem(const DRAWITEMSTRUCT& item);
    HWND Existing(int id) const;
    const ListMessages& ListMessagesOf(int id) const;
    const ControlState* FindState(const std::vector<ControlState>& states, int id) const;
    GridControl& ExistingGrid(int id);
    const GridControl& ExistingGrid(int id) const;
    std::string CheckGrid(int id, GridAction action, int row = -1, int column = -1, std::string_view text = {}) const;
    std::intptr_t Send(unsigned message, std::uintptr_t wParam, std::intptr_t lParam);
    void SendCommand(int id, unsigned notification);
    void Step();
    void SendGrid(int id, unsigned notification, int row, int column);
    void AnswerMessageBox(int attempts);

    Win32Backend& m_backend;
    const res::DialogTemplate& m_template;
    DialogSink& m_sink;
    HWND m_hwnd = nullptr;
    std::vector<HWND> m_controls;
    std::map<int, ChartControl> m_charts;  // by control id
    std::map<int, GridControl> m_grids;    // by control id, while the window exists
    ControlMarks m_marks;
    Anchors m_anchors;
    HMENU m_menu = nullptr;  // destroyed with the window
    HACCEL m_accelerators = nullptr;
    ControlCommands m_commands;
    HWND m_tooltips = nullptr;                   // made with the first tooltip
    std::map<int, std::wstring> m_tooltipTexts;  // kept for as long as the tooltip shows them
    HWND m_settingText = nullptr;                // the edit whose text the program is setting
    HDC m_paintDc = nullptr;                     // set while a minimised window paints
    LPARAM m_sysCommandParam = 0;
    bool m_ended = false;
    int m_endCode = 0;
};

// Plays the user: told of every dialog and message box, and asked for one
// action at a time on the innermost dialog, from inside its modal run.
class Automation {
public:
    virtual ~Automation() = default;
    virtual void OnOpen(Win32Dialog& /*dialog*/) {}
    virtual void OnClose(Win32Dialog& /*dialog*/, int /*code*/) {}
    // The box is then answered with OK: told before it shows, and once it
    // is up, just before OK is pressed on it.
    virtual void OnMessageBox(std::string_view /*text*/) {}
    virtual void OnMessageBoxShown(HWND /*box*/) {}
    // Questions and file dialogs are asked of the automation instead of
    // shown: IDYES, IDNO or IDCANCEL; false for a cancelled file dialog.
    virtual int AskYesNoCancel(std::string_view /*text*/) { return IDCANCEL; }
    // The index of the button chosen; the last one cancels.
    virtual std::size_t AskChoice(std::string_view /*text*/, const std::vector<std::string>& buttons) {
        return buttons.empty() ? 0 : buttons.size() - 1;
    }
    virtual bool AskFileName(FileDialog /*kind*/, const std::vector<FileType>& /*types*/, std::string& /*path*/,
                             std::size_t& /*type*/) {
        return false;
    }
    // A document the program opens is told instead of shown.
    virtual void OnOpenDocument(std::string_view /*path*/) {}
    // A print dialog is answered by the automation, which is told what
    // would be printed instead of printing it.
    virtual PrintResult PrintPages(const PrintJob& /*job*/) { return PrintResult::Cancelled; }
    // Performs at most one user action on the top dialog; false when there
    // will be no more, and the run is then cancelled.
    virtual bool Next(Win32Dialog& top) = 0;
};

class Win32Backend final : public Backend {
public:
    explicit Win32Backend(HINSTANCE instance = nullptr);
    ~Win32Backend() override;
    Win32Backend(const Win32Backend&) = delete;
    Win32Backend& operator=(const Win32Backend&) = delete;

    std::unique_ptr<DialogWindow> CreateDialogWindow(const res::DialogTemplate& dialogTemplate,
                                                     DialogSink& sink) override;
    int RunModal(DialogWindow& window) override;
    void MessageBox(std::string_view text) override;
    int AskYesNoCancel(std::string_view text) override;
    // A task dialog with the buttons named, or the automation's answer.
    std::size_t AskChoice(std::string_view text, const std::vector<std::string>& buttons) override;
    bool AskFileName(FileDialog kind, const std::vector<FileType>& types, std::string& path,
                     std::size_t& type) override;
    bool SendsInitDialog() const override { return true; }
    // ShellExecuteW, or told to the automation when one plays the user.
    bool OpenDocument(const std::string& path) override;
    std::string ProgramDirectory() const override;
    // PrintDlgExW and the pages painted with GDI on its printer
    // (ui/win32/printing.cpp), or the automation's answer.
    PrintResult PrintPages(const PrintJob& job) override;
    // The default printer's form, where there is a printer.
    bool PrinterPaper(draw::Paper& paper) const override;
    // Has the dialogs' modal runs offer their keys to the top dialog's menu
    // shortcuts first; done when the first dialog with a menu opens.
    void FilterMessages();

    void SetAutomation(Automation* automation) { m_automation = automation; }
    Automation* GetAutomation() const { return m_automation; }
    HINSTANCE Instance() const { return m_instance; }
    // The innermost running dialog, or nullptr.
    Win32Dialog* Top() const { return m_running.empty() ? nullptr : m_running.back(); }
    // The icon of that resource at that size in pixels, made once and kept
    // for the backend's life; nullptr for an unknown id.
    HICON Icon(int iconId, int size);
    // The work area a window opens in: its monitor's, unless a test gives one.
    RECT WorkArea(HWND window) const;
    void SetWorkArea(std::function<RECT(HWND)> workArea) { m_workArea = std::move(workArea); }

private:
    friend class Win32Dialog;
    HINSTANCE m_instance;
    Automation* m_automation = nullptr;
    std::function<RECT(HWND)> m_workArea;
    std::vector<Win32Dialog*> m_running;
    std::map<std::pair<int, int>, HICON> m_icons;
    HHOOK m_messageFilter = nullptr;
};

// Private messages of the backend's own, posted to a dialog.
constexpr UINT kStepMessage = WM_APP + 1;       // the automation's next action
constexpr UINT kAnswerBoxMessage = WM_APP + 2;  // press OK on the open message box

}  // namespace ui::win32
