// The backend's contract, on real widgets with a recording sink: the user's
// actions are reported, exactly once each; the program's changes never.
#include <functional>
#include <string>

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QFontInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionComboBox>

#include "lang/tr.h"
#include "planner/plan_form.h"
#include "puresine/pure_sine_results.h"
#include "puresine/pure_sine_tables.h"
#include "res/dialog_template.h"
#include "res/lab_ids.h"
#include "res/localized_template.h"
#include "res/main_menu_ids.h"
#include "res/planner_ids.h"
#include "res/pure_sine_ids.h"
#include "res/resource_ids.h"
#include "res/sine_sweep_ids.h"
#include "sweep/sine_sweep_tables.h"
#include "tests/case_name.h"
#include "tests/in_language.h"
#include "tests/qt/qt_fixture.h"

namespace {

using halvex_test::Command;
using halvex_test::RecordingSink;
using halvex_test::Report;
using ui::qt::QtDialog;

namespace ss = res::sine_sweep;

constexpr int kPureSine = res::IDD_PURE_SINE;
constexpr int kMainMenu = res::IDD_MAIN_MENU;
constexpr int kSineSweep = res::IDD_SINE_SWEEP;
constexpr int kPlanner = res::IDD_PLANNER;
constexpr int kType = res::pure_sine::IDC_TYPE;
constexpr int kAmplitudeUnit = res::pure_sine::IDC_AMPLITUDE_UNIT;
constexpr int kAmplitude = res::pure_sine::IDC_AMPLITUDE;
constexpr int kResult = res::pure_sine::IDC_DISP_PP_MM;

class ShownDialog {
public:
    explicit ShownDialog(int templateId) : dialog(res::Localized(*res::FindDialogTemplate(templateId)), sink, nullptr) {
        dialog.show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
    }
    QWidget& Widget(int id) { return *dialog.Control(id); }
    QListWidget& List(int id) { return dynamic_cast<QListWidget&>(Widget(id)); }

    RecordingSink sink;
    QtDialog dialog;
};

void FillTypes(QtDialog& d) {
    d.ListInsert(kType, 0, "translation");
    d.ListInsert(kType, 1, "rotation");
}

struct ContractCase {
    const char* name;
    int templateId;
    std::function<void(ShownDialog&)> act;  // after the program has filled the pure sine's type list
    std::vector<Report> reports;
    int typeSelection;  // of the type list afterwards, or -2 when not checked
};

void PrintTo(const ContractCase& c, std::ostream* out) { *out << c.name; }

class BackendContract : public ::testing::TestWithParam<ContractCase> {};

TEST_P(BackendContract, ReportsTheUsersActionsOnly) {
    const ContractCase& c = GetParam();
    ShownDialog w(c.templateId);
    if (c.templateId == kPureSine) FillTypes(w.dialog);
    c.act(w);
    EXPECT_EQ(w.sink.reports, c.reports);
    if (c.typeSelection != -2) {
        EXPECT_EQ(w.dialog.ListGetCurSel(kType), c.typeSelection);
    }
}

const ContractCase kContractCases[] = {
    {"ProgramChangesRaiseNothing",
     kPureSine,
     [](ShownDialog& w) {
         w.dialog.ListSetCurSel(kType, 1);
         w.dialog.ListSetCurSel(kType, -1);
         w.dialog.ListReset(kType);
         FillTypes(w.dialog);
         w.dialog.SetControlText(kAmplitude, "5");
         w.dialog.SetControlText(kResult, "x");
         w.dialog.ShowControl(kType, false);
         w.dialog.ShowControl(kType, true);
     },
     {},
     -1},
    {"ClickOnAnItem",
     kPureSine,
     [](ShownDialog& w) { halvex_test::ChooseItem(w.dialog, kType, 1); },
     {Command(kType, ui::LBN_SELCHANGE)},
     1},
    {"ClickOnTheSelectedItemIsAChoiceAgain",
     kPureSine,
     [](ShownDialog& w) {
         w.dialog.ListSetCurSel(kType, 1);
         halvex_test::ChooseItem(w.dialog, kType, 1);
     },
     {Command(kType, ui::LBN_SELCHANGE)},
     1},
    {"ControlClickCannotClearTheSelection",
     kPureSine,
     [](ShownDialog& w) {
         w.dialog.ListSetCurSel(kType, 1);
         halvex_test::ChooseItem(w.dialog, kType, 1, Qt::ControlModifier);
     },
     {Command(kType, ui::LBN_SELCHANGE)},
     1},
    {"ClickBesideTheItemsChangesNothing",
     kPureSine,
     [](ShownDialog& w) {
         w.dialog.ListSetCurSel(kType, 0);
         QWidget* viewport = w.List(kType).viewport();
         QTest::mouseClick(viewport, Qt::LeftButton, {}, QPoint(viewport->width() / 2, viewport->height() - 2));
     },
     {},
     0},
    {"ArrowKeyMovesTheSelection",
     kPureSine,
     [](ShownDialog& w) {
         w.dialog.ListSetCurSel(kType, 0);
         w.List(kType).setFocus();
         QTest::keyClick(&w.List(kType), Qt::Key_Down);
     },
     {Command(kType, ui::LBN_SELCHANGE)},
     1},
    {"ArrowKeyAtTheEndChangesNothing",
     kPureSine,
     [](ShownDialog& w) {
         w.dialog.ListSetCurSel(kType, 0);
         w.List(kType).setFocus();
         QTest::keyClick(&w.List(kType), Qt::Key_Up);
     },
     {},
     0},
    {"FocusAloneSelectsNothing",
     kPureSine,
     [](ShownDialog& w) {
         w.dialog.ListInsert(kAmplitudeUnit, 0, "micro inches");
         w.dialog.ListInsert(kAmplitudeUnit, 1, "Mils");
         w.Widget(ui::IDCANCEL).setFocus();
         QTest::keyClick(&w.Widget(ui::IDCANCEL), Qt::Key_Tab);
         EXPECT_EQ(w.dialog.focusWidget(), &w.Widget(kAmplitudeUnit));
         EXPECT_EQ(w.dialog.ListGetCurSel(kAmplitudeUnit), -1);
     },
     {},
     -1},
    {"EveryKeyTypedIsOneChange",
     kPureSine,
     [](ShownDialog& w) {
         halvex_test::Type(w.dialog, kAmplitude, QStringLiteral("12"));
         QTest::keyClick(&w.Widget(kAmplitude), Qt::Key_Backspace);
         EXPECT_EQ(halvex_test::Text(w.dialog, kAmplitude), "1");
     },
     {Command(kAmplitude, ui::EN_CHANGE), Command(kAmplitude, ui::EN_CHANGE), Command(kAmplitude, ui::EN_CHANGE)},
     -1},
    {"ReadOnlyEditTakesNoTyping",
     kPureSine,
     [](ShownDialog& w) {
         w.dialog.SetControlText(kResult, "  25.4 mm");
         halvex_test::Type(w.dialog, kResult, QStringLiteral("9"));
         EXPECT_EQ(halvex_test::Text(w.dialog, kResult), "  25.4 mm");
     },
     {},
     -1},
    {"ButtonClick",
     kPureSine,
     [](ShownDialog& w) { halvex_test::Click(w.dialog, ui::IDCANCEL); },
     {Command(ui::IDCANCEL, ui::BN_CLICKED)},
     -1},
    {"EnterInAnEditIsTheDefaultButton",
     kPureSine,
     [](ShownDialog& w) {
         w.Widget(kAmplitude).setFocus();
         QTest::keyClick(&w.Widget(kAmplitude), Qt::Key_Return);
     },
     {Command(ui::IDOK, ui::BN_CLICKED)},
     -1},
    {"EnterOnAButtonPressesThatButton",
     kPureSine,
     [](ShownDialog& w) {
         w.Widget(ui::IDCANCEL).setFocus();
         QTest::keyClick(&w.Widget(ui::IDCANCEL), Qt::Key_Enter, Qt::KeypadModifier);
     },
     {Command(ui::IDCANCEL, ui::BN_CLICKED)},
     -1},
    {"EnterOnAListWithoutDefaultButtonIsOk",
     kMainMenu,
     [](ShownDialog& w) {
         w.Widget(res::main_menu::IDC_ANALYSIS_LIST).setFocus();
         QTest::keyClick(&w.Widget(res::main_menu::IDC_ANALYSIS_LIST), Qt::Key_Return);
     },
     {Command(ui::IDOK, ui::BN_CLICKED)},
     -2},
    {"EscapeIsCancel",
     kPureSine,
     [](ShownDialog& w) { QTest::keyClick(&w.Widget(kType), Qt::Key_Escape); },
     {Command(ui::IDCANCEL, ui::BN_CLICKED)},
     -1},
    {"CloseBoxAsksTheDialog",
     kPureSine,
     [](ShownDialog& w) {
         w.dialog.close();
         EXPECT_TRUE(w.dialog.isVisible());  // only ending the run closes it
     },
     {Report{ui::WM_CLOSE, 0, 0}},
     -1},
};

INSTANTIATE_TEST_SUITE_P(Qt, BackendContract, ::testing::ValuesIn(kContractCases), halvex_test::CaseName());

// A drop-down list keeps a list box's promise: the program's fills and
// choices report nothing, and it shows no choice until one is made; each
// choice of the user's reports once, also of the item already chosen.
TEST(QtDropDown, ReportsTheUsersChoicesOnly) {
    ShownDialog w(kPlanner);
    const int unit = res::planner_dlg::IDC_GRAVITY_UNIT;
    const auto fill = [&] {
        w.dialog.ListReset(unit);
        for (int i = 0; i < 3; ++i) w.dialog.ListInsert(unit, i, std::string(1, static_cast<char>('a' + i)));
    };
    fill();
    EXPECT_EQ(w.dialog.ListGetCurSel(unit), -1);
    w.dialog.ListSetCurSel(unit, 2);
    EXPECT_EQ(w.dialog.ListGetCurSel(unit), 2);
    fill();
    EXPECT_TRUE(w.sink.reports.empty());
    halvex_test::ChooseItem(w.dialog, unit, 1);
    halvex_test::ChooseItem(w.dialog, unit, 1);
    EXPECT_EQ(w.sink.reports,
              (std::vector<Report>{Command(unit, ui::LBN_SELCHANGE), Command(unit, ui::LBN_SELCHANGE)}));
    EXPECT_EQ(w.dialog.ListGetCurSel(unit), 1);
}

struct TemplateCase {
    std::string name;
    int id;
    lang::Language language;
};

// Every dialog in every language.
std::vector<TemplateCase> EveryTemplateInEveryLanguage() {
    const std::pair<const char*, int> dialogs[] = {{"About", res::IDD_ABOUT},
                                                   {"MainMenu", res::IDD_MAIN_MENU},
                                                   {"PureSine", res::IDD_PURE_SINE},
                                                   {"SineSweep", res::IDD_SINE_SWEEP},
                                                   {"Planner", res::IDD_PLANNER},
                                                   {"Lab", res::IDD_LAB},
                                                   {"NewFromTemplate", res::IDD_NEW_FROM_TEMPLATE},
                                                   {"SaveAsTemplate", res::IDD_SAVE_AS_TEMPLATE},
                                                   {"ReportDetails", res::IDD_REPORT_DETAILS},
                                                   {"Recovery", res::IDD_RECOVERY}};
    std::vector<TemplateCase> out;
    for (const auto& [name, id] : dialogs) {
        for (lang::Language language : lang::kLanguages) {
            out.push_back({std::string(name) + "_" + lang::CodeOf(language), id, language});
        }
    }
    return out;
}

void PrintTo(const TemplateCase& c, std::ostream* out) { *out << c.name; }

// Answers for the names a dialog gives its controls itself as the pure sine
// dialog does: its result boxes, from their table.
class NamingSink : public RecordingSink {
public:
    const char* ControlName(int id) const override {
        const puresine::ResultBox* box = puresine::FindResultBox(id);
        return box == nullptr ? nullptr : box->accessibleName;
    }
};

class EveryTemplate : public ::testing::TestWithParam<TemplateCase> {
protected:
    EveryTemplate()
        : language(GetParam().language),
          dialog(res::Localized(*res::FindDialogTemplate(GetParam().id)), sink, nullptr) {}
    template <class F>
    void ForEachControl(F f) {
        dialog.ForEachControl(f);
    }

    halvex_test::InLanguage language;
    NamingSink sink;
    QtDialog dialog;
};

// Within the smallest screen the program supports, in every language.
TEST_P(EveryTemplate, FitsTheSmallestScreen) {
    EXPECT_LE(dialog.width(), 1024);
    EXPECT_LE(dialog.height(), 768);
}

// Arial is served by Liberation Sans; a missing font would change every
// width below.
TEST_P(EveryTemplate, TextsFitTheirControlsInTheTemplateFont) {
    if (std::string(dialog.Template().fontName) == "Arial") {
        EXPECT_EQ(QFontInfo(dialog.font()).family().toStdString(), "Liberation Sans");
    }
    ForEachControl([](const res::ControlTemplate& control, QWidget& widget) {
        const QString text = QString::fromUtf8(control.text);
        if (text.isEmpty()) return;
        const QFontMetrics metrics(widget.font());
        int margins = 0;  // a static text may fill its control
        if (control.kind == res::ControlKind::Button) margins = 8;
        if (control.kind == res::ControlKind::Frame) margins = 16;
        EXPECT_LE(metrics.horizontalAdvance(text) + margins, widget.width()) << control.text;
        if (control.kind == res::ControlKind::Static) {
            EXPECT_LE(metrics.height(), widget.height()) << control.text;
        }
    });
}

TEST_P(EveryTemplate, NoTwoControlsOverlap) {
    std::vector<std::pair<int, QRect>> placed;
    ForEachControl([&placed](const res::ControlTemplate& control, QWidget& widget) {
        if (control.kind == res::ControlKind::Frame) return;  // frames are around controls
        for (const auto& [id, rect] : placed) {
            EXPECT_FALSE(rect.intersects(widget.geometry())) << id << " and " << control.id;
        }
        placed.emplace_back(control.id, widget.geometry());
    });
}

TEST_P(EveryTemplate, AccessibilityTreeListsTheControlsInTemplateOrder) {
    QAccessibleInterface* root = QAccessible::queryAccessibleInterface(&dialog);
    ASSERT_NE(root, nullptr);
    // A menu bar comes first, above the controls.
    const int first = dialog.MenuBar() != nullptr ? 1 : 0;
    if (first == 1) {
        EXPECT_EQ(root->child(0)->object(), dialog.MenuBar());
    }
    ASSERT_EQ(root->childCount(), first + static_cast<int>(dialog.Controls().size()));
    for (int i = first; i < root->childCount(); ++i) {
        EXPECT_EQ(root->child(i)->object(), dialog.Controls()[static_cast<std::size_t>(i - first)]) << i;
    }
}

TEST_P(EveryTemplate, EveryControlTheUserWorksWithHasAName) {
    ForEachControl([](const res::ControlTemplate& control, QWidget& widget) {
        if ((control.style & res::kTabStop) == 0) return;
        EXPECT_FALSE(QAccessible::queryAccessibleInterface(&widget)->text(QAccessible::Name).isEmpty()) << control.id;
    });
}

INSTANTIATE_TEST_SUITE_P(Qt, EveryTemplate, ::testing::ValuesIn(EveryTemplateInEveryLanguage()),
                         halvex_test::CaseName());

// The planner's menu bar sits above the controls and shows each item's
// shortcut; the shortcut pressed in an edit reaches the dialog as the
// command, once, even Ctrl+Z, which the edit would take for its own undo,
// and does nothing while its item is greyed.
TEST(QtMenuBar, ShortcutsReachTheDialogAsItsCommands) {
    namespace pd = res::planner_dlg;
    ShownDialog w(kPlanner);
    QMenuBar* bar = w.dialog.MenuBar();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->actions().size(), 4);
    EXPECT_LE(bar->geometry().bottom(), w.Widget(pd::IDC_PROFILE).geometry().top());
    QAction* save = w.dialog.MenuAction(pd::IDM_SAVE);
    ASSERT_NE(save, nullptr);
    EXPECT_EQ(save->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
    EXPECT_EQ(
        w.dialog.MenuAction(pd::IDM_REDO)->shortcuts(),
        (QList<QKeySequence>{QKeySequence(QStringLiteral("Ctrl+Y")), QKeySequence(QStringLiteral("Ctrl+Shift+Z"))}));

    auto& rate = dynamic_cast<QLineEdit&>(w.Widget(pd::IDC_RATE));
    rate.setFocus();
    rate.setText(QStringLiteral("1 oct/min"));
    QTest::keyClicks(&rate, QStringLiteral("0"));  // something for the edit's own undo to take back
    w.dialog.EnableMenuItem(pd::IDM_UNDO, false);
    QTest::keyClick(&rate, Qt::Key_S, Qt::ControlModifier);
    QTest::keyClick(&rate, Qt::Key_Z, Qt::ControlModifier);  // greyed: nothing, not even the edit's undo
    w.dialog.EnableMenuItem(pd::IDM_UNDO, true);
    QTest::keyClick(&rate, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(w.sink.reports,
              (std::vector<Report>{Command(pd::IDC_RATE, ui::EN_CHANGE), Command(pd::IDM_SAVE, ui::BN_CLICKED),
                                   Command(pd::IDM_UNDO, ui::BN_CLICKED)}));
    EXPECT_EQ(rate.text(), QStringLiteral("1 oct/min0"));
}

// A marked edit stands out under the style in use (the suite also runs
// under the Windows style): its inside turns red, a screen reader hears
// the problem, and unmarked it looks as it did.
TEST(QtMark, AMarkedEditLooksDifferentUntilUnmarked) {
    ShownDialog w(kPureSine);
    QWidget& edit = w.Widget(kAmplitude);
    const QImage plain = edit.grab().toImage();
    w.dialog.MarkControl(kAmplitude, "\"2x\" is not a number");
    const QImage marked = edit.grab().toImage();
    const QString description = QAccessible::queryAccessibleInterface(&edit)->text(QAccessible::Description);
    w.dialog.MarkControl(kAmplitude, {});
    EXPECT_NE(marked, plain);
    // Inside the frame, right of any text.
    const QColor inside = marked.pixelColor(marked.width() - 5, marked.height() / 2);
    EXPECT_GT(inside.red(), inside.green() + 20) << inside.name().toStdString();
    EXPECT_EQ(description.toStdString(), "\"2x\" is not a number");
    EXPECT_EQ(edit.grab().toImage(), plain);
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(&edit)->text(QAccessible::Description).isEmpty());
}

std::string NameOf(QtDialog& dialog, int id) {
    return QAccessible::queryAccessibleInterface(dialog.Control(id))->text(QAccessible::Name).toStdString();
}

// The sweep relabels its inputs as the analysis changes; their names follow.
TEST(QtAccessibility, SweepInputsAreNamedByTheirCurrentLabels) {
    RecordingSink sink;
    QtDialog dialog(*res::FindDialogTemplate(kSineSweep), sink, nullptr);
    EXPECT_EQ(NameOf(dialog, ss::IDC_INPUT3), "Third input");
    dialog.SetControlText(ss::IDC_LABEL3, "Duration (min) ");
    EXPECT_EQ(NameOf(dialog, ss::IDC_INPUT3), "Duration (min)");
    dialog.SetControlText(ss::IDC_LABEL1, "Frequency(Hz)");
    EXPECT_EQ(NameOf(dialog, ss::IDC_INPUT1), "Frequency(Hz)");
    EXPECT_EQ(NameOf(dialog, ss::IDC_INPUT2), "Frequency(Hz) 2");
    dialog.SetControlText(ss::IDC_HEADING, " Amplitude Pairs ");
    EXPECT_EQ(NameOf(dialog, ss::IDC_INPUT_LIST), "Amplitude Pairs");
    dialog.SetControlText(ss::IDC_LABEL1, " ");
    EXPECT_EQ(NameOf(dialog, ss::IDC_INPUT1), "First input");
    EXPECT_TRUE(sink.reports.empty());
}

struct ListCase {
    std::string name;
    int templateId;
    int listId;
    std::vector<std::string> items;
    lang::Language language = lang::Language::English;
};

void PrintTo(const ListCase& c, std::ostream* out) { *out << c.name; }

// Each list in every language, its items as that language shows them.
std::vector<ListCase> InEveryLanguage(std::initializer_list<ListCase> english) {
    std::vector<ListCase> out;
    for (lang::Language language : lang::kLanguages) {
        lang::SetLanguage(language);
        for (ListCase c : english) {
            c.name += std::string("_") + lang::CodeOf(language);
            for (std::string& item : c.items) item = lang::Tr(item.c_str());
            c.language = language;
            out.push_back(std::move(c));
        }
    }
    lang::SetLanguage(lang::Language::English);
    return out;
}

std::vector<std::string> ItemsOf(const res::ItemTable& table) { return {table.begin(), table.end()}; }

class ListItemsFit : public ::testing::TestWithParam<ListCase> {};

// Every item shows whole, beside the scroll bar when there is one.
TEST_P(ListItemsFit, BesideTheScrollBar) {
    const ListCase& c = GetParam();
    const halvex_test::InLanguage language(c.language);
    ShownDialog w(c.templateId);
    for (std::size_t i = 0; i < c.items.size(); ++i) {
        w.dialog.ListInsert(c.listId, static_cast<int>(i), c.items[i]);
    }
    QListWidget& list = w.List(c.listId);
    QApplication::processEvents();  // lays the items out and shows the scroll bar if needed
    const int textMargin = list.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &list) + 1;
    for (const std::string& item : c.items) {
        EXPECT_LE(list.fontMetrics().horizontalAdvance(QString::fromStdString(item)) + 2 * textMargin,
                  list.viewport()->width())
            << item;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Qt, ListItemsFit,
    ::testing::ValuesIn(InEveryLanguage(
        {ListCase{"Analyses", kMainMenu, res::main_menu::IDC_ANALYSIS_LIST, {"pure sine", "sine sweep"}},
         ListCase{"Types", kPureSine, kType, ItemsOf(puresine::kTypeItems)},
         ListCase{"Dimensions", kPureSine, res::pure_sine::IDC_DIMENSION, ItemsOf(puresine::kDimensionItems)},
         ListCase{"FrequencyUnits", kPureSine, res::pure_sine::IDC_FREQUENCY_UNIT,
                  ItemsOf(puresine::kFrequencyUnitItems)},
         ListCase{"DisplacementUnits", kPureSine, kAmplitudeUnit, ItemsOf(puresine::kDisplacementUnits)},
         ListCase{"VelocityUnits", kPureSine, kAmplitudeUnit, ItemsOf(puresine::kVelocityUnits)},
         ListCase{"AccelerationUnits", kPureSine, kAmplitudeUnit, ItemsOf(puresine::kAccelerationUnits)},
         ListCase{"AngularAccelerationUnits", kPureSine, kAmplitudeUnit, ItemsOf(puresine::kAngularAccelerationUnits)},
         ListCase{"SweepAnalyses", kSineSweep, ss::IDC_ANALYSIS, ItemsOf(sweep::kAnalysisItems)},
         ListCase{"GivenQuantities", kSineSweep, ss::IDC_INPUT_LIST, ItemsOf(sweep::kGivenQuantityItems)},
         ListCase{"AmplitudePairs", kSineSweep, ss::IDC_INPUT_LIST, ItemsOf(sweep::kAmplitudePairItems)},
         ListCase{"RateTypes", kSineSweep, ss::IDC_INPUT_LIST, ItemsOf(sweep::kRateTypeItems)}})),
    halvex_test::CaseName());

class DropDownItemsFit : public ::testing::TestWithParam<ListCase> {};

// A drop-down list shows its choice whole beside its arrow.
TEST_P(DropDownItemsFit, BesideTheArrow) {
    const ListCase& c = GetParam();
    const halvex_test::InLanguage language(c.language);
    ShownDialog w(c.templateId);
    for (std::size_t i = 0; i < c.items.size(); ++i) {
        w.dialog.ListInsert(c.listId, static_cast<int>(i), c.items[i]);
    }
    auto& dropDown = dynamic_cast<QComboBox&>(w.Widget(c.listId));
    QStyleOptionComboBox option;
    option.initFrom(&dropDown);
    option.editable = false;
    option.frame = dropDown.hasFrame();
    const QRect field =
        dropDown.style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, &dropDown);
    for (const std::string& item : c.items) {
        EXPECT_LE(dropDown.fontMetrics().horizontalAdvance(QString::fromStdString(item)), field.width()) << item;
    }
}

std::vector<std::string> Units(planner::QuantityKind kind) { return planner::FieldUnits(kind); }

namespace pl = res::planner_dlg;
using planner::QuantityKind;

INSTANTIATE_TEST_SUITE_P(
    Qt, DropDownItemsFit,
    ::testing::ValuesIn(InEveryLanguage(
        {ListCase{"Gravity", kPlanner, pl::IDC_GRAVITY_UNIT, planner::GravityUnits()},
         ListCase{"SweepTypes",
                  kPlanner,
                  pl::IDC_SWEEP_TYPE,
                  {std::begin(planner::kSweepTypeItems), std::end(planner::kSweepTypeItems)}},
         ListCase{"SweepModes",
                  kPlanner,
                  pl::IDC_SWEEP_MODE,
                  {std::begin(planner::kSweepModeItems), std::end(planner::kSweepModeItems)}},
         ListCase{"DwellTime", kPlanner, pl::IDC_DWELL_TIME_UNIT, Units(QuantityKind::Time)},
         ListCase{"Force", kPlanner, pl::IDC_FORCE_UNIT, Units(QuantityKind::Force)},
         ListCase{"Stroke", kPlanner, pl::IDC_STROKE_UNIT, Units(QuantityKind::Length)},
         ListCase{"Armature", kPlanner, pl::IDC_ARMATURE_UNIT, Units(QuantityKind::Mass)},
         ListCase{"Expander", kPlanner, pl::IDC_EXPANDER_UNIT, Units(QuantityKind::Mass)},
         ListCase{"Fixture", kPlanner, pl::IDC_FIXTURE_UNIT, Units(QuantityKind::Mass)},
         ListCase{"Specimen", kPlanner, pl::IDC_SPECIMEN_UNIT, Units(QuantityKind::Mass)},
         ListCase{"Velocity", kPlanner, pl::IDC_VELOCITY_LIMIT_UNIT, Units(QuantityKind::Velocity)},
         ListCase{"Acceleration", kPlanner, pl::IDC_ACCELERATION_LIMIT_UNIT, Units(QuantityKind::Acceleration)}})),
    halvex_test::CaseName());

}  // namespace
