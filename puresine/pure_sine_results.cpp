#include "puresine/pure_sine_results.h"

#include "lang/tr.h"
#include "res/pure_sine_ids.h"

namespace puresine {

using namespace res::pure_sine;
using Q = Quantity;
using F = Form;

// clang-format off
const std::array<ResultBox, 20> kResultBoxes = {{
    {IDC_DISP_PP_MM, Q::Displacement, F::PeakToPeak, 1, 0, "mm", "%12.4g mm", "rad", N_("%12.4g radians"),
     N_("Displacement peak-to-peak, millimetres or radians")},
    {IDC_DISP_ZP_MM, Q::Displacement, F::ZeroToPeak, 0, 0, "mm", "%12.4g mm", "rad", N_("%12.4g radians"),
     N_("Displacement zero-to-peak, millimetres or radians")},
    {IDC_DISP_PP_IN, Q::Displacement, F::PeakToPeak, 1, 2, "in", N_("%12.4g inches"), "deg", N_("%12.4g degrees"),
     N_("Displacement peak-to-peak, inches or degrees")},
    {IDC_DISP_ZP_IN, Q::Displacement, F::ZeroToPeak, 0, 2, "in", N_("%12.4g inches"), "deg", N_("%12.4g degrees"),
     N_("Displacement zero-to-peak, inches or degrees")},
    {IDC_DISP_PP_MILS, Q::Displacement, F::PeakToPeak, 1, 3, "mil", N_("%12.4g Mils"), nullptr, nullptr,
     N_("Displacement peak-to-peak, mils")},
    {IDC_DISP_ZP_MILS, Q::Displacement, F::ZeroToPeak, 0, 3, "mil", N_("%12.4g Mils"), nullptr, nullptr,
     N_("Displacement zero-to-peak, mils")},
    {IDC_DISP_PP_UIN, Q::Displacement, F::PeakToPeak, 1, 4, "uin", N_("%12.4g micro inch"), nullptr, nullptr,
     N_("Displacement peak-to-peak, micro inches")},
    {IDC_DISP_ZP_UIN, Q::Displacement, F::ZeroToPeak, 0, 4, "uin", N_("%12.4g micro inch"), nullptr, nullptr,
     N_("Displacement zero-to-peak, micro inches")},
    {IDC_DISP_PP_MICRONS, Q::Displacement, F::PeakToPeak, 1, 1, "um", N_("%12.4g microns"), nullptr, nullptr,
     N_("Displacement peak-to-peak, microns")},
    {IDC_DISP_ZP_MICRONS, Q::Displacement, F::ZeroToPeak, 0, 1, "um", N_("%12.4g microns"), nullptr, nullptr,
     N_("Displacement zero-to-peak, microns")},
    {IDC_VEL_M, Q::Velocity, F::ZeroToPeak, 2, 0, "m/s", N_("%12.4g meters/sec "), "rad/s", N_("%12.4g radians/sec "),
     N_("Velocity zero-to-peak, metres per second or radians per second")},
    {IDC_VEL_MM, Q::Velocity, F::ZeroToPeak, 2, 1, "mm/s", N_("%12.4g mm/sec "), "deg/s", N_("%12.4g degrees/sec "),
     N_("Velocity zero-to-peak, millimetres per second or degrees per second")},
    {IDC_VEL_MICRONS, Q::Velocity, F::ZeroToPeak, 2, 2, "um/s", N_("%12.4g microns/sec "), nullptr, nullptr,
     N_("Velocity zero-to-peak, microns per second")},
    {IDC_VEL_IN, Q::Velocity, F::ZeroToPeak, 2, 3, "in/s", N_("%12.4g inches/sec "), nullptr, nullptr,
     N_("Velocity zero-to-peak, inches per second")},
    {IDC_VEL_MILS, Q::Velocity, F::ZeroToPeak, 2, 4, "mil/s", N_("%12.4g Mils/sec "), nullptr, nullptr,
     N_("Velocity zero-to-peak, mils per second")},
    {IDC_VEL_UIN, Q::Velocity, F::ZeroToPeak, 2, 5, "uin/s", N_("%12.4g micro inches/sec "), nullptr, nullptr,
     N_("Velocity zero-to-peak, micro inches per second")},
    {IDC_ACC_M, Q::Acceleration, F::ZeroToPeak, 3, 0, "m/s^2", N_("%12.4g meters/sec^2"), "rad/s^2",
     N_("%12.4g radians/sec^2"),
     N_("Acceleration zero-to-peak, metres per second squared or radians per second squared")},
    {IDC_ACC_MM, Q::Acceleration, F::ZeroToPeak, 3, 1, "mm/s^2", N_("%12.4g mm/sec^2"), "deg/s^2",
     N_("%12.4g degrees/sec^2"),
     N_("Acceleration zero-to-peak, millimetres per second squared or degrees per second squared")},
    {IDC_ACC_IN, Q::Acceleration, F::ZeroToPeak, 3, 2, "in/s^2", N_("%12.4g inches/sec^2"), nullptr, nullptr,
     N_("Acceleration zero-to-peak, inches per second squared")},
    {IDC_ACC_G, Q::Acceleration, F::ZeroToPeak, 3, 3, "g", "%12.4g G", nullptr, nullptr,
     N_("Acceleration zero-to-peak, G")},
}};
// clang-format on

const ResultBox* FindResultBox(int id) {
    for (const ResultBox& box : kResultBoxes) {
        if (box.id == id) return &box;
    }
    return nullptr;
}

const char* QuantityName(Quantity quantity) {
    switch (quantity) {
        case Quantity::Displacement:
            return "displacement";
        case Quantity::Velocity:
            return "velocity";
        case Quantity::Acceleration:
            return "acceleration";
    }
    return "";
}

const char* FormName(Form form) { return form == Form::PeakToPeak ? "peak-to-peak" : "zero-to-peak"; }

}  // namespace puresine
