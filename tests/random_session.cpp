#include "tests/random_session.h"

#include <algorithm>
#include <iterator>
#include <optional>
#include <set>
#include <sstream>

#include "lang/tr.h"
#include "numeric/number_text.h"
#include "planner/lab_dlg.h"
#include "planner/planner_dlg.h"
#include "puresine/pure_sine_calc.h"
#include "puresine/pure_sine_results.h"
#include "puresine/pure_sine_state.h"
#include "res/main_menu_ids.h"
#include "res/pure_sine_ids.h"
#include "res/resource_ids.h"
#include "res/sine_sweep_ids.h"
#include "sweep/sine_sweep_calc.h"
#include "sweep/sine_sweep_state.h"
#include "tests/random_lab.h"
#include "tests/random_planner.h"

namespace halvex_test {
namespace {

using ui::headless::HeadlessControl;
using ui::headless::HeadlessWindow;
namespace ps = res::pure_sine;
namespace ss = res::sine_sweep;

const int kPureSineFrame[] = {ps::IDC_OUTPUT_FRAME, ps::IDC_CAPTION_DISP_PP, ps::IDC_CAPTION_VELOCITY,
                              ps::IDC_CAPTION_ACCELERATION, ps::IDC_CAPTION_DISP_ZP};

const HeadlessControl& Control(const HeadlessWindow& window, int id) { return *window.FindControl(id); }

std::string Text(const HeadlessWindow& window, int id) { return Control(window, id).text; }

struct PureSineGlobals {
    double zeroPeak, velocity, acceleration;
};

PureSineGlobals SnapshotPureSine() { return PureSineGlobals{g_zeroPeak, g_velocity, g_acceleration}; }

bool Same(double a, double b) { return a == b || (a != a && b != b); }

// The invariants of the pure sine dialog after one event.
std::string CheckPureSine(const HeadlessWindow& w, bool calculated, bool changedInput, std::size_t newMessages,
                          const PureSineGlobals& before) {
    std::set<int> shown;
    for (const puresine::ResultBox& box : puresine::kResultBoxes) {
        const int id = box.id;
        const HeadlessControl& edit = Control(w, id);
        if (edit.visible) {
            shown.insert(id);
        } else if (edit.text != " ") {
            return "hidden result edit " + std::to_string(id) + " holds \"" + edit.text + "\"";
        }
    }
    for (int id : kPureSineFrame) {
        if (Control(w, id).visible != !shown.empty()) {
            return "output frame control " + std::to_string(id) + " visibility disagrees with the results";
        }
    }
    const puresine::PureSineInputs inputs{Control(w, ps::IDC_TYPE).selected,
                                          Control(w, ps::IDC_DIMENSION).selected,
                                          Control(w, ps::IDC_AMPLITUDE_UNIT).selected,
                                          Control(w, ps::IDC_FREQUENCY_UNIT).selected,
                                          halvex::ParseNumber(Text(w, ps::IDC_FREQUENCY)),
                                          halvex::ParseNumber(Text(w, ps::IDC_AMPLITUDE))};
    puresine::PureSineOutcome fresh;
    puresine::CalculatePureSine(inputs, g_twoPi, g_pi, fresh);
    puresine::ShowInLanguage(fresh.texts, inputs.typeSel);
    if (!shown.empty()) {
        if (fresh.message != nullptr) return std::string("results shown for inputs that fail: ") + fresh.message;
        if (!Control(w, ps::IDC_AMPLITUDE).visible || !Control(w, ps::IDC_FREQUENCY).visible) {
            return "results shown with the inputs hidden";
        }
        std::set<int> expected;
        for (const puresine::OutputText& item : fresh.texts) {
            expected.insert(item.id);
            if (Text(w, item.id) != item.text) {
                return "result " + std::to_string(item.id) + " is \"" + Text(w, item.id) +
                       "\", a fresh calculation gives \"" + item.text + "\"";
            }
        }
        if (expected != shown) return "the shown result edits are not those of the calculation";
    }
    if (calculated) {
        if (newMessages > 1) return "more than one message for one Calculate";
        if (shown.empty() != (newMessages == 1)) return "Calculate gave neither results nor exactly one message";
        if (g_typeSel != inputs.typeSel || g_dimensionSel != inputs.dimensionSel ||
            g_amplitudeUnitSel != inputs.amplitudeUnitSel || g_frequencyUnitSel != inputs.frequencyUnitSel) {
            return "process-wide selections differ from the lists";
        }
        if (!Same(g_frequencyValue, inputs.frequencyValue) || !Same(g_amplitudeValue, inputs.amplitudeValue) ||
            !Same(g_omega, fresh.omega)) {
            return "process-wide numbers differ from the edits";
        }
        const PureSineGlobals expected =
            shown.empty() ? before
                          : PureSineGlobals{fresh.motion.zeroPeak, fresh.motion.velocity, fresh.motion.acceleration};
        if (!Same(g_zeroPeak, expected.zeroPeak) || !Same(g_velocity, expected.velocity) ||
            !Same(g_acceleration, expected.acceleration)) {
            return "process-wide results are not those of the last calculation that passed";
        }
    } else {
        if (newMessages != 0) return "a message without Calculate";
        if (changedInput && !shown.empty()) return "results still shown after an input changed";
    }
    return {};
}

const int kSweepOutputs[] = {ss::IDC_OUTPUT1, ss::IDC_OUTPUT2, ss::IDC_OUTPUT3, ss::IDC_OUTPUT4};

// What Calculate would show for the sweep inputs on screen; nullopt when no
// analysis is selected.
std::optional<sweep::SweepOutcome> FreshSweep(const HeadlessWindow& w) {
    const int analysis = Control(w, ss::IDC_ANALYSIS).selected;
    const int input = Control(w, ss::IDC_INPUT_LIST).selected;
    const double x1 = halvex::ParseNumber(Text(w, ss::IDC_INPUT1));
    const double x2 = halvex::ParseNumber(Text(w, ss::IDC_INPUT2));
    const double x3 = halvex::ParseNumber(Text(w, ss::IDC_INPUT3));
    return sweep::CalculateAnalysis(analysis, input, x1, x2, x3);
}

// The invariants of the sine sweep dialog after one event.
std::string CheckSweep(const HeadlessWindow& w, bool calculated, bool typedIntoOutput, int guardBefore,
                       std::size_t newMessages) {
    std::set<int> shown;
    for (int id : kSweepOutputs) {
        const HeadlessControl& box = Control(w, id);
        if (box.visible) {
            shown.insert(id);
        } else if (box.text != " ") {
            return "hidden output box " + std::to_string(id) + " holds \"" + box.text + "\"";
        }
    }
    if (Control(w, ss::IDC_OUTPUT_FRAME).visible != !shown.empty()) {
        return "output frame visibility disagrees with the outputs";
    }
    if (!Control(w, ss::IDC_HEADING).visible || !Control(w, ss::IDC_ANALYSIS).visible) {
        return "heading or analysis list hidden";
    }
    if (!shown.empty()) {
        if (g_sweepOutputGuard != kGuardArmed) return "results shown with the guard not armed";
        std::optional<sweep::SweepOutcome> fresh = FreshSweep(w);
        if (!fresh || fresh->message != nullptr) return "results shown for inputs that give none";
        sweep::ShowInLanguage(*fresh);
        std::set<int> expected;
        for (const sweep::SweepOutput& output : fresh->outputs) {
            expected.insert(output.id);
            if (Text(w, output.id) != output.text) {
                return "output " + std::to_string(output.id) + " is \"" + Text(w, output.id) +
                       "\", a fresh calculation gives \"" + output.text + "\"";
            }
        }
        if (expected != shown) return "the shown output boxes are not those of the calculation";
    }
    if (calculated) {
        if (g_sweepOutputGuard != kGuardArmed) return "Calculate did not arm the guard";
        if (newMessages > 1) return "more than one message for one Calculate";
        const bool analysisChosen = Control(w, ss::IDC_ANALYSIS).selected >= 0;
        if (analysisChosen && shown.empty() != (newMessages == 1)) {
            return "Calculate gave neither results nor exactly one message";
        }
        if (!analysisChosen && (newMessages != 0 || !shown.empty()))
            return "Calculate without an analysis did something";
    } else if (typedIntoOutput) {
        const std::size_t expected = guardBefore == kGuardArmed ? 1 : 0;
        if (newMessages != expected) return "an output change gave " + std::to_string(newMessages) + " messages";
        if (!shown.empty()) return "results still shown after an output change";
        if (g_sweepOutputGuard != kGuardQuiet) return "the guard stays armed after an output change";
    } else if (newMessages != 0) {
        return "a message without Calculate or an output change";
    }
    return {};
}

std::string CheckMainMenu(const HeadlessWindow& w) {
    const HeadlessControl& list = Control(w, res::main_menu::IDC_ANALYSIS_LIST);
    if (list.items != std::vector<std::string>{lang::Tr("pure sine"), lang::Tr("sine sweep")} || list.selected != -1) {
        return "main menu list is not back in its opening state";
    }
    return {};
}

// The control a select, type or click line names on that dialog (by number
// or by name, as halvex-drive reads it), or 0.
int TargetId(const std::string& line, int dialog) {
    std::istringstream words(line);
    std::string command, word;
    words >> command >> word;
    if (command != "select" && command != "type" && command != "click") return 0;
    int id = 0;
    return halvex::ReadControlWord(word, dialog, id) == halvex::ControlWord::Read ? id : 0;
}

}  // namespace

CheckedSession::CheckedSession(Program program, std::string directory)
    : DriveSession(m_noInput, m_noOutput, program), m_directory(std::move(directory)) {}

void CheckedSession::PrepareDirectory() const {
    if (ProgramRun() == Program::Lab) PrepareLabDirectory(m_directory);
}

// The planner and the library editor as halvex-drive runs them, held where
// the checks can ask them for the document on show.
void CheckedSession::RunChosenProgram() {
    if (ProgramRun() == Program::Lab) {
        CLabDlg lab(planner::ChosenLabPath());
        m_lab = &lab;
        TakeAnswers(true);
        lab.DoModal();
        TakeAnswers(false);
        m_lab = nullptr;
        return;
    }
    if (ProgramRun() != Program::Planner) return DriveSession::RunChosenProgram();
    CPlannerDlg planner;
    m_planner = &planner;
    TakeAnswers(true);
    planner.DoModal();
    TakeAnswers(false);
    m_planner = nullptr;
}

void CheckedSession::OnMessageBox(std::string_view text) {
    ++m_messages;
    const std::string english = m_leftOvers.FindInMessage(text);
    if (!english.empty()) Fail("a message shows \"" + english + "\" in English: " + std::string(text));
    DriveSession::OnMessageBox(text);
}

void CheckedSession::Step(const std::string& line, HeadlessWindow& top) {
    const int dialog = top.Template().id;
    const int target = TargetId(line, dialog);
    const bool calculated = (line.rfind("click ", 0) == 0 && target == res::IDOK) || line == "enter";
    const HeadlessControl* control = target != 0 ? top.FindControl(target) : nullptr;
    // Whether the line will be accepted as a change of an input: a select on
    // a visible list, or typing into a visible edit that is not read-only.
    const bool isSelect = line.rfind("select ", 0) == 0;
    const bool changedInput =
        control != nullptr && control->visible &&
        (isSelect ? control->kind == res::ControlKind::List
                  : control->kind == res::ControlKind::Edit && (control->style & res::kReadOnly) == 0);
    const PureSineGlobals before = SnapshotPureSine();
    const int guardBefore = g_sweepOutputGuard;
    const bool typedIntoOutput =
        changedInput && !isSelect && dialog == res::IDD_SINE_SWEEP &&
        std::find(std::begin(kSweepOutputs), std::end(kSweepOutputs), target) != std::end(kSweepOutputs);
    const std::size_t messagesBefore = m_messages;
    const bool planner = dialog == res::IDD_PLANNER && m_planner != nullptr;
    const PlannerBefore plannerBefore = planner ? PlannerStateBefore(*m_planner, top) : PlannerBefore{};
    const bool lab = dialog == res::IDD_LAB && m_lab != nullptr;
    const LabBefore labBefore = lab ? LabStateBefore(*m_lab, m_directory, line) : LabBefore{};

    Execute(line, &top);
    ++m_events;
    // Answers that no dialog took do not wait for a later one: a path given
    // to a save refused before its name was asked must not answer a question.
    if (line.rfind("answer", 0) != 0) Answers().Clear();

    std::string failure;
    if (dialog == res::IDD_PURE_SINE) {
        failure = CheckPureSine(top, calculated, changedInput, m_messages - messagesBefore, before);
    } else if (dialog == res::IDD_SINE_SWEEP) {
        failure = CheckSweep(top, calculated, typedIntoOutput, guardBefore, m_messages - messagesBefore);
    } else if (dialog == res::IDD_MAIN_MENU) {
        failure = CheckMainMenu(top);
    } else if (planner) {
        failure = CheckPlanner(*m_planner, top, line, plannerBefore);
    } else if (lab) {
        failure = CheckLab(*m_lab, top, m_directory, line, labBefore);
    }
    if (failure.empty()) {
        const std::string english = m_leftOvers.FindIn(top);
        if (!english.empty()) failure = "\"" + english + "\" is shown in English";
    }
    if (!failure.empty()) Fail("after \"" + line + "\" on dialog " + std::to_string(dialog) + ": " + failure);
}

RandomSession::RandomSession(std::uint64_t seed, std::size_t budget, Program program, const std::string& directory)
    : CheckedSession(program, directory),
      m_random(seed),
      m_budget(budget),
      m_windowEvents(program == Program::Lab ? LabWindow(directory) : PlannerWindow(directory)) {}

RandomRunResult RandomSession::Run() {
    PrepareDirectory();
    while (m_events < m_budget && m_failure.empty()) RunProgram();
    return RandomRunResult{m_events, m_failure, m_script};
}

bool RandomSession::Next(ui::headless::HeadlessBackend& /*backend*/, HeadlessWindow& top) {
    if (m_events >= m_budget || !m_failure.empty()) return false;
    if (top.Template().id == m_windowEvents.Dialog() && m_pending.empty()) {
        m_windowEvents.Generate(m_random, top, m_pending);
    }
    std::string line;
    if (!m_pending.empty()) {
        line = std::move(m_pending.front());
        m_pending.pop_front();
    } else {
        line = Generate(top);
    }
    m_script.push_back(line);
    Step(line, top);
    return true;
}

std::string RandomSession::RandomText() {
    static const char* const kFixed[] = {"",
                                         " ",
                                         "   ",
                                         "0",
                                         "-1",
                                         "1e-12",
                                         "1e100",
                                         "9.9e-13",
                                         "1.0000001e100",
                                         "1e999",
                                         "-1e999",
                                         "abc",
                                         "inf",
                                         "nan",
                                         "0x10",
                                         "1,5",
                                         "10abc",
                                         "1e3",
                                         "2.5E-2",
                                         "+7",
                                         ".5",
                                         "5.",
                                         ".",
                                         "-",
                                         "e5",
                                         "1e",
                                         "µm 12",
                                         "\xD9\xA1\xD9\xA2",
                                         "\xEF\xBC\x91",
                                         "\xFF\xFE",
                                         "  42",
                                         "1e-300",
                                         "1e308",
                                         "3e-9"};
    std::uniform_int_distribution<int> kind(0, 19);
    switch (kind(m_random)) {
        case 0:
        case 1:
        case 2:
        case 3: {
            const std::size_t pick = std::uniform_int_distribution<std::size_t>(0, std::size(kFixed) - 1)(m_random);
            return kFixed[pick];
        }
        case 4: {  // very long texts
            const std::size_t length = 100000;
            switch (std::uniform_int_distribution<int>(0, 2)(m_random)) {
                case 0:
                    return "1" + std::string(length - 1, '0');
                case 1:
                    return std::string(length, '9');
                default:
                    return std::string(length, 'x');
            }
        }
        default: {  // an ordinary number, mostly inside the window
            std::uniform_real_distribution<double> mantissa(-2.0, 10.0);
            std::uniform_int_distribution<int> exponent(-15, 15);
            std::uniform_int_distribution<int> digits(1, 6);
            const double value = mantissa(m_random) * std::pow(10.0, exponent(m_random));
            return halvex::FormatNumber("%." + std::to_string(digits(m_random)) + "g", value);
        }
    }
}

std::string RandomSession::Generate(const HeadlessWindow& top) {
    std::vector<const HeadlessControl*> lists;
    std::vector<const HeadlessControl*> unselected;
    std::vector<const HeadlessControl*> edits;
    for (const HeadlessControl& control : top.Controls()) {
        if (control.id == res::kNoId || !control.visible) continue;
        if (control.kind == res::ControlKind::List && !control.items.empty()) {
            lists.push_back(&control);
            if (control.selected < 0) unselected.push_back(&control);
        }
        if (control.kind == res::ControlKind::Edit && (control.style & res::kReadOnly) == 0) edits.push_back(&control);
    }
    const auto pick = [this](std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(m_random); };
    const int roll = std::uniform_int_distribution<int>(0, 999)(m_random);
    // Leaving is rare, so that runs get deep into the dialogs.
    if (roll < 10) return "escape";
    if (roll < 15) return "close";
    if (roll < 20) return "click IDCANCEL";
    if (roll < 30) return "syscommand 0x10";
    if (roll < 50) {  // a control that may be hidden or read-only: refused, nothing changes
        const HeadlessControl& any = top.Controls()[pick(top.Controls().size())];
        return "type " + std::to_string(any.id) + " 1";
    }
    const bool canCalculate = top.FindControl(res::IDOK) != nullptr;
    if (roll < 500 && !lists.empty()) {
        // Mostly move forward: choose in a list that has no selection yet.
        const auto& from = !unselected.empty() && roll < 350 ? unselected : lists;
        const HeadlessControl& list = *from[pick(from.size())];
        const int index = roll < 60 ? -1 : static_cast<int>(pick(list.items.size()));
        return "select " + std::to_string(list.id) + " " + std::to_string(index);
    }
    if (roll < 800 && !edits.empty()) {
        return "type " + std::to_string(edits[pick(edits.size())]->id) + " " + RandomText();
    }
    if (canCalculate) return roll < 950 ? "click IDOK" : "enter";
    return roll < 990 || lists.empty() ? "enter" : "select " + std::to_string(lists[0]->id) + " 0";
}

std::string ReplaySession::Run() {
    PrepareDirectory();
    while (m_next < m_script.size() && m_failure.empty()) RunProgram();
    return m_failure;
}

bool ReplaySession::Next(ui::headless::HeadlessBackend& /*backend*/, HeadlessWindow& top) {
    if (m_next >= m_script.size() || !m_failure.empty()) return false;
    Step(m_script[m_next++], top);
    return true;
}

std::vector<std::string> ShrinkFailingScript(std::vector<std::string> script, halvex::DriveSession::Program program,
                                             const std::string& directory) {
    // Remove ever smaller chunks while the failure persists.
    for (std::size_t chunk = script.size() / 2; chunk >= 1; chunk /= 2) {
        for (std::size_t start = 0; start + chunk <= script.size();) {
            std::vector<std::string> candidate(script.begin(), script.begin() + static_cast<std::ptrdiff_t>(start));
            candidate.insert(candidate.end(), script.begin() + static_cast<std::ptrdiff_t>(start + chunk),
                             script.end());
            if (!ReplaySession(candidate, program, directory).Run().empty()) {
                script = std::move(candidate);
            } else {
                start += chunk;
            }
        }
        if (chunk == 1) break;
    }
    return script;
}

}  // namespace halvex_test
