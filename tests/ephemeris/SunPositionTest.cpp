#include "ephemeris/SunPosition.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <utility>

#include "ephemeris/BirthFixtures.h"

namespace fortunix {
namespace {

using namespace fortunix::testing;

constexpr double kTwoPiAsUsed = 6.28318530717958;

TEST(Mod2Pi, ReducesIntoOneTurn) {
    struct Row {
        const char* name;
        double x, expected;
    };
    const Row rows[] = {
        {"small negative angle", -0.1, 6.18318530717958},
        {"exactly one turn", kTwoPiAsUsed, 0},
        {"exactly minus one turn", -kTwoPiAsUsed, 0},
        {"a little over one turn", 7, 0.71681469282042},
        {"a little under minus one turn", -7, kTwoPiAsUsed - 0.71681469282042},
        {"inside the turn", 1.5, 1.5},
        {"many turns", 100 * kTwoPiAsUsed + 0.25, 0.25},
    };
    for (const Row& row : rows) {
        const double reduced = Mod2Pi(row.x);
        EXPECT_NEAR(reduced, row.expected, 1e-11) << row.name;
        EXPECT_GE(reduced, 0) << row.name;
        EXPECT_LT(reduced, kTwoPiAsUsed) << row.name;
    }
}

TEST(AbsFloor, TruncatesTowardsZero) {
    for (const auto& [x, expected] : {std::pair{2.5, 2}, {-2.5, -2}, {0.0, 0}, {-0.25, 0}}) {
        EXPECT_EQ(AbsFloor(x), expected) << x;
    }
}

// Going back from the true anomaly to the mean anomaly must give the input again; a circle
// keeps the mean anomaly and the perihelion stays at zero.
TEST(TrueAnomaly, SolvesKeplersEquation) {
    for (const double e : {0.0, 0.0167, 0.0934, 0.2488}) {
        EXPECT_NEAR(TrueAnomaly(0, e), 0, 1e-15) << "e = " << e;
        for (double m = 0.05; m < kTwoPiAsUsed; m += 0.37) {
            const double v = TrueAnomaly(m, e);
            ASSERT_GE(v, 0);
            ASSERT_LT(v, kTwoPiAsUsed);
            const double eccentric = 2 * std::atan(std::sqrt((1 - e) / (1 + e)) * std::tan(v / 2));
            double meanAgain = eccentric - e * std::sin(eccentric);
            if (meanAgain < 0) {
                meanAgain += 2 * std::numbers::pi;
            }
            EXPECT_NEAR(meanAgain, m, 1e-10) << "M = " << m << ", e = " << e;
        }
    }
}

TEST(OrbitalElements, RowsOfTheElementsTable) {
    constexpr double degToRad = 0.0174532925199433;
    const auto mercury = OrbitalElements(0, 0);
    ASSERT_TRUE(mercury.has_value());
    EXPECT_DOUBLE_EQ(mercury->semiMajorAxis, 0.38709893);
    EXPECT_NEAR(mercury->meanLongitude, 252.25084 * degToRad, 1e-12);

    const auto pluto = OrbitalElements(8, 0);
    ASSERT_TRUE(pluto.has_value());
    EXPECT_DOUBLE_EQ(pluto->semiMajorAxis, 39.48168677);
    EXPECT_NEAR(pluto->meanLongitude, 238.92881 * degToRad, 1e-12);

    // One century after J2000 the Earth's row has moved by one rate each.
    const auto earth = OrbitalElements(2, 36525);
    ASSERT_TRUE(earth.has_value());
    EXPECT_NEAR(earth->semiMajorAxis, 1.00000006, 1e-15);
    EXPECT_NEAR(earth->eccentricity, 0.01667218, 1e-15);
    EXPECT_NEAR(earth->inclination, (0.00005 - 46.94 / 3600) * degToRad, 1e-15);
    EXPECT_NEAR(earth->node, (-11.26064 - 18228.25 / 3600) * degToRad, 1e-12);
    EXPECT_NEAR(earth->perihelion, (102.94719 + 1198.28 / 3600) * degToRad, 1e-12);
    // 100.46435 + 129597740.63 / 3600 = 36099.8367... degrees, 100 turns and 99.8367...
    EXPECT_NEAR(earth->meanLongitude, 99.83674722222 * degToRad, 1e-9);

    EXPECT_FALSE(OrbitalElements(-1, 0).has_value());
    EXPECT_FALSE(OrbitalElements(9, 0).has_value());
}

TEST(GeocentricLongitude, SunAtReferenceInstants) {
    struct Row {
        const char* name;
        BirthRecord birth;  // at Greenwich, in universal time
        double days, longitude, whole;
    };
    const Row rows[] = {
        {"J2000 epoch", MakeBirth(2000, 1, 1, 12, 0, kGreenwich), 0, 280.3796, 280},
        {"4 July 1990 05:30 UT", MakeBirth(1990, 7, 4, 5, 30, kGreenwich), -3468.2708333, 102.1316,
         102},
        {"21 March 1980 00:00 UT, just past the equinox", MakeBirth(1980, 3, 21, 0, 0, kGreenwich),
         -7225.5, 0.8142, 0},
    };
    for (const Row& row : rows) {
        EXPECT_NEAR(GeocentricLongitude(Body::Sun, row.days), row.longitude, 1e-4) << row.name;
        EXPECT_EQ(ComputeSunPosition(row.birth, kGmt).sunDegrees, row.whole) << row.name;
    }
}

TEST(GeocentricLongitude, EveryBodyLandsInOneTurn) {
    for (int body = 0; body < kBodyCount; ++body) {
        for (double days = -36000; days <= 18000; days += 977) {
            const double longitude = GeocentricLongitude(static_cast<Body>(body), days);
            EXPECT_GE(longitude, 0) << "body " << body << " at " << days;
            EXPECT_LE(longitude, 360) << "body " << body << " at " << days;
        }
    }
}

TEST(SunLongitude, AgreesWithTheSunSeenFromTheEarthsPosition) {
    // The position-based longitude goes through the Earth's coordinates and an arc tangent.
    for (double days = -36890.5; days <= 18628; days += 13.7) {
        const double longitude = SunLongitude(days);
        ASSERT_GE(longitude, 0) << days;
        ASSERT_LE(longitude, 360) << days;
        ASSERT_NEAR(std::remainder(longitude - GeocentricLongitude(Body::Sun, days), 360), 0, 1e-9)
            << days;
    }
}

TEST(ComputeSunPosition, UniversalMomentCarriesOverTheCalendar) {
    struct Row {
        const char* name;
        BirthRecord birth;
        ZoneState zone;
        CivilMoment universal;
        double dayNumber;
    };
    const Row rows[] = {
        {"ten and a half hours ahead, back into the previous day",
         MakeBirth(1990, 7, 4, 5, 0, kNullIsland), ZoneState{-10, -30},
         CivilMoment{1990, 7, 3, 18, 30}, -3468.2708333333333 - 11.0 / 24},
        {"five hours behind, into the next year", MakeBirth(1999, 12, 31, 23, 30, kNullIsland),
         kEasternStandard, CivilMoment{2000, 1, 1, 4, 30}, -0.5 + 4.5 / 24},
        {"daylight saving moves the moment back an hour, into the old year",
         MakeBirth(2000, 1, 1, 0, 30, kNullIsland, true), kGmt, CivilMoment{1999, 12, 31, 23, 30},
         -0.5 - 0.5 / 24},
        {"daylight saving and a zone ahead add up", MakeBirth(2000, 3, 1, 1, 30, kDelhi, true),
         kIndian, CivilMoment{2000, 2, 29, 19, 0}, 59.0 + 7.0 / 24},
        {"the longitude's hemisphere plays no part", MakeBirth(1999, 12, 31, 23, 30, kDelhi),
         kEasternStandard, CivilMoment{2000, 1, 1, 4, 30}, -0.5 + 4.5 / 24},
    };
    for (const Row& row : rows) {
        const PlanetEngineState state = ComputeSunPosition(row.birth, row.zone);
        EXPECT_EQ(state.universal, row.universal) << row.name;
        EXPECT_NEAR(state.dayNumber, row.dayNumber, 1e-9) << row.name;
    }
}

}  // namespace
}  // namespace fortunix
