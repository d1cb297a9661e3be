#include "reading/TimeZoneTable.h"

#include <gtest/gtest.h>

namespace fortunix {
namespace {

TEST(TimeZoneTable, HasSeventyOneRowsWithGreenwichAsDefault) {
    ASSERT_EQ(kTimeZoneTable.size(), 71u);
    EXPECT_EQ(kTimeZoneTable[kDefaultTimeZoneIndex].listText, "Greenwich Mean Time,GMT,0.0");
}

TEST(TimeZoneTable, PositionOutsideTheTableLeavesTheZoneUnchanged) {
    ZoneState zone{-5, -30};
    ApplyZoneSelection(-1, zone);
    ApplyZoneSelection(71, zone);
    EXPECT_EQ(zone, (ZoneState{-5, -30}));
    ApplyZoneSelection(50, zone);
    EXPECT_EQ(zone, (ZoneState{3, 30}));
}

}  // namespace
}  // namespace fortunix
