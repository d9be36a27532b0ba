#include "planner/file_io.h"

#include <cstdio>

#include <cstdlib>

#ifdef _WIN32
#include <windows.h>
#else
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "lang/tr.h"

namespace planner {
namespace {

#ifdef _WIN32
// Paths are UTF-8 in the program; the narrow file functions would read them
// in the ANSI code page.
std::wstring Wide(const std::string& path) {
    const int length = MultiByteToWideChar(CP_UTF8, 0, path.data(), static_cast<int>(path.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, path.data(), static_cast<int>(path.size()), wide.data(), length);
    return wide;
}

std::FILE* Open(const std::string& path, bool writing) { return _wfopen(Wide(path).c_str(), writing ? L"wb" : L"rb"); }

void Remove(const std::string& path) { _wremove(Wide(path).c_str()); }

bool Rename(const std::string& from, const std::string& to) {
    return MoveFileExW(Wide(from).c_str(), Wide(to).c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
}

std::string Narrow(const wchar_t* wide) {
    const int length = WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    if (length <= 1) return std::string();
    std::string narrow(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide, -1, narrow.data(), length, nullptr, nullptr);
    narrow.pop_back();
    return narrow;
}

bool MakeOneDirectory(const std::string& path) {
    return CreateDirectoryW(Wide(path).c_str(), nullptr) != 0 || GetLastError() == ERROR_ALREADY_EXISTS;
}
#else
std::FILE* Open(const std::string& path, bool writing) { return std::fopen(path.c_str(), writing ? "wb" : "rb"); }

void Remove(const std::string& path) { std::remove(path.c_str()); }

bool Rename(const std::string& from, const std::string& to) { return std::rename(from.c_str(), to.c_str()) == 0; }

bool MakeOneDirectory(const std::string& path) {
    struct stat status {};
    return mkdir(path.c_str(), 0777) == 0 || (stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode));
}
#endif

}  // namespace

std::string UserDataDirectory() {
#ifdef _WIN32
    const wchar_t* appData = _wgetenv(L"APPDATA");
    const std::string base = appData != nullptr ? Narrow(appData) : std::string();
    return base.empty() ? std::string() : base + "\\Halvex";
#else
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    // Only an absolute XDG path counts; a relative one is to be ignored.
    if (dataHome != nullptr && dataHome[0] == '/') return std::string(dataHome) + "/halvex";
    const char* home = std::getenv("HOME");
    if (home == nullptr || home[0] == '\0') return std::string();
    return std::string(home) + "/.local/share/halvex";
#endif
}

std::string UserStateDirectory() {
#ifdef _WIN32
    const wchar_t* localAppData = _wgetenv(L"LOCALAPPDATA");
    const std::string base = localAppData != nullptr ? Narrow(localAppData) : std::string();
    return base.empty() ? std::string() : base + "\\Halvex";
#else
    const char* stateHome = std::getenv("XDG_STATE_HOME");
    if (stateHome != nullptr && stateHome[0] == '/') return std::string(stateHome) + "/halvex";
    const char* home = std::getenv("HOME");
    if (home == nullptr || home[0] == '\0') return std::string();
    return std::string(home) + "/.local/state/halvex";
#endif
}

std::vector<std::string> ListDirectory(const std::string& path) {
    std::vector<std::string> names;
#ifdef _WIN32
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(Wide(path + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        const std::string name = Narrow(found.cFileName);
        if (name != "." && name != ".." && (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
            names.push_back(name);
        }
    } while (FindNextFileW(search, &found));
    FindClose(search);
#else
    DIR* directory = opendir(path.c_str());
    if (directory == nullptr) return names;
    while (const dirent* entry = readdir(directory)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..") names.push_back(name);
    }
    closedir(directory);
#endif
    return names;
}

bool RemoveFile(const std::string& path) {
    Remove(path);
    return !FileExists(path);
}

#ifdef _WIN32
// A file opened to be shared with no one is the lock; Windows closes it when
// the process ends, TerminateProcess included.
bool HoldLock(const std::string& path) {
    const HANDLE file = CreateFileW(Wide(path).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    return file != INVALID_HANDLE_VALUE;  // kept open on purpose until the end
}

bool LockHeld(const std::string& path) {
    const HANDLE file =
        CreateFileW(Wide(path).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return GetLastError() == ERROR_SHARING_VIOLATION;
    CloseHandle(file);
    return false;
}

// An open file cannot be deleted: a held lock stays.
void RemoveStaleLock(const std::string& path) { Remove(path); }

long ProcessId() { return static_cast<long>(GetCurrentProcessId()); }
#else
// flock belongs to the open file and goes with the process. Another process
// may remove a stale lock file between our open and our lock: the lock is
// ours only if the file we locked is still the one at path.
bool HoldLock(const std::string& path) {
    for (int attempt = 0; attempt < 5; ++attempt) {
        const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        if (fd < 0) return false;
        struct stat held {
        }, named{};
        if (flock(fd, LOCK_EX | LOCK_NB) == 0 && fstat(fd, &held) == 0 && stat(path.c_str(), &named) == 0 &&
            held.st_ino == named.st_ino && held.st_dev == named.st_dev) {
            return true;  // the descriptor stays open on purpose until the end
        }
        close(fd);
    }
    return false;
}

bool LockHeld(const std::string& path) {
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool held = flock(fd, LOCK_EX | LOCK_NB) != 0;
    close(fd);
    return held;
}

// Removed while we hold it, so that no one locks it in between.
void RemoveStaleLock(const std::string& path) {
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return;
    if (flock(fd, LOCK_EX | LOCK_NB) == 0) unlink(path.c_str());
    close(fd);
}

long ProcessId() { return static_cast<long>(getpid()); }
#endif

bool FileExists(const std::string& path) {
#ifdef _WIN32
    return GetFileAttributesW(Wide(path).c_str()) != INVALID_FILE_ATTRIBUTES;
#else
    struct stat status {};
    return stat(path.c_str(), &status) == 0;
#endif
}

bool MakeDirectories(const std::string& path) {
    if (path.empty()) return false;
    for (std::size_t slash = path.find_first_of("/\\", 1); slash != std::string::npos;
         slash = path.find_first_of("/\\", slash + 1)) {
        // "C:\" is a drive, not a folder to make.
        if (slash > 0 && path[slash - 1] == ':') continue;
        if (!MakeOneDirectory(path.substr(0, slash))) return false;
    }
    return MakeOneDirectory(path);
}

bool ReadTextFile(const std::string& path, std::string& text) {
    text.clear();
    std::FILE* file = Open(path, false);
    if (file == nullptr) return false;
    char buffer[65536];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) text.append(buffer, got);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    return !failed;
}

bool WriteFileReplacing(const std::string& path, const std::string& text, std::string& message,
                        const BeforeReplace& beforeReplace) {
    const std::string temporary = path + ".saving";
    std::FILE* file = Open(temporary, true);
    if (file == nullptr) {
        message = lang::Fill(lang::Tr("%1: cannot be written"), {path});
        return false;
    }
    bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size() && std::fflush(file) == 0;
#ifndef _WIN32
    // On the disk before the rename makes it the file.
    written = written && fsync(fileno(file)) == 0;
#endif
    written = std::fclose(file) == 0 && written;
    if (!written) {
        Remove(temporary);
        message = lang::Fill(lang::Tr("%1: cannot be written"), {path});
        return false;
    }
    if (beforeReplace && !beforeReplace(temporary)) {
        message = lang::Fill(lang::Tr("%1: the save was stopped"), {path});
        return false;
    }
    if (!Rename(temporary, path)) {
        Remove(temporary);
        message = lang::Fill(lang::Tr("%1: cannot be replaced"), {path});
        return false;
    }
    return true;
}

}  // namespace planner
