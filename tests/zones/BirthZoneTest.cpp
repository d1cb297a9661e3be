#include "zones/BirthZone.h"

#include <gtest/gtest.h>

#include <ostream>

#include "atlas/BuiltInAtlas.h"
#include "atlas/QStringPrinter.h"
#include "zones/ZoneHistory.h"

// Expected offsets are those of the tz source (tzdata.zi, 2026f) and of `zdump -v` (tzdata
// 2025b, the same history for these years).

namespace fortunix::zones {
namespace {

using atlas::Atlas;
using atlas::BuiltInAtlas;
using atlas::kNoZone;
using Kind = BirthZone::Kind;

// The largest place of that name in that country.
qsizetype FindPlace(const Atlas& atlas, QStringView name, QStringView countryCode) {
    qsizetype best = -1;
    for (qsizetype i = 0; i < atlas.placeCount(); ++i) {
        if (atlas.placeName(i) == name &&
            atlas.country(atlas.place(i).country).code == countryCode &&
            (best < 0 || atlas.place(i).population > atlas.place(best).population)) {
            best = i;
        }
    }
    return best;
}

struct Offset {
    int seconds;
    int summer;
    const char* abbreviation;
};

struct HistoricalCase {
    const char* name;
    const char* place;
    const char* country;
    const char* zone;
    CivilMoment local;
    Kind kind;
    Offset first;
    Offset second;  // for a repeated or skipped hour
};

// Failure messages name the row.
void PrintTo(const HistoricalCase& row, std::ostream* out) {
    *out << row.name;
}

constexpr int kHour = 3600;

const HistoricalCase kHistoricalCases[] = {
    {"NewYork1950Summer",
     "New York City",
     "US",
     "America/New_York",
     {1950, 7, 1, 12, 0},
     Kind::Single,
     {-4 * kHour, kHour, "EDT"},
     {}},
    {"London1944DoubleSummer",
     "London",
     "GB",
     "Europe/London",
     {1944, 7, 1, 12, 0},
     Kind::Single,
     {2 * kHour, 2 * kHour, "BDST"},
     {}},
    {"Kolkata1943WarTime",
     "Kolkata",
     "IN",
     "Asia/Kolkata",
     {1943, 6, 1, 12, 0},
     Kind::Single,
     {6 * kHour + 1800, kHour, "+0630"},
     {}},
    {"Indianapolis1965NoSummerTime",
     "Indianapolis",
     "US",
     "America/Indiana/Indianapolis",
     {1965, 7, 1, 12, 0},
     Kind::Single,
     {-5 * kHour, 0, "EST"},
     {}},
    {"Amsterdam1935SummerOnMeanTime",
     "Amsterdam",
     "NL",
     "Europe/Amsterdam",
     {1935, 7, 1, 12, 0},
     Kind::Single,
     {kHour + 1172, kHour, "NST"},
     {}},
    {"Kathmandu1980",
     "Kathmandu",
     "NP",
     "Asia/Kathmandu",
     {1980, 7, 1, 12, 0},
     Kind::Single,
     {5 * kHour + 1800, 0, "+0530"},
     {}},
    {"Kathmandu2000",
     "Kathmandu",
     "NP",
     "Asia/Kathmandu",
     {2000, 7, 1, 12, 0},
     Kind::Single,
     {5 * kHour + 2700, 0, "+0545"},
     {}},
    {"Kabul1990",
     "Kabul",
     "AF",
     "Asia/Kabul",
     {1990, 1, 1, 12, 0},
     Kind::Single,
     {4 * kHour + 1800, 0, "+0430"},
     {}},
    {"DublinWinterIsStandard",
     "Dublin",
     "IE",
     "Europe/Dublin",
     {2021, 1, 15, 12, 0},
     Kind::Single,
     {0, 0, "GMT"},
     {}},
    {"DublinSummer",
     "Dublin",
     "IE",
     "Europe/Dublin",
     {2021, 7, 1, 12, 0},
     Kind::Single,
     {kHour, kHour, "IST"},
     {}},
    {"Tokyo",
     "Tokyo",
     "JP",
     "Asia/Tokyo",
     {2000, 7, 1, 12, 0},
     Kind::Single,
     {9 * kHour, 0, "JST"},
     {}},
    {"Adelaide2000Summer",
     "Adelaide",
     "AU",
     "Australia/Adelaide",
     {2000, 1, 1, 12, 0},
     Kind::Single,
     {10 * kHour + 1800, kHour, "ACDT"},
     {}},
    {"Honolulu1940",
     "Honolulu",
     "US",
     "Pacific/Honolulu",
     {1940, 1, 1, 12, 0},
     Kind::Single,
     {-10 * kHour - 1800, 0, "HST"},
     {}},
    {"NewYork2021Repeated",
     "New York City",
     "US",
     "America/New_York",
     {2021, 11, 7, 1, 30},
     Kind::Repeated,
     {-4 * kHour, kHour, "EDT"},
     {-5 * kHour, 0, "EST"}},
    {"NewYork2021Skipped",
     "New York City",
     "US",
     "America/New_York",
     {2021, 3, 14, 2, 30},
     Kind::Skipped,
     {-5 * kHour, 0, "EST"},
     {-4 * kHour, kHour, "EDT"}},
    // Before 1920 Kathmandu kept its own mean time: 85.3206° E x 4 min = 341.28 min.
    {"KathmanduLocalMeanTime",
     "Kathmandu",
     "NP",
     "Asia/Kathmandu",
     {1910, 7, 1, 12, 0},
     Kind::Single,
     {20477, 0, "LMT"},
     {}},
};

class HistoricalBirths : public ::testing::TestWithParam<HistoricalCase> {};

void ExpectOffset(const ZoneHistory& history, const ClockOffset& actual, const Offset& expected) {
    EXPECT_EQ(actual.offset, expected.seconds);
    EXPECT_EQ(actual.summer, expected.summer);
    EXPECT_EQ(history.abbreviation(actual.abbreviation),
              QString::fromLatin1(expected.abbreviation));
}

TEST_P(HistoricalBirths, ZoneOffsets) {
    const HistoricalCase& c = GetParam();
    const Atlas& atlas = BuiltInAtlas();
    const ZoneHistory& history = BuiltInZoneHistory();
    const qsizetype place =
        FindPlace(atlas, QString::fromUtf8(c.place), QString::fromLatin1(c.country));
    ASSERT_GE(place, 0);
    ASSERT_NE(atlas.place(place).zone, kNoZone);
    const qsizetype zone = atlas.place(place).zone;
    EXPECT_EQ(history.zoneName(zone), QString::fromLatin1(c.zone));

    const BirthZone found =
        FindBirthZone(history.periods(zone), atlas.place(place).longitude, c.local);
    EXPECT_EQ(found.kind, c.kind);
    ExpectOffset(history, found.offsets[0], c.first);
    if (c.kind != Kind::Single) {
        ExpectOffset(history, found.offsets[1], c.second);
    }
}

INSTANTIATE_TEST_SUITE_P(Atlas, HistoricalBirths, ::testing::ValuesIn(kHistoricalCases),
                         [](const ::testing::TestParamInfo<HistoricalCase>& row) {
                             return std::string(row.param.name);
                         });

// The minutes on both sides of each kind of clock change, and inside the skipped or repeated
// stretch its first and last, as `zdump -v` gives the change. Local mean time is tz's own for
// the zone, which a longitude of its offset / 240 degrees reproduces to the second.
struct ChangeCase {
    const char* name;
    const char* zone;
    double longitude;
    CivilMoment local;
    Kind kind;
    Offset first;
    Offset second;  // for a repeated or skipped minute
};

// Failure messages name the row.
void PrintTo(const ChangeCase& row, std::ostream* out) {
    *out << row.name;
}

constexpr Offset kEst{-5 * kHour, 0, "EST"};
constexpr Offset kEdt{-4 * kHour, kHour, "EDT"};
constexpr Offset kAbidjanMeanTime{-968, 0, "LMT"};
constexpr Offset kGmt{0, 0, "GMT"};
constexpr Offset kKathmanduMeanTime{20476, 0, "LMT"};
constexpr Offset kNepal0530{5 * kHour + 1800, 0, "+0530"};
constexpr Offset kNepal0545{5 * kHour + 2700, 0, "+0545"};
constexpr Offset kBrazilSummer{-2 * kHour, kHour, "-02"};
constexpr Offset kBrazilStandard{-3 * kHour, 0, "-03"};
constexpr Offset kNewfoundlandStandard{-12652, 0, "NST"};   // -3:30:52
constexpr Offset kNewfoundlandSummer{-9052, kHour, "NDT"};  // -2:30:52
constexpr Offset kAdelaideSummer{10 * kHour + 1800, kHour, "ACDT"};
constexpr Offset kMonroviaTo1919{-2588, 0, "MMT"};  // -0:43:08
constexpr Offset kMonroviaTo1972{-2670, 0, "MMT"};  // -0:44:30

const ChangeCase kChangeCases[] = {
    // New York, 14 March 2021, 02:00 EST -> 03:00 EDT.
    {"ForwardLastMinuteBefore",
     "America/New_York",
     -74,
     {2021, 3, 14, 1, 59},
     Kind::Single,
     kEst,
     {}},
    {"ForwardFirstSkipped",
     "America/New_York",
     -74,
     {2021, 3, 14, 2, 0},
     Kind::Skipped,
     kEst,
     kEdt},
    {"ForwardLastSkipped",
     "America/New_York",
     -74,
     {2021, 3, 14, 2, 59},
     Kind::Skipped,
     kEst,
     kEdt},
    {"ForwardFirstMinuteAfter",
     "America/New_York",
     -74,
     {2021, 3, 14, 3, 0},
     Kind::Single,
     kEdt,
     {}},
    // New York, 7 November 2021, 02:00 EDT -> 01:00 EST.
    {"BackLastMinuteBefore", "America/New_York", -74, {2021, 11, 7, 0, 59}, Kind::Single, kEdt, {}},
    {"BackFirstRepeated", "America/New_York", -74, {2021, 11, 7, 1, 0}, Kind::Repeated, kEdt, kEst},
    {"BackLastRepeated", "America/New_York", -74, {2021, 11, 7, 1, 59}, Kind::Repeated, kEdt, kEst},
    {"BackFirstMinuteAfter", "America/New_York", -74, {2021, 11, 7, 2, 0}, Kind::Single, kEst, {}},
    // Abidjan, 1 January 1912, 00:00 LMT -> 00:16:08 GMT: mean time ends with a jump forward.
    {"MeanTimeEndsForwardLastMinuteBefore",
     "Africa/Abidjan",
     -968 / 240.0,
     {1911, 12, 31, 23, 59},
     Kind::Single,
     kAbidjanMeanTime,
     {}},
    {"MeanTimeEndsForwardFirstSkipped",
     "Africa/Abidjan",
     -968 / 240.0,
     {1912, 1, 1, 0, 0},
     Kind::Skipped,
     kAbidjanMeanTime,
     kGmt},
    {"MeanTimeEndsForwardLastSkipped",
     "Africa/Abidjan",
     -968 / 240.0,
     {1912, 1, 1, 0, 16},
     Kind::Skipped,
     kAbidjanMeanTime,
     kGmt},
    {"MeanTimeEndsForwardFirstMinuteAfter",
     "Africa/Abidjan",
     -968 / 240.0,
     {1912, 1, 1, 0, 17},
     Kind::Single,
     kGmt,
     {}},
    // Kathmandu, 1 January 1920, 00:00 LMT -> 31 December 1919, 23:48:44 +0530: back.
    {"MeanTimeEndsBackLastMinuteBefore",
     "Asia/Kathmandu",
     20476 / 240.0,
     {1919, 12, 31, 23, 48},
     Kind::Single,
     kKathmanduMeanTime,
     {}},
    {"MeanTimeEndsBackFirstRepeated",
     "Asia/Kathmandu",
     20476 / 240.0,
     {1919, 12, 31, 23, 49},
     Kind::Repeated,
     kKathmanduMeanTime,
     kNepal0530},
    {"MeanTimeEndsBackLastRepeated",
     "Asia/Kathmandu",
     20476 / 240.0,
     {1919, 12, 31, 23, 59},
     Kind::Repeated,
     kKathmanduMeanTime,
     kNepal0530},
    {"MeanTimeEndsBackFirstMinuteAfter",
     "Asia/Kathmandu",
     20476 / 240.0,
     {1920, 1, 1, 0, 0},
     Kind::Single,
     kNepal0530,
     {}},
    // Kathmandu, over the new year 1986: 00:00 +0530 -> 00:15 +0545.
    {"YearEndLastMinuteBefore",
     "Asia/Kathmandu",
     85.3,
     {1985, 12, 31, 23, 59},
     Kind::Single,
     kNepal0530,
     {}},
    {"YearEndFirstSkipped",
     "Asia/Kathmandu",
     85.3,
     {1986, 1, 1, 0, 0},
     Kind::Skipped,
     kNepal0530,
     kNepal0545},
    {"YearEndLastSkipped",
     "Asia/Kathmandu",
     85.3,
     {1986, 1, 1, 0, 14},
     Kind::Skipped,
     kNepal0530,
     kNepal0545},
    {"YearEndFirstMinuteAfter",
     "Asia/Kathmandu",
     85.3,
     {1986, 1, 1, 0, 15},
     Kind::Single,
     kNepal0545,
     {}},
    // São Paulo, 1 March 1964, 00:00 -02 -> 29 February, 23:00 -03: a leap day repeated.
    {"LeapDayLastMinuteBefore",
     "America/Sao_Paulo",
     -46.6,
     {1964, 2, 29, 22, 59},
     Kind::Single,
     kBrazilSummer,
     {}},
    {"LeapDayFirstRepeated",
     "America/Sao_Paulo",
     -46.6,
     {1964, 2, 29, 23, 0},
     Kind::Repeated,
     kBrazilSummer,
     kBrazilStandard},
    {"LeapDayLastRepeated",
     "America/Sao_Paulo",
     -46.6,
     {1964, 2, 29, 23, 59},
     Kind::Repeated,
     kBrazilSummer,
     kBrazilStandard},
    {"LeapDayFirstMinuteAfter",
     "America/Sao_Paulo",
     -46.6,
     {1964, 3, 1, 0, 0},
     Kind::Single,
     kBrazilStandard,
     {}},
    // St John's, 4 May 1930, 23:00 NST (-3:30:52) -> 5 May, 00:00 NDT: seconds west of UT.
    {"SecondsWestLastMinuteBefore",
     "America/St_Johns",
     -52.7,
     {1930, 5, 4, 22, 59},
     Kind::Single,
     kNewfoundlandStandard,
     {}},
    {"SecondsWestFirstSkipped",
     "America/St_Johns",
     -52.7,
     {1930, 5, 4, 23, 0},
     Kind::Skipped,
     kNewfoundlandStandard,
     kNewfoundlandSummer},
    {"SecondsWestLastSkipped",
     "America/St_Johns",
     -52.7,
     {1930, 5, 4, 23, 59},
     Kind::Skipped,
     kNewfoundlandStandard,
     kNewfoundlandSummer},
    {"SecondsWestFirstMinuteAfter",
     "America/St_Johns",
     -52.7,
     {1930, 5, 5, 0, 0},
     Kind::Single,
     kNewfoundlandSummer,
     {}},
    // São Paulo, 1 March 1967, 00:00 -02 -> 28 February, 23:00 -03: the last day of a common
    // year's February repeated.
    {"CommonYearFebruaryLastMinuteBefore",
     "America/Sao_Paulo",
     -46.6,
     {1967, 2, 28, 22, 59},
     Kind::Single,
     kBrazilSummer,
     {}},
    {"CommonYearFebruaryFirstRepeated",
     "America/Sao_Paulo",
     -46.6,
     {1967, 2, 28, 23, 0},
     Kind::Repeated,
     kBrazilSummer,
     kBrazilStandard},
    {"CommonYearFebruaryLastRepeated",
     "America/Sao_Paulo",
     -46.6,
     {1967, 2, 28, 23, 59},
     Kind::Repeated,
     kBrazilSummer,
     kBrazilStandard},
    {"CommonYearFebruaryFirstMinuteAfter",
     "America/Sao_Paulo",
     -46.6,
     {1967, 3, 1, 0, 0},
     Kind::Single,
     kBrazilStandard,
     {}},
    // Monrovia, 1 March 1919, 00:00 at -0:43:08 -> 28 February, 23:58:38 at -0:44:30: 82 s
    // back, so of whole minutes only 23:59 came twice.
    {"SecondsBackLastMinuteBefore",
     "Africa/Monrovia",
     -10.8,
     {1919, 2, 28, 23, 58},
     Kind::Single,
     kMonroviaTo1919,
     {}},
    {"SecondsBackOnlyRepeated",
     "Africa/Monrovia",
     -10.8,
     {1919, 2, 28, 23, 59},
     Kind::Repeated,
     kMonroviaTo1919,
     kMonroviaTo1972},
    {"SecondsBackFirstMinuteAfter",
     "Africa/Monrovia",
     -10.8,
     {1919, 3, 1, 0, 0},
     Kind::Single,
     kMonroviaTo1972,
     {}},
    // Monrovia, 7 January 1972, 00:00 at -0:44:30 -> 00:44:30 GMT: 00:44 is skipped, its
    // seconds up to :29 lying before the change.
    {"SecondsForwardLastMinuteBefore",
     "Africa/Monrovia",
     -10.8,
     {1972, 1, 6, 23, 59},
     Kind::Single,
     kMonroviaTo1972,
     {}},
    {"SecondsForwardFirstSkipped",
     "Africa/Monrovia",
     -10.8,
     {1972, 1, 7, 0, 0},
     Kind::Skipped,
     kMonroviaTo1972,
     kGmt},
    {"SecondsForwardLastSkipped",
     "Africa/Monrovia",
     -10.8,
     {1972, 1, 7, 0, 44},
     Kind::Skipped,
     kMonroviaTo1972,
     kGmt},
    {"SecondsForwardFirstMinuteAfter",
     "Africa/Monrovia",
     -10.8,
     {1972, 1, 7, 0, 45},
     Kind::Single,
     kGmt,
     {}},
    // Adelaide's summer over a new year and a leap day, without a change.
    {"SummerYearEnd",
     "Australia/Adelaide",
     138.6,
     {1999, 12, 31, 23, 59},
     Kind::Single,
     kAdelaideSummer,
     {}},
    {"SummerNewYear",
     "Australia/Adelaide",
     138.6,
     {2000, 1, 1, 0, 0},
     Kind::Single,
     kAdelaideSummer,
     {}},
    {"SummerLeapDay",
     "Australia/Adelaide",
     138.6,
     {2000, 2, 29, 23, 59},
     Kind::Single,
     kAdelaideSummer,
     {}},
};

class ClockChanges : public ::testing::TestWithParam<ChangeCase> {};

TEST_P(ClockChanges, KindAndOffsets) {
    const ChangeCase& c = GetParam();
    const ZoneHistory& history = BuiltInZoneHistory();
    const qsizetype zone = history.findZone(QString::fromLatin1(c.zone));
    ASSERT_GE(zone, 0) << c.zone;
    const BirthZone found = FindBirthZone(history.periods(zone), c.longitude, c.local);
    EXPECT_EQ(found.kind, c.kind);
    ExpectOffset(history, found.offsets[0], c.first);
    if (c.kind != Kind::Single) {
        ExpectOffset(history, found.offsets[1], c.second);
    }
}

INSTANTIATE_TEST_SUITE_P(TzDatabase, ClockChanges, ::testing::ValuesIn(kChangeCases),
                         [](const ::testing::TestParamInfo<ChangeCase>& row) {
                             return std::string(row.param.name);
                         });

// A birthplace whose zone the history does not hold keeps its own mean time: Kathmandu's
// 85.3206 degrees east are 20476.9 s, 20477 whole seconds.
TEST(BirthplaceZone, WithoutAZoneOfTheHistoryKeepsItsOwnMeanTime) {
    const ZoneHistory& history = BuiltInZoneHistory();
    const CivilMoment noon{2000, 7, 1, 12, 0};
    for (const qsizetype zone : {qsizetype(kNoZone), history.zoneCount()}) {
        const BirthZone found = FindBirthZone(history, {static_cast<quint16>(zone), 85.3206}, noon);
        EXPECT_EQ(found.kind, Kind::Single) << zone;
        EXPECT_TRUE(found.offsets[0].localMeanTime) << zone;
        EXPECT_EQ(found.offsets[0].offset, 20477) << zone;
    }
    const auto kathmandu = static_cast<quint16>(history.findZone(QStringLiteral("Asia/Kathmandu")));
    const BirthZone found = FindBirthZone(history, {kathmandu, 85.3206}, noon);
    EXPECT_FALSE(found.offsets[0].localMeanTime);
    EXPECT_EQ(found.offsets[0].offset, 5 * kHour + 2700);
}
}  // namespace
}  // namespace fortunix::zones
