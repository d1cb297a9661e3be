#include "reading/ReadingChain.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>

#include "ephemeris/Ascendant.h"
#include "ephemeris/BirthFixtures.h"
#include "ephemeris/SunPosition.h"
#include "reading/CurrentReading.h"
#include "reading/Interpretation.h"
#include "reading/TimeZoneTable.h"

namespace fortunix {
namespace {

using namespace fortunix::testing;

const char* const kZodiac[] = {"Aries",       "Taurus",    "Gemini",   "Cancer",
                               "Leo",         "Virgo",     "Libra",    "Scorpio",
                               "Sagittarius", "Capricorn", "Aquarius", "Pisces"};

// The pure chain and the entry procedures over the program's records give the same reading.
TEST(ComputeReading, GreenwichJ2000NoonIsTwentyFirstDegreeOfGemini) {
    const Reading reading =
        ComputeReading(MakeBirth(2000, 1, 1, 12, 0, kGreenwich), kGmt, 12, BuiltDegreeSignTable());
    EXPECT_EQ(reading.chart.sun, 280);
    EXPECT_EQ(reading.chart.ascendant, 24);
    EXPECT_EQ(reading.chart.moon, 223);
    EXPECT_EQ(reading.fortune.degrees, 81);
    EXPECT_EQ(reading.fortune.caption, "21º Gemini");
    ASSERT_TRUE(reading.fortune.paragraph.has_value());
    EXPECT_TRUE(reading.fortune.paragraph->starts_with("Like a child full of inquisitiveness"));

    birthRecord = MakeBirth(2000, 1, 1, 12, 0, kGreenwich);
    zoneState = kGmt;
    chartPositions = ChartPositions{};
    partOfFortune = PartOfFortune{};
    degreeSignTable = DegreeSignTable{};
    EXPECT_EQ(RunReadingEngines(12), reading.fortune.paragraph);
    EXPECT_EQ(chartPositions.sun, 280);
    EXPECT_EQ(chartPositions.ascendant, 24);
    EXPECT_EQ(chartPositions.moon, 223);
    EXPECT_EQ(partOfFortune.degrees, 81);
    EXPECT_EQ(partOfFortune.caption, "21º Gemini");
}

TEST(ComputeReading, HourIndexChoosesTheFormula) {
    const DegreeSignTable& signs = BuiltDegreeSignTable();
    const Reading morning =
        ComputeReading(MakeBirth(1990, 7, 4, 11, 59, kNewYork), kEasternStandard, 11, signs);
    const Reading afternoon =
        ComputeReading(MakeBirth(1990, 7, 4, 12, 0, kNewYork), kEasternStandard, 12, signs);
    const auto reduce = [](double value) { return (static_cast<int>(value) % 360 + 360) % 360; };
    const ChartPositions& m = morning.chart;
    const ChartPositions& a = afternoon.chart;
    EXPECT_EQ(morning.fortune.degrees, reduce(m.ascendant + m.moon - m.sun));
    EXPECT_EQ(afternoon.fortune.degrees, reduce(a.ascendant + a.sun - a.moon));
}

TEST(ComputeReading, NameDoesNotMatter) {
    BirthRecord birth = MakeBirth(1984, 2, 29, 6, 45, kDelhi);
    const Reading first = ComputeReading(birth, kIndian, 6, BuiltDegreeSignTable());
    birth.name = "SOMEBODY ELSE";
    const Reading second = ComputeReading(birth, kIndian, 6, BuiltDegreeSignTable());
    EXPECT_EQ(second.fortune.caption, first.fortune.caption);
    EXPECT_EQ(second.fortune.paragraph, first.fortune.paragraph);
}

// Every civil date offered by the form, 1901-01-01 to 2050-12-31, by the calendar's own rules.
template <typename Visit>
void ForEveryDateOffered(Visit visit) {
    int dayCount = 0;
    for (int year = 1901; year <= 2050; ++year) {
        const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
        const int monthLengths[] = {31, leap ? 29 : 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= monthLengths[month - 1]; ++day) {
                visit(year, month, day, dayCount++);
            }
        }
    }
}

TEST(ComputeReading, SweepOverEveryDateOffered) {
    const Place places[] = {
        kGreenwich,
        kLondon,
        kDelhi,
        kNewYork,
        Place{33, 52, true, 151, 13, true},   // Sydney
        Place{64, 8, false, 21, 56, false},   // Reykjavik
        Place{69, 39, false, 18, 57, true},   // Tromso, inside the polar circle
        Place{78, 13, false, 15, 38, true},   // Svalbard
        Place{77, 50, true, 166, 40, true},   // McMurdo
        Place{54, 48, true, 68, 18, false},   // Ushuaia
        Place{89, 59, false, 179, 59, true},  // corners of the accepted ranges
        Place{89, 59, true, 179, 59, false},
        Place{0, 0, false, 0, 0, true},
    };
    constexpr int kPlaceCount = static_cast<int>(std::size(places));
    constexpr int kBirthsPerDate = 3;
    const DegreeSignTable& signs = BuiltDegreeSignTable();
    int dates = 0;
    int failures = 0;

    ForEveryDateOffered([&](int year, int month, int day, int count) {
        ++dates;
        for (int slot = 0; slot < kBirthsPerDate && failures < 10; ++slot) {
            const int mix = count * kBirthsPerDate + slot;
            const int hour = mix * 7 % 24;
            const BirthRecord birth = MakeBirth(year, month, day, hour, mix * 13 % 60,
                                                places[mix % kPlaceCount], mix % 5 < 2);
            const int zoneIndex = mix * 29 % kTimeZoneCount;
            const Reading reading = ComputeReading(birth, *LookUpZone(zoneIndex), hour, signs);

            const ChartPositions& chart = reading.chart;
            const int degrees = reading.fortune.degrees;
            const bool inRange = chart.sun >= 0 && chart.sun <= 359 && chart.moon >= 0 &&
                                 chart.moon <= 359 && chart.ascendant >= 0 &&
                                 chart.ascendant <= 359 && degrees >= 0 && degrees <= 359;
            const bool whole = chart.sun == std::floor(chart.sun) &&
                               chart.moon == std::floor(chart.moon);  // false for NaN too
            const std::string caption =
                inRange ? std::to_string(degrees % 30) + "º " + kZodiac[degrees / 30] : "";
            if (!inRange || !whole || reading.fortune.caption != caption ||
                reading.fortune.paragraph != InterpretationParagraph(degrees / 30)) {
                ++failures;
                ADD_FAILURE() << year << "-" << month << "-" << day << " " << hour << "h, zone "
                              << zoneIndex << ", place " << mix % kPlaceCount << ": sun "
                              << chart.sun << ", moon " << chart.moon << ", ascendant "
                              << chart.ascendant << ", caption " << reading.fortune.caption;
            }
        }
    });
    EXPECT_EQ(dates, 54787);  // 150 years, 37 of them leap years
}

// The reading sheet shows one universal time, the Sun engine's: the ascendant and Moon
// engines, counting hours from the local date, must mean the same instant. Expected moments
// worked out by hand.
TEST(ComputeReading, EveryEngineUsesTheSameUniversalTime) {
    const struct {
        const char* name;
        CivilMoment local;
        ZoneState zone;
        bool dst;
        CivilMoment universal;
    } rows[] = {
        {"worked example", {2000, 1, 1, 12, 0}, {0, 0}, false, {2000, 1, 1, 12, 0}},
        {"Kathmandu, UTC+05:45", {2000, 7, 1, 12, 0}, {-5, -45}, false, {2000, 7, 1, 6, 15}},
        {"New York in summer", {2000, 7, 1, 12, 0}, {5, 0}, true, {2000, 7, 1, 16, 0}},
        {"Tokyo before dawn: the day before",
         {2000, 1, 1, 5, 0},
         {-9, 0},
         false,
         {1999, 12, 31, 20, 0}},
        {"Honolulu on New Year's Eve: the next year",
         {2000, 12, 31, 20, 0},
         {10, 0},
         false,
         {2001, 1, 1, 6, 0}},
        {"summer time east of Greenwich back over a leap day",
         {2000, 3, 1, 0, 30},
         {-1, 0},
         true,
         {2000, 2, 29, 22, 30}},
    };
    for (const auto& row : rows) {
        BirthRecord birth;
        birth.year = static_cast<std::int16_t>(row.local.year);
        birth.month = static_cast<std::int16_t>(row.local.month);
        birth.day = static_cast<std::int16_t>(row.local.day);
        birth.hour = static_cast<std::int16_t>(row.local.hour);
        birth.minute = static_cast<std::int16_t>(row.local.minute);
        birth.isDst = Flag16(row.dst);
        EXPECT_EQ(ComputeSunPosition(birth, row.zone).universal, row.universal) << row.name;

        const BirthTimeBase time = ComputeAscendant(birth, row.zone).time;
        const CivilMoment localMidnight{row.local.year, row.local.month, row.local.day, 0, 0};
        EXPECT_EQ(AddMinutes(localMidnight, std::llround(time.universalHours * 60)), row.universal)
            << row.name;
    }
}

}  // namespace
}  // namespace fortunix
