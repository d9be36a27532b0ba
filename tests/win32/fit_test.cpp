// Every dialog's texts measured as Windows draws them: GDI's extent in the
// control's own font, inside the real control, at the scaling of the prefix
// the suite runs in (96, 120 and 144 dpi, scripts/wine-prefix). Besides the
// template's texts, the longest the calculators write into their boxes and
// every item of their lists.
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "ui/win32/win32_backend.h"  // first: the layer's names before windows.h

#include "lang/tr.h"
#include "numeric/number_text.h"
#include "planner/lab_form.h"
#include "planner/plan_form.h"
#include "puresine/pure_sine_results.h"
#include "puresine/pure_sine_tables.h"
#include "res/lab_ids.h"
#include "res/main_menu_ids.h"
#include "res/planner_ids.h"
#include "res/pure_sine_ids.h"
#include "res/report_details_ids.h"
#include "res/resource_ids.h"
#include "res/sine_sweep_ids.h"
#include "sweep/sine_sweep_report.h"
#include "sweep/sine_sweep_tables.h"
#include "tests/case_name.h"
#include "ui/win32/utf16.h"

#include <commctrl.h>

namespace {

using ui::win32::Win32Dialog;
namespace ps = res::pure_sine;
namespace ss = res::sine_sweep;
namespace pl = res::planner_dlg;
namespace lb = res::lab_dlg;

using Texts = std::vector<std::pair<int, std::vector<std::string>>>;

struct FitCase {
    const char* name;
    int templateId;
    // Made in the language of the test: each text set alone into its box,
    // and all the items in the list at once.
    Texts (*boxes)();
    Texts (*lists)();
};

std::vector<std::string> ItemsOf(const res::ItemTable& table) { return {table.begin(), table.end()}; }

// The widest numbers a format makes in practice: all digits, with and
// without an exponent.
std::vector<std::string> Widest(const char* format) {
    const char* shown = lang::Tr(format);
    return {halvex::FormatNumber(shown, 0.0008888), halvex::FormatNumber(shown, 8.888e+05)};
}

Texts PureSineBoxes() {
    Texts out;
    for (const puresine::ResultBox& box : puresine::kResultBoxes) {
        std::vector<std::string> texts = Widest(box.translationFormat);
        if (box.rotationFormat != nullptr) {
            for (std::string& text : Widest(box.rotationFormat)) texts.push_back(std::move(text));
        }
        out.emplace_back(box.id, std::move(texts));
    }
    return out;
}

// Any output of any analysis may land in any of the four boxes.
Texts SweepBoxes() {
    std::vector<std::string> texts;
    for (const char* format : {sweep::kDispZeroPeakFormat, sweep::kDispPeakPeakFormat, sweep::kVelocityFormat,
                               sweep::kAccelerationFormat, sweep::kFrequencyFormat, sweep::kOctavesFormat,
                               sweep::kLinearRateFormat, sweep::kLogRateFormat, sweep::kCyclesFormat}) {
        for (std::string& text : Widest(format)) texts.push_back(std::move(text));
    }
    Texts out;
    for (int id : {ss::IDC_OUTPUT1, ss::IDC_OUTPUT2, ss::IDC_OUTPUT3, ss::IDC_OUTPUT4}) out.emplace_back(id, texts);
    std::vector<std::string> firstLabels{sweep::kAmplitudeFrequencyLabel, sweep::kFrequencyLabel};
    std::vector<std::string> thirdLabels{sweep::kDurationLabel};
    for (int i = 0; sweep::PairFirstLabel(i) != nullptr; ++i) firstLabels.emplace_back(sweep::PairFirstLabel(i));
    for (int i = 0; sweep::PairSecondLabel(i) != nullptr; ++i) thirdLabels.emplace_back(sweep::PairSecondLabel(i));
    for (int i = 0; sweep::GivenQuantityLabel(i) != nullptr; ++i) {
        thirdLabels.emplace_back(sweep::GivenQuantityLabel(i));
    }
    out.emplace_back(ss::IDC_LABEL1, firstLabels);
    out.emplace_back(ss::IDC_LABEL3, thirdLabels);
    out.emplace_back(ss::IDC_HEADING, std::vector<std::string>{sweep::kGivenHeading, sweep::kAmplitudePairsHeading,
                                                               sweep::kRateTypeHeading});
    return out;
}

Texts PureSineLists() {
    Texts out{{ps::IDC_TYPE, ItemsOf(puresine::kTypeItems)},
              {ps::IDC_DIMENSION, ItemsOf(puresine::kDimensionItems)},
              {ps::IDC_FREQUENCY_UNIT, ItemsOf(puresine::kFrequencyUnitItems)}};
    for (const res::ItemTable* units : {&puresine::kDisplacementUnits, &puresine::kVelocityUnits,
                                        &puresine::kAccelerationUnits, &puresine::kAngularAccelerationUnits}) {
        out.emplace_back(ps::IDC_AMPLITUDE_UNIT, ItemsOf(*units));
    }
    return out;
}

Texts SweepLists() {
    return {{ss::IDC_ANALYSIS, ItemsOf(sweep::kAnalysisItems)},
            {ss::IDC_INPUT_LIST, ItemsOf(sweep::kGivenQuantityItems)},
            {ss::IDC_INPUT_LIST, ItemsOf(sweep::kAmplitudePairItems)},
            {ss::IDC_INPUT_LIST, ItemsOf(sweep::kRateTypeItems)}};
}

Texts PlannerLists() {
    using planner::QuantityKind;
    const auto units = [](QuantityKind kind) { return planner::FieldUnits(kind); };
    return {{pl::IDC_GRAVITY_UNIT, planner::GravityUnits()},
            {pl::IDC_SWEEP_TYPE, {std::begin(planner::kSweepTypeItems), std::end(planner::kSweepTypeItems)}},
            {pl::IDC_SWEEP_MODE, {std::begin(planner::kSweepModeItems), std::end(planner::kSweepModeItems)}},
            {pl::IDC_DWELL_TIME_UNIT, units(QuantityKind::Time)},
            {pl::IDC_FORCE_UNIT, units(QuantityKind::Force)},
            {pl::IDC_STROKE_UNIT, units(QuantityKind::Length)},
            {pl::IDC_ARMATURE_UNIT, units(QuantityKind::Mass)},
            {pl::IDC_EXPANDER_UNIT, units(QuantityKind::Mass)},
            {pl::IDC_FIXTURE_UNIT, units(QuantityKind::Mass)},
            {pl::IDC_SPECIMEN_UNIT, units(QuantityKind::Mass)},
            {pl::IDC_VELOCITY_LIMIT_UNIT, units(QuantityKind::Velocity)},
            {pl::IDC_ACCELERATION_LIMIT_UNIT, units(QuantityKind::Acceleration)}};
}

Texts LabLists() {
    using planner::QuantityKind;
    const auto units = [](QuantityKind kind) { return planner::FieldUnits(kind); };
    return {{lb::IDC_GRAVITY_UNIT, planner::GravityUnits()},
            {lb::IDC_RATED_FORCE_UNIT, units(QuantityKind::Force)},
            {lb::IDC_STROKE_UNIT, units(QuantityKind::Length)},
            {lb::IDC_VELOCITY_UNIT, units(QuantityKind::Velocity)},
            {lb::IDC_ACCELERATION_UNIT, units(QuantityKind::Acceleration)},
            {lb::IDC_ARMATURE_UNIT, units(QuantityKind::Mass)},
            {lb::IDC_MAX_PAYLOAD_UNIT, units(QuantityKind::Mass)},
            {lb::IDC_LOWEST_FREQUENCY_UNIT, units(QuantityKind::Frequency)},
            {lb::IDC_EXPANDER_KIND, {std::begin(planner::kExpanderKindItems), std::end(planner::kExpanderKindItems)}},
            {lb::IDC_EXPANDER_MASS_UNIT, units(QuantityKind::Mass)},
            {lb::IDC_FIXTURE_RESONANCE_UNIT, units(QuantityKind::Frequency)}};
}

Texts None() { return {}; }

const FitCase kCases[] = {
    {"About", res::IDD_ABOUT, None, None},
    {"MainMenu", res::IDD_MAIN_MENU, None,
     [] {
         return Texts{{res::main_menu::IDC_ANALYSIS_LIST, {"pure sine", "sine sweep"}}};
     }},
    {"PureSine", res::IDD_PURE_SINE, PureSineBoxes, PureSineLists},
    {"SineSweep", res::IDD_SINE_SWEEP, SweepBoxes, SweepLists},
    {"Planner", res::IDD_PLANNER, None, PlannerLists},
    {"Lab", res::IDD_LAB, None, LabLists},
    {"NewFromTemplate", res::IDD_NEW_FROM_TEMPLATE, None, None},
    {"SaveAsTemplate", res::IDD_SAVE_AS_TEMPLATE, None, None},
    {"ReportDetails", res::IDD_REPORT_DETAILS, None,
     [] {
         return Texts{{res::report_details::IDC_REPORT_PAPER, {"A4", "US Letter"}}};
     }},
    {"Recovery", res::IDD_RECOVERY, None, None},
};

class OneLook : public ui::win32::Automation {
public:
    explicit OneLook(std::function<void(Win32Dialog&)> look) : m_look(std::move(look)) {
        m_backend.SetAutomation(this);
        ui::SetBackend(&m_backend);
    }
    ~OneLook() override { ui::SetBackend(nullptr); }
    bool Next(Win32Dialog& top) override {
        if (!m_look) return false;
        m_look(top);
        m_look = nullptr;
        return true;
    }

private:
    ui::win32::Win32Backend m_backend;
    std::function<void(Win32Dialog&)> m_look;
};

std::wstring ClassOf(HWND control) {
    wchar_t name[64]{};
    GetClassNameW(control, name, 64);
    return name;
}

SIZE Extent(HWND control, const std::wstring& text) {
    HDC dc = GetDC(control);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    size.cy = metrics.tmHeight;
    return size;
}

int DialogUnits(HWND dialog, int x) {
    RECT r{0, 0, x, 0};
    MapDialogRect(dialog, &r);
    return r.right;
}

// How wide the text may be in that control, drawn as its class draws it.
int Room(HWND dialog, HWND control) {
    RECT client{};
    GetClientRect(control, &client);
    const std::wstring kind = ClassOf(control);
    const LONG style = GetWindowLongW(control, GWL_STYLE);
    if (kind == L"Edit") {
        RECT format{};
        SendMessageW(control, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
        return format.right - format.left;
    }
    if (kind == L"ListBox") return client.right - 2;  // the item's inset
    if (kind == L"ComboBox") {
        COMBOBOXINFO info{};
        info.cbSize = sizeof info;
        GetComboBoxInfo(control, &info);
        return info.rcItem.right - info.rcItem.left - 2;
    }
    if (kind == L"Button") {
        const bool frame = (style & BS_TYPEMASK) == BS_GROUPBOX;
        return client.right - DialogUnits(dialog, frame ? 12 : 4);
    }
    return client.right;  // a static text may fill its control
}

std::string Misfit(HWND dialog, HWND control, const std::string& text) {
    if (text.empty() || text.find_first_not_of(' ') == std::string::npos) return {};
    const SIZE extent = Extent(control, ui::win32::Widen(text));
    const int room = Room(dialog, control);
    RECT client{};
    GetClientRect(control, &client);
    const std::string id = std::to_string(GetDlgCtrlID(control));
    if (extent.cx > room) {
        return id + " \"" + text + "\": " + std::to_string(extent.cx) + " px in " + std::to_string(room);
    }
    if (ClassOf(control) == L"Static" && extent.cy > client.bottom) {
        return id + " \"" + text + "\": " + std::to_string(extent.cy) + " px high in " + std::to_string(client.bottom);
    }
    return {};
}

int Dpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

// Every dialog in every language.
struct LanguageCase {
    std::string name;
    const FitCase* fit;
    lang::Language language;
};

void PrintTo(const LanguageCase& c, std::ostream* out) { *out << c.name; }

std::vector<LanguageCase> InEveryLanguage() {
    std::vector<LanguageCase> out;
    for (const FitCase& fit : kCases) {
        for (lang::Language language : lang::kLanguages) {
            out.push_back({std::string(fit.name) + "_" + lang::CodeOf(language), &fit, language});
        }
    }
    return out;
}

// The texts as the language shows them: the tables' English translated, the
// numbers as they are.
Texts Translated(const Texts& english) {
    Texts out;
    for (const auto& [id, texts] : english) {
        std::vector<std::string> shown;
        for (const std::string& text : texts) shown.emplace_back(lang::Tr(text.c_str()));
        out.emplace_back(id, std::move(shown));
    }
    return out;
}

class Win32Fit : public ::testing::TestWithParam<LanguageCase> {
protected:
    void SetUp() override { lang::SetLanguage(GetParam().language); }
    void TearDown() override { lang::SetLanguage(lang::Language::English); }
};

// The template's texts, the boxes' longest and the lists' items all show
// whole, and no two controls but a frame and what it holds overlap.
TEST_P(Win32Fit, TextsFitAndNothingOverlaps) {
    const FitCase& english = *GetParam().fit;
    const Texts boxes = Translated(english.boxes());
    const Texts lists = Translated(english.lists());
    std::vector<std::string> misfits, overlaps;
    OneLook look([&](Win32Dialog& top) {
        HWND dialog = top.Handle();
        std::vector<RECT> placed;
        std::size_t index = 0;
        for (const res::ControlTemplate& control : top.Template()) {
            HWND hwnd = top.Controls()[index++];
            const std::string misfit = Misfit(dialog, hwnd, control.text);
            if (!misfit.empty()) misfits.push_back(misfit);
            if (control.kind == res::ControlKind::Frame) continue;
            RECT rect{}, both{};
            GetWindowRect(hwnd, &rect);
            // Controls that meet in dialog units may share a pixel once rounded.
            rect.right -= 1;
            rect.bottom -= 1;
            for (const RECT& other : placed) {
                if (IntersectRect(&both, &rect, &other)) overlaps.push_back(std::to_string(control.id));
            }
            placed.push_back(rect);
        }
        for (const auto& [id, texts] : boxes) {
            for (const std::string& text : texts) {
                top.SetControlText(id, text);
                const std::string misfit = Misfit(dialog, top.Control(id), text);
                if (!misfit.empty()) misfits.push_back(misfit);
            }
        }
        for (const auto& [id, items] : lists) {
            top.ListReset(id);
            for (std::size_t i = 0; i < items.size(); ++i) top.ListInsert(id, static_cast<int>(i), items[i]);
            for (const std::string& item : items) {
                const std::string misfit = Misfit(dialog, top.Control(id), item);
                if (!misfit.empty()) misfits.push_back(misfit);
            }
        }
    });
    ui::CDialog dialog(english.templateId);
    dialog.DoModal();
    EXPECT_TRUE(misfits.empty()) << Dpi() << " dpi:\n" << ::testing::PrintToString(misfits);
    EXPECT_TRUE(overlaps.empty()) << ::testing::PrintToString(overlaps);
}

INSTANTIATE_TEST_SUITE_P(Win32, Win32Fit, ::testing::ValuesIn(InEveryLanguage()), halvex_test::CaseName());

}  // namespace
