#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ui {

// Where a page of the manual is installed, in the order looked at: beside the
// program (the Windows installer puts it there), then in the package's
// documents (/usr/bin -> /usr/share/doc/halvex).
std::vector<std::string> ManualPlaces(const std::string& programDirectory, std::string_view page);

// Opens the first of those places that holds the page in the desktop's
// browser; where none does, the user learns where it was looked for.
void OpenManual(std::string_view page);

}  // namespace ui
