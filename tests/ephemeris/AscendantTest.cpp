#include "ephemeris/Ascendant.h"

#include <gtest/gtest.h>

#include <cmath>

#include "ephemeris/BirthFixtures.h"

namespace fortunix {
namespace {

using namespace fortunix::testing;

constexpr double kDegToRadAsUsed = 0.0174532925199433;

// Where an ecliptic point stands in the observer's sky, by plain vector rotation: its
// component towards the east and the sine of its altitude.
struct SkyPosition {
    double east = 0;
    double altitude = 0;
};

SkyPosition LocateEclipticPoint(double longitudeDegrees, const AscendantState& state) {
    const double l = longitudeDegrees * kDegToRadAsUsed;
    const double eps = state.obliquity;
    const double lst = state.siderealAngle;
    const double lat = state.latitude * kDegToRadAsUsed;
    const double x = std::cos(l);
    const double y = std::sin(l) * std::cos(eps);
    const double z = std::sin(l) * std::sin(eps);
    const double towardsMeridian = std::cos(lst) * x + std::sin(lst) * y;
    const double towardsEast = -std::sin(lst) * x + std::cos(lst) * y;
    return {towardsEast, std::sin(lat) * z + std::cos(lat) * towardsMeridian};
}

// The horizon formula alone, without the choice of the rising point, in degrees 0..360.
double HorizonFormulaDegrees(const AscendantState& state) {
    const double y = std::cos(state.siderealAngle);
    const double x = -std::sin(state.siderealAngle) * std::cos(state.obliquity) -
                     std::sin(state.obliquity) * std::tan(kDegToRadAsUsed * state.latitude);
    const double degrees = std::atan2(y, x) / kDegToRadAsUsed;
    return degrees < 0 ? degrees + 360 : degrees;
}

TEST(ComputeAscendant, WorkedExamples) {
    struct Row {
        const char* name;
        BirthRecord birth;
        ZoneState zone;
        double universalHours, degrees;
        int whole;
    };
    const Row rows[] = {
        {"Greenwich, J2000 noon", MakeBirth(2000, 1, 1, 12, 0, kGreenwich), kGmt, 12, 24.298, 24},
        {"New York, 4 July 1990 00:30 EST with daylight saving",
         MakeBirth(1990, 7, 4, 0, 30, kNewYork, true), kEasternStandard, 4.5, 9.406, 9},
        {"Delhi, 4 July 1990 10:00 IST", MakeBirth(1990, 7, 4, 10, 0, kDelhi), kIndian, 4.5,
         159.483, 159},
        {"equator and meridian, J2000 06:00", MakeBirth(2000, 1, 1, 6, 0, kNullIsland), kGmt, 6,
         279.387, 279},
    };
    for (const Row& row : rows) {
        const AscendantState state = ComputeAscendant(row.birth, row.zone);
        EXPECT_DOUBLE_EQ(state.time.universalHours, row.universalHours) << row.name;
        EXPECT_NEAR(state.ascendantDegrees, row.degrees, 1e-3) << row.name;
        EXPECT_EQ(state.ascendant, row.whole) << row.name;
    }
    const AscendantState j2000 = ComputeAscendant(MakeBirth(2000, 1, 1, 12, 0, kGreenwich), kGmt);
    EXPECT_EQ(j2000.time.dayNumber, 2451545);
    EXPECT_DOUBLE_EQ(j2000.centuries1900, 1.0);
    EXPECT_NEAR(j2000.siderealAngle / kDegToRadAsUsed, 280.4609, 1e-4);
    EXPECT_NEAR(j2000.obliquity / kDegToRadAsUsed, 23.452294 - 0.0130125, 1e-12);
}

TEST(ComputeAscendant, SouthAndEastAreNegative) {
    const Place southEast{33, 52, true, 151, 13, true};
    const AscendantState state = ComputeAscendant(MakeBirth(1990, 7, 4, 10, 0, southEast), kGmt);
    EXPECT_NEAR(state.latitude, -(33 + 52 / 60.0), 1e-12);
    EXPECT_NEAR(state.time.longitude, -(151 + 13 / 60.0), 1e-12);
    // East longitude turns the sidereal angle back: 151 degrees 13 minutes more than at Greenwich.
    const AscendantState greenwich =
        ComputeAscendant(MakeBirth(1990, 7, 4, 10, 0, Place{33, 52, true, 0, 0, false}), kGmt);
    const double turned = (state.siderealAngle - greenwich.siderealAngle) / kDegToRadAsUsed;
    EXPECT_NEAR(std::fmod(turned + 720, 360), 151 + 13 / 60.0, 1e-9);
}

// Beyond the polar circles the horizon formula may name the point setting in the west; the
// ascendant is then the one opposite it.
TEST(ComputeAscendant, AlwaysOnTheEasternHorizon) {
    int polarFlips = 0;
    for (int latitude = -89; latitude <= 89; ++latitude) {
        const Place place{std::abs(latitude),         17, latitude < 0,
                          (latitude + 89) * 37 % 180, 41, latitude % 3 == 0};
        for (int sample = 0; sample < 60; ++sample) {
            const BirthRecord birth =
                MakeBirth(1901 + sample * 5 % 150, 1 + sample % 12, 1 + sample * 7 % 28,
                          sample * 5 % 24, sample * 11 % 60, place, sample % 2 == 0);
            const AscendantState state = ComputeAscendant(birth, kGmt);
            const SkyPosition sky = LocateEclipticPoint(state.ascendantDegrees, state);
            const double formula = HorizonFormulaDegrees(state);
            SCOPED_TRACE(::testing::Message() << "latitude " << latitude << ", " << sample);
            ASSERT_NEAR(sky.altitude, 0, 1e-9);
            ASSERT_GE(sky.east, -1e-12);
            ASSERT_EQ(state.ascendant, static_cast<int>(state.ascendantDegrees));
            if (std::abs(latitude) <= 66) {
                ASSERT_NEAR(state.ascendantDegrees, formula, 1e-9);
            } else if (std::fabs(state.ascendantDegrees - formula) > 1) {
                ++polarFlips;
                ASSERT_NEAR(state.ascendantDegrees, std::fmod(formula + 180, 360), 1e-9);
            }
        }
    }
    EXPECT_GT(polarFlips, 0) << "the sweep never met a setting point";
}

}  // namespace
}  // namespace fortunix
