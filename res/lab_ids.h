#pragma once

namespace res::lab_dlg {

// The library as a whole.
constexpr int IDC_LAB_NAME = 1401;
constexpr int IDC_GRAVITY = 1402;
constexpr int IDC_GRAVITY_UNIT = 1403;
constexpr int IDC_FIXTURE_MARGIN = 1404;
// The usable part of each rated figure, in LabDerating order.
constexpr int IDC_DERATE_FORCE = 1405;
constexpr int IDC_DERATE_STROKE = 1406;
constexpr int IDC_DERATE_VELOCITY = 1407;
constexpr int IDC_DERATE_ACCELERATION = 1408;

// The shakers, and the chosen one's fields; each quantity's unit beside it.
constexpr int IDC_SHAKERS = 1410;
constexpr int IDC_ADD_SHAKER = 1411;
constexpr int IDC_REMOVE_SHAKER = 1412;
constexpr int IDC_DUPLICATE_SHAKER = 1413;
constexpr int IDC_SHAKER_NAME = 1414;
constexpr int IDC_RATED_FORCE = 1415;
constexpr int IDC_STROKE = 1416;
constexpr int IDC_VELOCITY = 1417;
constexpr int IDC_ACCELERATION = 1418;
constexpr int IDC_ARMATURE = 1419;
constexpr int IDC_MAX_PAYLOAD = 1420;
constexpr int IDC_LOWEST_FREQUENCY = 1421;
constexpr int IDC_HIGHEST_FREQUENCY = 1422;
constexpr int IDC_RATED_FORCE_UNIT = 1425;
constexpr int IDC_STROKE_UNIT = 1426;
constexpr int IDC_VELOCITY_UNIT = 1427;
constexpr int IDC_ACCELERATION_UNIT = 1428;
constexpr int IDC_ARMATURE_UNIT = 1429;
constexpr int IDC_MAX_PAYLOAD_UNIT = 1430;
constexpr int IDC_LOWEST_FREQUENCY_UNIT = 1431;
constexpr int IDC_HIGHEST_FREQUENCY_UNIT = 1432;

// The head expanders and slip tables.
constexpr int IDC_EXPANDERS = 1440;
constexpr int IDC_ADD_EXPANDER = 1441;
constexpr int IDC_REMOVE_EXPANDER = 1442;
constexpr int IDC_DUPLICATE_EXPANDER = 1443;
constexpr int IDC_EXPANDER_NAME = 1444;
constexpr int IDC_EXPANDER_KIND = 1445;
constexpr int IDC_EXPANDER_MASS = 1446;
constexpr int IDC_EXPANDER_RESONANCE = 1447;
constexpr int IDC_EXPANDER_MASS_UNIT = 1448;
constexpr int IDC_EXPANDER_RESONANCE_UNIT = 1449;

// The fixtures.
constexpr int IDC_FIXTURES = 1460;
constexpr int IDC_ADD_FIXTURE = 1461;
constexpr int IDC_REMOVE_FIXTURE = 1462;
constexpr int IDC_DUPLICATE_FIXTURE = 1463;
constexpr int IDC_FIXTURE_NAME = 1464;
constexpr int IDC_FIXTURE_MASS = 1465;
constexpr int IDC_FIXTURE_RESONANCE = 1466;
constexpr int IDC_FIXTURE_MASS_UNIT = 1467;
constexpr int IDC_FIXTURE_RESONANCE_UNIT = 1468;

// The file, what is wrong or the file's name, and the buttons.
constexpr int IDC_STATUS = 1480;
constexpr int IDC_OPEN = 1481;
constexpr int IDC_SAVE = 1482;
constexpr int IDC_SAVE_AS = 1483;
constexpr int IDC_CLOSE = 1484;

}  // namespace res::lab_dlg
