#pragma once

namespace res::report_details {

// The report's own fields, as a plan keeps them.
constexpr int IDC_REPORT_TITLE = 1690;
constexpr int IDC_REPORT_SPECIMEN = 1691;
constexpr int IDC_REPORT_CUSTOMER = 1692;
constexpr int IDC_REPORT_REFERENCE = 1693;  // the standard or test procedure the test follows
constexpr int IDC_REPORT_AUTHOR = 1694;
constexpr int IDC_REPORT_REVISION = 1695;
constexpr int IDC_REPORT_NOTES = 1696;
// The paper a report is laid out on when it is exported: not the plan's.
constexpr int IDC_REPORT_PAPER = 1697;

}  // namespace res::report_details
