#include "forms/PlaceChoiceTexts.h"

#include <gtest/gtest.h>

#include "atlas/Atlas.h"
#include "atlas/QStringPrinter.h"

// The zone sentences of the place-choice window from given facts: a small zone table of
// abbreviations and names, and clock offsets as the zone history finds them.

namespace fortunix {
namespace {

using zones::BirthZone;
using zones::ClockOffset;
using Kind = BirthZone::Kind;

constexpr int kHour = 3600;

// Abbreviations are numbered in the order they first appear: LMT 0, EST 1, EDT 2, NST 3,
// +0545 4, BDST 5, -02 6.
const zones::ZoneHistory& History() {
    static const zones::ZoneHistory history = zones::ZoneHistory::FromTable(
        "Z\tAmerica/New_York\n"
        "-\t-17762\t0\tLMT\n"
        "1\t-18000\t0\tEST\n"
        "2\t-14400\t3600\tEDT\n"
        "3\t-12652\t0\tNST\n"
        "4\t20700\t0\t+0545\n"
        "5\t7200\t7200\tBDST\n"
        "6\t-7200\t3600\t-02\n");
    return history;
}
constexpr quint16 kZone = 0;
constexpr ClockOffset kMeanTime{20477, 0, 0, true};
constexpr ClockOffset kEst{-5 * kHour, 0, 1, false};
constexpr ClockOffset kEdt{-4 * kHour, kHour, 2, false};

TEST(PlaceChoiceTexts, ClockOffsets) {
    struct Row {
        const char* name;
        ClockOffset offset;
        const char* expected;
    } const rows[] = {
        {"summer time, true minus", kEdt, "UTC−04:00 EDT, summer time"},
        {"seconds west of UT", {-12652, 0, 3, false}, "UTC−03:30:52 NST, standard time"},
        {"a numeric abbreviation is left out", {20700, 0, 4, false}, "UTC+05:45, standard time"},
        {"double summer time",
         {2 * kHour, 2 * kHour, 5, false},
         "UTC+02:00 BDST, double summer time"},
        {"half an hour of summer", {-9000, 1800, 6, false}, "UTC−02:30, summer time"},
        {"zero is never negative", {0, 0, 99, false}, "UTC+00:00, standard time"},
        {"mean time: seconds, no abbreviation", kMeanTime,
         "UTC+05:41:17, local mean time of the birthplace"},
        {"one second west", {-1, 0, 1, false}, "UTC−00:00:01 EST, standard time"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(DescribeClockOffset(History(), row.offset), QString::fromUtf8(row.expected))
            << row.name;
    }
}

TEST(PlaceChoiceTexts, BirthZones) {
    struct Row {
        const char* name;
        quint16 zone;
        BirthZone found;
        CivilMoment local;
        const char* expected;
    } const rows[] = {
        {"one offset, with the zone",
         kZone,
         {Kind::Single, {kEdt, kEdt}},
         {1950, 7, 1, 12, 0},
         "Time zone on 1 July 1950, 12:00: UTC−04:00 EDT, summer time (America/New_York)"},
        {"mean time, before the zone",
         kZone,
         {Kind::Single, {kMeanTime, kMeanTime}},
         {1910, 12, 31, 23, 59},
         "Time zone on 31 December 1910, 23:59: UTC+05:41:17, local mean time of the birthplace "
         "(before America/New_York kept standard time)"},
        {"no zone: no name",
         atlas::kNoZone,
         {Kind::Single, {kMeanTime, kMeanTime}},
         {2000, 1, 1, 0, 0},
         "Time zone on 1 January 2000, 00:00: UTC+05:41:17, local mean time of the birthplace"},
        {"repeated, on a leap day",
         kZone,
         {Kind::Repeated, {kEdt, kEst}},
         {1964, 2, 29, 23, 0},
         "On 29 February 1964 the clocks went back and 23:00 came twice (America/New_York): "
         "first UTC−04:00 EDT, summer time, then UTC−05:00 EST, standard time. Choose which:"},
        {"skipped",
         kZone,
         {Kind::Skipped, {kEst, kEdt}},
         {2021, 3, 14, 2, 30},
         "On 14 March 2021 the clocks went forward and 02:30 did not exist there "
         "(America/New_York). Proposed: UTC−05:00 EST, standard time, the time before the "
         "change."},
        {"a day the month lacks",
         kZone,
         {Kind::Single, {kEst, kEst}},
         {2001, 2, 31, 9, 5},
         "Time zone on 31 February 2001, 09:05: UTC−05:00 EST, standard time (America/New_York)"},
        {"a month outside the year",
         kZone,
         {Kind::Single, {kEst, kEst}},
         {2001, 13, 1, 9, 5},
         "Time zone on 1 ? 2001, 09:05: UTC−05:00 EST, standard time (America/New_York)"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(DescribeBirthZone(History(), row.zone, row.found, row.local),
                  QString::fromUtf8(row.expected))
            << row.name;
    }
}

// The list entries keep the list's ASCII minus.
TEST(PlaceChoiceTexts, Proposals) {
    EXPECT_EQ(DescribeProposal({27, true, 0}),
              QStringLiteral("Sets the time zone to \"Eastern Standard Time,EST,-5.0\", with "
                             "Daylight Saving Time ticked."));
    EXPECT_EQ(DescribeProposal({70, false, 0}),
              QStringLiteral("Sets the time zone to \"Yukon War Time,YWT,-8.0\", Daylight Saving "
                             "Time not ticked."));
    EXPECT_EQ(DescribeProposal({zones::kBirthplaceTimeRow, false, -211}),
              QStringLiteral("Sets the time zone to \"Birthplace time,UTC-03:31\", Daylight "
                             "Saving Time not ticked."));
}

TEST(PlaceChoiceTexts, ARepeatedHourOffersBothChoicesAndWhatTheSecondSets) {
    const std::array<zones::ZoneProposal, 2> proposals{zones::ZoneProposal{27, true, 0},
                                                       zones::ZoneProposal{27, false, 0}};
    const CivilMoment local{2021, 11, 7, 1, 30};
    const PlaceZoneNote repeated =
        DescribePlaceZone(History(), kZone, {Kind::Repeated, {kEdt, kEst}}, local, proposals);
    EXPECT_EQ(repeated.firstChoice, QStringLiteral("The first: UTC−04:00 EDT, summer time"));
    EXPECT_EQ(repeated.secondChoice, QStringLiteral("The second: UTC−05:00 EST, standard time"));
    EXPECT_TRUE(repeated.sets.endsWith(QStringLiteral(", with Daylight Saving Time ticked.")));
    EXPECT_TRUE(repeated.setsSecond.endsWith(QStringLiteral(", Daylight Saving Time not ticked.")));

    const PlaceZoneNote skipped =
        DescribePlaceZone(History(), kZone, {Kind::Skipped, {kEst, kEdt}}, local, proposals);
    EXPECT_TRUE(skipped.firstChoice.isEmpty());
    EXPECT_TRUE(skipped.secondChoice.isEmpty());
    EXPECT_TRUE(skipped.setsSecond.isEmpty());
    EXPECT_TRUE(skipped.description.startsWith(
        QStringLiteral("On 7 November 2021 the clocks went forward")));
}

}  // namespace
}  // namespace fortunix
