#include "puresine/pure_sine_dlg.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "lang/tr.h"
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
#include "ui/manual.h"

using namespace res::pure_sine;
using ui::SW_HIDE;
using ui::SW_SHOW;

namespace {

// The rows of kResultBoxes in the order ClearResults hides and blanks them:
// by id.
std::array<std::size_t, 20> RowsById() {
    std::array<std::size_t, 20> rows;
    for (std::size_t row = 0; row < rows.size(); ++row) rows[row] = row;
    std::sort(rows.begin(), rows.end(),
              [](std::size_t a, std::size_t b) { return puresine::kResultBoxes[a].id < puresine::kResultBoxes[b].id; });
    return rows;
}

const std::array<std::size_t, 20> kClearOrder = RowsById();

}  // namespace

const ui::EventEntry<CPureSineDlg> CPureSineDlg::kEvents[] = {
    ui::OnCommand(ui::LBN_SELCHANGE, IDC_TYPE, &CPureSineDlg::OnSelchangeType),
    ui::OnCommand(ui::LBN_SELCHANGE, IDC_DIMENSION, &CPureSineDlg::OnSelchangeDimension),
    ui::OnCommand(ui::LBN_SELCHANGE, IDC_AMPLITUDE_UNIT, &CPureSineDlg::OnSelchangeAmplitudeUnit),
    ui::OnCommand(ui::LBN_SELCHANGE, IDC_FREQUENCY_UNIT, &CPureSineDlg::OnSelchangeFrequencyUnit),
    ui::OnCommand(ui::EN_CHANGE, IDC_AMPLITUDE, &CPureSineDlg::OnChangeAmplitude),
    ui::OnCommand(ui::EN_CHANGE, IDC_FREQUENCY, &CPureSineDlg::OnChangeFrequency),
    ui::OnCommand(ui::BN_CLICKED, res::IDM_COPY_ALL_RESULTS, &CPureSineDlg::OnCopyAllResults),
    ui::OnCommand(ui::BN_CLICKED, res::IDM_OPEN_MANUAL, &CPureSineDlg::OnManual),
};

CPureSineDlg::CPureSineDlg() : CDialog(res::IDD_PURE_SINE) {}

CPureSineDlg::~CPureSineDlg() = default;

bool CPureSineDlg::OnEvent(unsigned message, std::uintptr_t wParam, std::intptr_t lParam, std::intptr_t& result) {
    return ui::DispatchEvent(*this, kEvents, message, wParam, lParam, result);
}

ui::CEdit& CPureSineDlg::Result(int id) {
    const puresine::ResultBox* box = puresine::FindResultBox(id);
    if (box == nullptr) throw std::logic_error("control " + std::to_string(id) + " is not a result box");
    return m_results[static_cast<std::size_t>(box - puresine::kResultBoxes.data())];
}

const char* CPureSineDlg::ControlName(int id) const {
    const puresine::ResultBox* box = puresine::FindResultBox(id);
    return box == nullptr ? nullptr : lang::Tr(box->accessibleName);
}

void CPureSineDlg::DoDataExchange(ui::CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    ui::DDX_Control(pDX, IDC_DISP_ZP_MICRONS, Result(IDC_DISP_ZP_MICRONS));
    ui::DDX_Control(pDX, IDC_DISP_PP_MICRONS, Result(IDC_DISP_PP_MICRONS));
    ui::DDX_Control(pDX, IDC_DISP_ZP_UIN, Result(IDC_DISP_ZP_UIN));
    ui::DDX_Control(pDX, IDC_DISP_PP_UIN, Result(IDC_DISP_PP_UIN));
    ui::DDX_Control(pDX, IDC_DISP_ZP_MILS, Result(IDC_DISP_ZP_MILS));
    ui::DDX_Control(pDX, IDC_DISP_PP_MILS, Result(IDC_DISP_PP_MILS));
    ui::DDX_Control(pDX, IDC_VEL_UIN, Result(IDC_VEL_UIN));
    ui::DDX_Control(pDX, IDC_VEL_MILS, Result(IDC_VEL_MILS));
    ui::DDX_Control(pDX, IDC_CAPTION_DISP_ZP, m_captionDispZeroPeak);
    ui::DDX_Control(pDX, IDC_FREQUENCY, m_frequency);
    ui::DDX_Control(pDX, IDC_AMPLITUDE, m_amplitude);
    ui::DDX_Control(pDX, IDC_VEL_IN, Result(IDC_VEL_IN));
    ui::DDX_Control(pDX, IDC_VEL_MICRONS, Result(IDC_VEL_MICRONS));
    ui::DDX_Control(pDX, IDC_VEL_MM, Result(IDC_VEL_MM));
    ui::DDX_Control(pDX, IDC_VEL_M, Result(IDC_VEL_M));
    ui::DDX_Control(pDX, IDC_DISP_ZP_IN, Result(IDC_DISP_ZP_IN));
    ui::DDX_Control(pDX, IDC_DISP_PP_IN, Result(IDC_DISP_PP_IN));
    ui::DDX_Control(pDX, IDC_DISP_ZP_MM, Result(IDC_DISP_ZP_MM));
    ui::DDX_Control(pDX, IDC_DISP_PP_MM, Result(IDC_DISP_PP_MM));
    ui::DDX_Control(pDX, IDC_ACC_G, Result(IDC_ACC_G));
    ui::DDX_Control(pDX, IDC_ACC_IN, Result(IDC_ACC_IN));
    ui::DDX_Control(pDX, IDC_ACC_MM, Result(IDC_ACC_MM));
    ui::DDX_Control(pDX, IDC_ACC_M, Result(IDC_ACC_M));
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
    m_shownTexts.count = 0;
    for (std::size_t row : kClearOrder) m_results[row].ShowWindow(SW_HIDE);
    for (std::size_t row : kClearOrder) m_results[row].SetWindowText(" ");
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
    Window().AddControlCommand(res::IDM_OPEN_MANUAL, res::kManualItem, res::kManualShortcut, {});
    return true;
}

void CPureSineDlg::OnManual() { ui::OpenManual(res::kManualPage); }

// The boxes on show, in the order Calculate sets them, as one table; with
// none on show the clipboard keeps what it had.
void CPureSineDlg::OnCopyAllResults() {
    puresine::OutputTexts shown;
    for (const puresine::OutputText& item : m_shownTexts) {
        if (Result(item.id).IsWindowVisible()) shown.items[shown.count++] = item;
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
        ui::AfxMessageBox(lang::Tr(message));
        return;
    }
    if (g_typeSel == 0) {
        CalculateTranslation();
    } else {
        CalculateRotation();
    }
}

// Shows the edits that carry results, the captions and the frame, then sets
// each text of m_shownTexts through the scratch buffer, in kResultBoxes order.
void CPureSineDlg::ShowResults(const puresine::Motion& motion, int typeSel) {
    g_zeroPeak = motion.zeroPeak;
    g_velocity = motion.velocity;
    g_acceleration = motion.acceleration;
    for (std::size_t row = 0; row < m_results.size(); ++row) {
        if (puresine::OutputFormat(puresine::kResultBoxes[row], typeSel) != nullptr) {
            m_results[row].ShowWindow(SW_SHOW);
        }
    }
    m_captionVelocity.ShowWindow(SW_SHOW);
    m_captionDispPeakPeak.ShowWindow(SW_SHOW);
    m_captionDispZeroPeak.ShowWindow(SW_SHOW);
    m_captionAcceleration.ShowWindow(SW_SHOW);
    m_outputFrame.ShowWindow(SW_SHOW);
    for (const puresine::OutputText& item : m_shownTexts) {
        g_scratchText = item.text;
        Result(item.id).SetWindowText(g_scratchText);
    }
}

void CPureSineDlg::CalculateTranslation() {
    const puresine::Motion motion =
        puresine::TranslationMotion(g_dimensionSel, g_amplitudeUnitSel, g_amplitudeValue, g_omega);
    puresine::TranslationTexts(motion, m_shownTexts);
    puresine::ShowInLanguage(m_shownTexts, 0);
    ShowResults(motion, 0);
}

void CPureSineDlg::CalculateRotation() {
    const puresine::Motion motion =
        puresine::RotationMotion(g_dimensionSel, g_amplitudeUnitSel, g_amplitudeValue, g_omega, g_pi);
    puresine::RotationTexts(motion, g_pi, m_shownTexts);
    puresine::ShowInLanguage(m_shownTexts, g_typeSel);
    ShowResults(motion, g_typeSel);
}
