// Copy All Results on real Win32 dialogs: chosen from a result box's context
// menu, opened from the keyboard, and by its key wherever the focus is; and
// the planner maximised and restored with its controls where they were.
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "puresine/pure_sine_dlg.h"
#include "puresine/pure_sine_results.h"
#include "res/planner_ids.h"
#include "res/pure_sine_ids.h"
#include "res/resource_ids.h"
#include "tests/win32/win32_steps.h"
#include "ui/win32/utf16.h"
#include "ui/win32/win32_backend.h"

namespace {

using ui::win32::Win32Dialog;
namespace ps = res::pure_sine;

using Steps = halvex_test::Win32Steps;

// The calculator, counting the commands it is sent.
class CountingPureSineDlg : public CPureSineDlg {
public:
    int copyCommands = 0;

protected:
    bool OnEvent(unsigned message, std::uintptr_t wParam, std::intptr_t lParam, std::intptr_t& result) override {
        if (message == WM_COMMAND && LOWORD(wParam) == res::IDM_COPY_ALL_RESULTS) {
            EXPECT_EQ(HIWORD(wParam), 0u);
            ++copyCommands;
        }
        return CPureSineDlg::OnEvent(message, wParam, lParam, result);
    }
};

// Rotation, 2 degrees peak-to-peak at 5 Hz (worked by hand in
// copy_results_dialog_test.cpp), then an empty clipboard.
void Calculate(Win32Dialog& top) {
    ASSERT_EQ(top.UserSelect(ps::IDC_TYPE, 1), "");
    ASSERT_EQ(top.UserSelect(ps::IDC_DIMENSION, 0), "");
    ASSERT_EQ(top.UserSelect(ps::IDC_AMPLITUDE_UNIT, 1), "");
    ASSERT_EQ(top.UserType(ps::IDC_AMPLITUDE, "2"), "");
    ASSERT_EQ(top.UserType(ps::IDC_FREQUENCY, "5"), "");
    ASSERT_EQ(top.UserClick(IDOK), "");
    ASSERT_TRUE(OpenClipboard(top.Handle()));
    EmptyClipboard();
    CloseClipboard();
}

const char* const kRotationTable =
    "quantity\tform\tvalue\tunit\n"
    "displacement\tpeak-to-peak\t0.03491\trad\n"
    "displacement\tzero-to-peak\t0.01745\trad\n"
    "displacement\tpeak-to-peak\t2\tdeg\n"
    "displacement\tzero-to-peak\t1\tdeg\n"
    "velocity\tzero-to-peak\t0.5483\trad/s\n"
    "velocity\tzero-to-peak\t31.42\tdeg/s\n"
    "acceleration\tzero-to-peak\t17.23\trad/s^2\n"
    "acceleration\tzero-to-peak\t987\tdeg/s^2\n";

std::string ClipboardText(HWND owner) {
    std::string text;
    if (!OpenClipboard(owner)) return "(no clipboard)";
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        text = ui::win32::Narrow(static_cast<const wchar_t*>(GlobalLock(data)));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

// The keys posted next are pressed with these modifiers held.
void Hold(std::initializer_list<int> keys, BYTE (&saved)[256]) {
    GetKeyboardState(saved);
    BYTE held[256] = {};
    std::copy(std::begin(saved), std::end(saved), std::begin(held));
    for (int key : keys) held[key] = 0x80;
    SetKeyboardState(held);
}

HWND ShownResultBox(Win32Dialog& top) {
    for (const puresine::ResultBox& box : puresine::kResultBoxes) {
        if (top.IsControlVisible(box.id)) return top.Control(box.id);
    }
    return nullptr;
}

// A result box asked for its menu from the keyboard (what the platform
// sends for Shift+F10 or the Menu key) opens it; Up from no item reaches the
// last, Copy All Results, and Enter chooses it: the command once, and the
// table on the clipboard as Unicode text.
TEST(Win32CopyAllResults, ChosenFromAResultBoxsMenu) {
    Steps steps;
    CountingPureSineDlg dialog;
    std::string copied;
    steps
        .Then([&](Win32Dialog& top) {
            Calculate(top);
            HWND box = ShownResultBox(top);
            ASSERT_NE(box, nullptr);
            SetFocus(box);
            PostMessageW(box, WM_KEYDOWN, VK_UP, 1);
            PostMessageW(box, WM_KEYDOWN, VK_RETURN, 1);
            SendMessageW(box, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(box), -1);
        })
        .Then([&](Win32Dialog& top) { copied = ClipboardText(top.Handle()); });
    dialog.DoModal();
    EXPECT_EQ(dialog.copyCommands, 1);
    EXPECT_EQ(copied, kRotationTable);
}

// Ctrl+Shift+C in an input box, which has a use for Ctrl+C itself, is the
// dialog's command all the same.
TEST(Win32CopyAllResults, ItsKeyWorksInAnyControl) {
    Steps steps;
    CountingPureSineDlg dialog;
    std::string copied;
    BYTE saved[256] = {};
    steps
        .Then([&](Win32Dialog& top) {
            Calculate(top);
            HWND amplitude = top.Control(ps::IDC_AMPLITUDE);
            SetFocus(amplitude);
            Hold({VK_CONTROL, VK_SHIFT}, saved);
            PostMessageW(amplitude, WM_KEYDOWN, 'C', 1);
        })
        .Then([&](Win32Dialog& top) {
            SetKeyboardState(saved);
            copied = ClipboardText(top.Handle());
        });
    dialog.DoModal();
    EXPECT_EQ(dialog.copyCommands, 1);
    EXPECT_EQ(copied, kRotationTable);
}

// As halvex-drive's "key F1" presses it, with the focus in an edit; the
// build puts the manual's page beside the tests, as the installer does
// beside the program.
TEST(Win32ManualKey, F1OpensTheManualBesideTheProgram) {
    Steps steps;
    CPureSineDlg dialog;
    std::string f1;
    std::string f2;
    steps.Then([&](Win32Dialog& top) {
        SetFocus(top.Control(ps::IDC_AMPLITUDE));
        f1 = top.UserKey("F1");
        f2 = top.UserKey("F2");
    });
    dialog.DoModal();
    EXPECT_EQ(f1, "");
    EXPECT_EQ(f2, "no shortcut F2 on dialog 129");
    const std::string directory = ui::GetBackend().ProgramDirectory();
    EXPECT_EQ(steps.documents, std::vector<std::string>{directory + "\\index.html"});
}

RECT Place(HWND control) {
    RECT r{};
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

bool operator==(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// Maximize from the system menu's command grows the chart as the client area
// grows (not at all where the window opens as large as the screen);
// Restore puts the window and every anchored control back.
TEST(Win32Resize, ThePlannerMaximisesAndRestores) {
    namespace pd = res::planner_dlg;
    Steps steps;
    bool maximiseBox = false, zoomed = false;
    RECT window{}, restoredWindow{}, client{}, maximisedClient{}, chart{}, maximisedChart{}, restoredChart{}, status{},
        restoredStatus{};
    steps.Then([&](Win32Dialog& top) {
        HWND hwnd = top.Handle();
        maximiseBox = (GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_MAXIMIZEBOX) != 0;
        GetWindowRect(hwnd, &window);
        GetClientRect(hwnd, &client);
        chart = Place(top.Control(pd::IDC_CHART));
        status = Place(top.Control(pd::IDC_STATUS));
        top.UserSysCommand(SC_MAXIMIZE);
        zoomed = IsZoomed(hwnd) != FALSE;
        GetClientRect(hwnd, &maximisedClient);
        maximisedChart = Place(top.Control(pd::IDC_CHART));
        top.UserSysCommand(SC_RESTORE);
        GetWindowRect(hwnd, &restoredWindow);
        restoredChart = Place(top.Control(pd::IDC_CHART));
        restoredStatus = Place(top.Control(pd::IDC_STATUS));
    });
    ui::CDialog planner(res::IDD_PLANNER);
    planner.DoModal();
    EXPECT_TRUE(maximiseBox);
    EXPECT_TRUE(zoomed);
    EXPECT_EQ(maximisedChart.right - chart.right, maximisedClient.right - client.right);
    EXPECT_EQ(maximisedChart.left, chart.left);
    EXPECT_TRUE(restoredWindow == window);
    EXPECT_TRUE(restoredChart == chart);
    EXPECT_TRUE(restoredStatus == status);
}

}  // namespace
