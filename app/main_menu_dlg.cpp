#include "app/main_menu_dlg.h"

#include <string>

#include "app/about_box_dlg.h"
#include "app/icon_position.h"
#include "lang/tr.h"
#include "res/main_menu_ids.h"
#include "res/resource_ids.h"
#include "res/string_table.h"
#include "ui/manual.h"

using res::main_menu::IDC_ANALYSIS_LIST;

const ui::EventEntry<CMainMenuDlg> CMainMenuDlg::kEvents[] = {
    ui::OnSysCommandMessage(&CMainMenuDlg::OnSysCommand),
    ui::OnMessage(ui::WM_PAINT, &CMainMenuDlg::OnPaint),
    ui::OnValueMessage(ui::WM_QUERYDRAGICON, &CMainMenuDlg::OnQueryDragIcon),
    ui::OnCommand(ui::LBN_SELCHANGE, IDC_ANALYSIS_LIST, &CMainMenuDlg::OnSelchangeMainList),
    ui::OnCommand(ui::BN_CLICKED, res::IDM_OPEN_MANUAL, &CMainMenuDlg::OnManual),
};

CMainMenuDlg::CMainMenuDlg() : CDialog(res::IDD_MAIN_MENU), m_icon{res::IDR_MAINFRAME} {}

CMainMenuDlg::~CMainMenuDlg() = default;

bool CMainMenuDlg::OnEvent(unsigned message, std::uintptr_t wParam, std::intptr_t lParam, std::intptr_t& result) {
    return ui::DispatchEvent(*this, kEvents, message, wParam, lParam, result);
}

void CMainMenuDlg::DoDataExchange(ui::CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    ui::DDX_Control(pDX, IDC_ANALYSIS_LIST, m_analysisList);
}

bool CMainMenuDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    ui::CMenu systemMenu = GetSystemMenu(false);
    const std::string aboutItem(res::LoadResourceString(res::IDS_ABOUT_ITEM));
    if (!aboutItem.empty()) {
        systemMenu.AppendMenu(ui::MF_SEPARATOR);
        systemMenu.AppendMenu(ui::MF_STRING, res::IDM_ABOUT, aboutItem);
    }
    SetIcon(m_icon, true);
    SetIcon(m_icon, false);
    FillAnalysisList();
    Window().AddControlCommand(res::IDM_OPEN_MANUAL, res::kManualItem, res::kManualShortcut, {});
    return true;  // the focus goes to the first tab stop, "Exit"
}

void CMainMenuDlg::OnManual() { ui::OpenManual(res::kManualPage); }

void CMainMenuDlg::FillAnalysisList() {
    m_analysisList.ResetContent();
    m_analysisList.InsertString(0, lang::Tr("pure sine"));
    m_analysisList.InsertString(1, lang::Tr("sine sweep"));
}

void CMainMenuDlg::OnSysCommand(unsigned commandId, std::intptr_t /*lParam*/) {
    if ((commandId & ui::SC_MASK) == res::IDM_ABOUT) {
        CAboutBoxDlg about;
        about.DoModal();
    } else {
        DefaultSysCommand(commandId);
    }
}

// Not minimised, the backend paints the dialog as usual; minimised, the
// icon is drawn centred in the client area.
void CMainMenuDlg::OnPaint() {
    if (!IsIconic()) return;
    const ui::Size client = Window().ClientSize();
    const ui::Size icon = Window().IconSize();
    const halvex::Point at = halvex::IconDrawPosition(client.cx, client.cy, icon.cx, icon.cy);
    Window().DrawIcon(at.x, at.y, m_icon.resourceId);
}

std::intptr_t CMainMenuDlg::OnQueryDragIcon() { return m_icon.resourceId; }

void CMainMenuDlg::OnSelchangeMainList() {
    // Anything but "pure sine", even no selection at all, opens the sweep.
    if (m_analysisList.GetCurSel() == 0) {
        m_pureSineDialog.DoModal();
    } else {
        m_sweepDialog.DoModal();
    }
    FillAnalysisList();
}
