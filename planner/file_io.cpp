#include "planner/file_io.h"

#include <cstdio>

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

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
#else
std::FILE* Open(const std::string& path, bool writing) { return std::fopen(path.c_str(), writing ? "wb" : "rb"); }

void Remove(const std::string& path) { std::remove(path.c_str()); }

bool Rename(const std::string& from, const std::string& to) { return std::rename(from.c_str(), to.c_str()) == 0; }
#endif

}  // namespace

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
        message = path + ": cannot be written";
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
        message = path + ": cannot be written";
        return false;
    }
    if (beforeReplace && !beforeReplace(temporary)) {
        message = path + ": the save was stopped";
        return false;
    }
    if (!Rename(temporary, path)) {
        Remove(temporary);
        message = path + ": cannot be replaced";
        return false;
    }
    return true;
}

}  // namespace planner
