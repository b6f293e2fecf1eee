#pragma once
// Names a parameterised test after its row, so that ctest lists stable, readable names.

#include <gtest/gtest.h>

#include <string>

namespace vellumark {

template <typename Row>
std::string RowName(const ::testing::TestParamInfo<Row>& row) {
    return row.param.name;
}

}  // namespace vellumark
