#pragma once

#include <string>

// Process-wide state of the pure sine calculator. It outlives every opening
// of the dialog: zero at start-up, never reset.

// Text buffer through which the pure sine dialog reads edits and formats outputs.
extern std::string g_scratchText;
extern double g_pi;     // atan2(0, -1)
extern double g_twoPi;  // 2 * g_pi

// List selections as last read; -1 when nothing was selected.
extern int g_typeSel;
extern int g_dimensionSel;
extern int g_amplitudeUnitSel;
extern int g_frequencyUnitSel;

extern double g_frequencyValue;  // as typed, Hz or rad/s
extern double g_amplitudeValue;  // as typed, in the selected quantity and unit
extern double g_omega;           // rad/s
// Results of the last calculation that passed the checks: metres, m/s and
// m/s^2 for translation; radians, rad/s and rad/s^2 for rotation.
extern double g_zeroPeak;
extern double g_velocity;
extern double g_acceleration;
