#pragma once

namespace res::planner_dlg {

constexpr int IDC_SEGMENTS = 1201;
constexpr int IDC_ADD = 1202;
constexpr int IDC_REMOVE = 1203;
constexpr int IDC_MOVE_UP = 1204;
constexpr int IDC_MOVE_DOWN = 1205;
constexpr int IDC_FROM = 1206;  // Hz, or "auto"
constexpr int IDC_TO = 1207;
constexpr int IDC_KIND = 1208;
constexpr int IDC_UNIT = 1209;
constexpr int IDC_VALUE = 1210;
constexpr int IDC_END_VALUE = 1211;  // empty for a constant level

constexpr int IDC_SWEEP_TYPE = 1220;
constexpr int IDC_SWEEP_MODE = 1221;
constexpr int IDC_RATE = 1222;  // a rate, or a time per pass
constexpr int IDC_SWEEPS = 1223;
constexpr int IDC_AXES = 1224;

constexpr int IDC_FORCE = 1230;
constexpr int IDC_FRACTION = 1231;
constexpr int IDC_ARMATURE = 1232;  // the four masses in document order
constexpr int IDC_EXPANDER = 1233;
constexpr int IDC_FIXTURE = 1234;
constexpr int IDC_SPECIMEN = 1235;
constexpr int IDC_STROKE = 1236;
constexpr int IDC_VELOCITY_LIMIT = 1237;
constexpr int IDC_ACCELERATION_LIMIT = 1238;

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

constexpr int IDC_NEW = 1260;
constexpr int IDC_OPEN = 1261;
constexpr int IDC_SAVE = 1262;
constexpr int IDC_SAVE_AS = 1263;
constexpr int IDC_EXPORT_CHART = 1264;
constexpr int IDC_EXPORT_RESULTS = 1265;

}  // namespace res::planner_dlg
