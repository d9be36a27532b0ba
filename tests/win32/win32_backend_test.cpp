// The Win32 backend on real dialogs and controls, in-process (under Wine on
// Linux): the layer's rules where the platform would break them, the modal
// runs, the system menu, the icons, and no handle leaks.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <deque>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "app/vibration_app.h"
#include "lang/tr.h"
#include "planner/plan_form.h"
#include "planner/planner_dlg.h"
#include "res/dialog_template.h"
#include "res/main_menu_ids.h"
#include "res/planner_ids.h"
#include "res/resource_ids.h"
#include "res/sine_sweep_ids.h"
#include "tests/win32/win32_steps.h"
#include "ui/win32/utf16.h"
#include "ui/win32/win32_backend.h"

#include <commctrl.h>

// The layer's wrappers, not the platform's macros for the W functions.
#undef GetWindowText
#undef SetWindowText

namespace {

using ui::win32::Win32Dialog;
namespace ss = res::sine_sweep;

using Steps = halvex_test::Win32Steps;

// A dialog on the sweep's template that records the events it receives.
class ProbeDlg : public ui::CDialog {
public:
    ProbeDlg() : CDialog(res::IDD_SINE_SWEEP) {}

    std::vector<std::string> events;
    ui::CListBox list;
    ui::CEdit edit;
    std::function<void(ProbeDlg&)> onInit;

protected:
    void DoDataExchange(ui::CDataExchange* pDX) override {
        ui::DDX_Control(pDX, ss::IDC_ANALYSIS, list);
        ui::DDX_Control(pDX, ss::IDC_INPUT1, edit);
    }
    bool OnInitDialog() override {
        CDialog::OnInitDialog();
        if (onInit) onInit(*this);
        return true;
    }
    bool OnEvent(unsigned message, std::uintptr_t wParam, std::intptr_t lParam, std::intptr_t& result) override;

private:
    void OnSelchange() { events.push_back("selchange " + std::to_string(list.GetCurSel())); }
    void OnChange() {
        std::string text;
        edit.GetWindowText(text);
        events.push_back("change " + text);
    }
    static const ui::EventEntry<ProbeDlg> kEvents[];
};

const ui::EventEntry<ProbeDlg> ProbeDlg::kEvents[] = {
    ui::OnCommand(LBN_SELCHANGE, ss::IDC_ANALYSIS, &ProbeDlg::OnSelchange),
    ui::OnCommand(EN_CHANGE, ss::IDC_INPUT1, &ProbeDlg::OnChange),
};

bool ProbeDlg::OnEvent(unsigned message, std::uintptr_t wParam, std::intptr_t lParam, std::intptr_t& result) {
    return ui::DispatchEvent(*this, kEvents, message, wParam, lParam, result);
}

// The program's own list operations raise no selection change, though the
// list has the notify style; the program's text change raises exactly one
// change event, before SetWindowText returns, though the edit also
// announces it; text goes through UTF-16 and back unchanged.
TEST(Win32Rules, ProgramChangesRaiseWhatTheLayerPromises) {
    Steps steps;
    ProbeDlg probe;
    std::vector<std::string> afterList, afterText;
    probe.onInit = [&](ProbeDlg& p) {
        p.list.ResetContent();
        p.list.InsertString(0, "b");
        p.list.InsertString(0, "a");  // at the index given, not sorted
        p.list.InsertString(2, "c");
        p.list.SetCurSel(1);
        afterList = p.events;
        p.edit.SetWindowText("\xCE\xA9 1,5 \xC2\xB5m");
        afterText = p.events;
    };
    steps.Then([&](Win32Dialog& top) {
        EXPECT_EQ(probe.list.GetCurSel(), 1);
        const std::vector<ui::ControlState> controls = top.ReadControls();
        for (const ui::ControlState& c : controls) {
            if (c.id == ss::IDC_ANALYSIS) {
                EXPECT_EQ(c.items, (std::vector<std::string>{"a", "b", "c"}));
            }
        }
    });
    probe.DoModal();
    EXPECT_TRUE(afterList.empty());
    EXPECT_EQ(afterText, std::vector<std::string>{"change \xCE\xA9 1,5 \xC2\xB5m"});
    EXPECT_EQ(probe.events.size(), 1u);
}

// What the user does to the real controls does reach the event table.
TEST(Win32Rules, UserInputOnRealControlsRaisesOneEvent) {
    Steps steps;
    ProbeDlg probe;
    probe.onInit = [](ProbeDlg& p) {
        p.list.InsertString(0, "first");
        p.list.InsertString(1, "second");
    };
    steps.Then([](Win32Dialog& top) { SendMessageW(top.Control(ss::IDC_INPUT1), WM_CHAR, L'7', 1); })
        .Then([](Win32Dialog& top) {
            HWND list = top.Control(ss::IDC_ANALYSIS);
            RECT item{};
            SendMessageW(list, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&item));
            const LPARAM at = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
            SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
            SendMessageW(list, WM_LBUTTONUP, 0, at);
        });
    // A long paste is taken whole: the edit's default limit is lifted.
    int pastedLength = 0;
    steps.Then([&](Win32Dialog& top) {
        HWND edit = top.Control(ss::IDC_INPUT2);
        const std::wstring text(40000, L'9');
        SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
        pastedLength = GetWindowTextLengthW(edit);
    });
    probe.DoModal();
    EXPECT_EQ(probe.events, (std::vector<std::string>{"change 7", "selchange 1"}));
    EXPECT_EQ(pastedLength, 40000);
}

// A dialog on the planner's template with one drop-down list, the gravity's
// unit, that records its selection changes.
class DropDownDlg : public ui::CDialog {
public:
    DropDownDlg() : CDialog(res::IDD_PLANNER) {}

    std::vector<int> choices;
    ui::CListBox units;
    ui::CChart chart;
    std::function<void(DropDownDlg&)> onInit;

protected:
    void DoDataExchange(ui::CDataExchange* pDX) override {
        ui::DDX_Control(pDX, res::planner_dlg::IDC_GRAVITY_UNIT, units);
        ui::DDX_Control(pDX, res::planner_dlg::IDC_CHART, chart);
    }
    bool OnInitDialog() override {
        CDialog::OnInitDialog();
        if (onInit) onInit(*this);
        return true;
    }
    bool OnEvent(unsigned message, std::uintptr_t wParam, std::intptr_t lParam, std::intptr_t& result) override;

private:
    void OnSelchange() { choices.push_back(units.GetCurSel()); }
    static const ui::EventEntry<DropDownDlg> kEvents[];
};

const ui::EventEntry<DropDownDlg> DropDownDlg::kEvents[] = {
    ui::OnCommand(LBN_SELCHANGE, res::planner_dlg::IDC_GRAVITY_UNIT, &DropDownDlg::OnSelchange),
};

bool DropDownDlg::OnEvent(unsigned message, std::uintptr_t wParam, std::intptr_t lParam, std::intptr_t& result) {
    return ui::DispatchEvent(*this, kEvents, message, wParam, lParam, result);
}

// A drop-down list is a COMBOBOX that keeps a list box's promise: the
// program's fills and choices raise nothing and show no choice until one
// is set; the arrow key on it, the user's choice, raises one change. A
// greyed-out control reads as such.
TEST(Win32Rules, ADropDownListReportsTheUsersChoicesOnly) {
    Steps steps;
    DropDownDlg dialog;
    int unchosen = 0;
    dialog.onInit = [&](DropDownDlg& d) {
        for (int i = 0; i < 3; ++i) d.units.InsertString(i, std::string(1, static_cast<char>('a' + i)));
        unchosen = d.units.GetCurSel();
        d.units.SetCurSel(1);
        d.chart.EnableWindow(false);
    };
    std::wstring className;
    std::vector<std::string> items;
    bool chartEnabled = true, readEnabled = true;
    steps.Then([&](Win32Dialog& top) {
        HWND combo = top.Control(res::planner_dlg::IDC_GRAVITY_UNIT);
        wchar_t name[32] = {};
        GetClassNameW(combo, name, 32);
        className = name;
        for (const ui::ControlState& c : top.ReadControls()) {
            if (c.id == res::planner_dlg::IDC_GRAVITY_UNIT) items = c.items;
            if (c.id == res::planner_dlg::IDC_CHART) readEnabled = c.enabled;
        }
        chartEnabled = IsWindowEnabled(top.Control(res::planner_dlg::IDC_CHART)) != FALSE;
        SetFocus(combo);
        SendMessageW(combo, WM_KEYDOWN, VK_DOWN, 0);
        SendMessageW(combo, WM_KEYUP, VK_DOWN, 0);
    });
    steps.Then([](Win32Dialog& top) { EXPECT_EQ(top.UserSelect(res::planner_dlg::IDC_GRAVITY_UNIT, 0), ""); });
    dialog.DoModal();
    EXPECT_EQ(unchosen, -1);
    EXPECT_EQ(className, L"ComboBox");
    EXPECT_EQ(items, (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(dialog.choices, (std::vector<int>{2, 0}));
    EXPECT_FALSE(chartEnabled);
    EXPECT_FALSE(readEnabled);
}

// A marked edit is painted with a light red brush of its own, which it
// loses when unmarked; the user's view of the controls says which is marked.
TEST(Win32Rules, AMarkedEditIsPaintedOnItsOwnBrush) {
    Steps steps;
    ProbeDlg probe;
    LRESULT plain = 0, marked = 0, unmarked = 0;
    LOGBRUSH markedBrush{};
    bool readMarked = false;
    steps.Then([&](Win32Dialog& top) {
        HWND edit = top.Control(ss::IDC_INPUT1);
        HDC dc = GetDC(edit);
        const auto brush = [&] {
            return SendMessageW(top.Handle(), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                                reinterpret_cast<LPARAM>(edit));
        };
        plain = brush();
        top.MarkControl(ss::IDC_INPUT1, "\"2x\" is not a number");
        marked = brush();
        GetObjectW(reinterpret_cast<HBRUSH>(marked), sizeof markedBrush, &markedBrush);
        for (const ui::ControlState& c : top.ReadControls()) {
            if (c.id == ss::IDC_INPUT1) readMarked = c.marked;
        }
        top.MarkControl(ss::IDC_INPUT1, {});
        unmarked = brush();
        ReleaseDC(edit, dc);
    });
    probe.DoModal();
    EXPECT_NE(marked, 0);
    EXPECT_NE(marked, plain);
    EXPECT_EQ(markedBrush.lbColor, RGB(255, 214, 214));
    EXPECT_TRUE(readMarked);
    EXPECT_EQ(unmarked, plain);
}

// The main menu's system menu ends with a separator and the About item; the
// About command, also with the low four bits set, opens the About box over
// the main menu, which takes no input while it runs.
TEST(Win32MainMenu, SystemMenuAndAboutBox) {
    Steps steps;
    HWND mainMenu = nullptr;
    bool mainEnabledDuringAbout = true;
    HWND aboutOwner = nullptr;
    steps
        .Then([&](Win32Dialog& top) {
            mainMenu = top.Handle();
            HMENU menu = GetSystemMenu(top.Handle(), FALSE);
            const int count = GetMenuItemCount(menu);
            ASSERT_GE(count, 2);
            EXPECT_NE(GetMenuState(menu, static_cast<UINT>(count - 2), MF_BYPOSITION) & MF_SEPARATOR, 0u);
            EXPECT_EQ(GetMenuItemID(menu, count - 1), res::IDM_ABOUT);
            wchar_t text[64] = {};
            GetMenuStringW(menu, static_cast<UINT>(count - 1), text, 64, MF_BYPOSITION);
            EXPECT_STREQ(text, L"&About Halvex...");
            top.UserSysCommand(res::IDM_ABOUT);
        })
        .Then([&](Win32Dialog& top) {
            mainEnabledDuringAbout = IsWindowEnabled(mainMenu) != FALSE;
            aboutOwner = GetWindow(top.Handle(), GW_OWNER);
            top.UserClick(IDOK);
        })
        .Then([](Win32Dialog& top) { top.UserSysCommand(0x001F); })
        .Then([](Win32Dialog& top) { top.UserClose(); });
    CVibrationApp app;
    app.InitInstance();
    EXPECT_EQ(steps.opened, (std::vector<int>{res::IDD_MAIN_MENU, res::IDD_ABOUT, res::IDD_ABOUT}));
    EXPECT_EQ(steps.closed, (std::vector<int>{res::IDD_ABOUT, res::IDD_ABOUT, res::IDD_MAIN_MENU}));
    EXPECT_EQ(steps.codes, (std::vector<int>{IDOK, IDCANCEL, IDCANCEL}));
    EXPECT_FALSE(mainEnabledDuringAbout);
    EXPECT_EQ(aboutOwner, mainMenu);
}

// In Japanese a dialog is set in a face that holds Japanese glyphs rather
// than the template's Latin face, whose glyphs would show as boxes; in
// English the template's face stays.
TEST(Win32Language, JapaneseDialogsUseAFaceWithJapaneseGlyphs) {
    struct Seen {
        std::wstring face;
        int missingGlyphs = -1;
    };
    Steps steps;  // the backend
    const auto open = [] {
        Seen seen;
        ProbeDlg probe;
        probe.onInit = [&seen](ProbeDlg& p) {
            const auto top = static_cast<ui::win32::Win32Backend&>(ui::GetBackend()).Top();
            HFONT font = reinterpret_cast<HFONT>(SendMessageW(top->Handle(), WM_GETFONT, 0, 0));
            LOGFONTW logFont{};
            if (font != nullptr && GetObjectW(font, sizeof logFont, &logFont) != 0) {
                seen.face = logFont.lfFaceName;
                HDC dc = GetDC(top->Handle());
                HGDIOBJ old = SelectObject(dc, font);
                const wchar_t text[] = L"全振幅 変位 加振機";
                WORD glyphs[std::size(text) - 1] = {};
                GetGlyphIndicesW(dc, text, static_cast<int>(std::size(glyphs)), glyphs, GGI_MARK_NONEXISTING_GLYPHS);
                seen.missingGlyphs = static_cast<int>(std::count(std::begin(glyphs), std::end(glyphs), WORD{0xFFFF}));
                SelectObject(dc, old);
                ReleaseDC(top->Handle(), dc);
            }
            p.EndDialog(IDCANCEL);
        };
        probe.DoModal();
        return seen;
    };
    lang::SetLanguage(lang::Language::Japanese);
    const Seen japanese = open();
    lang::SetLanguage(lang::Language::English);
    const Seen english = open();
    EXPECT_EQ(japanese.missingGlyphs, 0) << "face " << ui::win32::Narrow(japanese.face);
    EXPECT_NE(japanese.face, english.face);
    EXPECT_EQ(ui::win32::Narrow(english.face), res::FindDialogTemplate(res::IDD_SINE_SWEEP)->fontName);
}

// Both icons are set, each drawn at the system's size for it, so sharp at
// any DPI; the drag icon is the big one.
TEST(Win32MainMenu, IconsBigAndSmallAndTheDragIcon) {
    Steps steps;
    steps.Then([](Win32Dialog& top) {
        const auto big = reinterpret_cast<HICON>(SendMessageW(top.Handle(), WM_GETICON, ICON_BIG, 0));
        const auto small = reinterpret_cast<HICON>(SendMessageW(top.Handle(), WM_GETICON, ICON_SMALL, 0));
        ASSERT_NE(big, nullptr);
        ASSERT_NE(small, nullptr);
        const auto size = [](HICON icon) {
            ICONINFO info{};
            GetIconInfo(icon, &info);
            BITMAP bitmap{};
            GetObjectW(info.hbmColor, sizeof bitmap, &bitmap);
            DeleteObject(info.hbmColor);
            DeleteObject(info.hbmMask);
            return std::make_pair(static_cast<int>(bitmap.bmWidth), static_cast<int>(bitmap.bmHeight));
        };
        // The system's icon sizes: 32 and 16 at 96 dots per inch, twice that at 192.
        EXPECT_EQ(size(big), std::make_pair(GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON)));
        EXPECT_EQ(size(small), std::make_pair(GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON)));
        const auto drag = reinterpret_cast<HICON>(SendMessageW(top.Handle(), WM_QUERYDRAGICON, 0, 0));
        EXPECT_EQ(drag, big);
    });
    CVibrationApp app;
    app.InitInstance();
}

int g_iconErases = 0;
WNDPROC g_dialogProc = nullptr;

LRESULT CALLBACK CountIconErase(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_ICONERASEBKGND) ++g_iconErases;
    return CallWindowProcW(g_dialogProc, hwnd, message, wParam, lParam);
}

// Minimised, a paint message takes the icon path (erasing the icon's
// background first); shown normally, it leaves the painting to the dialog
// manager. Windows no longer sends a minimised window WM_PAINT, so the
// message is sent here.
TEST(Win32MainMenu, MinimisedPaintTakesTheIconPath) {
    Steps steps;
    int normalErases = -1;
    int minimisedErases = -1;
    steps.Then([&](Win32Dialog& top) {
        HWND hwnd = top.Handle();
        g_iconErases = 0;
        g_dialogProc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CountIconErase)));
        InvalidateRect(hwnd, nullptr, TRUE);
        SendMessageW(hwnd, WM_PAINT, 0, 0);
        normalErases = g_iconErases;
        ShowWindow(hwnd, SW_MINIMIZE);
        EXPECT_TRUE(top.IsIconic());
        InvalidateRect(hwnd, nullptr, TRUE);
        SendMessageW(hwnd, WM_PAINT, 0, 0);
        minimisedErases = g_iconErases - normalErases;
        ShowWindow(hwnd, SW_RESTORE);
        SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_dialogProc));
    });
    CVibrationApp app;
    app.InitInstance();
    EXPECT_EQ(normalErases, 0);
    EXPECT_EQ(minimisedErases, 1);
}

// Pure sine inside the main menu, a message box inside pure sine: three
// nested runs, each owned by the one below, each ended by EndDialog.
TEST(Win32Runs, NestedRunsAndAnOwnedMessageBox) {
    Steps steps;
    HWND pureSine = nullptr;
    steps.Then([](Win32Dialog& top) { EXPECT_EQ(top.UserSelect(res::main_menu::IDC_ANALYSIS_LIST, 0), ""); })
        .Then([&](Win32Dialog& top) {
            pureSine = top.Handle();
            EXPECT_EQ(top.Template().id, res::IDD_PURE_SINE);
            top.UserEnter();  // Calculate with nothing chosen: a message
        })
        .Then([](Win32Dialog& top) { top.UserEscape(); })
        .Then([](Win32Dialog& top) {
            EXPECT_EQ(top.Template().id, res::IDD_MAIN_MENU);
            top.UserEscape();
        });
    CVibrationApp app;
    app.InitInstance();
    EXPECT_EQ(steps.opened, (std::vector<int>{res::IDD_MAIN_MENU, res::IDD_PURE_SINE}));
    EXPECT_EQ(steps.closed, (std::vector<int>{res::IDD_PURE_SINE, res::IDD_MAIN_MENU}));
    ASSERT_EQ(steps.messages.size(), 1u);
    ASSERT_EQ(steps.boxOwners.size(), 1u);
    EXPECT_EQ(steps.boxOwners[0], pureSine);
    EXPECT_FALSE(steps.ownerEnabled[0]);
}

BOOL CALLBACK CountWindow(HWND /*hwnd*/, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

int ThreadWindows() {
    int count = 0;
    EnumThreadWindows(GetCurrentThreadId(), &CountWindow, reinterpret_cast<LPARAM>(&count));
    return count;
}

// The live GDI objects of this process, where the system does not count
// them (Wine): Wine takes a handle's table index alone for the handle, so
// every index in use answers with its object's type.
int ProbeGdiObjects() {
    int count = 0;
    for (ULONG_PTR index = 1; index < 0x10000; ++index) {
        if (GetObjectType(reinterpret_cast<HGDIOBJ>(index)) != 0) ++count;
    }
    return count;
}

// A thousand openings of a dialog, each with the main menu's icons set,
// leave no GDI or USER object behind: counted by the system where it
// counts them, GDI objects probed where it does not (Wine), and on every
// system no window left over and each opening's font deleted with its dialog.
TEST(Win32Resources, NoHandleLeakAcrossAThousandOpenings) {
    Steps steps;
    std::vector<HGDIOBJ> fonts;
    const auto open = [&fonts] {
        ProbeDlg probe;
        probe.onInit = [&fonts](ProbeDlg& p) {
            p.list.InsertString(0, "item");
            p.edit.SetWindowText("text");
            p.SetIcon(ui::Icon{res::IDR_MAINFRAME}, true);
            p.SetIcon(ui::Icon{res::IDR_MAINFRAME}, false);
            const auto top = static_cast<ui::win32::Win32Backend&>(ui::GetBackend()).Top();
            fonts.push_back(reinterpret_cast<HGDIOBJ>(SendMessageW(top->Handle(), WM_GETFONT, 0, 0)));
            p.EndDialog(IDCANCEL);
        };
        probe.DoModal();
    };
    open();  // what the first opening sets up once (classes, icons) is not a leak
    const int windowsBefore = ThreadWindows();
    SetLastError(0);
    const DWORD gdiBefore = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    const bool counted = !(gdiBefore == 0 && GetLastError() == ERROR_CALL_NOT_IMPLEMENTED);
    const DWORD userBefore = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
    const int probedBefore = counted ? 0 : ProbeGdiObjects();
    if (!counted) {
        ASSERT_GT(probedBefore, 0) << "the probe finds no GDI object at all";
    }
    for (int i = 0; i < 1000; ++i) open();
    EXPECT_EQ(ThreadWindows(), windowsBefore);
    int fontsLeft = 0;
    for (HGDIOBJ font : fonts) fontsLeft += font != nullptr && GetObjectType(font) != 0 ? 1 : 0;
    EXPECT_LE(fontsLeft, 1);  // a font the system shares between dialogs may stay
    if (counted) {
        EXPECT_EQ(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), gdiBefore);
        EXPECT_EQ(GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS), userBefore);
    } else {
        EXPECT_EQ(ProbeGdiObjects(), probedBefore);
    }
}

// The planner's window is resizable: the chart takes all the room the window
// gains, the status line keeps to the bottom edge and stretches, and the
// window cannot be made smaller than it opened. The growth is what the test screen has room for.
TEST(Win32Resize, ThePlannersChartGrowsWithTheWindow) {
    Steps steps;
    SIZE opened{}, growth{}, grown{}, shrunk{};
    RECT chartBefore{}, chartAfter{}, closeBefore{}, closeAfter{};
    const auto size = [](HWND hwnd) {
        RECT r{};
        GetWindowRect(hwnd, &r);
        return SIZE{r.right - r.left, r.bottom - r.top};
    };
    const auto place = [](HWND control) {
        RECT r{};
        GetWindowRect(control, &r);
        MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
        return r;
    };
    steps.Then([&](Win32Dialog& top) {
        HWND hwnd = top.Handle();
        HWND chart = GetDlgItem(hwnd, res::planner_dlg::IDC_CHART);
        HWND close = GetDlgItem(hwnd, res::planner_dlg::IDC_STATUS);
        opened = size(hwnd);
        growth = {std::min(200L, GetSystemMetrics(SM_CXMAXTRACK) - opened.cx),
                  std::min(150L, GetSystemMetrics(SM_CYMAXTRACK) - opened.cy)};
        chartBefore = place(chart);
        closeBefore = place(close);
        SetWindowPos(hwnd, nullptr, 0, 0, opened.cx + growth.cx, opened.cy + growth.cy, SWP_NOMOVE | SWP_NOZORDER);
        grown = size(hwnd);
        chartAfter = place(chart);
        closeAfter = place(close);
        SetWindowPos(hwnd, nullptr, 0, 0, opened.cx - 100, opened.cy - 100, SWP_NOMOVE | SWP_NOZORDER);
        shrunk = size(hwnd);
    });
    ui::CDialog planner(res::IDD_PLANNER);
    planner.DoModal();
    EXPECT_EQ(grown.cx, opened.cx + growth.cx);
    EXPECT_EQ(grown.cy, opened.cy + growth.cy);
    EXPECT_EQ(chartAfter.left, chartBefore.left);
    EXPECT_EQ(chartAfter.top, chartBefore.top);
    EXPECT_EQ(chartAfter.right, chartBefore.right + growth.cx);
    EXPECT_EQ(chartAfter.bottom, chartBefore.bottom + growth.cy);
    EXPECT_EQ(closeAfter.left, closeBefore.left);
    EXPECT_EQ(closeAfter.top, closeBefore.top + growth.cy);
    EXPECT_EQ(closeAfter.right, closeBefore.right + growth.cx);
    EXPECT_EQ(shrunk.cx, opened.cx);
    EXPECT_EQ(shrunk.cy, opened.cy);
    // Frame, title bar and menu bar included, it opens whole on a 1024 x 768
    // screen (as large in inches at a higher resolution).
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    EXPECT_LE(opened.cx, MulDiv(1024, dpi, 96));
    EXPECT_LE(opened.cy, MulDiv(768, dpi, 96));
    std::printf("planner %ldx%ld, grown by %ldx%ld\n", opened.cx, opened.cy, growth.cx, growth.cy);
}

// A dialog on the planner's template, with its menu bar, that records the
// commands it receives; Undo is greyed, as the planner has it.
class MenuProbeDlg : public ui::CDialog {
public:
    MenuProbeDlg() : CDialog(res::IDD_PLANNER) {}

    std::vector<std::uintptr_t> commands;

protected:
    bool OnInitDialog() override {
        CDialog::OnInitDialog();
        Window().EnableMenuItem(res::planner_dlg::IDM_UNDO, false);
        Window().SetTitle("plan.halvex-plan* \u2014 Sine Test Planner");
        Window().SetControlTooltip(res::planner_dlg::IDC_RATE, "Sweep rate");
        return true;
    }
    bool OnEvent(unsigned message, std::uintptr_t wParam, std::intptr_t /*lParam*/,
                 std::intptr_t& /*result*/) override {
        if (message != WM_COMMAND || LOWORD(wParam) < 1260) return false;
        commands.push_back(wParam);
        return true;
    }
};

// Ctrl held down for the keys posted next, as the keyboard has it; saved
// is the state to put back.
void HoldControl(BYTE (&saved)[256]) {
    GetKeyboardState(saved);
    BYTE held[256] = {};
    std::copy(std::begin(saved), std::end(saved), std::begin(held));
    held[VK_CONTROL] = 0x80;
    SetKeyboardState(held);
}

// The menu bar is built from the template's table with the shortcuts shown;
// a key pressed with Ctrl held, posted into the modal run, comes through the
// accelerator table as the command with 0 beside it, once; a greyed item's
// key does nothing; the title and a tooltip are the real window's.
TEST(Win32Menu, MenuAndShortcutReachTheDialogAsItsCommands) {
    namespace pd = res::planner_dlg;
    Steps steps;
    MenuProbeDlg probe;
    std::wstring title, saveText;
    int popups = 0;
    LRESULT tools = 0;
    std::string greyedKey;
    BYTE saved[256] = {};
    const auto holdControl = [&saved] { HoldControl(saved); };
    steps
        .Then([&](Win32Dialog& top) {
            HMENU menu = GetMenu(top.Handle());
            popups = GetMenuItemCount(menu);
            wchar_t text[64] = {};
            GetMenuStringW(menu, pd::IDM_SAVE, text, 64, MF_BYCOMMAND);
            saveText = text;
            wchar_t caption[128] = {};
            GetWindowTextW(top.Handle(), caption, 128);
            title = caption;
            tools = SendMessageW(top.TooltipWindow(), TTM_GETTOOLCOUNT, 0, 0);
            // Ctrl+S into an edit that has the focus, as the keyboard sends it.
            HWND rate = GetDlgItem(top.Handle(), pd::IDC_RATE);
            SetFocus(rate);
            holdControl();
            PostMessageW(rate, WM_KEYDOWN, 'S', 1);
        })
        .Then([&](Win32Dialog& top) {
            SetKeyboardState(saved);
            EXPECT_EQ(top.UserMenu(pd::IDM_OPEN), "");
            greyedKey = top.UserKey("Ctrl+Z");
            holdControl();
            PostMessageW(GetDlgItem(top.Handle(), pd::IDC_RATE), WM_KEYDOWN, 'Z', 1);
        })
        .Then([&](Win32Dialog& top) {
            SetKeyboardState(saved);
            top.EndDialog(IDCANCEL);
        });
    probe.DoModal();
    EXPECT_EQ(popups, 4);  // File, Edit, Tools, Help
    EXPECT_EQ(saveText, L"&Save\tCtrl+S");
    EXPECT_EQ(title, L"plan.halvex-plan* \u2014 Sine Test Planner");
    EXPECT_EQ(tools, 1);
    EXPECT_EQ(greyedKey, "menu item 1290 is disabled");
    EXPECT_EQ(probe.commands, (std::vector<std::uintptr_t>{MAKEWPARAM(pd::IDM_SAVE, 0), MAKEWPARAM(pd::IDM_OPEN, 0)}));
}

// A cell edited in the planner's profile enables Undo, and Ctrl+Z pressed
// in the grid reaches the planner through the accelerator table as Undo,
// not the grid's own: the cell is back as it was.
TEST(Win32Menu, CtrlZAfterACellEditIsThePlannersUndo) {
    namespace pd = res::planner_dlg;
    Steps steps;
    std::string before, edited, undone;
    bool undoEnabled = false;
    BYTE saved[256] = {};
    const auto level = [](Win32Dialog& top) {
        for (const ui::ControlState& c : top.ReadControls()) {
            if (c.id == pd::IDC_PROFILE && !c.rows.empty()) return c.rows[0][planner::kValueColumn];
        }
        return std::string("no profile");
    };
    steps
        .Then([&](Win32Dialog& top) {
            before = level(top);
            EXPECT_EQ(top.UserEditCell(pd::IDC_PROFILE, 0, planner::kValueColumn, "2.5"), "");
            edited = level(top);
            for (const ui::MenuItemState& item : top.ReadMenu()) {
                if (item.commandId == pd::IDM_UNDO) undoEnabled = item.enabled;
            }
            HWND grid = top.Control(pd::IDC_PROFILE);
            SetFocus(grid);
            HoldControl(saved);
            PostMessageW(grid, WM_KEYDOWN, 'Z', 1);
        })
        .Then([&](Win32Dialog& top) {
            SetKeyboardState(saved);
            undone = level(top);
            top.EndDialog(IDCANCEL);
        });
    CPlannerDlg planner;
    planner.DoModal();
    EXPECT_EQ(edited, "2.5");
    EXPECT_TRUE(undoEnabled);
    EXPECT_EQ(undone, before);
    EXPECT_NE(before, edited);
}

// A screen whose work area is smaller than a window (given to the backend,
// as Wine's cannot be changed from a test): the resizable planner opens
// shrunk inside it and still sizes up and down to it; the fixed sweep keeps
// its size with its top left inside.
TEST(Win32Dpi, LargeWindowsOpenWithinASmallerWorkArea) {
    const RECT work{40, 30, 40 + 700, 30 + 480};
    const auto inside = [&](const RECT& r) {
        return r.left >= work.left && r.top >= work.top && r.right <= work.right && r.bottom <= work.bottom;
    };
    RECT opened{}, grown{}, shrunk{}, sweep{};
    MINMAXINFO limits{};
    Steps steps;
    steps.Backend().SetWorkArea([&](HWND) { return work; });
    steps.Then([&](Win32Dialog& top) {
        HWND hwnd = top.Handle();
        GetWindowRect(hwnd, &opened);
        SendMessageW(hwnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
        SetWindowPos(hwnd, nullptr, 0, 0, 900, 700, SWP_NOMOVE | SWP_NOZORDER);
        GetWindowRect(hwnd, &grown);
        SetWindowPos(hwnd, nullptr, 0, 0, 300, 200, SWP_NOMOVE | SWP_NOZORDER);
        GetWindowRect(hwnd, &shrunk);
    });
    ui::CDialog planner(res::IDD_PLANNER);
    planner.DoModal();
    EXPECT_TRUE(inside(opened)) << opened.left << "," << opened.top << " " << opened.right << "," << opened.bottom;
    EXPECT_LE(limits.ptMinTrackSize.x, 700);
    EXPECT_LE(limits.ptMinTrackSize.y, 480);
    EXPECT_EQ(grown.right - grown.left, 900);
    EXPECT_EQ(grown.bottom - grown.top, 700);
    EXPECT_EQ(shrunk.right - shrunk.left, limits.ptMinTrackSize.x);
    EXPECT_EQ(shrunk.bottom - shrunk.top, limits.ptMinTrackSize.y);

    const RECT tiny{40, 30, 40 + 200, 30 + 150};
    steps.Backend().SetWorkArea([&](HWND) { return tiny; });
    steps.Then([&](Win32Dialog& top) { GetWindowRect(top.Handle(), &sweep); });
    ui::CDialog sweepDlg(res::IDD_SINE_SWEEP);
    sweepDlg.DoModal();
    EXPECT_EQ(sweep.left, tiny.left);
    EXPECT_EQ(sweep.top, tiny.top);
    EXPECT_GT(sweep.right - sweep.left, 200);  // its own size kept
}

}  // namespace
