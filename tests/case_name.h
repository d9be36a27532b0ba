#pragma once

#include <gtest/gtest.h>

#include <string>

namespace halvex_test {

// Names each row of a parameterised table by its `name` field.
struct CaseName {
    template <class P>
    std::string operator()(const ::testing::TestParamInfo<P>& row) const {
        return row.param.name;
    }
};

}  // namespace halvex_test
