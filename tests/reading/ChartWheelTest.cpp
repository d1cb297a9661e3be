#include "reading/ChartWheel.h"

#include <gtest/gtest.h>

namespace fortunix {
namespace {

// Angles counted by hand: 180 + longitude - ascendant, brought into 0..360.
TEST(WheelAngle, PutsTheAscendantOnTheLeftAndRunsCounterClockwise) {
    const struct {
        const char* name;
        double longitude;
        double ascendant;
        double angle;
    } rows[] = {
        {"the ascendant itself lies on the left", 24, 24, 180},
        {"worked example: Sun 280 with ascendant 24", 280, 24, 76},
        {"worked example: Moon 223", 223, 24, 19},
        {"worked example: Part of Fortune 81", 81, 24, 237},
        {"the descendant lies on the right", 204, 24, 0},
        {"ninety degrees past the ascendant lies at the bottom", 114, 24, 270},
        {"ninety degrees before it at the top", 294, 24, 90},
        {"across 0 Aries, ascendant 350", 10, 350, 200},
        {"across 0 Aries, ascendant 10", 350, 10, 160},
        {"a result of exactly 360 is 0", 180, 0, 0},
        {"just short of a turn", 179.5, 0, 359.5},
        {"a longitude of 360 is that of 0", 360, 0, 180},
    };
    for (const auto& row : rows) {
        EXPECT_NEAR(WheelAngle(row.longitude, row.ascendant), row.angle, 1e-9) << row.name;
    }
}

// Points worked out by hand, y growing downwards: cos and sin of the angle above.
TEST(WheelPosition, PlacesALongitudeAtItsAngleOnAPage) {
    const struct {
        const char* name;
        double longitude;
        double ascendant;
        double x;
        double y;
    } rows[] = {
        {"ascendant: left end of the horizon", 24, 24, -100, 0},
        {"descendant: right end", 204, 24, 100, 0},
        {"ascendant + 90: straight down", 114, 24, 0, 100},
        {"ascendant - 90: straight up", 294, 24, 0, -100},
        {"Sun of the worked example, 76 degrees", 280, 24, 24.192189559966767, -97.029572627599650},
        {"Part of Fortune of the worked example, 237 degrees", 81, 24, -54.463903501502708,
         83.867056794542403},
    };
    for (const auto& row : rows) {
        const WheelPoint point = WheelPosition(row.longitude, row.ascendant, 100);
        EXPECT_NEAR(point.x, row.x, 1e-6) << row.name;
        EXPECT_NEAR(point.y, row.y, 1e-6) << row.name;
    }
}

}  // namespace
}  // namespace fortunix
