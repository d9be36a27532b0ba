#pragma once

namespace res::save_template_dlg {

// What the library lists the template by, and what it says of itself.
constexpr int IDC_TEMPLATE_ID = 1610;
constexpr int IDC_TEMPLATE_TITLE = 1611;
constexpr int IDC_TEMPLATE_REFERENCE = 1612;
constexpr int IDC_TEMPLATE_NOTES = 1613;
// Where it is kept, or what is missing.
constexpr int IDC_TEMPLATE_STATUS = 1614;

}  // namespace res::save_template_dlg
