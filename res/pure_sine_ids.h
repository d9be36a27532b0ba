#pragma once

namespace res::pure_sine {

constexpr int IDC_AMPLITUDE_UNIT = 1001;
constexpr int IDC_TYPE_FRAME = 1002;
constexpr int IDC_TYPE = 1003;
constexpr int IDC_DIMENSION = 1004;
constexpr int IDC_DIMENSION_FRAME = 1005;
constexpr int IDC_AMPLITUDE_FRAME = 1006;
constexpr int IDC_FREQUENCY_UNIT = 1007;
constexpr int IDC_AMPLITUDE = 1008;
constexpr int IDC_FREQUENCY = 1009;
constexpr int IDC_FREQUENCY_FRAME = 1010;
constexpr int IDC_OUTPUT_FRAME = 1011;
constexpr int IDC_CAPTION_DISP_PP = 1012;
constexpr int IDC_CAPTION_VELOCITY = 1013;
constexpr int IDC_CAPTION_ACCELERATION = 1014;
constexpr int IDC_CAPTION_DISP_ZP = 1015;

// Result edits, named by what translation shows in them.
constexpr int IDC_DISP_PP_MM = 1018;
constexpr int IDC_DISP_ZP_MM = 1023;
constexpr int IDC_DISP_PP_IN = 1024;
constexpr int IDC_DISP_ZP_IN = 1025;
constexpr int IDC_VEL_M = 1026;
constexpr int IDC_VEL_MM = 1027;
constexpr int IDC_VEL_MICRONS = 1028;
constexpr int IDC_VEL_IN = 1029;
constexpr int IDC_ACC_M = 1030;
constexpr int IDC_ACC_MM = 1031;
constexpr int IDC_ACC_IN = 1032;
constexpr int IDC_ACC_G = 1033;
constexpr int IDC_VEL_MILS = 1034;
constexpr int IDC_VEL_UIN = 1035;
constexpr int IDC_DISP_ZP_MILS = 1036;
constexpr int IDC_DISP_PP_MILS = 1037;
constexpr int IDC_DISP_ZP_UIN = 1039;
constexpr int IDC_DISP_PP_UIN = 1040;
constexpr int IDC_DISP_ZP_MICRONS = 1041;
constexpr int IDC_DISP_PP_MICRONS = 1042;

}  // namespace res::pure_sine
