#pragma once

namespace res::sine_sweep {

constexpr int IDC_OUTPUT_FRAME = 1011;
constexpr int IDC_ANALYSIS_FRAME = 1015;
constexpr int IDC_ANALYSIS = 1016;
constexpr int IDC_INPUT_LIST = 1017;
constexpr int IDC_INPUT_FRAME = 1018;
constexpr int IDC_INPUT1 = 1019;   // frequency 1, or the first amplitude
constexpr int IDC_INPUT2 = 1020;   // frequency 2
constexpr int IDC_INPUT3 = 1021;   // amplitude, second amplitude or duration
constexpr int IDC_HEADING = 1022;  // heading above the input list
constexpr int IDC_LABEL1 = 1023;   // label above input 1
constexpr int IDC_LABEL3 = 1024;   // label above input 3
constexpr int IDC_OUTPUT1 = 1025;
constexpr int IDC_MARK1 = 1026;
constexpr int IDC_MARK2 = 1027;
constexpr int IDC_OUTPUT2 = 1029;
constexpr int IDC_OUTPUT3 = 1030;
constexpr int IDC_OUTPUT4 = 1031;

}  // namespace res::sine_sweep
