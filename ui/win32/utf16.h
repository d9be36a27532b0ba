#pragma once

#include <string>
#include <string_view>

// UTF-8 inside the program, UTF-16 at the Windows API: converted at the
// boundary only. Bytes that are not UTF-8, and lone surrogates, become
// U+FFFD.
namespace ui::win32 {

std::wstring Widen(std::string_view text);
std::string Narrow(std::wstring_view text);

}  // namespace ui::win32
