#include "zones/ZoneProposal.h"

#include <gtest/gtest.h>

#include <ostream>

#include "atlas/QStringPrinter.h"
#include "zones/ZoneHistory.h"

// Offsets are those of the tz source (2026f) and `zdump -v`; each row of the zone list is the
// one its text names ("Eastern Standard Time,EST,-5.0" is row 27 of the list, counted by hand).

namespace fortunix::zones {
namespace {

constexpr int kHour = 3600;

constexpr ZoneProposal Row(int row, bool tick) {
    return {row, tick, 0};
}
constexpr ZoneProposal Exact(int minutes, bool tick) {
    return {kBirthplaceTimeRow, tick, minutes};
}

// The proposal rules on their own, for offsets that no birth below reaches.
TEST(ZoneProposal, RowsForOffsets) {
    struct Case {
        ClockOffset offset;
        const char* abbreviation;
        ZoneProposal expected;
    } const cases[] = {
        {{-6 * kHour, 0, 0, false}, "CST", Row(21, false)},   // Chicago: the region's row
        {{8 * kHour, 0, 0, false}, "CST", Row(23, false)},    // China: same letters, +8
        {{3 * kHour, 0, 0, false}, "MSK", Row(12, false)},    // no region row: a standard one
        {{-9 * kHour, 0, 0, false}, "AKST", Row(69, false)},  // Alaska on Yukon time
        {{12 * kHour + 2700, 0, 0, false}, "+1245", Exact(765, false)},  // Chatham
        {{-2 * kHour, 2 * kHour, 0, false}, "-02", Row(11, false)},      // two hours of summer
        {{-3 * kHour - 1800, 0, 0, false}, "NST", Row(50, false)},       // Newfoundland
        {{-1521, 0, 0, false}, "DMT", Exact(-25, false)},     // -25 min 21 s rounds to -25
        {{-1531, 0, 0, false}, "X", Exact(-26, false)},       // -25 min 31 s rounds to -26
        {{3 * kHour, 0, 0, true}, "LMT", Exact(180, false)},  // mean time never takes a row
        // Ties, broken by list order: two standard rows hold +1:00 (Central European Time 20,
        // Middle European Time 41), two standard rows 0:00 (Greenwich 29, Universal 61), and
        // only two summer rows -9:30 (Hawaiian Daylight 31, Hawaiian War 33).
        {{kHour, 0, 0, false}, "WAT", Row(20, false)},
        {{0, 0, 0, false}, "WET", Row(29, false)},
        {{-9 * kHour - 1800, 0, 0, false}, "-0930", Row(31, false)},
        // A summer row is the last choice: +2:00 standard is Eastern European Time (26), though
        // four summer rows (15, 17, 19 before it, 40 after) hold +2:00 too.
        {{2 * kHour, 0, 0, false}, "SAST", Row(26, false)},
        // One hour of summer on -3:30:52: the seconds keep it off every row.
        {{-9052, kHour, 0, false}, "NDT", Exact(-211, true)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ProposeZone(c.offset, QString::fromLatin1(c.abbreviation)), c.expected)
            << c.abbreviation << ' ' << c.offset.offset;
    }
}

TEST(ZoneProposal, BirthplaceEntryCarriesItsExactCorrection) {
    EXPECT_EQ(CorrectionOf(Exact(345, false)), (ZoneState{-5, -45}));
    EXPECT_EQ(CorrectionOf(Exact(-210, false)), (ZoneState{3, 30}));
    EXPECT_EQ(CorrectionOf(Exact(20, true)), (ZoneState{0, -20}));
    EXPECT_EQ(CorrectionOf(Row(34, false)), (ZoneState{-5, -30}));
    EXPECT_EQ(CorrectionOf(Row(-1, false)), std::nullopt);  // no row chosen
    EXPECT_EQ(CorrectionOf(Row(72, false)), std::nullopt);
}

struct BirthCase {
    const char* name;
    const char* zone;
    double longitude;  // the gazetteer's, for local mean time
    CivilMoment local;
    bool laterOfRepeated;
    ZoneProposal expected;
};

// Failure messages name the row.
void PrintTo(const BirthCase& row, std::ostream* out) {
    *out << row.name;
}

const BirthCase kBirthCases[] = {
    {"NewYork1950Summer", "America/New_York", -74.006, {1950, 7, 1, 12, 0}, false, Row(27, true)},
    {"London1944DoubleSummer",
     "Europe/London",
     -0.1257,
     {1944, 7, 1, 12, 0},
     false,
     Row(15, false)},
    {"Kolkata1943WarTime", "Asia/Kolkata", 88.3630, {1943, 6, 1, 12, 0}, false, Row(34, true)},
    {"Indianapolis1965NoSummerTime",
     "America/Indiana/Indianapolis",
     -86.1580,
     {1965, 7, 1, 12, 0},
     false,
     Row(27, false)},
    {"Amsterdam1935SummerOnMeanTime",
     "Europe/Amsterdam",
     4.8897,
     {1935, 7, 1, 12, 0},
     false,
     Exact(20, true)},
    {"Kathmandu1980", "Asia/Kathmandu", 85.3206, {1980, 7, 1, 12, 0}, false, Row(34, false)},
    {"Kathmandu2000", "Asia/Kathmandu", 85.3206, {2000, 7, 1, 12, 0}, false, Exact(345, false)},
    {"Kabul1990", "Asia/Kabul", 69.1723, {1990, 1, 1, 12, 0}, false, Exact(270, false)},
    {"DublinWinterIsStandard",
     "Europe/Dublin",
     -6.2489,
     {2021, 1, 15, 12, 0},
     false,
     Row(29, false)},
    {"DublinSummer", "Europe/Dublin", -6.2489, {2021, 7, 1, 12, 0}, false, Row(29, true)},
    {"Tokyo", "Asia/Tokyo", 139.6917, {2000, 7, 1, 12, 0}, false, Row(38, false)},
    {"Adelaide2000Summer", "Australia/Adelaide", 138.6, {2000, 1, 1, 12, 0}, false, Row(6, true)},
    {"Honolulu1940", "Pacific/Honolulu", -157.8583, {1940, 1, 1, 12, 0}, false, Row(32, false)},
    // 85.3206 degrees east x 4 min = 341.28 min.
    {"KathmanduLocalMeanTime",
     "Asia/Kathmandu",
     85.3206,
     {1910, 7, 1, 12, 0},
     false,
     Exact(341, false)},
    // St John's before 1935: -3:30:52, 210.87 min west, rounded to 211.
    {"StJohns1930Standard",
     "America/St_Johns",
     -52.7093,
     {1930, 1, 15, 12, 0},
     false,
     Exact(-211, false)},
    // Half a minute rounds away from zero, west as east: Monrovia kept -0:44:30 from 1919
    // to 1972, Phnom Penh +7:06:30 from 1906 to 1911.
    {"Monrovia1950HalfAMinuteWest",
     "Africa/Monrovia",
     -10.7969,
     {1950, 7, 1, 12, 0},
     false,
     Exact(-45, false)},
    {"PhnomPenh1910HalfAMinuteEast",
     "Asia/Phnom_Penh",
     104.916,
     {1910, 7, 1, 12, 0},
     false,
     Exact(427, false)},
    // 23:59 on 28 February 1919 came twice in Monrovia: at -0:43:08, then at -0:44:30.
    {"Monrovia1919RepeatedFirst",
     "Africa/Monrovia",
     -10.7969,
     {1919, 2, 28, 23, 59},
     false,
     Exact(-43, false)},
    {"Monrovia1919RepeatedSecond",
     "Africa/Monrovia",
     -10.7969,
     {1919, 2, 28, 23, 59},
     true,
     Exact(-45, false)},
    // 1:30 came twice: first EDT, then EST; the choice picks the row's tick.
    {"NewYork2021RepeatedFirst",
     "America/New_York",
     -74.006,
     {2021, 11, 7, 1, 30},
     false,
     Row(27, true)},
    {"NewYork2021RepeatedSecond",
     "America/New_York",
     -74.006,
     {2021, 11, 7, 1, 30},
     true,
     Row(27, false)},
    // A skipped minute takes the offset before the change, whatever the choice.
    {"NewYork2021Skipped",
     "America/New_York",
     -74.006,
     {2021, 3, 14, 2, 30},
     false,
     Row(27, false)},
    {"NewYork2021SkippedSecond",
     "America/New_York",
     -74.006,
     {2021, 3, 14, 2, 30},
     true,
     Row(27, false)},
    // The second of a repeated minute at the end of mean time is the zone's first standard row.
    {"KathmanduMeanTimeEndsSecond",
     "Asia/Kathmandu",
     85.3206,
     {1919, 12, 31, 23, 59},
     true,
     Row(34, false)},
};

class BirthProposals : public ::testing::TestWithParam<BirthCase> {};

TEST_P(BirthProposals, RowAndTick) {
    const BirthCase& c = GetParam();
    const ZoneHistory& history = BuiltInZoneHistory();
    const qsizetype zone = history.findZone(QString::fromLatin1(c.zone));
    ASSERT_GE(zone, 0) << c.zone;
    const BirthplaceZone place{static_cast<quint16>(zone), c.longitude};
    EXPECT_EQ(ProposeZone(history, FindBirthZone(history, place, c.local), c.laterOfRepeated),
              c.expected);
}

INSTANTIATE_TEST_SUITE_P(TzDatabase, BirthProposals, ::testing::ValuesIn(kBirthCases),
                         [](const ::testing::TestParamInfo<BirthCase>& row) {
                             return std::string(row.param.name);
                         });

}  // namespace
}  // namespace fortunix::zones
