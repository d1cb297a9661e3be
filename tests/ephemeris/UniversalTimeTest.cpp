#include "ephemeris/UniversalTime.h"

#include <gtest/gtest.h>

#include <cmath>
#include <utility>

#include "ephemeris/Ascendant.h"
#include "ephemeris/BirthFixtures.h"
#include "ephemeris/MoonPosition.h"
#include "ephemeris/SunPosition.h"

namespace fortunix {
namespace {

using namespace fortunix::testing;

struct TimeBaseRow {
    const char* name;
    BirthRecord birth;
    ZoneState zone;
    double universalHours;
    double dayNumber;
};

// Universal time = clock time, less an hour with daylight saving, plus the signed correction
// of the chosen zone; the day number stays that of the local date.
const TimeBaseRow kTimeBaseRows[] = {
    {"5 E, zone an hour ahead, daylight saving: two hours back",
     MakeBirth(1990, 7, 4, 12, 0, Place{50, 0, false, 5, 0, true}, true), kCentralEuropean, 10,
     2448077},
    {"0 E with daylight saving: an hour back",
     MakeBirth(1990, 7, 4, 12, 0, Place{51, 30, false, 0, 0, true}, true), kGmt, 11, 2448077},
    {"0 10' W, zone 0, daylight saving: an hour back",
     MakeBirth(1990, 7, 4, 12, 0, Place{51, 30, false, 0, 10, false}, true), kGmt, 11, 2448077},
    {"00:30 five hours ahead goes below zero on the local date",
     MakeBirth(1990, 7, 4, 0, 30, kDelhi), ZoneState{-5, 0}, -4.5, 2448077},
    {"23:30 five hours behind runs past 24 on the local date",
     MakeBirth(1999, 12, 31, 23, 30, kNewYork), kEasternStandard, 28.5, 2451544},
    {"west place, zone ahead: the zone decides",
     MakeBirth(1990, 7, 4, 12, 0, Place{50, 0, false, 3, 0, false}), kCentralEuropean, 11, 2448077},
    {"east place, zone behind: the zone decides",
     MakeBirth(1990, 7, 4, 12, 0, Place{50, 0, false, 3, 0, true}), kEasternStandard, 17, 2448077},
    {"half-hour zone ahead", MakeBirth(1990, 7, 4, 10, 0, kDelhi), kIndian, 4.5, 2448077},
    {"half-hour zone ahead with daylight saving", MakeBirth(1990, 7, 4, 10, 0, kDelhi, true),
     kIndian, 3.5, 2448077},
    {"half-hour zone behind (Newfoundland)", MakeBirth(1990, 7, 4, 12, 0, kNewYork),
     ZoneState{3, 30}, 15.5, 2448077},
    {"minutes of the clock count", MakeBirth(1990, 7, 4, 12, 45, kNewYork), kEasternStandard, 17.75,
     2448077},
};

TEST(ComputeBirthTimeBase, UniversalHoursFollowTheSignedZone) {
    for (const TimeBaseRow& row : kTimeBaseRows) {
        const BirthTimeBase base = ComputeBirthTimeBase(row.birth, row.zone);
        EXPECT_DOUBLE_EQ(base.universalHours, row.universalHours) << row.name;
        EXPECT_EQ(base.dayNumber, row.dayNumber) << row.name;
    }
}

TEST(ComputeBirthTimeBase, DaylightSavingIsAlwaysOneHourLess) {
    for (const TimeBaseRow& row : kTimeBaseRows) {
        BirthRecord plain = row.birth;
        plain.isDst = kFalse16;
        BirthRecord ticked = row.birth;
        ticked.isDst = kTrue16;
        EXPECT_DOUBLE_EQ(ComputeBirthTimeBase(plain, row.zone).universalHours -
                             ComputeBirthTimeBase(ticked, row.zone).universalHours,
                         1.0)
            << row.name;
    }
}

// 0 degrees 7 minutes west in British Summer Time: universal time is the clock less an hour,
// whether the zone or the daylight-saving tick says so.
TEST(ComputeBirthTimeBase, LondonSummerBirthIsGreenwichAnHourEarlierInEveryEngine) {
    const BirthRecord plain = MakeBirth(1995, 7, 15, 14, 20, kLondon);
    const BirthRecord ticked = MakeBirth(1995, 7, 15, 14, 20, kLondon, true);
    const BirthRecord earlier = MakeBirth(1995, 7, 15, 13, 20, kLondon);
    const BirthRecord later = MakeBirth(1995, 7, 15, 15, 20, kLondon);
    for (const auto& [birth, zone] : {std::pair{plain, kBritishSummer}, std::pair{ticked, kGmt}}) {
        EXPECT_EQ(ComputeSunPosition(birth, zone).universal, (CivilMoment{1995, 7, 15, 13, 20}));
        EXPECT_DOUBLE_EQ(ComputeAscendant(birth, zone).ascendantDegrees,
                         ComputeAscendant(earlier, kGmt).ascendantDegrees);
        EXPECT_DOUBLE_EQ(ComputeMoonPosition(birth, zone).moonLongitude,
                         ComputeMoonPosition(earlier, kGmt).moonLongitude);
    }
    // Taking the direction from the west longitude would have meant 15:20 GMT, which shows.
    EXPECT_GT(std::fabs(ComputeAscendant(plain, kBritishSummer).ascendantDegrees -
                        ComputeAscendant(later, kGmt).ascendantDegrees),
              5.0);
    EXPECT_GT(std::fabs(ComputeMoonPosition(plain, kBritishSummer).moonLongitude -
                        ComputeMoonPosition(later, kGmt).moonLongitude),
              0.3);
}

TEST(ComputeBirthTimeBase, LongitudeKeepsItsHemisphere) {
    EXPECT_NEAR(ComputeBirthTimeBase(MakeBirth(2000, 1, 1, 0, 0, kDelhi), kGmt).longitude,
                -(77 + 13 / 60.0), 1e-12);
    EXPECT_NEAR(ComputeBirthTimeBase(MakeBirth(2000, 1, 1, 0, 0, kLondon), kGmt).longitude,
                7 / 60.0, 1e-12);
}

TEST(ComputeBirthTimeBase, AscendantAndMoonShareIt) {
    for (const TimeBaseRow& row : kTimeBaseRows) {
        const BirthTimeBase ascendant = ComputeAscendant(row.birth, row.zone).time;
        const BirthTimeBase moon = ComputeMoonPosition(row.birth, row.zone).time;
        EXPECT_EQ(ascendant.universalHours, moon.universalHours) << row.name;
        EXPECT_EQ(ascendant.dayNumber, moon.dayNumber) << row.name;
        EXPECT_EQ(ascendant.longitude, moon.longitude) << row.name;
    }
}

}  // namespace
}  // namespace fortunix
