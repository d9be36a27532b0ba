#include "sine_sweep_dlg.h"

#include "resource_ids.h"

CSineSweepDlg::CSineSweepDlg() : CDialog(res::IDD_SINE_SWEEP) {}

CSineSweepDlg::~CSineSweepDlg() = default;
