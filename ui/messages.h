#pragma once

#include <cstdint>

// Messages, notifications and command values of the dialog layer. They keep
// the values of the platform the program was first written for, so a native
// backend can pass them straight through.
namespace ui {

constexpr unsigned WM_PAINT = 0x000F;
constexpr unsigned WM_CLOSE = 0x0010;
constexpr unsigned WM_QUERYDRAGICON = 0x0037;
constexpr unsigned WM_INITDIALOG = 0x0110;
constexpr unsigned WM_COMMAND = 0x0111;
constexpr unsigned WM_SYSCOMMAND = 0x0112;
// A timer the dialog set (DialogWindow::SetTimer) ran out; wParam is its id.
constexpr unsigned WM_TIMER = 0x0113;

// WM_COMMAND notification codes.
constexpr unsigned BN_CLICKED = 0;
constexpr unsigned LBN_SELCHANGE = 1;
constexpr unsigned EN_CHANGE = 0x0300;
// A grid's, with lParam the cell (MakeGridParam): the user committed a new
// text in a cell; moved the current cell to another row; asked to paste
// while no cell was being edited (the dialog reads GetClipboardText).
constexpr unsigned GN_CELLCHANGE = 0x0A01;
constexpr unsigned GN_SELCHANGE = 0x0A02;
constexpr unsigned GN_PASTE = 0x0A03;

// System commands; the low four bits are the platform's own.
constexpr unsigned SC_MASK = 0xFFF0;
constexpr unsigned SC_SIZE = 0xF000;
constexpr unsigned SC_MINIMIZE = 0xF020;
constexpr unsigned SC_MAXIMIZE = 0xF030;
constexpr unsigned SC_CLOSE = 0xF060;
constexpr unsigned SC_RESTORE = 0xF120;

constexpr int SW_HIDE = 0;
constexpr int SW_SHOW = 5;

constexpr int LB_ERR = -1;

constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

// System menu item flags.
constexpr unsigned MF_STRING = 0x0000;
constexpr unsigned MF_SEPARATOR = 0x0800;

constexpr std::uintptr_t MakeWParam(unsigned low, unsigned high) {
    return static_cast<std::uintptr_t>((low & 0xFFFFu) | ((high & 0xFFFFu) << 16));
}
constexpr unsigned LowWord(std::uintptr_t value) { return static_cast<unsigned>(value & 0xFFFFu); }
constexpr unsigned HighWord(std::uintptr_t value) { return static_cast<unsigned>((value >> 16) & 0xFFFFu); }

// A grid notification's cell: row * 65536 + column, so rows up to 32767
// and columns up to 65535 fit even where lParam has 32 bits; -1 for no cell
// (a paste with no current cell).
constexpr std::intptr_t MakeGridParam(int row, int column) {
    return row < 0 || column < 0 ? -1 : static_cast<std::intptr_t>(row) * 65536 + column;
}
constexpr int GridParamRow(std::intptr_t lParam) { return lParam < 0 ? -1 : static_cast<int>(lParam / 65536); }
constexpr int GridParamColumn(std::intptr_t lParam) { return lParam < 0 ? -1 : static_cast<int>(lParam % 65536); }

}  // namespace ui
