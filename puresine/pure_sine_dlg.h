#pragma once

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

private:
    void OnSelchangeType();
    void OnSelchangeDimension();
    void OnSelchangeAmplitudeUnit();
    void OnSelchangeFrequencyUnit();
    void OnChangeAmplitude();
    void OnChangeFrequency();
    void OnCopyAllResults();

    void ClearResults();
    // In the order 1004, 1005, then 1001, 1006, 1008, 1009, 1010, 1007.
    void HideDimensionGroup();
    void HideAmplitudeAndFrequencyGroups();
    void CalculateTranslation();
    void CalculateRotation();
    template <std::size_t N>
    void ShowResults(const puresine::Motion& motion, const std::array<puresine::OutputSpec, N>& outputs,
                     const std::array<double, N>& values);
    ui::CWnd& Result(int id);

    static const ui::EventEntry<CPureSineDlg> kEvents[];

    // Declaration order is binding order.
    ui::CEdit m_dispZeroPeakMicrons, m_dispPeakPeakMicrons, m_dispZeroPeakMicroInches, m_dispPeakPeakMicroInches,
        m_dispZeroPeakMils, m_dispPeakPeakMils, m_velMicroInches, m_velMils;
    ui::CStatic m_captionDispZeroPeak;
    ui::CEdit m_frequency, m_amplitude;
    ui::CEdit m_velInches, m_velMicrons, m_velMillimetres, m_velMetres, m_dispZeroPeakInches, m_dispPeakPeakInches,
        m_dispZeroPeakMillimetres, m_dispPeakPeakMillimetres, m_accG, m_accInches, m_accMillimetres, m_accMetres;
    ui::CStatic m_captionVelocity, m_captionDispPeakPeak, m_captionAcceleration;
    ui::CButton m_outputFrame, m_frequencyFrame;
    ui::CListBox m_frequencyUnit;
    ui::CButton m_amplitudeFrame, m_typeFrame, m_dimensionFrame;
    ui::CListBox m_dimension, m_type, m_amplitudeUnit;
};
