#pragma once

#include <string>

// Edits the library in path over the window that calls it, until the user
// closes the editor.
void EditLabLibrary(const std::string& path);
