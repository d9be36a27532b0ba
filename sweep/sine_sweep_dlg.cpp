#include "sweep/sine_sweep_dlg.h"

#include <optional>
#include <stdexcept>
#include <string>

#include "lang/tr.h"
#include "numeric/number_text.h"
#include "numeric/results_table.h"
#include "res/resource_ids.h"
#include "res/sine_sweep_ids.h"
#include "res/string_table.h"
#include "sweep/sine_sweep_report.h"
#include "sweep/sine_sweep_state.h"
#include "sweep/sine_sweep_tables.h"
#include "ui/manual.h"

using namespace res::sine_sweep;
using sweep::SweepAnalysis;
using ui::SW_HIDE;
using ui::SW_SHOW;

namespace {

// An index outside the table has no label, and the box keeps its text.
void SetLabel(ui::CEdit& label, const char* text) {
    if (text != nullptr) label.SetWindowText(lang::Tr(text));
}

}  // namespace

const ui::EventEntry<CSineSweepDlg> CSineSweepDlg::kEvents[] = {
    ui::OnCommand(ui::LBN_SELCHANGE, IDC_ANALYSIS, &CSineSweepDlg::OnSelchangeAnalysis),
    ui::OnCommand(ui::LBN_SELCHANGE, IDC_INPUT_LIST, &CSineSweepDlg::OnSelchangeInput),
    ui::OnCommand(ui::EN_CHANGE, IDC_OUTPUT1, &CSineSweepDlg::OnChangeOutput),
    ui::OnCommand(ui::EN_CHANGE, IDC_OUTPUT2, &CSineSweepDlg::OnChangeOutput),
    ui::OnCommand(ui::EN_CHANGE, IDC_OUTPUT3, &CSineSweepDlg::OnChangeOutput),
    ui::OnCommand(ui::EN_CHANGE, IDC_OUTPUT4, &CSineSweepDlg::OnChangeOutput),
    ui::OnCommand(ui::EN_CHANGE, IDC_INPUT3, &CSineSweepDlg::OnChangeInput),
    ui::OnCommand(ui::EN_CHANGE, IDC_INPUT1, &CSineSweepDlg::OnChangeInput),
    ui::OnCommand(ui::EN_CHANGE, IDC_INPUT2, &CSineSweepDlg::OnChangeInput),
    ui::OnCommand(ui::BN_CLICKED, res::IDM_COPY_ALL_RESULTS, &CSineSweepDlg::OnCopyAllResults),
    ui::OnCommand(ui::BN_CLICKED, res::IDM_OPEN_MANUAL, &CSineSweepDlg::OnManual),
};

CSineSweepDlg::CSineSweepDlg() : CDialog(res::IDD_SINE_SWEEP) {}

CSineSweepDlg::~CSineSweepDlg() = default;

bool CSineSweepDlg::OnEvent(unsigned message, std::uintptr_t wParam, std::intptr_t lParam, std::intptr_t& result) {
    return ui::DispatchEvent(*this, kEvents, message, wParam, lParam, result);
}

ui::CEdit& CSineSweepDlg::Output(int id) {
    switch (id) {
        case IDC_OUTPUT1:
            return m_output1;
        case IDC_OUTPUT2:
            return m_output2;
        case IDC_OUTPUT3:
            return m_output3;
        case IDC_OUTPUT4:
            return m_output4;
        default:
            throw std::logic_error("control " + std::to_string(id) + " is not an output box");
    }
}

void CSineSweepDlg::DoDataExchange(ui::CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    ui::DDX_Control(pDX, IDC_INPUT_FRAME, m_inputFrame);
    ui::DDX_Control(pDX, IDC_MARK1, m_mark1);
    ui::DDX_Control(pDX, IDC_MARK2, m_mark2);
    ui::DDX_Control(pDX, IDC_OUTPUT_FRAME, m_outputFrame);
    ui::DDX_Control(pDX, IDC_OUTPUT4, m_output4);
    ui::DDX_Control(pDX, IDC_OUTPUT3, m_output3);
    ui::DDX_Control(pDX, IDC_OUTPUT2, m_output2);
    ui::DDX_Control(pDX, IDC_OUTPUT1, m_output1);
    ui::DDX_Control(pDX, IDC_HEADING, m_heading);
    ui::DDX_Control(pDX, IDC_LABEL1, m_label1);
    ui::DDX_Control(pDX, IDC_LABEL3, m_label3);
    ui::DDX_Control(pDX, IDC_INPUT2, m_input2);
    ui::DDX_Control(pDX, IDC_INPUT1, m_input1);
    ui::DDX_Control(pDX, IDC_INPUT3, m_input3);
    ui::DDX_Control(pDX, IDC_INPUT_LIST, m_inputList);
    ui::DDX_Control(pDX, IDC_ANALYSIS, m_analysisList);

    g_sweepOutputGuard = kGuardQuiet;
    InputReset();
    m_analysisList.InsertItems(sweep::kAnalysisItems);
}

bool CSineSweepDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    Window().AddControlCommand(res::IDM_COPY_ALL_RESULTS, res::kCopyAllResultsItem, res::kCopyAllResultsShortcut,
                               {IDC_OUTPUT1, IDC_OUTPUT2, IDC_OUTPUT3, IDC_OUTPUT4});
    Window().AddControlCommand(res::IDM_OPEN_MANUAL, res::kManualItem, res::kManualShortcut, {});
    return true;
}

void CSineSweepDlg::OnManual() { ui::OpenManual(res::kManualPage); }

// The outputs on show, in the order Calculate set them, as one table; with
// none on show the clipboard keeps what it had.
void CSineSweepDlg::OnCopyAllResults() {
    sweep::SweepOutcome shown;
    for (const sweep::SweepOutput& output : m_shownOutputs) {
        if (Output(output.id).IsWindowVisible()) shown.outputs.push_back(output);
    }
    const std::vector<halvex::ResultRow> rows = sweep::ResultRows(shown);
    if (!rows.empty()) Window().SetClipboardText(halvex::ResultsTable(rows));
}

void CSineSweepDlg::ClearResults() {
    m_shownOutputs.clear();
    m_outputFrame.ShowWindow(SW_HIDE);
    for (int id : {IDC_OUTPUT1, IDC_OUTPUT2, IDC_OUTPUT3, IDC_OUTPUT4}) {
        Output(id).ShowWindow(SW_HIDE);
        Output(id).SetWindowText(sweep::kBlank);
    }
}

// Every input hidden and blank, the input list empty, no results. The label
// above the third input is hidden but keeps its text.
void CSineSweepDlg::InputReset() {
    m_inputList.ShowWindow(SW_HIDE);
    m_inputList.ResetContent();
    m_inputFrame.ShowWindow(SW_HIDE);
    m_mark1.ShowWindow(SW_HIDE);
    m_mark2.ShowWindow(SW_HIDE);
    m_label3.ShowWindow(SW_HIDE);
    m_input3.ShowWindow(SW_HIDE);
    m_input2.ShowWindow(SW_HIDE);
    m_input1.ShowWindow(SW_HIDE);
    m_input3.SetWindowText(sweep::kBlank);
    m_input2.SetWindowText(sweep::kBlank);
    m_input1.SetWindowText(sweep::kBlank);
    ClearResults();
    m_label1.ShowWindow(SW_HIDE);
    m_label1.SetWindowText(sweep::kBlank);
    m_heading.SetWindowText(sweep::kBlank);
}

void CSineSweepDlg::OnSelchangeAnalysis() {
    g_sweepOutputGuard = kGuardQuiet;
    InputReset();
    g_sweepAnalysisSel = m_analysisList.GetCurSel();
    switch (static_cast<SweepAnalysis>(g_sweepAnalysisSel)) {
        case SweepAnalysis::Amplitude:
            m_inputFrame.ShowWindow(SW_SHOW);
            m_inputList.ShowWindow(SW_SHOW);
            m_heading.ShowWindow(SW_SHOW);
            m_heading.SetWindowText(lang::Tr(sweep::kGivenHeading));
            m_inputList.InsertItems(sweep::kGivenQuantityItems);
            m_input1.ShowWindow(SW_SHOW);
            m_label1.ShowWindow(SW_SHOW);
            m_label1.SetWindowText(lang::Tr(sweep::kAmplitudeFrequencyLabel));
            break;
        case SweepAnalysis::CrossoverFrequency:
            // The edits appear once a pair is chosen.
            m_inputFrame.ShowWindow(SW_SHOW);
            m_inputList.ShowWindow(SW_SHOW);
            m_heading.ShowWindow(SW_SHOW);
            m_heading.SetWindowText(lang::Tr(sweep::kAmplitudePairsHeading));
            m_inputList.InsertItems(sweep::kAmplitudePairItems);
            break;
        case SweepAnalysis::NumberOfOctaves:
            m_inputFrame.ShowWindow(SW_SHOW);
            m_input2.ShowWindow(SW_SHOW);
            m_input1.ShowWindow(SW_SHOW);
            m_mark1.ShowWindow(SW_SHOW);
            m_mark2.ShowWindow(SW_SHOW);
            m_label1.ShowWindow(SW_SHOW);
            m_label1.SetWindowText(lang::Tr(sweep::kFrequencyLabel));
            break;
        case SweepAnalysis::SweepRate:
        case SweepAnalysis::TotalSineCycles:
            m_label1.ShowWindow(SW_SHOW);
            m_label1.SetWindowText(lang::Tr(sweep::kFrequencyLabel));
            m_heading.ShowWindow(SW_SHOW);
            m_heading.SetWindowText(lang::Tr(sweep::kRateTypeHeading));
            m_inputFrame.ShowWindow(SW_SHOW);
            m_input2.ShowWindow(SW_SHOW);
            m_input1.ShowWindow(SW_SHOW);
            m_mark1.ShowWindow(SW_SHOW);
            m_mark2.ShowWindow(SW_SHOW);
            m_inputList.ShowWindow(SW_SHOW);
            m_inputList.InsertItems(sweep::kRateTypeItems);
            m_label3.ShowWindow(SW_SHOW);
            m_label3.SetWindowText(lang::Tr(sweep::kDurationLabel));
            m_input3.ShowWindow(SW_SHOW);
            break;
    }
}

// The numbers typed stay in their boxes and take the new meaning.
void CSineSweepDlg::OnSelchangeInput() {
    g_sweepOutputGuard = kGuardQuiet;
    ClearResults();
    g_sweepAnalysisSel = m_analysisList.GetCurSel();
    switch (static_cast<SweepAnalysis>(g_sweepAnalysisSel)) {
        case SweepAnalysis::Amplitude:
            g_sweepInputSel = m_inputList.GetCurSel();
            SetLabel(m_label3, sweep::GivenQuantityLabel(g_sweepInputSel));
            m_input3.ShowWindow(SW_SHOW);
            m_label3.ShowWindow(SW_SHOW);
            break;
        case SweepAnalysis::CrossoverFrequency:
            g_sweepInputSel = m_inputList.GetCurSel();
            m_input3.ShowWindow(SW_SHOW);
            m_input1.ShowWindow(SW_SHOW);
            m_label3.ShowWindow(SW_SHOW);
            m_label1.ShowWindow(SW_SHOW);
            SetLabel(m_label1, sweep::PairFirstLabel(g_sweepInputSel));
            SetLabel(m_label3, sweep::PairSecondLabel(g_sweepInputSel));
            break;
        default:
            // The rate type is read by Calculate.
            break;
    }
}

void CSineSweepDlg::OnChangeInput() {
    g_sweepOutputGuard = kGuardQuiet;
    ClearResults();
}

// Also raised by the program's own changes to the outputs; only the guard
// tells them from the user's.
void CSineSweepDlg::OnChangeOutput() {
    if (g_sweepOutputGuard == kGuardQuiet) return;
    g_sweepOutputGuard = kGuardQuiet;
    ClearResults();
    ui::AfxMessageBox(lang::Tr(sweep::kIllegalOutputMessage));
}

double CSineSweepDlg::ReadNumber(const ui::CEdit& edit) {
    edit.GetWindowText(g_sweepScratchText);
    return halvex::ParseNumber(g_sweepScratchText);
}

// Calculate: the dialog stays open. Octaves use no list, so the input list
// is read only by the analyses that fill it; each edit is read only by the
// analyses that use it, in box order.
void CSineSweepDlg::OnOK() {
    g_sweepOutputGuard = kGuardQuiet;
    g_sweepAnalysisSel = m_analysisList.GetCurSel();
    double x1 = 0.0;
    double x2 = 0.0;
    double x3 = 0.0;
    switch (static_cast<SweepAnalysis>(g_sweepAnalysisSel)) {
        case SweepAnalysis::Amplitude:
        case SweepAnalysis::CrossoverFrequency:
            g_sweepInputSel = m_inputList.GetCurSel();
            x1 = ReadNumber(m_input1);
            x3 = ReadNumber(m_input3);
            break;
        case SweepAnalysis::NumberOfOctaves:
            x1 = ReadNumber(m_input1);
            x2 = ReadNumber(m_input2);
            break;
        case SweepAnalysis::SweepRate:
        case SweepAnalysis::TotalSineCycles:
            g_sweepInputSel = m_inputList.GetCurSel();
            x1 = ReadNumber(m_input1);
            x2 = ReadNumber(m_input2);
            x3 = ReadNumber(m_input3);
            break;
    }
    std::optional<sweep::SweepOutcome> outcome =
        sweep::CalculateAnalysis(g_sweepAnalysisSel, g_sweepInputSel, x1, x2, x3);
    if (outcome) sweep::ShowInLanguage(*outcome);
    // No analysis selected: nothing happens but the arming.
    if (outcome && outcome->message != nullptr) {
        ui::AfxMessageBox(outcome->message);
    } else if (outcome) {
        ShowOutcome(*outcome);
    }
    g_sweepOutputGuard = kGuardArmed;
}

// Calculate does not clear what is on show, so a second click without a
// change sets the same outputs again: they replace the first, not join them.
void CSineSweepDlg::ShowOutcome(const sweep::SweepOutcome& outcome) {
    m_shownOutputs = outcome.outputs;
    m_outputFrame.ShowWindow(SW_SHOW);
    for (const sweep::SweepOutput& output : outcome.outputs) Output(output.id).ShowWindow(SW_SHOW);
    for (const sweep::SweepOutput& output : outcome.outputs) {
        g_sweepScratchText = output.text;
        Output(output.id).SetWindowText(g_sweepScratchText);
    }
}
