#include "puresine/pure_sine_state.h"

#include <cmath>

// Defined in start-up order: the text buffer, then pi, then two pi.
std::string g_scratchText;
double g_pi = std::atan2(0.0, -1.0);
double g_twoPi = 2.0 * g_pi;

int g_typeSel = 0;
int g_dimensionSel = 0;
int g_amplitudeUnitSel = 0;
int g_frequencyUnitSel = 0;

double g_frequencyValue = 0.0;
double g_amplitudeValue = 0.0;
double g_omega = 0.0;
double g_zeroPeak = 0.0;
double g_velocity = 0.0;
double g_acceleration = 0.0;
