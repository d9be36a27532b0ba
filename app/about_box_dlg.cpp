#include "app/about_box_dlg.h"

#include "res/resource_ids.h"

CAboutBoxDlg::CAboutBoxDlg() : CDialog(res::IDD_ABOUT) {}
