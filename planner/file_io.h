#pragma once

#include <functional>
#include <string>

namespace planner {

// Where this user's Halvex data is kept: $XDG_DATA_HOME/halvex (by default
// ~/.local/share/halvex) on Linux, %APPDATA%\Halvex on Windows; empty when
// the system names no such place. It may not exist yet.
std::string UserDataDirectory();

// The separator of the system's own paths: '\\' on Windows, '/' elsewhere.
#ifdef _WIN32
constexpr char kSeparator = '\\';
#else
constexpr char kSeparator = '/';
#endif

// True when something is at path.
bool FileExists(const std::string& path);

// Makes the directory and those above it that are missing; true when it is
// there at the end.
bool MakeDirectories(const std::string& path);

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
