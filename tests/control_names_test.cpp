// The names halvex-drive's scripts give controls: every control of every
// template has one on its dialog, and every id constant of the headers is
// named with the value written there. And the one table of the values the
// ids were given.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "res/control_names.h"
#include "res/dialog_template.h"
#include "res/main_menu_ids.h"
#include "res/planner_ids.h"
#include "res/pure_sine_ids.h"
#include "res/resource_ids.h"
#include "res/sine_sweep_ids.h"

namespace {

constexpr int kDialogs[] = {
    res::IDD_ABOUT, res::IDD_MAIN_MENU,         res::IDD_PURE_SINE,        res::IDD_SINE_SWEEP,     res::IDD_PLANNER,
    res::IDD_LAB,   res::IDD_NEW_FROM_TEMPLATE, res::IDD_SAVE_AS_TEMPLATE, res::IDD_REPORT_DETAILS, res::IDD_RECOVERY};

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
                              {"lab_ids.h", res::IDD_LAB},
                              {"new_template_ids.h", res::IDD_NEW_FROM_TEMPLATE},
                              {"save_template_ids.h", res::IDD_SAVE_AS_TEMPLATE},
                              {"report_details_ids.h", res::IDD_REPORT_DETAILS},
                              {"recovery_ids.h", res::IDD_RECOVERY},
                              // IDOK and IDCANCEL, which every dialog shares
                              {"resource_ids.h", res::IDD_ABOUT},
                              {"resource_ids.h", res::IDD_PLANNER}};
    // Menu commands (IDM_) are named for the menu command of a script.
    const std::regex constant(R"(\b(IDC_\w+|IDM_\w+|IDOK|IDCANCEL)\s*=\s*(\d+)\s*;)");
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
            const std::string name = (*match)[1].str();
            const bool command = name.rfind("IDM_", 0) == 0;
            EXPECT_TRUE(command ? res::FindCommandId(header.dialogId, name, id)
                                : res::FindControlId(header.dialogId, name, id))
                << header.file << ": " << (*match)[1];
            EXPECT_EQ(id, std::stoi((*match)[2].str())) << header.file << ": " << (*match)[1];
        }
        EXPECT_GT(constants, 0) << header.file;
    }
}

// Tests and scripts spell the ids by name, so a value changed in a header
// would pass them all: this is where it shows.
TEST(ResourceIds, KeepTheirGivenValues) {
    namespace mm = res::main_menu;
    namespace ps = res::pure_sine;
    namespace ss = res::sine_sweep;
    namespace pd = res::planner_dlg;
    struct Id {
        const char* name;
        long long value, given;
    };
#define HALVEX_GIVEN(space, name, given) \
    Id { #space "::" #name, space::name, given }
    // clang-format off
    const Id ids[] = {
        HALVEX_GIVEN(res, IDOK, 1), HALVEX_GIVEN(res, IDCANCEL, 2), HALVEX_GIVEN(res, IDD_ABOUT, 100),
        HALVEX_GIVEN(res, IDS_ABOUT_ITEM, 101), HALVEX_GIVEN(res, IDD_MAIN_MENU, 102),
        HALVEX_GIVEN(res, IDR_MAINFRAME, 128), HALVEX_GIVEN(res, IDD_PURE_SINE, 129),
        HALVEX_GIVEN(res, IDD_SINE_SWEEP, 130), HALVEX_GIVEN(res, IDD_PLANNER, 131),
        HALVEX_GIVEN(res, IDR_PLANNER, 132), HALVEX_GIVEN(res, IDM_ABOUT, 0x0010),
        HALVEX_GIVEN(res, IDM_COPY_ALL_RESULTS, 0x8001),

        HALVEX_GIVEN(mm, IDC_ANALYSIS_LIST, 1000),

        HALVEX_GIVEN(ps, IDC_AMPLITUDE_UNIT, 1001), HALVEX_GIVEN(ps, IDC_TYPE_FRAME, 1002),
        HALVEX_GIVEN(ps, IDC_TYPE, 1003), HALVEX_GIVEN(ps, IDC_DIMENSION, 1004),
        HALVEX_GIVEN(ps, IDC_DIMENSION_FRAME, 1005), HALVEX_GIVEN(ps, IDC_AMPLITUDE_FRAME, 1006),
        HALVEX_GIVEN(ps, IDC_FREQUENCY_UNIT, 1007), HALVEX_GIVEN(ps, IDC_AMPLITUDE, 1008),
        HALVEX_GIVEN(ps, IDC_FREQUENCY, 1009), HALVEX_GIVEN(ps, IDC_FREQUENCY_FRAME, 1010),
        HALVEX_GIVEN(ps, IDC_OUTPUT_FRAME, 1011), HALVEX_GIVEN(ps, IDC_CAPTION_DISP_PP, 1012),
        HALVEX_GIVEN(ps, IDC_CAPTION_VELOCITY, 1013), HALVEX_GIVEN(ps, IDC_CAPTION_ACCELERATION, 1014),
        HALVEX_GIVEN(ps, IDC_CAPTION_DISP_ZP, 1015), HALVEX_GIVEN(ps, IDC_DISP_PP_MM, 1018),
        HALVEX_GIVEN(ps, IDC_DISP_ZP_MM, 1023), HALVEX_GIVEN(ps, IDC_DISP_PP_IN, 1024),
        HALVEX_GIVEN(ps, IDC_DISP_ZP_IN, 1025), HALVEX_GIVEN(ps, IDC_VEL_M, 1026),
        HALVEX_GIVEN(ps, IDC_VEL_MM, 1027), HALVEX_GIVEN(ps, IDC_VEL_MICRONS, 1028),
        HALVEX_GIVEN(ps, IDC_VEL_IN, 1029), HALVEX_GIVEN(ps, IDC_ACC_M, 1030),
        HALVEX_GIVEN(ps, IDC_ACC_MM, 1031), HALVEX_GIVEN(ps, IDC_ACC_IN, 1032),
        HALVEX_GIVEN(ps, IDC_ACC_G, 1033), HALVEX_GIVEN(ps, IDC_VEL_MILS, 1034),
        HALVEX_GIVEN(ps, IDC_VEL_UIN, 1035), HALVEX_GIVEN(ps, IDC_DISP_ZP_MILS, 1036),
        HALVEX_GIVEN(ps, IDC_DISP_PP_MILS, 1037), HALVEX_GIVEN(ps, IDC_DISP_ZP_UIN, 1039),
        HALVEX_GIVEN(ps, IDC_DISP_PP_UIN, 1040), HALVEX_GIVEN(ps, IDC_DISP_ZP_MICRONS, 1041),
        HALVEX_GIVEN(ps, IDC_DISP_PP_MICRONS, 1042),

        HALVEX_GIVEN(ss, IDC_OUTPUT_FRAME, 1011), HALVEX_GIVEN(ss, IDC_ANALYSIS_FRAME, 1015),
        HALVEX_GIVEN(ss, IDC_ANALYSIS, 1016), HALVEX_GIVEN(ss, IDC_INPUT_LIST, 1017),
        HALVEX_GIVEN(ss, IDC_INPUT_FRAME, 1018), HALVEX_GIVEN(ss, IDC_INPUT1, 1019),
        HALVEX_GIVEN(ss, IDC_INPUT2, 1020), HALVEX_GIVEN(ss, IDC_INPUT3, 1021),
        HALVEX_GIVEN(ss, IDC_HEADING, 1022), HALVEX_GIVEN(ss, IDC_LABEL1, 1023),
        HALVEX_GIVEN(ss, IDC_LABEL3, 1024), HALVEX_GIVEN(ss, IDC_OUTPUT1, 1025),
        HALVEX_GIVEN(ss, IDC_MARK1, 1026), HALVEX_GIVEN(ss, IDC_MARK2, 1027),
        HALVEX_GIVEN(ss, IDC_OUTPUT2, 1029), HALVEX_GIVEN(ss, IDC_OUTPUT3, 1030),
        HALVEX_GIVEN(ss, IDC_OUTPUT4, 1031),

        HALVEX_GIVEN(pd, IDC_PROFILE, 1201), HALVEX_GIVEN(pd, IDC_ADD, 1202),
        HALVEX_GIVEN(pd, IDC_REMOVE, 1203), HALVEX_GIVEN(pd, IDC_MOVE_UP, 1204),
        HALVEX_GIVEN(pd, IDC_MOVE_DOWN, 1205), HALVEX_GIVEN(pd, IDC_GRAVITY, 1212),
        HALVEX_GIVEN(pd, IDC_GRAVITY_UNIT, 1213), HALVEX_GIVEN(pd, IDC_SWEEP_TYPE, 1220),
        HALVEX_GIVEN(pd, IDC_SWEEP_MODE, 1221), HALVEX_GIVEN(pd, IDC_RATE, 1222),
        HALVEX_GIVEN(pd, IDC_RATE_RESULT, 1225),
        HALVEX_GIVEN(pd, IDC_SWEEPS, 1223), HALVEX_GIVEN(pd, IDC_AXES, 1224),
        HALVEX_GIVEN(pd, IDC_FORCE, 1230), HALVEX_GIVEN(pd, IDC_FRACTION, 1231),
        HALVEX_GIVEN(pd, IDC_ARMATURE, 1232), HALVEX_GIVEN(pd, IDC_EXPANDER, 1233),
        HALVEX_GIVEN(pd, IDC_FIXTURE, 1234), HALVEX_GIVEN(pd, IDC_SPECIMEN, 1235),
        HALVEX_GIVEN(pd, IDC_STROKE, 1236), HALVEX_GIVEN(pd, IDC_VELOCITY_LIMIT, 1237),
        HALVEX_GIVEN(pd, IDC_ACCELERATION_LIMIT, 1238), HALVEX_GIVEN(pd, IDC_CHART, 1250),
        HALVEX_GIVEN(pd, IDC_RESULTS, 1251), HALVEX_GIVEN(pd, IDC_STATUS, 1252),
        HALVEX_GIVEN(pd, IDM_NEW, 1260), HALVEX_GIVEN(pd, IDM_OPEN, 1261),
        HALVEX_GIVEN(pd, IDM_SAVE, 1262), HALVEX_GIVEN(pd, IDM_SAVE_AS, 1263),
        HALVEX_GIVEN(pd, IDM_EXPORT_CHART, 1264), HALVEX_GIVEN(pd, IDM_EXPORT_RESULTS, 1265),
        HALVEX_GIVEN(pd, IDM_CLOSE, 1266), HALVEX_GIVEN(pd, IDM_UNDO, 1290),
        HALVEX_GIVEN(pd, IDM_REDO, 1291), HALVEX_GIVEN(pd, IDM_MANUAL, 1292),
        HALVEX_GIVEN(pd, IDM_ABOUT_PLANNER, 1293), HALVEX_GIVEN(pd, IDM_PASTE_PROFILE, 1294),
        HALVEX_GIVEN(pd, IDC_QUERY_TIME, 1270), HALVEX_GIVEN(pd, IDC_QUERY_FREQUENCY, 1271),
        HALVEX_GIVEN(pd, IDC_QUERY_RESONANCE, 1272), HALVEX_GIVEN(pd, IDC_QUERY_Q, 1273),
        HALVEX_GIVEN(pd, IDC_QUERY_ANSWERS, 1274),
    };
    // clang-format on
#undef HALVEX_GIVEN
    for (const Id& id : ids) EXPECT_EQ(id.value, id.given) << id.name;
}

}  // namespace
