#include "app/vibration_app.h"

#include "app/main_menu_dlg.h"

bool CVibrationApp::InitInstance() {
    CMainMenuDlg dialog;
    m_pMainWnd = &dialog;
    dialog.DoModal();
    m_pMainWnd = nullptr;
    return false;
}
