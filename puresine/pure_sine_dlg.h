#pragma once

#include <array>
#include <cstddef>

#include "puresine/pure_sine_calc.h"
#include "ui/dialog.h"

// "Pure Sine Vibration": the inputs appear step by step (type, dimension,
// then amplitude and frequency with their units), Calculate fills the result
// grid, and any change to an input hides the results again.
class CPureSineDlg : public ui::CDialog {
public:
    CPureSineDlg();
    ~CPureSineDlg() override;

protected:
    void DoDataExchange(ui::CDataExchange* pDX) override;
    bool OnInitDialog() override;
    void OnOK() override;
    bool OnEvent(unsigned message, std::uintptr_t wParam, std::intptr_t lParam, std::intptr_t& result) override;
    // The result boxes are named by their row in puresine::kResultBoxes.
    const char* ControlName(int id) const override;

private:
    void OnSelchangeType();
    void OnSelchangeDimension();
    void OnSelchangeAmplitudeUnit();
    void OnSelchangeFrequencyUnit();
    void OnChangeAmplitude();
    void OnChangeFrequency();
    void OnCopyAllResults();
    void OnManual();

    void ClearResults();
    // In the order 1004, 1005, then 1001, 1006, 1008, 1009, 1010, 1007.
    void HideDimensionGroup();
    void HideAmplitudeAndFrequencyGroups();
    void CalculateTranslation();
    void CalculateRotation();
    void ShowResults(const puresine::Motion& motion, int typeSel);
    // The result edit of that id; any id that is not a result box throws.
    ui::CEdit& Result(int id);

    static const ui::EventEntry<CPureSineDlg> kEvents[];

    // The twenty result edits by their row in puresine::kResultBoxes. The
    // other controls are declared in binding order.
    std::array<ui::CEdit, 20> m_results;
    ui::CStatic m_captionDispZeroPeak;
    ui::CEdit m_frequency, m_amplitude;
    ui::CStatic m_captionVelocity, m_captionDispPeakPeak, m_captionAcceleration;
    ui::CButton m_outputFrame, m_frequencyFrame;
    ui::CListBox m_frequencyUnit;
    ui::CButton m_amplitudeFrame, m_typeFrame, m_dimensionFrame;
    ui::CListBox m_dimension, m_type, m_amplitudeUnit;
    // The texts Calculate set, with their numbers for Copy All Results; none
    // while the results are hidden.
    puresine::OutputTexts m_shownTexts;
};
