#include "puresine/pure_sine_dlg.h"

#include "numeric/number_text.h"
#include "numeric/results_table.h"
#include "puresine/pure_sine_calc.h"
#include "puresine/pure_sine_report.h"
#include "puresine/pure_sine_results.h"
#include "puresine/pure_sine_state.h"
#include "puresine/pure_sine_tables.h"
#include "res/pure_sine_ids.h"
#include "res/resource_ids.h"
#include "res/string_table.h"

using namespace res::pure_sine;
using ui::SW_HIDE;
using ui::SW_SHOW;

namespace {

// The twenty result edits, in the order Calculate clears them.
constexpr int kResultIds[] = {
    IDC_DISP_PP_MM,   IDC_DISP_ZP_MM,  IDC_DISP_PP_IN,  IDC_DISP_ZP_IN,      IDC_VEL_M,
    IDC_VEL_MM,       IDC_VEL_MICRONS, IDC_VEL_IN,      IDC_ACC_M,           IDC_ACC_MM,
    IDC_ACC_IN,       IDC_ACC_G,       IDC_VEL_MILS,    IDC_VEL_UIN,         IDC_DISP_ZP_MILS,
    IDC_DISP_PP_MILS, IDC_DISP_ZP_UIN, IDC_DISP_PP_UIN, IDC_DISP_ZP_MICRONS, IDC_DISP_PP_MICRONS,
};

}  // namespace

const ui::EventEntry<CPureSineDlg> CPureSineDlg::kEvents[] = {
    ui::OnCommand(ui::LBN_SELCHANGE, IDC_TYPE, &CPureSineDlg::OnSelchangeType),
    ui::OnCommand(ui::LBN_SELCHANGE, IDC_DIMENSION, &CPureSineDlg::OnSelchangeDimension),
    ui::OnCommand(ui::LBN_SELCHANGE, IDC_AMPLITUDE_UNIT, &CPureSineDlg::OnSelchangeAmplitudeUnit),
    ui::OnCommand(ui::LBN_SELCHANGE, IDC_FREQUENCY_UNIT, &CPureSineDlg::OnSelchangeFrequencyUnit),
    ui::OnCommand(ui::EN_CHANGE, IDC_AMPLITUDE, &CPureSineDlg::OnChangeAmplitude),
    ui::OnCommand(ui::EN_CHANGE, IDC_FREQUENCY, &CPureSineDlg::OnChangeFrequency),
    ui::OnCommand(ui::BN_CLICKED, res::IDM_COPY_ALL_RESULTS, &CPureSineDlg::OnCopyAllResults),
};

CPureSineDlg::CPureSineDlg() : CDialog(res::IDD_PURE_SINE) {}

CPureSineDlg::~CPureSineDlg() = default;

bool CPureSineDlg::OnEvent(unsigned message, std::uintptr_t wParam, std::intptr_t lParam, std::intptr_t& result) {
    return ui::DispatchEvent(*this, kEvents, message, wParam, lParam, result);
}

ui::CWnd& CPureSineDlg::Result(int id) {
    switch (id) {
        case IDC_DISP_PP_MM:
            return m_dispPeakPeakMillimetres;
        case IDC_DISP_ZP_MM:
            return m_dispZeroPeakMillimetres;
        case IDC_DISP_PP_IN:
            return m_dispPeakPeakInches;
        case IDC_DISP_ZP_IN:
            return m_dispZeroPeakInches;
        case IDC_VEL_M:
            return m_velMetres;
        case IDC_VEL_MM:
            return m_velMillimetres;
        case IDC_VEL_MICRONS:
            return m_velMicrons;
        case IDC_VEL_IN:
            return m_velInches;
        case IDC_ACC_M:
            return m_accMetres;
        case IDC_ACC_MM:
            return m_accMillimetres;
        case IDC_ACC_IN:
            return m_accInches;
        case IDC_ACC_G:
            return m_accG;
        case IDC_VEL_MILS:
            return m_velMils;
        case IDC_VEL_UIN:
            return m_velMicroInches;
        case IDC_DISP_ZP_MILS:
            return m_dispZeroPeakMils;
        case IDC_DISP_PP_MILS:
            return m_dispPeakPeakMils;
        case IDC_DISP_ZP_UIN:
            return m_dispZeroPeakMicroInches;
        case IDC_DISP_PP_UIN:
            return m_dispPeakPeakMicroInches;
        case IDC_DISP_ZP_MICRONS:
            return m_dispZeroPeakMicrons;
        default:
            return m_dispPeakPeakMicrons;
    }
}

void CPureSineDlg::DoDataExchange(ui::CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    ui::DDX_Control(pDX, IDC_DISP_ZP_MICRONS, m_dispZeroPeakMicrons);
    ui::DDX_Control(pDX, IDC_DISP_PP_MICRONS, m_dispPeakPeakMicrons);
    ui::DDX_Control(pDX, IDC_DISP_ZP_UIN, m_dispZeroPeakMicroInches);
    ui::DDX_Control(pDX, IDC_DISP_PP_UIN, m_dispPeakPeakMicroInches);
    ui::DDX_Control(pDX, IDC_DISP_ZP_MILS, m_dispZeroPeakMils);
    ui::DDX_Control(pDX, IDC_DISP_PP_MILS, m_dispPeakPeakMils);
    ui::DDX_Control(pDX, IDC_VEL_UIN, m_velMicroInches);
    ui::DDX_Control(pDX, IDC_VEL_MILS, m_velMils);
    ui::DDX_Control(pDX, IDC_CAPTION_DISP_ZP, m_captionDispZeroPeak);
    ui::DDX_Control(pDX, IDC_FREQUENCY, m_frequency);
    ui::DDX_Control(pDX, IDC_AMPLITUDE, m_amplitude);
    ui::DDX_Control(pDX, IDC_VEL_IN, m_velInches);
    ui::DDX_Control(pDX, IDC_VEL_MICRONS, m_velMicrons);
    ui::DDX_Control(pDX, IDC_VEL_MM, m_velMillimetres);
    ui::DDX_Control(pDX, IDC_VEL_M, m_velMetres);
    ui::DDX_Control(pDX, IDC_DISP_ZP_IN, m_dispZeroPeakInches);
    ui::DDX_Control(pDX, IDC_DISP_PP_IN, m_dispPeakPeakInches);
    ui::DDX_Control(pDX, IDC_DISP_ZP_MM, m_dispZeroPeakMillimetres);
    ui::DDX_Control(pDX, IDC_DISP_PP_MM, m_dispPeakPeakMillimetres);
    ui::DDX_Control(pDX, IDC_ACC_G, m_accG);
    ui::DDX_Control(pDX, IDC_ACC_IN, m_accInches);
    ui::DDX_Control(pDX, IDC_ACC_MM, m_accMillimetres);
    ui::DDX_Control(pDX, IDC_ACC_M, m_accMetres);
    ui::DDX_Control(pDX, IDC_CAPTION_VELOCITY, m_captionVelocity);
    ui::DDX_Control(pDX, IDC_CAPTION_DISP_PP, m_captionDispPeakPeak);
    ui::DDX_Control(pDX, IDC_CAPTION_ACCELERATION, m_captionAcceleration);
    ui::DDX_Control(pDX, IDC_OUTPUT_FRAME, m_outputFrame);
    ui::DDX_Control(pDX, IDC_FREQUENCY_FRAME, m_frequencyFrame);
    ui::DDX_Control(pDX, IDC_FREQUENCY_UNIT, m_frequencyUnit);
    ui::DDX_Control(pDX, IDC_AMPLITUDE_FRAME, m_amplitudeFrame);
    ui::DDX_Control(pDX, IDC_TYPE_FRAME, m_typeFrame);
    ui::DDX_Control(pDX, IDC_DIMENSION_FRAME, m_dimensionFrame);
    ui::DDX_Control(pDX, IDC_DIMENSION, m_dimension);
    ui::DDX_Control(pDX, IDC_TYPE, m_type);
    ui::DDX_Control(pDX, IDC_AMPLITUDE_UNIT, m_amplitudeUnit);

    // The list is new at each opening, so it is filled without emptying.
    m_type.InsertItems(puresine::kTypeItems);

    HideDimensionGroup();
    HideAmplitudeAndFrequencyGroups();
    ClearResults();
}

void CPureSineDlg::HideDimensionGroup() {
    m_dimension.ShowWindow(SW_HIDE);
    m_dimensionFrame.ShowWindow(SW_HIDE);
}

void CPureSineDlg::HideAmplitudeAndFrequencyGroups() {
    m_amplitudeUnit.ShowWindow(SW_HIDE);
    m_amplitudeFrame.ShowWindow(SW_HIDE);
    m_amplitude.ShowWindow(SW_HIDE);
    m_frequency.ShowWindow(SW_HIDE);
    m_frequencyFrame.ShowWindow(SW_HIDE);
    m_frequencyUnit.ShowWindow(SW_HIDE);
}

void CPureSineDlg::ClearResults() {
    for (int id : kResultIds) Result(id).ShowWindow(SW_HIDE);
    for (int id : kResultIds) Result(id).SetWindowText(" ");
    m_outputFrame.ShowWindow(SW_HIDE);
    m_captionVelocity.ShowWindow(SW_HIDE);
    m_captionDispPeakPeak.ShowWindow(SW_HIDE);
    m_captionDispZeroPeak.ShowWindow(SW_HIDE);
    m_captionAcceleration.ShowWindow(SW_HIDE);
}

void CPureSineDlg::OnSelchangeType() {
    HideDimensionGroup();
    HideAmplitudeAndFrequencyGroups();
    ClearResults();
    m_dimension.ShowWindow(SW_SHOW);
    m_dimensionFrame.ShowWindow(SW_SHOW);
    m_dimension.ResetContent();
    m_dimension.InsertItems(puresine::kDimensionItems);
}

void CPureSineDlg::OnSelchangeDimension() {
    HideAmplitudeAndFrequencyGroups();
    ClearResults();
    m_frequency.ShowWindow(SW_SHOW);
    m_frequencyFrame.ShowWindow(SW_SHOW);
    m_frequencyUnit.ShowWindow(SW_SHOW);
    m_frequencyUnit.ResetContent();
    m_frequencyUnit.InsertItems(puresine::kFrequencyUnitItems);
    m_frequencyUnit.SetCurSel(0);
    m_amplitudeUnit.ShowWindow(SW_SHOW);
    m_amplitudeFrame.ShowWindow(SW_SHOW);
    m_amplitude.ShowWindow(SW_SHOW);
    g_dimensionSel = m_dimension.GetCurSel();
    g_typeSel = m_type.GetCurSel();
    m_amplitudeUnit.ResetContent();
    if (const puresine::ItemTable* units = puresine::AmplitudeUnitTable(g_typeSel, g_dimensionSel)) {
        m_amplitudeUnit.InsertItems(*units);
    }
}

void CPureSineDlg::OnSelchangeAmplitudeUnit() { ClearResults(); }

bool CPureSineDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    std::vector<int> results;
    results.reserve(puresine::kResultBoxes.size());
    for (const puresine::ResultBox& box : puresine::kResultBoxes) results.push_back(box.id);
    Window().AddControlCommand(res::IDM_COPY_ALL_RESULTS, res::kCopyAllResultsItem, res::kCopyAllResultsShortcut,
                               results);
    return true;
}

// The boxes on show, in the order Calculate sets them, as one table; with
// none on show the clipboard keeps what it had.
void CPureSineDlg::OnCopyAllResults() {
    puresine::OutputTexts shown;
    for (const puresine::ResultBox& box : puresine::kResultBoxes) {
        const ui::CWnd& result = Result(box.id);
        if (!result.IsWindowVisible()) continue;
        puresine::OutputText& item = shown.items[shown.count++];
        item.id = box.id;
        result.GetWindowText(item.text);
    }
    const std::vector<halvex::ResultRow> rows = puresine::ResultRows(shown, g_typeSel != 0);
    if (!rows.empty()) Window().SetClipboardText(halvex::ResultsTable(rows));
}

void CPureSineDlg::OnSelchangeFrequencyUnit() { ClearResults(); }

void CPureSineDlg::OnChangeAmplitude() { ClearResults(); }

void CPureSineDlg::OnChangeFrequency() { ClearResults(); }

void CPureSineDlg::OnOK() {
    ClearResults();
    g_dimensionSel = m_dimension.GetCurSel();
    g_typeSel = m_type.GetCurSel();
    g_frequencyUnitSel = m_frequencyUnit.GetCurSel();
    g_amplitudeUnitSel = m_amplitudeUnit.GetCurSel();
    m_frequency.GetWindowText(g_scratchText);
    g_frequencyValue = halvex::ParseNumber(g_scratchText);
    m_amplitude.GetWindowText(g_scratchText);
    g_amplitudeValue = halvex::ParseNumber(g_scratchText);

    const puresine::PureSineInputs inputs{g_typeSel,          g_dimensionSel,   g_amplitudeUnitSel,
                                          g_frequencyUnitSel, g_frequencyValue, g_amplitudeValue};
    g_omega = puresine::AngularFrequency(g_frequencyUnitSel, g_frequencyValue, g_twoPi);
    if (const char* message = puresine::CheckInputs(inputs)) {
        ui::AfxMessageBox(message);
        return;
    }
    if (g_typeSel == 0) {
        CalculateTranslation();
    } else {
        CalculateRotation();
    }
}

// Shows the edits that carry results, the captions and the frame, then
// formats each text into the scratch buffer and sets it, in output order.
template <std::size_t N>
void CPureSineDlg::ShowResults(const puresine::Motion& motion, const std::array<puresine::OutputSpec, N>& outputs,
                               const std::array<double, N>& values) {
    g_zeroPeak = motion.zeroPeak;
    g_velocity = motion.velocity;
    g_acceleration = motion.acceleration;
    for (const puresine::OutputSpec& output : outputs) Result(output.id).ShowWindow(SW_SHOW);
    m_captionVelocity.ShowWindow(SW_SHOW);
    m_captionDispPeakPeak.ShowWindow(SW_SHOW);
    m_captionDispZeroPeak.ShowWindow(SW_SHOW);
    m_captionAcceleration.ShowWindow(SW_SHOW);
    m_outputFrame.ShowWindow(SW_SHOW);
    for (std::size_t i = 0; i < N; ++i) {
        halvex::FormatNumber(g_scratchText, outputs[i].format, values[i]);
        Result(outputs[i].id).SetWindowText(g_scratchText);
    }
}

void CPureSineDlg::CalculateTranslation() {
    const puresine::Motion motion =
        puresine::TranslationMotion(g_dimensionSel, g_amplitudeUnitSel, g_amplitudeValue, g_omega);
    std::array<double, 20> values;
    puresine::TranslationValues(motion, values);
    ShowResults(motion, puresine::kTranslationOutputs, values);
}

void CPureSineDlg::CalculateRotation() {
    const puresine::Motion motion =
        puresine::RotationMotion(g_dimensionSel, g_amplitudeUnitSel, g_amplitudeValue, g_omega, g_pi);
    std::array<double, 8> values;
    puresine::RotationValues(motion, g_pi, values);
    ShowResults(motion, puresine::kRotationOutputs, values);
}
