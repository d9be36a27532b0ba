// The names halvex-drive's scripts give controls: every control of every
// template has one on its dialog, and every id constant of the headers is
// named with the value written there.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "res/control_names.h"
#include "res/dialog_template.h"
#include "res/resource_ids.h"

namespace {

constexpr int kDialogs[] = {res::IDD_ABOUT, res::IDD_MAIN_MENU, res::IDD_PURE_SINE, res::IDD_SINE_SWEEP,
                            res::IDD_PLANNER};

TEST(ControlNames, EveryControlOfATemplateHasOneNameOnItsDialogAndNoOther) {
    for (const int dialogId : kDialogs) {
        SCOPED_TRACE("dialog " + std::to_string(dialogId));
        const res::DialogTemplate& dialog = *res::FindDialogTemplate(dialogId);
        const std::vector<res::ControlName> names = res::ControlNamesOf(dialogId);
        std::set<std::string> seen;
        for (const res::ControlName& name : names) {
            EXPECT_TRUE(seen.insert(name.name).second) << name.name << " twice";
            // A dialog's own names are of its own controls: a header given to
            // the wrong dialog would name controls it does not have.
            if (std::string(name.name).rfind("IDC_", 0) == 0) {
                EXPECT_NE(dialog.Find(name.id), nullptr) << name.name;
            }
        }
        for (const res::ControlTemplate& control : dialog) {
            if (control.id == res::kNoId) continue;
            int named = 0;
            for (const res::ControlName& name : names) {
                if (name.id != control.id) continue;
                ++named;
                int found = 0;
                EXPECT_TRUE(res::FindControlId(dialogId, name.name, found) && found == control.id) << name.name;
            }
            EXPECT_EQ(named, 1) << "control " << control.id;
        }
    }
}

// Read from the headers' text, so that a constant the generator did not
// recognise is missed here rather than silently.
TEST(ControlNames, EveryIdConstantOfTheHeadersIsNamedWithItsValue) {
    struct Header {
        const char* file;
        int dialogId;
    };
    const Header headers[] = {{"main_menu_ids.h", res::IDD_MAIN_MENU},
                              {"pure_sine_ids.h", res::IDD_PURE_SINE},
                              {"sine_sweep_ids.h", res::IDD_SINE_SWEEP},
                              {"planner_ids.h", res::IDD_PLANNER},
                              // IDOK and IDCANCEL, which every dialog shares
                              {"resource_ids.h", res::IDD_ABOUT},
                              {"resource_ids.h", res::IDD_PLANNER}};
    const std::regex constant(R"(\b(IDC_\w+|IDOK|IDCANCEL)\s*=\s*(\d+))");
    for (const Header& header : headers) {
        std::ifstream file(std::string(HALVEX_SOURCE_DIR) + "/res/" + header.file);
        ASSERT_TRUE(file) << header.file;
        std::stringstream text;
        text << file.rdbuf();
        const std::string source = text.str();
        int constants = 0;
        for (auto match = std::sregex_iterator(source.begin(), source.end(), constant); match != std::sregex_iterator();
             ++match) {
            ++constants;
            int id = 0;
            EXPECT_TRUE(res::FindControlId(header.dialogId, (*match)[1].str(), id))
                << header.file << ": " << (*match)[1];
            EXPECT_EQ(id, std::stoi((*match)[2].str())) << header.file << ": " << (*match)[1];
        }
        EXPECT_GT(constants, 0) << header.file;
    }
}

}  // namespace
