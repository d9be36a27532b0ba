#pragma once

// Resource ids shared by the whole program.
namespace res {

constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;

constexpr int IDD_ABOUT = 100;
constexpr int IDS_ABOUT_ITEM = 101;
constexpr int IDD_MAIN_MENU = 102;
constexpr int IDR_MAINFRAME = 128;
constexpr int IDD_PURE_SINE = 129;
constexpr int IDD_SINE_SWEEP = 130;
constexpr int IDD_PLANNER = 131;
constexpr int IDR_PLANNER = 132;  // the planner's icon
constexpr int IDD_LAB = 133;      // the equipment library's editor
constexpr int IDD_NEW_FROM_TEMPLATE = 140;
constexpr int IDD_SAVE_AS_TEMPLATE = 141;
constexpr int IDD_REPORT_DETAILS = 160;  // the plan's report fields

// The offer of a recovery copy at start.
constexpr int IDD_RECOVERY = 145;

// System-menu command that opens the About box.
constexpr unsigned IDM_ABOUT = 0x0010;

// Command that copies every result shown, as a table, from a calculator.
constexpr int IDM_COPY_ALL_RESULTS = 0x8001;

// Command that opens the user manual from a calculator: its key, F1.
constexpr int IDM_OPEN_MANUAL = 0x8002;

}  // namespace res
