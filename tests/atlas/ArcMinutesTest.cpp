#include "atlas/ArcMinutes.h"

#include <gtest/gtest.h>

namespace fortunix::atlas {
namespace {

struct AngleCase {
    const char* name;
    double degrees;
    int wholeDegrees;
    int minutes;
    bool positive;
};

TEST(RoundToArcMinutes, RoundsToTheNearestMinuteAndCarries) {
    // Minutes worked out by hand: 0.85341° × 60 = 51.2′, 0.86785° × 60 = 52.07′ ...
    const AngleCase cases[] = {
        {"Paris latitude", 48.85341, 48, 51, true},
        {"Paris longitude", 2.3488, 2, 21, true},
        {"rounds up past half", 34.61315, 34, 37, true},
        {"south", -33.86785, 33, 52, false},
        {"west", -58.37723, 58, 23, false},
        {"60 minutes carry", 10.9999, 11, 0, true},
        {"carry in the west", -0.99999, 1, 0, false},
        {"just below zero rounds to zero, north", -0.004, 0, 0, true},
        {"antimeridian", -180.0, 180, 0, false},
    };
    for (const AngleCase& row : cases) {
        const ArcMinutes angle = RoundToArcMinutes(row.degrees);
        EXPECT_EQ(angle.degrees, row.wholeDegrees) << row.name;
        EXPECT_EQ(angle.minutes, row.minutes) << row.name;
        EXPECT_EQ(angle.positive, row.positive) << row.name;
    }
}

TEST(FormatArcMinutes, WritesDegreesMinutesAndHemisphere) {
    EXPECT_EQ(FormatLatitude({48, 51, true}), QStringLiteral("48°51′ N"));
    EXPECT_EQ(FormatLatitude({33, 52, false}), QStringLiteral("33°52′ S"));
    EXPECT_EQ(FormatLongitude({2, 21, true}), QStringLiteral("2°21′ E"));
    EXPECT_EQ(FormatLongitude({74, 0, false}), QStringLiteral("74°00′ W"));
}

}  // namespace
}  // namespace fortunix::atlas
