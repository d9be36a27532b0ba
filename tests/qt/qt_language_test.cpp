// The calculators in every language on real widgets: what they set at run
// time (the sweep's labels, the result texts) fits its control,
// and the texts Qt writes itself follow the program's language.
#include <string>
#include <vector>

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionFrame>

#include "lang/tr.h"
#include "numeric/number_text.h"
#include "puresine/pure_sine_results.h"
#include "res/dialog_template.h"
#include "res/localized_template.h"
#include "res/pure_sine_ids.h"
#include "res/resource_ids.h"
#include "res/sine_sweep_ids.h"
#include "sweep/sine_sweep_report.h"
#include "sweep/sine_sweep_tables.h"
#include "tests/in_language.h"
#include "tests/qt/qt_fixture.h"

namespace {

using halvex_test::RecordingSink;
using ui::qt::QtDialog;
namespace ss = res::sine_sweep;

// The dialog as the language lays it out.
struct Shown {
    explicit Shown(int templateId) : dialog(res::Localized(*res::FindDialogTemplate(templateId)), sink, nullptr) {
        dialog.show();
        QApplication::processEvents();
    }
    RecordingSink sink;
    QtDialog dialog;
};

// English texts, as the program passes them to lang::Tr, by the control
// that shows them.
struct RunTimeTexts {
    const char* name;
    int templateId;
    int controlId;
    std::vector<std::string> english;
};

// The widest a number of the format writes: sign, digits and exponent.
std::string Widest(const char* format) { return halvex::FormatNumber(format, -8.888888e-188); }

// The sweep's heading and labels, which it sets as the analysis and the
// input chosen change (the lists' items are checked with the templates).
std::vector<RunTimeTexts> Labels() {
    return {
        {"Heading",
         res::IDD_SINE_SWEEP,
         ss::IDC_HEADING,
         {sweep::kGivenHeading, sweep::kAmplitudePairsHeading, sweep::kRateTypeHeading}},
        {"FirstLabel",
         res::IDD_SINE_SWEEP,
         ss::IDC_LABEL1,
         {sweep::kAmplitudeFrequencyLabel, sweep::kFrequencyLabel, sweep::PairFirstLabel(0), sweep::PairFirstLabel(2),
          sweep::PairFirstLabel(4)}},
        {"ThirdLabel",
         res::IDD_SINE_SWEEP,
         ss::IDC_LABEL3,
         {sweep::kDurationLabel, sweep::GivenQuantityLabel(0), sweep::GivenQuantityLabel(1),
          sweep::GivenQuantityLabel(2), sweep::GivenQuantityLabel(3), sweep::PairSecondLabel(0),
          sweep::PairSecondLabel(1)}},
    };
}

// The formats, written with their widest number once translated.
struct FormatCase {
    int templateId;
    int controlId;
    const char* format;
};

std::vector<FormatCase> Formats() {
    std::vector<FormatCase> formats;
    for (const puresine::ResultBox& box : puresine::kResultBoxes) {
        formats.push_back({res::IDD_PURE_SINE, box.id, box.translationFormat});
        if (box.rotationFormat != nullptr) formats.push_back({res::IDD_PURE_SINE, box.id, box.rotationFormat});
    }
    for (const sweep::OutputKind* kind :
         {&sweep::kDispZeroPeakOutput, &sweep::kDispPeakPeakOutput, &sweep::kVelocityOutput,
          &sweep::kAccelerationOutput, &sweep::kFrequencyOutput, &sweep::kOctavesOutput, &sweep::kLinearRateOutput,
          &sweep::kLogRateOutput, &sweep::kCyclesOutput}) {
        formats.push_back({res::IDD_SINE_SWEEP, ss::IDC_OUTPUT1, kind->format});
    }
    return formats;
}

// The width an edit shows its text in: inside its frame and the text margins.
int TextRoom(const QLineEdit& edit) {
    QStyleOptionFrame option;
    option.initFrom(&edit);
    option.rect = edit.contentsRect();
    option.lineWidth = edit.hasFrame() ? edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &edit) : 0;
    option.midLineWidth = 0;
    option.state |= QStyle::State_Sunken;
    const QRect contents = edit.style()->subElementRect(QStyle::SE_LineEditContents, &option, &edit);
    const QMargins margins = edit.textMargins();
    return contents.width() - margins.left() - margins.right() - 2;  // a line edit keeps one pixel each side
}

class CalculatorTexts : public ::testing::TestWithParam<lang::Language> {};

TEST_P(CalculatorTexts, LabelsFitTheirBoxes) {
    const halvex_test::InLanguage language(GetParam());
    for (const RunTimeTexts& c : Labels()) {
        Shown w(c.templateId);
        const auto& edit = dynamic_cast<const QLineEdit&>(*w.dialog.Control(c.controlId));
        for (const std::string& english : c.english) {
            const char* shown = lang::Tr(english.c_str());
            EXPECT_LE(edit.fontMetrics().horizontalAdvance(QString::fromUtf8(shown)), TextRoom(edit))
                << c.name << ": " << shown;
        }
    }
}

TEST_P(CalculatorTexts, ResultsFitTheirBoxes) {
    const halvex_test::InLanguage language(GetParam());
    for (const FormatCase& c : Formats()) {
        Shown w(c.templateId);
        const auto& edit = dynamic_cast<const QLineEdit&>(*w.dialog.Control(c.controlId));
        const std::string text = Widest(lang::Tr(c.format));
        EXPECT_LE(edit.fontMetrics().horizontalAdvance(QString::fromUtf8(text.c_str())), TextRoom(edit))
            << c.controlId << ": " << text;
    }
}

INSTANTIATE_TEST_SUITE_P(Qt, CalculatorTexts, ::testing::ValuesIn(lang::kLanguages),
                         [](const ::testing::TestParamInfo<lang::Language>& param) {
                             return std::string(lang::CodeOf(param.param));
                         });

// Qt's own buttons and an edit's own menu come from our catalogues.
TEST(QtLanguage, QtsOwnTextsFollowTheProgramLanguage) {
    const halvex_test::InLanguage german(lang::Language::German);
    QMessageBox box(QMessageBox::Question, "Halvex", "?", QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_EQ(box.button(QMessageBox::Yes)->text().toStdString(), "&Ja");
    EXPECT_EQ(box.button(QMessageBox::Cancel)->text().toStdString(), "Abbrechen");
    QLineEdit edit;
    QMenu* menu = edit.createStandardContextMenu();
    QStringList texts;
    for (const QAction* action : menu->actions()) texts << action->text().section(QLatin1Char('\t'), 0, 0);
    delete menu;
    EXPECT_TRUE(texts.contains(QStringLiteral("&Kopieren"))) << texts.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(texts.contains(QStringLiteral("Alles auswählen"))) << texts.join(QLatin1Char('|')).toStdString();
}

}  // namespace
