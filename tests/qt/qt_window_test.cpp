// The backend's contract, on real widgets with a recording sink: the user's
// actions are reported, exactly once each; the program's changes never.
#include <functional>

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "case_name.h"
#include "dialog_template.h"
#include "qt_fixture.h"

namespace {

using halvex_test::Command;
using halvex_test::RecordingSink;
using halvex_test::Report;
using ui::qt::QtDialog;

constexpr int kPureSine = 129;
constexpr int kMainMenu = 102;
constexpr int kType = 1003;
constexpr int kAmplitudeUnit = 1001;
constexpr int kAmplitude = 1008;
constexpr int kResult = 1018;

class ShownDialog {
public:
    explicit ShownDialog(int templateId) : dialog(*res::FindDialogTemplate(templateId), sink, nullptr) {
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
    std::function<void(ShownDialog&)> act;  // after the program has filled list 1003 (dialog 129)
    std::vector<Report> reports;
    int typeSelection;  // of list 1003 afterwards, or -2 when not checked
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
    {"ProgramChangesRaiseNothing", kPureSine,
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
     {}, -1},
    {"ClickOnAnItem", kPureSine, [](ShownDialog& w) { halvex_test::ChooseItem(w.dialog, kType, 1); },
     {Command(kType, ui::LBN_SELCHANGE)}, 1},
    {"ClickOnTheSelectedItemIsAChoiceAgain", kPureSine,
     [](ShownDialog& w) {
         w.dialog.ListSetCurSel(kType, 1);
         halvex_test::ChooseItem(w.dialog, kType, 1);
     },
     {Command(kType, ui::LBN_SELCHANGE)}, 1},
    {"ControlClickCannotClearTheSelection", kPureSine,
     [](ShownDialog& w) {
         w.dialog.ListSetCurSel(kType, 1);
         halvex_test::ChooseItem(w.dialog, kType, 1, Qt::ControlModifier);
     },
     {Command(kType, ui::LBN_SELCHANGE)}, 1},
    {"ClickBesideTheItemsChangesNothing", kPureSine,
     [](ShownDialog& w) {
         w.dialog.ListSetCurSel(kType, 0);
         QWidget* viewport = w.List(kType).viewport();
         QTest::mouseClick(viewport, Qt::LeftButton, {}, QPoint(viewport->width() / 2, viewport->height() - 2));
     },
     {}, 0},
    {"ArrowKeyMovesTheSelection", kPureSine,
     [](ShownDialog& w) {
         w.dialog.ListSetCurSel(kType, 0);
         w.List(kType).setFocus();
         QTest::keyClick(&w.List(kType), Qt::Key_Down);
     },
     {Command(kType, ui::LBN_SELCHANGE)}, 1},
    {"ArrowKeyAtTheEndChangesNothing", kPureSine,
     [](ShownDialog& w) {
         w.dialog.ListSetCurSel(kType, 0);
         w.List(kType).setFocus();
         QTest::keyClick(&w.List(kType), Qt::Key_Up);
     },
     {}, 0},
    {"FocusAloneSelectsNothing", kPureSine,
     [](ShownDialog& w) {
         w.dialog.ListInsert(kAmplitudeUnit, 0, "micro inches");
         w.dialog.ListInsert(kAmplitudeUnit, 1, "Mils");
         w.Widget(ui::IDCANCEL).setFocus();
         QTest::keyClick(&w.Widget(ui::IDCANCEL), Qt::Key_Tab);
         EXPECT_EQ(w.dialog.focusWidget(), &w.Widget(kAmplitudeUnit));
         EXPECT_EQ(w.dialog.ListGetCurSel(kAmplitudeUnit), -1);
     },
     {}, -1},
    {"EveryKeyTypedIsOneChange", kPureSine,
     [](ShownDialog& w) {
         halvex_test::Type(w.dialog, kAmplitude, QStringLiteral("12"));
         QTest::keyClick(&w.Widget(kAmplitude), Qt::Key_Backspace);
         EXPECT_EQ(halvex_test::Text(w.dialog, kAmplitude), "1");
     },
     {Command(kAmplitude, ui::EN_CHANGE), Command(kAmplitude, ui::EN_CHANGE), Command(kAmplitude, ui::EN_CHANGE)},
     -1},
    {"ReadOnlyEditTakesNoTyping", kPureSine,
     [](ShownDialog& w) {
         w.dialog.SetControlText(kResult, "  25.4 mm");
         halvex_test::Type(w.dialog, kResult, QStringLiteral("9"));
         EXPECT_EQ(halvex_test::Text(w.dialog, kResult), "  25.4 mm");
     },
     {}, -1},
    {"ButtonClick", kPureSine, [](ShownDialog& w) { halvex_test::Click(w.dialog, ui::IDCANCEL); },
     {Command(ui::IDCANCEL, ui::BN_CLICKED)}, -1},
    {"EnterInAnEditIsTheDefaultButton", kPureSine,
     [](ShownDialog& w) {
         w.Widget(kAmplitude).setFocus();
         QTest::keyClick(&w.Widget(kAmplitude), Qt::Key_Return);
     },
     {Command(ui::IDOK, ui::BN_CLICKED)}, -1},
    {"EnterOnAButtonPressesThatButton", kPureSine,
     [](ShownDialog& w) {
         w.Widget(ui::IDCANCEL).setFocus();
         QTest::keyClick(&w.Widget(ui::IDCANCEL), Qt::Key_Enter, Qt::KeypadModifier);
     },
     {Command(ui::IDCANCEL, ui::BN_CLICKED)}, -1},
    {"EnterOnAListWithoutDefaultButtonIsOk", kMainMenu,
     [](ShownDialog& w) {
         w.Widget(1000).setFocus();
         QTest::keyClick(&w.Widget(1000), Qt::Key_Return);
     },
     {Command(ui::IDOK, ui::BN_CLICKED)}, -2},
    {"EscapeIsCancel", kPureSine, [](ShownDialog& w) { QTest::keyClick(&w.Widget(kType), Qt::Key_Escape); },
     {Command(ui::IDCANCEL, ui::BN_CLICKED)}, -1},
    {"CloseBoxAsksTheDialog", kPureSine,
     [](ShownDialog& w) {
         w.dialog.close();
         EXPECT_TRUE(w.dialog.isVisible());  // only ending the run closes it
     },
     {Report{ui::WM_CLOSE, 0, 0}}, -1},
};

INSTANTIATE_TEST_SUITE_P(Qt, BackendContract, ::testing::ValuesIn(kContractCases), halvex_test::CaseName());

}  // namespace
