#include "ui/win32/win32_backend.h"

#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>
#include <stdexcept>
#include <string>

#include "lang/tr.h"
#include "res/app_icon_picture.h"
#include "res/string_table.h"
#include "ui/win32/app_icon.h"
#include "ui/win32/clipboard.h"
#include "ui/win32/common_controls.h"
#include "ui/win32/menu_bar.h"
#include "ui/win32/template_builder.h"
#include "ui/win32/utf16.h"

namespace ui::win32 {
namespace {

// How often the answer to a message box looks for the box before giving up.
constexpr int kAnswerAttempts = 100;

// The backend whose dialogs the message filter serves: one a process.
Win32Backend* g_filteringBackend = nullptr;

// The dialog manager's modal loop offers each message here before it
// dispatches it: a menu shortcut of the top dialog becomes its command, even
// where an edit has the focus and a use for the key itself.
LRESULT CALLBACK MessageFilter(int code, WPARAM wParam, LPARAM lParam) {
    if (code == MSGF_DIALOGBOX && g_filteringBackend != nullptr) {
        Win32Dialog* top = g_filteringBackend->Top();
        if (top != nullptr && top->TranslateKey(*reinterpret_cast<MSG*>(lParam))) return TRUE;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

std::wstring TextOf(HWND hwnd) {
    const int length = GetWindowTextLengthW(hwnd);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(hwnd, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(copied < 0 ? 0 : copied));
    return text;
}

}  // namespace

// ---- the dialog -------------------------------------------------------------

Win32Dialog::Win32Dialog(Win32Backend& backend, const res::DialogTemplate& dialogTemplate, DialogSink& sink)
    : m_backend(backend), m_template(dialogTemplate), m_sink(sink) {}

Win32Dialog::~Win32Dialog() {
    // A run that was never started, or a window left behind, goes with the object.
    if (m_hwnd != nullptr && IsWindow(m_hwnd)) DestroyWindow(m_hwnd);
    if (m_accelerators != nullptr) DestroyAcceleratorTable(m_accelerators);
}

int Win32Dialog::Run(HWND owner) {
    // The list view's class must be there before the dialog manager creates a grid.
    const bool hasGrid = std::any_of(m_template.begin(), m_template.end(), [](const res::ControlTemplate& control) {
        return control.kind == res::ControlKind::Grid;
    });
    if (hasGrid && !LoadCommonControls()) throw std::runtime_error("the common controls cannot be loaded");
    const std::vector<std::uint16_t> words = BuildDialogTemplate(m_template);
    const INT_PTR result =
        DialogBoxIndirectParamW(m_backend.Instance(), reinterpret_cast<LPCDLGTEMPLATEW>(words.data()), owner,
                                &Win32Dialog::DialogProc, reinterpret_cast<LPARAM>(this));
    m_hwnd = nullptr;
    m_menu = nullptr;      // destroyed with the window
    m_tooltips = nullptr;  // owned by it, so destroyed with it too
    m_controls.clear();
    m_anchors.Detach();
    m_grids.clear();
    return static_cast<int>(result);
}

INT_PTR CALLBACK Win32Dialog::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* dialog = reinterpret_cast<Win32Dialog*>(lParam);
        SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
        return dialog->OnInitDialog(hwnd);
    }
    auto* dialog = reinterpret_cast<Win32Dialog*>(GetWindowLongPtrW(hwnd, DWLP_USER));
    if (dialog == nullptr) return FALSE;
    return dialog->Handle(message, wParam, lParam);
}

INT_PTR Win32Dialog::OnInitDialog(HWND hwnd) {
    m_hwnd = hwnd;
    // The dialog manager creates the controls in template order, which is
    // also the order of the child windows.
    m_controls.clear();
    for (HWND child = GetWindow(hwnd, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        m_controls.push_back(child);
    }
    if (m_controls.size() != m_template.controlCount) throw std::logic_error("dialog controls do not match template");
    std::size_t index = 0;
    for (const res::ControlTemplate& control : m_template) {
        HWND child = m_controls[index++];
        if (control.kind == res::ControlKind::Icon) {
            SendMessageW(child, STM_SETICON, reinterpret_cast<WPARAM>(m_backend.Icon(control.iconId, IconSize().cx)),
                         0);
        } else if (control.kind == res::ControlKind::Edit) {
            SendMessageW(child, EM_SETLIMITTEXT, 0, 0);  // as long as the user likes
        } else if (control.kind == res::ControlKind::Chart) {
            m_charts[control.id].Attach(child);
        } else if (control.kind == res::ControlKind::Grid) {
            const int id = control.id;
            m_grids[id].Attach(
                child, hwnd, (control.style & res::kReadOnly) != 0,
                [this, id](unsigned notification, int row, int column) { SendGrid(id, notification, row, column); });
        }
    }
    AttachMenu();
    m_anchors.Attach(hwnd, m_template, m_controls);
    FitWorkArea();
    const INT_PTR focus = Send(WM_INITDIALOG, 0, 0) != 0 ? TRUE : FALSE;
    if (Automation* automation = m_backend.GetAutomation()) {
        automation->OnOpen(*this);
        if (!m_ended) PostMessageW(m_hwnd, kStepMessage, 0, 0);
    }
    return focus;
}

// The menu bar takes its height from the client area; the window grows by
// it, so that the controls still fit below it.
void Win32Dialog::AttachMenu() {
    if (m_template.menu == nullptr) return;
    RECT before{};
    GetClientRect(m_hwnd, &before);
    m_menu = CreateMenuBar(*m_template.menu);
    SetMenu(m_hwnd, m_menu);
    RECT after{};
    GetClientRect(m_hwnd, &after);
    RECT window{};
    GetWindowRect(m_hwnd, &window);
    const int lost = (before.bottom - before.top) - (after.bottom - after.top);
    SetWindowPos(m_hwnd, nullptr, 0, 0, window.right - window.left, window.bottom - window.top + lost,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    m_accelerators = CreateMenuAccelerators(*m_template.menu);
    if (m_accelerators != nullptr) m_backend.FilterMessages();
}

// A window larger than the work area (a planner at 150 % on a small
// screen): a resizable one shrinks to it, its controls following their
// edges; either way its title bar starts inside it, where it can be dragged.
void Win32Dialog::FitWorkArea() {
    const RECT work = m_backend.WorkArea(m_hwnd);
    RECT window{};
    GetWindowRect(m_hwnd, &window);
    const SIZE most{work.right - work.left, work.bottom - work.top};
    LONG width = window.right - window.left;
    LONG height = window.bottom - window.top;
    if (width <= most.cx && height <= most.cy) return;
    if ((m_template.style & res::kThickFrame) != 0) {
        m_anchors.CapLeast(most);
        width = std::min(width, most.cx);
        height = std::min(height, most.cy);
    }
    const LONG x = std::max<LONG>(work.left, std::min<LONG>(window.left, work.right - width));
    const LONG y = std::max<LONG>(work.top, std::min<LONG>(window.top, work.bottom - height));
    SetWindowPos(m_hwnd, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

bool Win32Dialog::IsMenuCommand(int id) const { return m_template.menu != nullptr && m_template.menu->Find(id); }

bool Win32Dialog::TranslateKey(MSG& message) {
    if (m_hwnd == nullptr) return false;
    if (message.hwnd != m_hwnd && IsChild(m_hwnd, message.hwnd) == FALSE) return false;
    if (m_accelerators != nullptr && TranslateAcceleratorW(m_hwnd, m_accelerators, &message) != 0) return true;
    return m_commands.TranslateKey(m_hwnd, message);
}

// Each edit among the controls gets its own context menu with the command,
// a grid the command on its menu; the key goes into the controls' table
// unless the menu bar has the command, whose key and greyed state rule.
void Win32Dialog::AddControlCommand(unsigned commandId, std::string_view text, std::string_view shortcut,
                                    const std::vector<int>& controlIds) {
    const ControlCommand command{
        commandId, Widen(std::string(lang::Tr(std::string(text).c_str())) + "\t" + std::string(shortcut))};
    for (int id : controlIds) {
        const res::ControlTemplate* control = m_template.Find(id);
        if (control == nullptr) continue;
        if (control->kind == res::ControlKind::Edit) m_commands.AddToEdit(Existing(id), m_hwnd, command);
        if (GridControl* grid = Grid(id)) grid->AddCommand(command);
    }
    if (IsMenuCommand(static_cast<int>(commandId))) return;
    if (m_commands.AddKey(std::string(shortcut).c_str(), commandId)) m_backend.FilterMessages();
}

// As Alt+Space: the real system menu at the window's top left, its states
// kept by the platform and its choice sent as WM_SYSCOMMAND.
void Win32Dialog::OpenSystemMenu() { DefWindowProcW(m_hwnd, WM_SYSCOMMAND, SC_KEYMENU, VK_SPACE); }

INT_PTR Win32Dialog::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            // A menu item (0) or its shortcut (1) reaches the dialog as the
            // command with 0 beside it, as a button's click; a greyed item's
            // shortcut does nothing.
            if (lParam == 0 && HIWORD(wParam) <= 1 &&
                (IsMenuCommand(LOWORD(wParam)) || m_commands.Has(LOWORD(wParam)))) {
                if (IsMenuCommand(LOWORD(wParam)) &&
                    (GetMenuState(m_menu, LOWORD(wParam), MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED)) != 0) {
                    return TRUE;
                }
                Send(WM_COMMAND, MAKEWPARAM(LOWORD(wParam), 0), 0);
                return TRUE;
            }
            // The edit announces the program's own SetWindowText as a change;
            // the layer raises that event itself.
            if (HIWORD(wParam) == EN_CHANGE && m_settingText != nullptr &&
                reinterpret_cast<HWND>(lParam) == m_settingText) {
                return TRUE;
            }
            Send(WM_COMMAND, wParam, lParam);
            return TRUE;
        case WM_SYSCOMMAND:
            m_sysCommandParam = lParam;
            Send(WM_SYSCOMMAND, wParam, lParam);
            return TRUE;
        case WM_CLOSE:
            Send(WM_CLOSE, 0, 0);
            return TRUE;
        case WM_TIMER:
            // The layer's timers go off once.
            ::KillTimer(m_hwnd, wParam);
            if (!m_ended) Send(WM_TIMER, wParam, 0);
            return TRUE;
        case WM_CONTEXTMENU:
            // The Menu key or Shift+F10 where the focus is on no control with
            // a menu of its own (those answer it themselves).
            if (static_cast<short>(LOWORD(lParam)) != -1 || static_cast<short>(HIWORD(lParam)) != -1 ||
                (m_template.style & res::kSysMenu) == 0) {
                return FALSE;
            }
            OpenSystemMenu();
            return TRUE;
        case WM_SIZE:
            m_anchors.Resize();
            return FALSE;
        case WM_GETMINMAXINFO:
            return m_anchors.Limit(*reinterpret_cast<MINMAXINFO*>(lParam)) ? TRUE : FALSE;
        case WM_PAINT:
            return OnPaint();
        case WM_DRAWITEM:
            return OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        case WM_NOTIFY: {
            const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
            GridControl* grid = Grid(static_cast<int>(header.idFrom));
            LRESULT result = 0;
            if (grid == nullptr || !grid->OnNotify(header, result)) return FALSE;
            SetWindowLongPtrW(m_hwnd, DWLP_MSGRESULT, result);
            return TRUE;
        }
        case WM_CTLCOLOREDIT:
            // A brush is the one answer a dialog procedure returns as it is.
            return reinterpret_cast<INT_PTR>(
                m_marks.ColourEdit(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)));
        case WM_QUERYDRAGICON: {
            // The layer answers with an icon resource id.
            const std::intptr_t iconId = Send(WM_QUERYDRAGICON, 0, 0);
            if (iconId == 0) return FALSE;
            return reinterpret_cast<INT_PTR>(m_backend.Icon(static_cast<int>(iconId), IconSize().cx));
        }
        case kStepMessage:
            Step();
            return TRUE;
        case kAnswerBoxMessage:
            AnswerMessageBox(static_cast<int>(wParam));
            return TRUE;
        default:
            return FALSE;
    }
}

// Not minimised, the dialog manager paints; minimised, the handler draws the
// icon on the erased client area.
INT_PTR Win32Dialog::OnPaint() {
    if (!::IsIconic(m_hwnd)) {
        Send(WM_PAINT, 0, 0);
        return FALSE;
    }
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(m_hwnd, &paint);
    SendMessageW(m_hwnd, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    m_paintDc = dc;
    Send(WM_PAINT, 0, 0);
    m_paintDc = nullptr;
    EndPaint(m_hwnd, &paint);
    return TRUE;
}

// A chart control paints the drawing it was handed, or white before it has one.
INT_PTR Win32Dialog::OnDrawItem(const DRAWITEMSTRUCT& item) {
    if (item.CtlType != ODT_STATIC) return FALSE;
    m_charts[static_cast<int>(item.CtlID)].Paint(item.hDC, item.rcItem);
    return TRUE;
}

std::intptr_t Win32Dialog::Send(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) {
    return m_sink.HandleMessage(message, wParam, lParam);
}

HWND Win32Dialog::Control(int id) const {
    if (id == res::kNoId || m_hwnd == nullptr) return nullptr;
    std::size_t index = 0;
    for (const res::ControlTemplate& control : m_template) {
        if (control.id == id) return m_controls[index];
        ++index;
    }
    return nullptr;
}

HWND Win32Dialog::Existing(int id) const {
    HWND control = Control(id);
    if (control == nullptr) throw std::logic_error("no control " + std::to_string(id));
    return control;
}

void Win32Dialog::ShowControl(int id, bool show) { ::ShowWindow(Existing(id), show ? SW_SHOW : SW_HIDE); }

// The control's own visibility, whether or not the dialog is shown yet.
bool Win32Dialog::IsControlVisible(int id) const {
    return (GetWindowLongPtrW(Existing(id), GWL_STYLE) & WS_VISIBLE) != 0;
}

void Win32Dialog::SetControlText(int id, std::string_view text) {
    HWND control = Existing(id);
    HWND previous = m_settingText;
    m_settingText = control;
    SetWindowTextW(control, Widen(text).c_str());
    m_settingText = previous;
}

void Win32Dialog::GetControlText(int id, std::string& out) const { out = Narrow(TextOf(Existing(id))); }

// The list messages of a list box, or of a drop-down list (a combo box),
// which has the same ones under other numbers.
struct ListMessages {
    UINT reset, insert, count, getSel, setSel, textLength, text;
};

namespace {

constexpr ListMessages kListBoxMessages{LB_RESETCONTENT, LB_INSERTSTRING, LB_GETCOUNT, LB_GETCURSEL,
                                        LB_SETCURSEL,    LB_GETTEXTLEN,   LB_GETTEXT};
constexpr ListMessages kDropDownMessages{CB_RESETCONTENT, CB_INSERTSTRING, CB_GETCOUNT, CB_GETCURSEL,
                                         CB_SETCURSEL,    CB_GETLBTEXTLEN, CB_GETLBTEXT};

const ListMessages& MessagesOf(const res::ControlTemplate& control) {
    return (control.style & res::kDropDown) != 0 ? kDropDownMessages : kListBoxMessages;
}

}  // namespace

const ListMessages& Win32Dialog::ListMessagesOf(int id) const {
    const res::ControlTemplate* control = m_template.Find(id);
    if (control == nullptr) throw std::logic_error("no control " + std::to_string(id));
    return MessagesOf(*control);
}

void Win32Dialog::ListReset(int id) { SendMessageW(Existing(id), ListMessagesOf(id).reset, 0, 0); }

void Win32Dialog::ListInsert(int id, int index, std::string_view text) {
    HWND list = Existing(id);
    const ListMessages& messages = ListMessagesOf(id);
    const LRESULT count = SendMessageW(list, messages.count, 0, 0);
    if (index < 0 || index > count) throw std::out_of_range("list insert position");
    const std::wstring wide = Widen(text);
    SendMessageW(list, messages.insert, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(wide.c_str()));
}

int Win32Dialog::ListGetCurSel(int id) const {
    return static_cast<int>(SendMessageW(Existing(id), ListMessagesOf(id).getSel, 0, 0));
}

void Win32Dialog::ListSetCurSel(int id, int index) {
    SendMessageW(Existing(id), ListMessagesOf(id).setSel, static_cast<WPARAM>(index), 0);
}

void Win32Dialog::AppendSystemMenu(unsigned flags, unsigned commandId, std::string_view text) {
    HMENU menu = GetSystemMenu(m_hwnd, FALSE);
    if (menu == nullptr) return;
    if ((flags & MF_SEPARATOR) != 0) {
        AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    } else {
        AppendMenuW(menu, flags, commandId, Widen(text).c_str());
    }
}

void Win32Dialog::SetIcon(bool big, int iconId) {
    const int side = big ? GetSystemMetrics(SM_CXICON) : GetSystemMetrics(SM_CXSMICON);
    SendMessageW(m_hwnd, WM_SETICON, big ? ICON_BIG : ICON_SMALL,
                 reinterpret_cast<LPARAM>(m_backend.Icon(iconId, side)));
}

bool Win32Dialog::IsIconic() const { return ::IsIconic(m_hwnd) != FALSE; }

Size Win32Dialog::ClientSize() const {
    RECT rect{};
    GetClientRect(m_hwnd, &rect);
    return Size{rect.right - rect.left, rect.bottom - rect.top};
}

Size Win32Dialog::IconSize() const { return Size{GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON)}; }

void Win32Dialog::DrawIcon(int x, int y, int iconId) {
    if (m_paintDc != nullptr) ::DrawIcon(m_paintDc, x, y, m_backend.Icon(iconId, IconSize().cx));
}

// Moving, sizing, minimising and the rest are the platform's.
void Win32Dialog::SystemCommand(unsigned commandId) {
    DefWindowProcW(m_hwnd, WM_SYSCOMMAND, commandId, m_sysCommandParam);
}

void Win32Dialog::EndDialog(int code) {
    if (m_ended) return;
    m_ended = true;
    m_endCode = code;
    ::EndDialog(m_hwnd, code);
}

// Kept before the window exists too: the dialog may hand it over early.
void Win32Dialog::SetControlDrawing(int id, const std::shared_ptr<const draw::Chart>& drawing) {
    m_charts[id].SetDrawing(drawing);
}

bool Win32Dialog::SaveControlPicture(int id, const std::string& path) {
    const ChartControl* chart = Chart(id);
    return chart != nullptr && chart->Drawing() && SaveChartPicture(*chart->Drawing(), path);
}

const ChartControl* Win32Dialog::Chart(int id) const {
    auto found = m_charts.find(id);
    return found == m_charts.end() ? nullptr : &found->second;
}

void Win32Dialog::MarkControl(int id, std::string_view problem) { m_marks.Mark(id, Control(id), !problem.empty()); }

void Win32Dialog::EnableControl(int id, bool enabled) { ::EnableWindow(Existing(id), enabled ? TRUE : FALSE); }

// Through the dialog manager, so that the default button follows the focus.
void Win32Dialog::FocusControl(int id) {
    SendMessageW(m_hwnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Existing(id)), TRUE);
}

void Win32Dialog::SetClipboardText(std::string_view text) { SetClipboardUnicode(m_hwnd, text); }

std::string Win32Dialog::GetClipboardText() const { return ClipboardUnicode(m_hwnd); }

const GridControl* Win32Dialog::Grid(int id) const {
    const auto found = m_grids.find(id);
    return found == m_grids.end() ? nullptr : &found->second;
}

GridControl* Win32Dialog::Grid(int id) {
    return const_cast<GridControl*>(static_cast<const Win32Dialog&>(*this).Grid(id));
}

const GridControl& Win32Dialog::ExistingGrid(int id) const {
    const GridControl* grid = Grid(id);
    if (grid == nullptr) throw std::logic_error("no grid " + std::to_string(id));
    return *grid;
}

GridControl& Win32Dialog::ExistingGrid(int id) {
    return const_cast<GridControl&>(static_cast<const Win32Dialog&>(*this).ExistingGrid(id));
}

// A grid's notification carries its cell, not the control's window.
void Win32Dialog::SendGrid(int id, unsigned notification, int row, int column) {
    Send(WM_COMMAND, MAKEWPARAM(static_cast<unsigned>(id), notification), MakeGridParam(row, column));
}

void Win32Dialog::GridSetColumns(int id, const std::vector<GridColumn>& columns) {
    ExistingGrid(id).SetColumns(columns);
}

void Win32Dialog::GridSetRows(int id, const GridRows& rows) { ExistingGrid(id).SetRows(rows); }

void Win32Dialog::GridGetCell(int id, int row, int column, std::string& out) const {
    out = ExistingGrid(id).Text(row, column);
}

void Win32Dialog::GridSetCurrentCell(int id, int row, int column) { ExistingGrid(id).SetCurrent(row, column, false); }

GridCell Win32Dialog::GridCurrentCell(int id) const { return ExistingGrid(id).Current(); }

void Win32Dialog::GridMarkCell(int id, int row, int column, std::string_view problem) {
    ExistingGrid(id).Mark(row, column, problem);
}

void Win32Dialog::GridWarnCell(int id, int row, int column, std::string_view warning) {
    ExistingGrid(id).Mark(row, column, warning, MarkKind::Warning);
}

void Win32Dialog::EnableMenuItem(int commandId, bool enabled) {
    if (m_menu == nullptr) return;
    ::EnableMenuItem(m_menu, static_cast<UINT>(commandId), MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
    DrawMenuBar(m_hwnd);
}

void Win32Dialog::SetTitle(std::string_view text) { SetWindowTextW(m_hwnd, Widen(text).c_str()); }

void Win32Dialog::SetTimer(unsigned id, unsigned milliseconds) {
    if (m_hwnd != nullptr) ::SetTimer(m_hwnd, id, milliseconds, nullptr);
}

void Win32Dialog::KillTimer(unsigned id) {
    if (m_hwnd != nullptr) ::KillTimer(m_hwnd, id);
}

void Win32Dialog::UserWait(unsigned milliseconds) {
    const ULONGLONG until = GetTickCount64() + milliseconds;
    for (ULONGLONG now = GetTickCount64(); now < until && !m_ended; now = GetTickCount64()) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(until - now), QS_ALLINPUT);
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (!IsDialogMessageW(m_hwnd, &message)) {
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
        }
    }
}

std::string Win32Dialog::Title() const { return Narrow(TextOf(m_hwnd)); }

std::vector<MenuItemState> Win32Dialog::ReadMenu() const {
    std::vector<MenuItemState> items;
    if (m_template.menu == nullptr || m_menu == nullptr) return items;
    for (const res::MenuPopup& popup : *m_template.menu) {
        for (const res::MenuItem& item : popup) {
            if (item.commandId == 0) continue;
            const UINT state = GetMenuState(m_menu, static_cast<UINT>(item.commandId), MF_BYCOMMAND);
            items.push_back(MenuItemState{item.commandId, (state & (MF_GRAYED | MF_DISABLED)) == 0});
        }
    }
    return items;
}

// One tooltip window for the dialog, made with its first tip; each control
// is a tool of it, shown while the pointer rests on the control.
void Win32Dialog::SetControlTooltip(int id, std::string_view text) {
    HWND control = Existing(id);
    if (m_tooltips == nullptr) {
        if (!LoadCommonControls()) return;
        m_tooltips = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                     CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, m_hwnd, nullptr,
                                     m_backend.Instance(), nullptr);
        if (m_tooltips == nullptr) return;
        // Long tips wrap at about a third of a screen's width.
        SendMessageW(m_tooltips, TTM_SETMAXTIPWIDTH, 0, 400);
    }
    std::wstring& kept = m_tooltipTexts[id];
    const bool known = !kept.empty();
    kept = Widen(text);
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;  // understood by every version of the control
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = m_hwnd;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = kept.data();
    SendMessageW(m_tooltips, known ? TTM_UPDATETIPTEXTW : TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

// ---- the user's actions -----------------------------------------------------

std::vector<ControlState> Win32Dialog::ReadControls() const {
    std::vector<ControlState> states;
    states.reserve(m_template.controlCount);
    std::size_t index = 0;
    for (const res::ControlTemplate& control : m_template) {
        HWND hwnd = m_controls.at(index++);
        ControlState state;
        state.id = control.id;
        state.kind = control.kind;
        state.style = control.style;
        state.marked = m_marks.IsMarked(control.id);
        const auto tip = m_tooltipTexts.find(control.id);
        if (tip != m_tooltipTexts.end()) state.tooltip = Narrow(tip->second);
        state.enabled = IsWindowEnabled(hwnd) != FALSE;
        state.visible = (GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_VISIBLE) != 0;
        if (control.kind == res::ControlKind::List) {
            const ListMessages& messages = MessagesOf(control);
            const auto count = static_cast<int>(SendMessageW(hwnd, messages.count, 0, 0));
            for (int i = 0; i < count; ++i) {
                const auto length = static_cast<std::size_t>(SendMessageW(hwnd, messages.textLength, i, 0));
                std::wstring item(length + 1, L'\0');
                SendMessageW(hwnd, messages.text, i, reinterpret_cast<LPARAM>(item.data()));
                item.resize(length);
                state.items.push_back(Narrow(item));
            }
            state.selected = static_cast<int>(SendMessageW(hwnd, messages.getSel, 0, 0));
        } else if (control.kind == res::ControlKind::Chart) {
            if (const ChartControl* chart = Chart(control.id)) state.drawing = chart->Drawing();
        } else if (const GridControl* grid = Grid(control.id)) {
            state.columns = grid->Columns();
            state.rows = grid->ReadRows();
            state.current = grid->Current();
            state.cellMarks = grid->Marks();
        } else {
            state.text = Narrow(TextOf(hwnd));
        }
        states.push_back(std::move(state));
    }
    return states;
}

const ControlState* Win32Dialog::FindState(const std::vector<ControlState>& states, int id) const {
    if (id == res::kNoId) return nullptr;
    for (const ControlState& state : states) {
        if (state.id == id) return &state;
    }
    return nullptr;
}

void Win32Dialog::SendCommand(int id, unsigned notification) {
    SendMessageW(m_hwnd, WM_COMMAND, MAKEWPARAM(static_cast<unsigned>(id), notification),
                 reinterpret_cast<LPARAM>(Control(id)));
}

// A click on an item selects it, and the list tells its dialog; a
// drop-down list's CBN_SELCHANGE has LBN_SELCHANGE's number.
std::string Win32Dialog::UserSelect(int id, int index) {
    const std::vector<ControlState> states = ReadControls();
    const ControlState* list = FindState(states, id);
    std::string error = CheckUsable(m_template, list, id, res::ControlKind::List, "a list");
    if (!error.empty()) return error;
    if (index < -1 || index >= static_cast<int>(list->items.size())) {
        return "index " + std::to_string(index) + " out of range for list " + std::to_string(id);
    }
    SendMessageW(Existing(id), ListMessagesOf(id).setSel, static_cast<WPARAM>(index), 0);
    SendCommand(id, LBN_SELCHANGE);
    return {};
}

// Typing replaces the text, and the edit tells its dialog once.
std::string Win32Dialog::UserType(int id, std::string_view text) {
    const std::vector<ControlState> states = ReadControls();
    const ControlState* edit = FindState(states, id);
    std::string error = CheckUsable(m_template, edit, id, res::ControlKind::Edit, "an edit");
    if (!error.empty()) return error;
    if ((edit->style & res::kReadOnly) != 0) return "edit " + std::to_string(id) + " is read-only";
    SetControlText(id, text);
    SendCommand(id, EN_CHANGE);
    return {};
}

std::string Win32Dialog::UserClick(int id) {
    const std::vector<ControlState> states = ReadControls();
    std::string error = CheckUsable(m_template, FindState(states, id), id, res::ControlKind::Button, "a button");
    if (!error.empty()) return error;
    SendCommand(id, BN_CLICKED);
    return {};
}

std::string Win32Dialog::CheckGrid(int id, GridAction action, int row, int column, std::string_view text) const {
    const std::vector<ControlState> states = ReadControls();
    const ControlState* grid = FindState(states, id);
    std::string error = CheckUsable(m_template, grid, id, res::ControlKind::Grid, "a grid");
    return error.empty() ? CheckGridAction(*grid, action, row, column, text) : error;
}

// A click on the cell.
std::string Win32Dialog::UserMoveToCell(int id, int row, int column) {
    std::string error = CheckGrid(id, GridAction::Move, row, column);
    if (!error.empty()) return error;
    GridControl& grid = ExistingGrid(id);
    SetFocus(Control(id));
    grid.SetCurrent(row, column, true);
    return {};
}

// A click on the cell, F2, the text typed or chosen in the cell's own editor,
// and the focus moved away, which commits it where it is.
std::string Win32Dialog::UserEditCell(int id, int row, int column, std::string_view text) {
    std::string error = CheckGrid(id, GridAction::Edit, row, column, text);
    if (!error.empty()) return error;
    UserMoveToCell(id, row, column);
    GridControl& grid = ExistingGrid(id);
    if (!grid.BeginEdit() || !grid.SetEditorText(text)) {
        grid.CancelEdit();
        return "cell " + std::to_string(row) + "," + std::to_string(column) + " of grid " + std::to_string(id) +
               " did not take the text";
    }
    grid.CommitEdit(GridControl::Move::None);
    return {};
}

std::string Win32Dialog::UserPaste(int id, std::string_view text) {
    std::string error = CheckGrid(id, GridAction::Paste);
    if (!error.empty()) return error;
    SetClipboardText(text);
    SetFocus(Control(id));
    ExistingGrid(id).Paste();
    return {};
}

// What the dialog manager sends for Enter and Esc.
void Win32Dialog::UserEnter() { SendCommand(IDOK, BN_CLICKED); }

void Win32Dialog::UserEscape() { SendCommand(IDCANCEL, BN_CLICKED); }

void Win32Dialog::UserClose() { SendMessageW(m_hwnd, WM_CLOSE, 0, 0); }

void Win32Dialog::UserSysCommand(unsigned commandId) { SendMessageW(m_hwnd, WM_SYSCOMMAND, commandId, 0); }

std::string Win32Dialog::UserMenu(int commandId) {
    std::string error = CheckMenuItem(m_template, ReadMenu(), commandId);
    if (!error.empty()) return error;
    SendMessageW(m_hwnd, WM_COMMAND, MAKEWPARAM(static_cast<unsigned>(commandId), 0), 0);
    return {};
}

// The key goes down with its modifiers held, as the keyboard state says,
// into the same translation the modal loop does. A menu's key first, then a
// command key of the window's own (F1 in a calculator).
std::string Win32Dialog::UserKey(std::string_view shortcut) {
    const int commandId = FindShortcutCommand(m_template, shortcut);
    ACCEL accel{};
    const bool known = ShortcutAccelerator(std::string(shortcut).c_str(), static_cast<WORD>(commandId), accel);
    if (commandId == 0) {
        if (!known || m_commands.CommandOfKey(accel) == 0)
            return "no shortcut " + std::string(shortcut) + " on dialog " + std::to_string(m_template.id);
    } else {
        std::string error = CheckMenuItem(m_template, ReadMenu(), commandId);
        if (!error.empty()) return error;
        if (!known) return "shortcut " + std::string(shortcut) + " has no key here";
    }
    BYTE saved[256] = {};
    GetKeyboardState(saved);
    BYTE held[256] = {};
    std::copy(std::begin(saved), std::end(saved), std::begin(held));
    const auto hold = [&held](int key, bool down) { held[key] = down ? 0x80 : 0; };
    hold(VK_CONTROL, (accel.fVirt & FCONTROL) != 0);
    hold(VK_SHIFT, (accel.fVirt & FSHIFT) != 0);
    hold(VK_MENU, (accel.fVirt & FALT) != 0);
    SetKeyboardState(held);
    HWND focus = GetFocus();
    const UINT down = (accel.fVirt & FALT) != 0 ? WM_SYSKEYDOWN : WM_KEYDOWN;
    MSG message{focus != nullptr ? focus : m_hwnd, down, accel.key, 1, 0, {0, 0}};
    const bool translated = TranslateKey(message);
    SetKeyboardState(saved);
    if (!translated) return "shortcut " + std::string(shortcut) + " was not translated";
    return {};
}

// One action of the automation, then the next is queued behind whatever the
// action left to do; a nested run queues its own, and this one's follows
// when it has ended.
void Win32Dialog::Step() {
    Automation* automation = m_backend.GetAutomation();
    if (automation == nullptr || m_ended) return;
    if (!automation->Next(*this)) {
        // Esc; a document window, which has a menu bar and which Esc does
        // not close, is closed by its close box.
        UserEscape();
        if (!m_ended && m_template.menu != nullptr) UserClose();
        EndDialog(IDCANCEL);  // in case the dialog refused to close
        return;
    }
    if (!m_ended) PostMessageW(m_hwnd, kStepMessage, 0, 0);
}

namespace {

struct BoxSearch {
    HWND owner;
    HWND found;
};

BOOL CALLBACK FindOwnedBox(HWND hwnd, LPARAM lParam) {
    auto* search = reinterpret_cast<BoxSearch*>(lParam);
    if (GetWindow(hwnd, GW_OWNER) != search->owner || !IsWindowVisible(hwnd)) return TRUE;
    wchar_t className[16] = {};
    GetClassNameW(hwnd, className, 16);
    if (std::wstring_view(className) != L"#32770") return TRUE;
    search->found = hwnd;
    return FALSE;
}

}  // namespace

// Presses OK on the message box this dialog owns; it is looked for again a
// little later when it is not shown yet.
void Win32Dialog::AnswerMessageBox(int attempts) {
    BoxSearch search{m_hwnd, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), &FindOwnedBox, reinterpret_cast<LPARAM>(&search));
    if (search.found != nullptr) {
        if (Automation* automation = m_backend.GetAutomation()) automation->OnMessageBoxShown(search.found);
        PostMessageW(search.found, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    } else if (attempts < kAnswerAttempts) {
        Sleep(1);
        PostMessageW(m_hwnd, kAnswerBoxMessage, static_cast<WPARAM>(attempts + 1), 0);
    }
}

// ---- the backend ------------------------------------------------------------

Win32Backend::Win32Backend(HINSTANCE instance)
    : m_instance(instance != nullptr ? instance : GetModuleHandleW(nullptr)) {}

Win32Backend::~Win32Backend() {
    for (auto& entry : m_icons) DestroyIcon(entry.second);
    if (m_messageFilter != nullptr) UnhookWindowsHookEx(m_messageFilter);
    if (g_filteringBackend == this) g_filteringBackend = nullptr;
}

void Win32Backend::FilterMessages() {
    if (m_messageFilter != nullptr) return;
    g_filteringBackend = this;
    m_messageFilter = SetWindowsHookExW(WH_MSGFILTER, &MessageFilter, nullptr, GetCurrentThreadId());
}

bool Win32Backend::OpenDocument(const std::string& path) {
    if (m_automation != nullptr) {
        m_automation->OnOpenDocument(path);
        return true;
    }
    std::wstring wide = Widen(path);
    std::replace(wide.begin(), wide.end(), L'/', L'\\');
    HWND owner = Top() != nullptr ? Top()->Handle() : nullptr;
    const auto result =
        reinterpret_cast<INT_PTR>(ShellExecuteW(owner, L"open", wide.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    return result > 32;  // smaller values are errors
}

std::string Win32Backend::ProgramDirectory() const {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    const std::size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::string() : Narrow(path.substr(0, slash));
}

std::unique_ptr<DialogWindow> Win32Backend::CreateDialogWindow(const res::DialogTemplate& dialogTemplate,
                                                               DialogSink& sink) {
    return std::make_unique<Win32Dialog>(*this, dialogTemplate, sink);
}

int Win32Backend::RunModal(DialogWindow& window) {
    auto& dialog = static_cast<Win32Dialog&>(window);
    HWND owner = m_running.empty() ? nullptr : m_running.back()->Handle();
    m_running.push_back(&dialog);
    struct Pop {
        std::vector<Win32Dialog*>& running;
        ~Pop() { running.pop_back(); }
    } pop{m_running};
    const int result = dialog.Run(owner);
    const int code = dialog.Ended() ? dialog.EndCode() : result;
    if (m_automation != nullptr) m_automation->OnClose(dialog, code);
    return code;
}

void Win32Backend::MessageBox(std::string_view text) {
    Win32Dialog* top = Top();
    HWND owner = top != nullptr ? top->Handle() : nullptr;
    if (m_automation != nullptr) {
        m_automation->OnMessageBox(text);
        // Nobody could press OK on a box without an owner to ask.
        if (owner == nullptr) return;
        PostMessageW(owner, kAnswerBoxMessage, 0, 0);
    }
    MessageBoxW(owner, Widen(text).c_str(), Widen(res::kApplicationTitle).c_str(), MB_OK);
}

RECT Win32Backend::WorkArea(HWND window) const {
    if (m_workArea) return m_workArea(window);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor) != 0) return monitor.rcWork;
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    return work;
}

HICON Win32Backend::Icon(int iconId, int size) {
    if (!res::HasAppIconPicture(iconId)) return nullptr;
    const auto key = std::make_pair(iconId, size);
    auto found = m_icons.find(key);
    if (found != m_icons.end()) return found->second;
    HICON icon = CreateAppIcon(size, iconId);
    m_icons.emplace(key, icon);
    return icon;
}

}  // namespace ui::win32
