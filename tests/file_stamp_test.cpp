// The stamp a window keeps of its file, by which Save knows that someone
// else changed the file since.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "planner/file_io.h"
#include "planner/file_stamp.h"
#include "tests/temp_file.h"

namespace {

void Write(const std::string& path, const std::string& text) {
    std::string message;
    ASSERT_TRUE(planner::WriteFileReplacing(path, text, message)) << message;
}

TEST(FileStamp, SeesEveryChangeButADeletion) {
    const std::string path = TestTempPath(".halvex-plan");
    std::remove(path.c_str());
    const planner::FileStamp none = planner::StampOfFile(path);
    Write(path, "first");
    EXPECT_TRUE(planner::ChangedOnDisk(path, none)) << "made where there was no file";

    const planner::FileStamp saved = planner::StampOfWritten(path, "first");
    EXPECT_FALSE(planner::ChangedOnDisk(path, saved)) << "the window's own save";
    EXPECT_FALSE(planner::ChangedOnDisk(path, planner::StampOfFile(path))) << "as opened";

    // Another save of the same size within one tick of the file system's
    // clock: the time cannot tell, the bytes do.
    const auto time = std::filesystem::last_write_time(path);
    Write(path, "other");
    std::filesystem::last_write_time(path, time);
    EXPECT_TRUE(planner::ChangedOnDisk(path, saved)) << "same size and time, other bytes";

    std::remove(path.c_str());
    EXPECT_FALSE(planner::ChangedOnDisk(path, saved)) << "deleted: nothing to lose";
}

}  // namespace
