#pragma once

#include <functional>
#include <string>

namespace planner {

// The whole file; false for a file that cannot be opened or read, a
// directory included.
bool ReadTextFile(const std::string& path, std::string& text);

// Called when the new text is whole in the temporary file, before it
// replaces the old one; returning false stops there, as a crash would.
using BeforeReplace = std::function<bool(const std::string& temporaryPath)>;

// Writes the text to a temporary file beside path, then renames it over
// path, so that path holds either the old text or the new, never part of
// one. False with a message naming the file when it cannot.
bool WriteFileReplacing(const std::string& path, const std::string& text, std::string& message,
                        const BeforeReplace& beforeReplace = nullptr);

}  // namespace planner
