#include "reading/TimeZoneTable.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <iterator>
#include <limits>

namespace fortunix {
namespace {

struct ZoneRow {
    int index;
    const char* listText;
    int hours;
    int minutes;
};

// The zone list as the product shows it, written out independently of the program's table.
const ZoneRow kExpectedZones[] = {
    {0, "Alaska/Hawaii Daylight Time,AHDT,-9.0", 9, 0},
    {1, "Alaska/Hawaii Standard Time,AHST,-10.0", 10, 0},
    {2, "Alaska/Hawaii War Time,AHWT,-9.0", 9, 0},
    {3, "Atlantic Standard Time,AST,-4.0", 4, 0},
    {4, "Atlantic War Time,AWT,-3.0", 3, 0},
    {5, "Australian Central Daylight Time,ACDT,+10.5", -10, -30},
    {6, "Australian Central Standard Time,ACST,+9.5", -9, -30},
    {7, "Australian Eastern Daylight Time,AEDT,+11.0", -11, 0},
    {8, "Australian Eastern Standard Time,AEST,+10.0", -10, 0},
    {9, "Australian Western Daylight Time,AWDT,+9.0", -9, 0},
    {10, "Australian Western Standard Time,AWST,+8.0", -8, 0},
    {11, "Azores Time, AT, -2.0", 2, 0},
    {12, "Baghdad Time, BAT, +3.0", -3, 0},
    {13, "Bering Standard Time,BET,-11.0", 11, 0},
    {14, "Brazil Zone 2,BZT2,-3.0", 3, 0},
    {15, "British Double Summer Time,BDST,+2.0", -2, 0},
    {16, "British Summer Time,BST,+1.0", -1, 0},
    {17, "British War Time,BWT,+2.0", -2, 0},
    {18, "Central Daylight Time,CDT,-5.0", 5, 0},
    {19, "Central European Daylight,CED,+2.0", -2, 0},
    {20, "Central European Time,CET,+1.0", -1, 0},
    {21, "Central Standard Time,CST,-6.0", 6, 0},
    {22, "Central War Time,CWT,-5.0", 5, 0},
    {23, "China Coast Time,CCT,+8.0", -8, 0},
    {24, "Eastern Daylight Time,EDT,-4.0", 4, 0},
    {25, "Eastern European Daylight Time,EED,+3.0", -3, 0},
    {26, "Eastern European Time,EET,+2.0", -2, 0},
    {27, "Eastern Standard Time,EST,-5.0", 5, 0},
    {28, "Eastern War Time,EWT,-4.0", 4, 0},
    {29, "Greenwich Mean Time,GMT,0.0", 0, 0},
    {30, "Guam Standard Time,GST,+10.0", -10, 0},
    {31, "Hawaiian Daylight Time,HDT,-9.5", 9, 30},
    {32, "Hawaiian Standard Time,HST,-10.5", 10, 30},
    {33, "Hawaiian War Time,HWT,-9.5", 9, 30},
    {34, "Indian Time, IST, +5.3", -5, -30},
    {35, "Int'l Date Line East,IDLE,+12.0", -12, 0},
    {36, "Int'l Date Line West,IDLW,-12.0", 12, 0},
    {37, "Iran Time, IT, +3.5", -3, -30},
    {38, "Japan Standard Time,JST,+9.0", -9, 0},
    {39, "Java Time, JT, +7.5", -7, -30},
    {40, "Middle European Daylight Time,MED,+2.0", -2, 0},
    {41, "Middle European Time,MET,+1.0", -1, 0},
    {42, "Moluccas Time, MT, +8.5", -8, -30},
    {43, "Mountain Daylight Time,MDT,-6.0", 6, 0},
    {44, "Mountain Standard Time,MST,-7.0", 7, 0},
    {45, "Mountain War Time,MWT,-6.0", 6, 0},
    {46, "New Zealand Std Summer Time,NZST,+13.0", -13, 0},
    {47, "New Zealand Std Time,NZT,+12.0", -12, 0},
    {48, "New Zealand Summer Time,NZS,+12.5", -12, -30},
    {49, "New Zealand Time,NZ,+11.5", -11, -30},
    {50, "Newfoundland Standard Time,NST,-3.5", 3, 30},
    {51, "Nome Time, NT, -11.0", 11, 0},
    {52, "North Sumatra Time,NST,+6.5", -6, -30},
    {53, "Pacific Daylight Time,PDT,-7.0", 7, 0},
    {54, "Pacific Standard Time,PST,-8.0", 8, 0},
    {55, "Pacific War Time,PWT,-7.0", 7, 0},
    {56, "South Australia Daylight Time,SAD,+10.5", -10, -30},
    {57, "South Australia Daylight Time,SDT,+10.5", -10, -30},
    {58, "South Australia Standard Time,SAST,+9.5", -9, -30},
    {59, "South Australia Standard Time,SAT,+9.5", -9, -30},
    {60, "South Sumatra Time,SST,+7.0", -7, 0},
    {61, "Universal Time, UT, 0.0", 0, 0},
    {62, "USSR Zone 10,UZ10,+11.0", -11, 0},
    {63, "USSR Zone 3,USZ3,+4.0", -4, 0},
    {64, "USSR Zone 4,USZ4,+5.0", -5, 0},
    {65, "USSR Zone 5,USZ5,+6.0", -6, 0},
    {66, "USSR Zone 6,USZ6,+7.0", -7, 0},
    {67, "West Africa Time,WAT,-1.0", 1, 0},
    {68, "Yukon Daylight Time,YDT,-8.0", 8, 0},
    {69, "Yukon Standard Time,YST,-9.0", 9, 0},
    {70, "Yukon War Time,YWT,-8.0", 8, 0},
};

TEST(TimeZoneTable, EveryListTextAndCorrectionInOrder) {
    ASSERT_EQ(kTimeZoneTable.size(), 71u);
    ASSERT_EQ(std::size(kExpectedZones), kTimeZoneTable.size());
    EXPECT_EQ(kTimeZoneTable[kDefaultTimeZoneIndex].listText, "Greenwich Mean Time,GMT,0.0");
    for (const ZoneRow& row : kExpectedZones) {
        const TimeZoneRow& actual = kTimeZoneTable[static_cast<std::size_t>(row.index)];
        EXPECT_EQ(actual.listText, row.listText) << "row " << row.index;
        EXPECT_EQ(actual.correction.hours, row.hours) << row.listText;
        EXPECT_EQ(actual.correction.minutes, row.minutes) << row.listText;
        const auto looked = LookUpZone(row.index);
        ASSERT_TRUE(looked.has_value()) << row.listText;
        EXPECT_EQ(*looked, (ZoneState{static_cast<std::int16_t>(row.hours),
                                      static_cast<std::int16_t>(row.minutes)}))
            << row.listText;
    }
}

// A summer row names daylight, summer or war time in its text, and no other row does: 28 of
// the 71, from Alaska/Hawaii Daylight Time (the first row) to Yukon War Time (the last).
TEST(TimeZoneTable, SummerRowsAreTheDaylightSummerAndWarTimes) {
    int summerRows = 0;
    for (const TimeZoneRow& row : kTimeZoneTable) {
        const bool named = row.listText.find("Daylight") != std::string_view::npos ||
                           row.listText.find("Summer") != std::string_view::npos ||
                           row.listText.find("War") != std::string_view::npos;
        EXPECT_EQ(row.summer, named) << row.listText;
        summerRows += row.summer ? 1 : 0;
    }
    EXPECT_EQ(summerRows, 28);
    EXPECT_TRUE(kTimeZoneTable.front().summer);
    EXPECT_TRUE(kTimeZoneTable.back().summer);
    EXPECT_FALSE(kTimeZoneTable[kDefaultTimeZoneIndex].summer);
}

TEST(TimeZoneTable, CorrectionInHours) {
    EXPECT_DOUBLE_EQ(LookUpZone(34)->InHours(), -5.5);  // "Indian Time, IST, +5.3"
    EXPECT_DOUBLE_EQ(LookUpZone(50)->InHours(), 3.5);   // Newfoundland
    EXPECT_DOUBLE_EQ(LookUpZone(46)->InHours(), -13);   // the largest magnitude
    EXPECT_DOUBLE_EQ(LookUpZone(36)->InHours(), 12);
}

TEST(TimeZoneTable, PositionOutsideTheTableHasNoCorrection) {
    EXPECT_FALSE(LookUpZone(-1).has_value());
    EXPECT_FALSE(LookUpZone(71).has_value());
    EXPECT_EQ(LookUpZone(50), (ZoneState{3, 30}));
}

// Every way the program writes an offset: the list's exact entry, the place-choice window
// (true minus) and the atlas tool (no prefix).
TEST(FormatUtcOffset, PrefixMinusAndSeconds) {
    struct Case {
        int seconds;
        std::string_view prefix;
        std::string_view minus;
        const char* expected;
    } const cases[] = {
        {345 * 60, "UTC", kAsciiMinus, "UTC+05:45"},
        {0, "UTC", kAsciiMinus, "UTC+00:00"},
        {0, "", kAsciiMinus, "+00:00"},  // never "-00:00"
        {0, "UTC", kTrueMinus, "UTC+00:00"},
        {-1, "", kAsciiMinus, "-00:00:01"},
        {-59, "UTC", kTrueMinus, "UTC−00:00:59"},
        {-60, "", kAsciiMinus, "-00:01"},
        {-12652, "", kAsciiMinus, "-03:30:52"},  // St John's before 1935
        {-12652, "UTC", kTrueMinus, "UTC−03:30:52"},
        {4772, "", kAsciiMinus, "+01:19:32"},  // Amsterdam's mean time with summer time
        {14 * 3600, "UTC", kAsciiMinus, "UTC+14:00"},
        {-12 * 3600, "UTC", kTrueMinus, "UTC−12:00"},
        {20 * 3600 + 24 * 60, "UTC", kAsciiMinus, "UTC+14:00"},  // mean time at 306 E, no clock's
        {1000000 * 240, "UTC", kAsciiMinus, "UTC+14:00"},        // at 1,000,000 E
        {std::numeric_limits<int>::min(), "UTC", kAsciiMinus, "UTC-12:00"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FormatUtcOffset(c.seconds, c.prefix, c.minus), c.expected) << c.seconds;
    }
}

}  // namespace
}  // namespace fortunix

namespace fortunix {
namespace {

// An exact offset read back as the batch tool takes it and turned into the correction.
TEST(ExactOffset, ReadFormattedAndCorrected) {
    struct Case {
        const char* text;
        std::optional<int> minutes;
        ZoneState correction;
    } const cases[] = {
        {"UTC+05:45", 345, {-5, -45}},  // Nepal
        {"UTC-03:30", -210, {3, 30}},   // Newfoundland
        {"UTC+00:20", 20, {0, -20}},    // Amsterdam's mean time, rounded
        {"UTC-00:25", -25, {0, 25}},    // Dublin's mean time, rounded
        {"UTC+14:00", 840, {-14, 0}},   // Line Islands
        {"UTC-12:00", -720, {12, 0}},   // the westernmost offset a clock has kept
        {"UTC+14:01", std::nullopt, {}}, {"UTC-12:01", std::nullopt, {}},
        {"UTC+14:59", std::nullopt, {}}, {"UTC-14:00", std::nullopt, {}},
        {"UTC+00:00", 0, {0, 0}},        {"UTC+15:00", std::nullopt, {}},
        {"UTC+05:60", std::nullopt, {}}, {"UTC+5:45", std::nullopt, {}},
        {"UTC 05:45", std::nullopt, {}}, {"GMT+05:45", std::nullopt, {}},
        {"UTC+-5:45", std::nullopt, {}}, {"UTC+05:45 ", std::nullopt, {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ParseUtcOffset(c.text), c.minutes) << c.text;
        if (c.minutes) {
            EXPECT_EQ(FormatUtcOffset(*c.minutes * 60), c.text);
            EXPECT_EQ(ZoneStateForOffset(*c.minutes), c.correction) << c.text;
        }
    }
}

}  // namespace
}  // namespace fortunix
