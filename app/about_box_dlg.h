#pragma once

#include "ui/dialog.h"

// "About Halvex": shown from the main menu's system menu; nothing to do but close.
class CAboutBoxDlg : public ui::CDialog {
public:
    CAboutBoxDlg();
};
