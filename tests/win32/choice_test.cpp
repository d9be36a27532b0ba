// A question with buttons of its own (the planner's Overwrite / Save As... /
// Cancel) on the real task dialog, with no automation between: the names on
// the buttons, a click's index, and Esc choosing the last.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/win32/win32_backend.h"

#include <commctrl.h>

namespace {

// The button to press in the task dialog once it is up (-1: Esc), and the
// names its first three buttons carry, read where they are windows of their
// own (Wine's task dialog; Windows' draws them itself).
int g_press = -1;
std::vector<std::wstring> g_names;

BOOL CALLBACK FindBox(HWND window, LPARAM found) {
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    if (std::wstring(name) != L"#32770" || IsWindowVisible(window) == FALSE) return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

// A thread timer: it fires inside the task dialog's own modal loop.
void CALLBACK Answer(HWND /*window*/, UINT /*message*/, UINT_PTR timer, DWORD /*time*/) {
    HWND box = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), &FindBox, reinterpret_cast<LPARAM>(&box));
    if (box == nullptr) return;
    KillTimer(nullptr, timer);
    // A last button named Cancel is the system's, with the cancel command's id.
    for (const int id : {100, 101, IDCANCEL}) {
        wchar_t text[64] = {};
        if (HWND button = GetDlgItem(box, id)) GetWindowTextW(button, text, 64);
        g_names.emplace_back(text);
    }
    if (g_press < 0) {
        PostMessageW(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 0);
    } else {
        PostMessageW(box, TDM_CLICK_BUTTON, static_cast<WPARAM>(100 + g_press), 0);
    }
}

TEST(Win32Choice, NamedButtonsAnswerTheirIndexAndEscTheLast) {
    ui::win32::Win32Backend backend;
    const std::vector<std::string> buttons{"Overwrite", "Save As...", "Cancel"};
    for (const int press : {1, 0, -1}) {
        g_press = press;
        g_names.clear();
        SetTimer(nullptr, 0, 50, &Answer);
        const std::size_t chosen = backend.AskChoice("plan.halvex-plan has been changed on disk.", buttons);
        EXPECT_EQ(chosen, press < 0 ? 2u : static_cast<std::size_t>(press)) << "pressed " << press;
        if (!g_names.empty() && !g_names[0].empty()) {
            EXPECT_EQ(g_names, (std::vector<std::wstring>{L"Overwrite", L"Save As...", L"Cancel"}));
        }
    }
}

}  // namespace
