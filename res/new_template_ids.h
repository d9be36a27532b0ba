#pragma once

namespace res::new_template_dlg {

// The templates, built-in and the library's, a line each (title and
// reference); the chosen one's profile and what it says of itself below.
constexpr int IDC_TEMPLATES = 1605;
constexpr int IDC_TEMPLATE_PROFILE = 1606;
constexpr int IDC_TEMPLATE_DETAILS = 1607;

}  // namespace res::new_template_dlg
