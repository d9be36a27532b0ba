#pragma once

#include "dialog.h"

// "Sine Sweep Test Parameters".
class CSineSweepDlg : public ui::CDialog {
public:
    CSineSweepDlg();
    ~CSineSweepDlg() override;
};
