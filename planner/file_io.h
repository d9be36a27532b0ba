#pragma once

#include <functional>
#include <string>
#include <vector>

namespace planner {

// Where this user's Halvex data is kept: $XDG_DATA_HOME/halvex (by default
// ~/.local/share/halvex) on Linux, %APPDATA%\Halvex on Windows; empty when
// the system names no such place. It may not exist yet.
std::string UserDataDirectory();

// Where this user's Halvex keeps state that is not a document: the recovery
// copies. $XDG_STATE_HOME/halvex (by default ~/.local/state/halvex) on Linux,
// %LOCALAPPDATA%\Halvex on Windows; empty when the system names no such place.
std::string UserStateDirectory();

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

// The names of the files in a directory, "." and ".." left out; empty when
// it cannot be read.
std::vector<std::string> ListDirectory(const std::string& path);

// False when the file is still there afterwards.
bool RemoveFile(const std::string& path);

// Creates the lock file at path if need be and locks it for as long as this
// process lives; the system lets go of it when the process ends, however it
// ends. False when it cannot be had.
bool HoldLock(const std::string& path);

// Whether a live process, this one included, holds the lock file at path.
bool LockHeld(const std::string& path);

// The lock file at path removed, unless a live process holds it.
void RemoveStaleLock(const std::string& path);

// This process's id.
long ProcessId();

// Called when the new text is whole in the temporary file, before it
// replaces the old one; returning false stops there, as a crash would.
using BeforeReplace = std::function<bool(const std::string& temporaryPath)>;

// Writes the text to a temporary file beside path, then renames it over
// path, so that path holds either the old text or the new, never part of
// one. False with a message naming the file when it cannot.
bool WriteFileReplacing(const std::string& path, const std::string& text, std::string& message,
                        const BeforeReplace& beforeReplace = nullptr);

}  // namespace planner
