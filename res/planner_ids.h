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

}  // namespace res::planner_dlg
