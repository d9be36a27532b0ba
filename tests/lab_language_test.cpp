// The library editor, the templates and the changed-on-disk ask in another
// language: what a person reads is translated, unit symbols and the words
// scripts answer with are not.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "lang/tr.h"
#include "planner/lab_dlg.h"
#include "planner/new_template_dlg.h"
#include "planner/templates.h"
#include "res/lab_ids.h"
#include "res/new_template_ids.h"
#include "tests/headless_script.h"
#include "tests/in_language.h"

namespace {

using halvex_test::Ctl;
using halvex_test::HeadlessWindow;
using halvex_test::ScriptedRun;
using namespace res::lab_dlg;

// Also keeps the choices asked, with their buttons.
class ChoiceRun : public ScriptedRun {
public:
    void OnChoice(std::string_view text, const std::vector<std::string>& offered, std::size_t /*chosen*/) override {
        choices.emplace_back(text);
        buttons = offered;
    }
    std::vector<std::string> choices;
    std::vector<std::string> buttons;  // of the last choice
};

std::string Contents(const std::string& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

bool HasStatic(const HeadlessWindow& w, const std::string& text) {
    for (const ui::ControlState& control : w.Controls()) {
        if (control.kind == res::ControlKind::Static && control.text == text) return true;
    }
    return false;
}

TEST(LabEditorInGerman, ShowsGermanTextsAndKeepsUnitSymbols) {
    const halvex_test::InLanguage german(lang::Language::German);
    ScriptedRun run;
    CLabDlg dialog("");
    run.Then([&](HeadlessWindow& w) {
        EXPECT_EQ(w.Template().caption, std::string("Geräteverzeichnis"));
        EXPECT_EQ(w.Title(), "Unbenannt \u2014 Geräteverzeichnis");
        EXPECT_TRUE(HasStatic(w, "Nennkraft"));
        EXPECT_EQ(Ctl(w, IDC_EXPANDER_KIND).items, (std::vector<std::string>{"Kopfexpander", "Gleittisch"}));
        w.UserClick(IDC_ADD_SHAKER);
        EXPECT_EQ(Ctl(w, IDC_SHAKERS).items, std::vector<std::string>{"Schwingerreger 1"});
        const std::vector<std::string>& forceUnits = Ctl(w, IDC_RATED_FORCE_UNIT).items;
        EXPECT_NE(std::find(forceUnits.begin(), forceUnits.end(), "kN"), forceUnits.end());
        // The field is named as the window labels it, in German.
        w.UserType(IDC_RATED_FORCE, "9 m");
        EXPECT_EQ(Ctl(w, IDC_STATUS).text.rfind("Schwingerreger 1, Nennkraft: ", 0), 0u) << Ctl(w, IDC_STATUS).text;
        w.UserClick(IDC_SAVE);
        run.Backend().QueueAnswer("no");
        w.UserClose();
    });
    dialog.DoModal();
    ASSERT_EQ(run.messages.size(), 1u);
    EXPECT_EQ(run.messages[0].rfind("Das Geräteverzeichnis kann nicht gespeichert werden", 0), 0u) << run.messages[0];
}

// A script's `answer overwrite` names the button in English whatever the
// language: the question is German, its buttons stay the words it answers.
TEST(LabEditorInGerman, OverwriteIsAnsweredByItsEnglishWord) {
    const halvex_test::InLanguage german(lang::Language::German);
    const std::string path = ::testing::TempDir() + "lab_language_overwrite.halvex-lab";
    std::remove(path.c_str());
    ChoiceRun run;
    CLabDlg dialog(path);
    run.Then([&](HeadlessWindow& w) {
        w.UserClick(IDC_ADD_SHAKER);
        w.UserClick(IDC_SAVE);
        std::ofstream(path) << "{\"format\": \"halvex-lab\", \"version\": 1}\n";  // changed by someone else
        w.UserClick(IDC_ADD_SHAKER);
        run.Backend().QueueAnswer("overwrite");
        w.UserClick(IDC_SAVE);
        w.UserClose();
    });
    dialog.DoModal();
    ASSERT_EQ(run.choices.size(), 1u);
    EXPECT_EQ(run.choices[0].rfind("lab_language_overwrite.halvex-lab wurde auf dem Datenträger geändert", 0), 0u)
        << run.choices[0];
    EXPECT_EQ(run.buttons, (std::vector<std::string>{"Overwrite", "Save As...", "Cancel"}));
    EXPECT_NE(Contents(path).find("\"Schwingerreger 2\""), std::string::npos) << Contents(path);
    std::remove(path.c_str());
}

// Each shipped template's title, reference and notes are shown translated:
// a text changed in a template file without its catalogue entry is caught.
TEST(BuiltinTemplates, EveryShownTextIsTranslated) {
    for (const planner::TemplateEntry& entry : planner::Templates(nullptr)) {
        const planner::TemplateInfo& info = *entry.document.templateInfo;
        std::vector<std::string> texts{info.title};
        if (info.reference) texts.push_back(*info.reference);
        if (info.notes) texts.push_back(*info.notes);
        for (const lang::Language language : lang::kLanguages) {
            for (const std::string& text : texts) {
                EXPECT_TRUE(lang::HasTranslation(language, nullptr, text.c_str()))
                    << lang::CodeOf(language) << ": " << text;
            }
        }
    }
}

// Chinese and Japanese are written without blanks: the details still break
// into lines that fit, counting a wide character as two columns.
TEST(NewFromTemplate, DetailsWithoutBlanksAreBrokenToFit) {
    planner::TemplateEntry entry;
    entry.id = "zh";
    entry.builtIn = false;
    entry.document.templateInfo = planner::TemplateInfo{};
    entry.document.templateInfo->id = "zh";
    entry.document.templateInfo->title = "扫频";
    std::string notes;
    for (int i = 0; i < 100; ++i) notes += "共振";  // 200 characters, 400 columns
    entry.document.templateInfo->notes = notes;
    ScriptedRun run;
    CNewTemplateDlg dialog({entry});
    std::string details;
    run.Then([&](HeadlessWindow& w) {
        details = Ctl(w, res::new_template_dlg::IDC_TEMPLATE_DETAILS).text;
        w.UserEscape();
    });
    dialog.DoModal();
    std::size_t columns = 0, widest = 0, lines = 1;
    for (std::size_t i = 0; i < details.size(); ++i) {
        const auto byte = static_cast<unsigned char>(details[i]);
        if (details[i] == '\n') {
            columns = 0;
            ++lines;
        } else if (byte >= 0xE0) {
            columns += 2;  // every three-byte character here is a wide one
        } else if (byte < 0x80) {
            ++columns;
        }
        widest = std::max(widest, columns);
    }
    EXPECT_LE(widest, 140u) << details;
    EXPECT_GE(lines, 3u) << details;
}

}  // namespace
