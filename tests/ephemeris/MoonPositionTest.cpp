#include "ephemeris/MoonPosition.h"

#include <gtest/gtest.h>

#include <cmath>

#include "ephemeris/BirthFixtures.h"

namespace fortunix {
namespace {

using namespace fortunix::testing;

TEST(ComputeMoonPosition, WorkedExamples) {
    struct Row {
        const char* name;
        BirthRecord birth;
        ZoneState zone;
        double universalHours;
        double longitude;
        double whole;
    };
    const Row rows[] = {
        {"Greenwich, J2000 noon", MakeBirth(2000, 1, 1, 12, 0, kGreenwich), kGmt, 12, 223.3161,
         223},
        {"New York, 4 July 1990 14:30 EST with daylight saving",
         MakeBirth(1990, 7, 4, 14, 30, kNewYork, true), kEasternStandard, 18.5, 245.8821, 245},
    };
    for (const Row& row : rows) {
        const LunarChartState state = ComputeMoonPosition(row.birth, row.zone);
        EXPECT_DOUBLE_EQ(state.time.universalHours, row.universalHours) << row.name;
        EXPECT_NEAR(state.moonLongitude, row.longitude, 1e-4) << row.name;
        EXPECT_EQ(state.moonDegrees, row.whole) << row.name;
    }
}

TEST(ComputeMoonPosition, MatchesTheSeriesComputedApart) {
    // Output of moon_reference.py beside this file: the series worked through in Python
    // from its published terms, unfloored, for universal instants from 1901 to 2050.
    struct Row {
        int year, month, day;
        double universalHours;
        double longitude;
    };
    const Row rows[] = {
        {1901, 1, 1, 0.0, 48.3100380418},
        {1923, 9, 1, 2 + 58 / 60.0, 41.2570926051},
        {1948, 5, 14, 16.0, 125.5428708150},
        {1969, 7, 20, 20 + 17 / 60.0, 187.8602178549},
        {1990, 7, 4, 18.5, 245.8820808193},
        {1990, 7, 4, -4.5, 234.4868241241},
        {2000, 1, 1, 12.0, 223.3161029160},
        {2024, 4, 8, 18 + 18 / 60.0, 19.3662570509},
        {2050, 12, 31, 23 + 59 / 60.0, 144.7851495804},
    };
    for (const Row& row : rows) {
        BirthTimeBase time;
        time.dayNumber = DayNumber(row.month, row.day, row.year);
        time.universalHours = row.universalHours;
        EXPECT_NEAR(ComputeMoonPosition(time).moonLongitude, row.longitude, 1e-7)
            << row.year << "-" << row.month << "-" << row.day << " " << row.universalHours;
    }
}

TEST(LunarLongitude, StaysWithinTheSeriesOfTheMeanLongitude) {
    // The 25 terms add up to at most 9.14 degrees, so the result is the mean longitude
    // moved by less than that, brought into one turn.
    for (double centuries = -1.0; centuries <= 0.51; centuries += 0.00731) {
        LunarChartState state;
        const double longitude = LunarLongitude(centuries, state);
        ASSERT_GE(longitude, 0) << centuries;
        ASSERT_LE(longitude, 360) << centuries;
        const double offset = std::remainder(longitude - state.meanLongitude, 360.0);
        ASSERT_LT(std::fabs(offset), 9.14) << centuries;
    }
}

TEST(ReduceLunarLongitude, WholeTurnsAreRemoved) {
    struct Row {
        const char* name;
        double degrees, expected;
    };
    const Row rows[] = {
        {"ten below zero", -10, 350},
        {"just below zero", -0.5, 359.5},
        {"exactly minus one turn", -360, 0},
        {"zero", 0, 0},
        {"inside the turn", 123.9, 123.9},
        {"one turn stays", 360, 360},
        {"two turns stay a turn", 720, 360},
        {"a little past two turns", 720.25, 0.25},
        {"hundreds of turns", 481267.88134236 + 218.3164591, 166.19780146},
        {"hundreds of turns back", -481267.88134236 + 218.3164591, 270.43511674},
    };
    for (const Row& row : rows) {
        EXPECT_NEAR(ReduceLunarLongitude(row.degrees), row.expected, 1e-7) << row.name;
    }
}

TEST(ComputeMoonPosition, WholeDegreesAreTruncatedAndLatitudeHasNoEffect) {
    for (int day = 1; day <= 28; ++day) {
        for (int hour = 0; hour < 24; hour += 5) {
            const LunarChartState state =
                ComputeMoonPosition(MakeBirth(1977, 2, day, hour, 10, kNewYork), kEasternStandard);
            ASSERT_EQ(state.moonDegrees, std::floor(state.moonLongitude)) << day << " " << hour;
        }
    }
    const double delhi =
        ComputeMoonPosition(MakeBirth(1990, 7, 4, 14, 30, kDelhi), kIndian).moonLongitude;
    for (const int latitude : {0, 66, 89}) {
        const Place place{latitude, 59, latitude == 89, 77, 13, true};
        EXPECT_EQ(ComputeMoonPosition(MakeBirth(1990, 7, 4, 14, 30, place), kIndian).moonLongitude,
                  delhi)
            << latitude;
    }
}

}  // namespace
}  // namespace fortunix
