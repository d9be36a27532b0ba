#pragma once

namespace res::recovery_dlg {

// What the copy is: its document, its file and when it was written.
constexpr int IDC_RECOVERY_TEXT = 1620;
// Opens the copy as the document, changed; Decide Later is IDCANCEL.
constexpr int IDC_RESTORE = 1621;
// Removes the copy.
constexpr int IDC_DISCARD = 1622;

}  // namespace res::recovery_dlg
