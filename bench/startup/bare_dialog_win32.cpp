// The Windows baseline for start-up time and memory: the smallest Win32
// program that shows a dialog like the main menu (a list in a frame, a
// button, a text, a caption, Arial 9), with nothing of Halvex in it.
#include <windows.h>

#include <cstdint>
#include <vector>

namespace {

std::vector<std::uint16_t> g_words;

void Word(unsigned value) { g_words.push_back(static_cast<std::uint16_t>(value)); }
void Dword(DWORD value) {
    Word(value & 0xFFFF);
    Word(value >> 16);
}
void Text(const wchar_t* text) {
    for (; *text != 0; ++text) Word(*text);
    Word(0);
}

void Control(DWORD style, int x, int y, int cx, int cy, int id, unsigned atom, const wchar_t* text) {
    if (g_words.size() % 2 != 0) Word(0);
    Dword(0);
    Dword(0);
    Dword(WS_CHILD | WS_VISIBLE | style);
    Word(x);
    Word(y);
    Word(cx);
    Word(cy);
    Dword(static_cast<DWORD>(id));
    Word(0xFFFF);
    Word(atom);
    Text(text);
    Word(0);
}

INT_PTR CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM /*lParam*/) {
    if (message == WM_INITDIALOG) {
        HWND list = GetDlgItem(hwnd, 1000);
        SendMessageW(list, LB_INSERTSTRING, 0, reinterpret_cast<LPARAM>(L"first"));
        SendMessageW(list, LB_INSERTSTRING, 1, reinterpret_cast<LPARAM>(L"second"));
        return TRUE;
    }
    if (message == WM_COMMAND && (LOWORD(wParam) == IDCANCEL || LOWORD(wParam) == IDOK)) {
        EndDialog(hwnd, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previous*/, LPSTR /*commandLine*/, int /*show*/) {
    Word(1);
    Word(0xFFFF);
    Dword(0);
    Dword(0);
    Dword(DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE);
    Word(4);
    Word(0);
    Word(0);
    Word(238);
    Word(108);
    Word(0);
    Word(0);
    Text(L"Bare Dialog");
    Word(9);
    Word(FW_NORMAL);
    Word(DEFAULT_CHARSET << 8);
    Text(L"Arial");
    Control(BS_PUSHBUTTON | WS_TABSTOP, 129, 70, 55, 14, IDCANCEL, 0x0080, L"Exit");
    Control(BS_GROUPBOX, 17, 19, 97, 66, -1, 0x0080, L"Select Analysis");
    Control(LBS_NOTIFY | WS_BORDER | WS_VSCROLL | WS_TABSTOP, 33, 35, 63, 40, 1000, 0x0083, L"");
    Control(SS_LEFT, 141, 34, 43, 8, -1, 0x0082, L"credit");
    return static_cast<int>(
        DialogBoxIndirectParamW(instance, reinterpret_cast<LPCDLGTEMPLATEW>(g_words.data()), nullptr, &Proc, 0));
}
