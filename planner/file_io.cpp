#include "planner/file_io.h"

#include <cstdio>

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace planner {

bool ReadTextFile(const std::string& path, std::string& text) {
    text.clear();
    std::FILE* file = std::fopen(path.c_str(), "rb");
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
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
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
        std::remove(temporary.c_str());
        message = path + ": cannot be written";
        return false;
    }
    if (beforeReplace && !beforeReplace(temporary)) {
        message = path + ": the save was stopped";
        return false;
    }
#ifdef _WIN32
    const bool renamed = MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
#else
    const bool renamed = std::rename(temporary.c_str(), path.c_str()) == 0;
#endif
    if (!renamed) {
        std::remove(temporary.c_str());
        message = path + ": cannot be replaced";
        return false;
    }
    return true;
}

}  // namespace planner
