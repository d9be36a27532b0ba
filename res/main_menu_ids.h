#pragma once

namespace res::main_menu {

constexpr int IDC_ANALYSIS_LIST = 1000;

}  // namespace res::main_menu
