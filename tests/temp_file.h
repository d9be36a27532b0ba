#pragma once

#include <gtest/gtest.h>

#include <string>

// A scratch file path of the running test's own: tests run as parallel
// processes, so a fixed name would be shared between them.
inline std::string TestTempPath(const std::string& suffix) {
    const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(info->test_suite_name()) + "." + info->name();
    for (char& c : name) {
        if (c == '/' || c == '\\' || c == ':') c = '_';
    }
    return ::testing::TempDir() + name + suffix;
}
