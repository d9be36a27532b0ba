#pragma once

namespace res::planner_dlg {

// The profile: a grid with a row per segment (planner::ProfileColumn).
constexpr int IDC_PROFILE = 1201;
constexpr int IDC_ADD = 1202;
constexpr int IDC_REMOVE = 1203;
constexpr int IDC_MOVE_UP = 1204;
constexpr int IDC_MOVE_DOWN = 1205;
// The gravity a level in g is in, and its unit.
constexpr int IDC_GRAVITY = 1212;
constexpr int IDC_GRAVITY_UNIT = 1213;

constexpr int IDC_SWEEP_TYPE = 1220;
constexpr int IDC_SWEEP_MODE = 1221;
constexpr int IDC_RATE = 1222;         // a rate, or a time per pass
constexpr int IDC_RATE_RESULT = 1225;  // the time per pass of a rate, the rate of a time per pass
constexpr int IDC_SWEEPS = 1223;
constexpr int IDC_AXES = 1224;

// The sweep's dwells: the list, and the chosen dwell's fields below it.
constexpr int IDC_DWELLS = 1280;
constexpr int IDC_ADD_DWELL = 1281;
constexpr int IDC_REMOVE_DWELL = 1282;
constexpr int IDC_DWELL_FREQUENCY_LABEL = 1283;
constexpr int IDC_DWELL_FREQUENCY = 1284;  // Hz
constexpr int IDC_DWELL_TIME_LABEL = 1285;
constexpr int IDC_DWELL_TIME = 1286;
constexpr int IDC_DWELL_TIME_UNIT = 1287;

// The test sequence: the runs, and the chosen run's kind and fields below
// them. A run's fields are four slots whose labels, units and meaning its
// kind gives (planner::RunSlotLabel), and its level.
constexpr int IDC_RUNS = 1300;
constexpr int IDC_ADD_RUN = 1301;
constexpr int IDC_REMOVE_RUN = 1302;
constexpr int IDC_MOVE_RUN_UP = 1303;
constexpr int IDC_MOVE_RUN_DOWN = 1304;
constexpr int IDC_RUN_KIND = 1305;
constexpr int IDC_RUN_TYPE = 1306;  // a search's sweep type and mode
constexpr int IDC_RUN_MODE = 1307;
constexpr int IDC_RUN_LABEL1 = 1310;
constexpr int IDC_RUN_LABEL2 = 1311;
constexpr int IDC_RUN_LABEL3 = 1312;
constexpr int IDC_RUN_LABEL4 = 1313;
constexpr int IDC_RUN_FIELD1 = 1314;
constexpr int IDC_RUN_FIELD2 = 1315;
constexpr int IDC_RUN_FIELD3 = 1316;
constexpr int IDC_RUN_FIELD4 = 1317;
constexpr int IDC_RUN_UNIT1 = 1318;
constexpr int IDC_RUN_UNIT2 = 1319;
constexpr int IDC_RUN_UNIT3 = 1320;
constexpr int IDC_RUN_UNIT4 = 1321;
constexpr int IDC_RUN_LEVEL_SOURCE = 1322;  // profile, fraction, own level
constexpr int IDC_RUN_LEVEL = 1323;         // the fraction, or the own level's number
constexpr int IDC_RUN_LEVEL_KIND = 1324;
constexpr int IDC_RUN_LEVEL_UNIT = 1325;

constexpr int IDC_FORCE = 1230;
constexpr int IDC_FRACTION = 1231;
constexpr int IDC_ARMATURE = 1232;  // the four masses in document order
constexpr int IDC_EXPANDER = 1233;
constexpr int IDC_FIXTURE = 1234;
constexpr int IDC_SPECIMEN = 1235;
constexpr int IDC_STROKE = 1236;
constexpr int IDC_VELOCITY_LIMIT = 1237;
constexpr int IDC_ACCELERATION_LIMIT = 1238;
// Each shaker quantity's unit, in a list beside it.
constexpr int IDC_FORCE_UNIT = 1240;
constexpr int IDC_ARMATURE_UNIT = 1241;
constexpr int IDC_EXPANDER_UNIT = 1242;
constexpr int IDC_FIXTURE_UNIT = 1243;
constexpr int IDC_SPECIMEN_UNIT = 1244;
constexpr int IDC_STROKE_UNIT = 1245;
constexpr int IDC_VELOCITY_LIMIT_UNIT = 1246;
constexpr int IDC_ACCELERATION_LIMIT_UNIT = 1247;

// Which shaker? The library's shakers ranked for the plan, a row each
// (a note when there are none); choosing one puts it into the plan. The
// library's expanders and fixtures to choose for the plan beside it.
constexpr int IDC_RANKING = 1331;
constexpr int IDC_LAB_EXPANDER = 1332;
constexpr int IDC_LAB_FIXTURE = 1333;

constexpr int IDC_CHART = 1250;
constexpr int IDC_RESULTS = 1251;
constexpr int IDC_STATUS = 1252;

// Questions about the plan, not part of it: an elapsed time, a frequency,
// a resonance's natural frequency and Q; the answers below them.
constexpr int IDC_QUERY_TIME = 1270;
constexpr int IDC_QUERY_FREQUENCY = 1271;
constexpr int IDC_QUERY_RESONANCE = 1272;
constexpr int IDC_QUERY_Q = 1273;
constexpr int IDC_QUERY_ANSWERS = 1274;

// The menu bar's commands. The file commands keep the numbers of the
// buttons they were before the window had a menu.
constexpr int IDM_NEW = 1260;
constexpr int IDM_OPEN = 1261;
constexpr int IDM_SAVE = 1262;
constexpr int IDM_SAVE_AS = 1263;
constexpr int IDM_EXPORT_CHART = 1264;
constexpr int IDM_EXPORT_RESULTS = 1265;
constexpr int IDM_CLOSE = 1266;
constexpr int IDM_UNDO = 1290;
constexpr int IDM_REDO = 1291;
constexpr int IDM_MANUAL = 1292;
constexpr int IDM_ABOUT_PLANNER = 1293;
constexpr int IDM_PASTE_PROFILE = 1294;
constexpr int IDM_EQUIPMENT_LIBRARY = 1295;
constexpr int IDM_TAKE_LAB_FIGURES = 1296;
constexpr int IDM_NEW_FROM_TEMPLATE = 1600;
constexpr int IDM_SAVE_AS_TEMPLATE = 1601;
// The test plan report.
constexpr int IDM_PRINT = 1680;
constexpr int IDM_EXPORT_REPORT = 1681;
constexpr int IDM_REPORT_DETAILS = 1682;

}  // namespace res::planner_dlg
