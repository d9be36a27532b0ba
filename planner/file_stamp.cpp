#include "planner/file_stamp.h"

#include "planner/file_io.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#endif

namespace planner {
namespace {

std::uint64_t HashOf(std::string_view bytes) {
    std::uint64_t hash = 14695981039346656037ULL;
    for (const char byte : bytes) {
        hash ^= static_cast<unsigned char>(byte);
        hash *= 1099511628211ULL;
    }
    return hash;
}

// Existence, size and time only; false when nothing is at path.
bool StatFile(const std::string& path, FileStamp& stamp) {
    stamp = FileStamp();
#ifdef _WIN32
    const int length = MultiByteToWideChar(CP_UTF8, 0, path.data(), static_cast<int>(path.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, path.data(), static_cast<int>(path.size()), wide.data(), length);
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (GetFileAttributesExW(wide.c_str(), GetFileExInfoStandard, &data) == 0) return false;
    stamp.size = (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    // 100 ns ticks.
    stamp.modified = static_cast<std::int64_t>((static_cast<std::uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) |
                                               data.ftLastWriteTime.dwLowDateTime);
#else
    struct stat status {};
    if (stat(path.c_str(), &status) != 0) return false;
    stamp.size = static_cast<std::uint64_t>(status.st_size);
    // Nanoseconds, where the file system keeps them.
    stamp.modified = static_cast<std::int64_t>(status.st_mtim.tv_sec) * 1000000000 + status.st_mtim.tv_nsec;
#endif
    stamp.exists = true;
    return true;
}

}  // namespace

bool operator==(const FileStamp& a, const FileStamp& b) {
    return a.exists == b.exists && a.size == b.size && a.modified == b.modified && a.hash == b.hash;
}

FileStamp StampOfFile(const std::string& path) {
    FileStamp stamp;
    if (!StatFile(path, stamp)) return stamp;
    std::string text;
    // A file that is there but does not read keeps the hash of nothing; the
    // read that opens or saves it then fails on its own.
    ReadTextFile(path, text);
    stamp.hash = HashOf(text);
    return stamp;
}

FileStamp StampOfWritten(const std::string& path, std::string_view text) {
    FileStamp stamp;
    StatFile(path, stamp);
    stamp.hash = HashOf(text);
    return stamp;
}

bool ChangedOnDisk(const std::string& path, const FileStamp& stamp) {
    FileStamp now;
    if (!StatFile(path, now)) return false;
    if (!stamp.exists || now.size != stamp.size || now.modified != stamp.modified) return true;
    // Same size and time: only the bytes can tell.
    return StampOfFile(path) != stamp;
}

}  // namespace planner
