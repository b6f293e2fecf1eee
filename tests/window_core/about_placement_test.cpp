// The about box's place over the main window, in twips and single precision.

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "tests/row_name.h"
#include "window_core/about_placement.h"

namespace vellumark {
namespace {

struct EdgeRow {
    const char* name;
    float own, mainEdge, mainSize, expected;
};

void PrintTo(const EdgeRow& row, std::ostream* out) {
    *out << row.name;
}

class CentredEdgeTest : public ::testing::TestWithParam<EdgeRow> {};

TEST_P(CentredEdgeTest, FollowsTheArithmetic) {
    const EdgeRow& row = GetParam();
    EXPECT_EQ(CentredEdge(row.own, row.mainEdge, row.mainSize), row.expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, CentredEdgeTest,
                         ::testing::Values(
                             // A box narrower by d stands d / 2 inside the main window's edge.
                             EdgeRow{"Narrower", 5280.0f, 1500.0f, 6600.0f, 2160.0f},
                             // A main window narrower than the box: the box starts left of it by
                             // half the difference.
                             EdgeRow{"Wider", 5280.0f, 1500.0f, 3000.0f, 360.0f},
                             EdgeRow{"SameSizeCoversExactly", 5280.0f, 1500.0f, 5280.0f, 1500.0f},
                             EdgeRow{"OffTheScreensLeftEdge", 5280.0f, -3000.0f, 6600.0f, -2340.0f},
                             EdgeRow{"OddPixelDifference", 5280.0f, 1500.0f, 5295.0f, 1507.5f},
                             // 2^24 + 1.5 is no float; the sum rounds to the nearest, 2^24 + 2.
                             EdgeRow{"SinglePrecision", 0.0f, 16777216.0f, 3.0f, 16777218.0f}),
                         RowName<EdgeRow>);

}  // namespace
}  // namespace vellumark
