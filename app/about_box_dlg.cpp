#include "about_box_dlg.h"

#include "resource_ids.h"

CAboutBoxDlg::CAboutBoxDlg() : CDialog(res::IDD_ABOUT) {}
