#pragma once

namespace halvex::win32 {

// A windowed program has no console of its own: its answers to the command
// line go to the console it was started from, unless they are redirected.
void UseParentConsole();

}  // namespace halvex::win32
