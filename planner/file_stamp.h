#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace planner {

// What a window knows of the file it holds, taken when it opened or saved
// it: whether it was there, its size, its time of last change and a hash of
// its bytes. The hash catches a change the time cannot show: two saves of
// the same size within the file system's clock step.
struct FileStamp {
    bool exists = false;
    std::uint64_t size = 0;
    std::int64_t modified = 0;  // in the file system's own ticks
    std::uint64_t hash = 0;     // FNV-1a over the bytes
};

bool operator==(const FileStamp& a, const FileStamp& b);
inline bool operator!=(const FileStamp& a, const FileStamp& b) { return !(a == b); }

// The file as it is now. Taken before the file is read for opening, so that
// a change made between the two shows as a change later, never the reverse.
FileStamp StampOfFile(const std::string& path);

// The file just written with these bytes: its size and time as the disk has
// them, the hash of what was written. A write by someone else right after
// ours then differs from the stamp.
FileStamp StampOfWritten(const std::string& path, std::string_view text);

// True when Save would write over something the window did not see: the
// file is there and its size, time or bytes are not the stamp's (or it was
// not there when the stamp was taken). A file deleted since is not: nothing
// on the disk is lost by writing it again.
bool ChangedOnDisk(const std::string& path, const FileStamp& stamp);

}  // namespace planner
