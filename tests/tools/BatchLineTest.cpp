#include "BatchLine.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "ephemeris/BirthFixtures.h"

namespace fortunix::batch {
namespace {

using namespace fortunix::testing;

constexpr const char* kGreenwichNoon = "2000,1,1,12,0,29,0,0,W,51,30,N,0";

// kGreenwichNoon with field `index` (0 = year ... 12 = dst) replaced.
std::string LineWith(std::size_t index, const std::string& value) {
    std::string line = kGreenwichNoon;
    std::size_t start = 0;
    for (std::size_t field = 0; field < index; ++field) {
        start = line.find(',', start) + 1;
    }
    return line.replace(start, line.find(',', start) - start, value);
}

std::string OutputOf(std::string_view line) {
    std::string out;
    AppendOutputLine(ReadBatchLine(line, BuiltDegreeSignTable()), out);
    return out;
}

TEST(ReadBatchLine, FieldsReachTheBirthRecord) {
    struct Row {
        const char* name;
        const char* line;
        BirthRecord birth;
        ZoneState zone;
    };
    const Row rows[] = {
        {"Delhi, Indian time", "1990,7,4,10,0,34,77,13,E,28,37,N,0",
         MakeBirth(1990, 7, 4, 10, 0, kDelhi), kIndian},
        {"Sydney, eastern standard time with daylight saving",
         "1985,12,24,19,45,8,151,13,E,33,52,S,1",
         MakeBirth(1985, 12, 24, 19, 45, Place{33, 52, true, 151, 13, true}, true),
         ZoneState{-10, 0}},
        {"New York, eastern standard time", "1969,7,20,22,56,27,74,0,W,40,43,N,0",
         MakeBirth(1969, 7, 20, 22, 56, kNewYork), kEasternStandard},
        {"Newfoundland half hour, leading zeros", "2050,12,31,23,59,50,052,043,W,047,034,N,0",
         MakeBirth(2050, 12, 31, 23, 59, Place{47, 34, false, 52, 43, false}), ZoneState{3, 30}},
        {"a minute before noon, the morning rule", "2000,1,1,11,59,29,0,0,W,51,30,N,0",
         MakeBirth(2000, 1, 1, 11, 59, kGreenwich), kGmt},
        {"leap day 2000", "2000,2,29,12,0,29,0,0,W,51,30,N,0",
         MakeBirth(2000, 2, 29, 12, 0, kGreenwich), kGmt},
        {"leap day 1904 with daylight saving", "1904,2,29,0,0,29,0,0,W,51,30,N,1",
         MakeBirth(1904, 2, 29, 0, 0, kGreenwich, true), kGmt},
        {"Kathmandu, exact offset", "2000,7,1,12,0,UTC+05:45,85,19,E,27,42,N,0",
         MakeBirth(2000, 7, 1, 12, 0, Place{27, 42, false, 85, 19, true}), ZoneState{-5, -45}},
        {"Newfoundland, exact offset", "1970,1,1,0,0,UTC-03:30,52,43,W,47,34,N,0",
         MakeBirth(1970, 1, 1, 0, 0, Place{47, 34, false, 52, 43, false}), ZoneState{3, 30}},
    };
    for (const Row& row : rows) {
        const BatchLineOutcome outcome = ReadBatchLine(row.line, BuiltDegreeSignTable());
        ASSERT_TRUE(outcome.reading.has_value()) << row.name << ": " << outcome.refusal;
        const Reading expected =
            ComputeReading(row.birth, row.zone, row.birth.hour, BuiltDegreeSignTable());
        EXPECT_EQ(outcome.reading->chart.sun, expected.chart.sun) << row.name;
        EXPECT_EQ(outcome.reading->chart.moon, expected.chart.moon) << row.name;
        EXPECT_EQ(outcome.reading->chart.ascendant, expected.chart.ascendant) << row.name;
        EXPECT_EQ(outcome.reading->fortune.caption, expected.fortune.caption) << row.name;
    }
}

// An exact offset moves every engine to the same universal time: Kathmandu at 12:00 on
// UTC+05:45 is 06:15 UT, Amsterdam 1935 at 12:00 on UTC+00:20 with summer time is 10:40 UT;
// the widest offsets a clock has kept, UTC+14:00 (Kiritimati) and UTC-12:00, are read too.
TEST(ReadBatchLine, ExactOffsetGivesTheUniversalTimeOfGreenwich) {
    const std::pair<const char*, const char*> pairs[] = {
        {"2000,7,1,12,0,UTC+05:45,85,19,E,27,42,N,0", "2000,7,1,6,15,29,85,19,E,27,42,N,0"},
        {"1935,7,1,12,0,UTC+00:20,4,53,E,52,22,N,1", "1935,7,1,10,40,29,4,53,E,52,22,N,0"},
        {"2000,7,2,12,0,UTC+14:00,157,24,W,1,52,N,0", "2000,7,1,22,0,29,157,24,W,1,52,N,0"},
        {"2000,7,1,12,0,UTC-12:00,176,29,W,0,12,N,0", "2000,7,2,0,0,29,176,29,W,0,12,N,0"},
    };
    for (const auto& [exact, greenwich] : pairs) {
        const BatchLineOutcome a = ReadBatchLine(exact, BuiltDegreeSignTable());
        const BatchLineOutcome b = ReadBatchLine(greenwich, BuiltDegreeSignTable());
        ASSERT_TRUE(a.reading && b.reading) << exact << a.refusal;
        EXPECT_EQ(a.reading->chart.sun, b.reading->chart.sun) << exact;
        EXPECT_EQ(a.reading->chart.moon, b.reading->chart.moon) << exact;
        EXPECT_EQ(a.reading->chart.ascendant, b.reading->chart.ascendant) << exact;
    }
}

TEST(ReadBatchLine, GreenwichJ2000NoonWithAnyLineEndingAndSpacing) {
    const std::string expected = "280,223,24,81,21º Gemini\n";
    EXPECT_EQ(OutputOf(kGreenwichNoon), expected);
    EXPECT_EQ(OutputOf("2000,1,1,12,0,29,0,0,W,51,30,N,0\r"), expected);
    EXPECT_EQ(OutputOf(" 2000, 1,1 ,12,0,29,0,0, W,51,30,N ,0 "), expected);
    for (const char* blank : {"", "\r", "   ", "  \r"}) {
        const BatchLineOutcome outcome = ReadBatchLine(blank, BuiltDegreeSignTable());
        EXPECT_FALSE(outcome.reading.has_value()) << '"' << blank << '"';
        EXPECT_EQ(outcome.refusal, "") << '"' << blank << '"';
        EXPECT_EQ(OutputOf(blank), "\n") << '"' << blank << '"';
    }
}

TEST(ReadBatchLine, RefusedLinesSayWhy) {
    const std::string year = "year must be a whole number from 1901 to 2050";
    const std::string zone =
        "zone must be a list position from 0 to 70 or an offset such as UTC+05:45";
    const std::string lonDeg = "Please Enter Value Between 0 And 179 in the Degree of Longitude";
    const std::string latMin = "Please Enter Value Between 0 And 59 in the  Minute of Latitude";
    struct Row {
        const char* name;
        std::string line;
        std::string reason;
    };
    const Row rows[] = {
        {"twelve fields", "2000,1,1,12,0,29,0,0,W,51,30,N",
         "expected 13 comma-separated fields, found 12"},
        {"fourteen fields", std::string(kGreenwichNoon) + ",0",
         "expected 13 comma-separated fields, found 14"},
        {"tab separated", "2000\t1\t1", "expected 13 comma-separated fields, found 1"},
        {"year before the list", LineWith(0, "1900"), year},
        {"year after the list", LineWith(0, "2051"), year},
        {"year empty", LineWith(0, ""), year},
        {"year far too long", LineWith(0, "99999999999999999999"), year},
        {"month 0", LineWith(1, "0"), "month must be a whole number from 1 to 12"},
        {"month 13", LineWith(1, "13"), "month must be a whole number from 1 to 12"},
        {"day 0", LineWith(2, "0"), "day must be a whole number from 1 to 31"},
        {"day 32", LineWith(2, "32"), "day must be a whole number from 1 to 31"},
        {"hour 24", LineWith(3, "24"), "hour must be a whole number from 0 to 23"},
        {"hour with a sign", LineWith(3, "+1"), "hour must be a whole number from 0 to 23"},
        {"minute 60", LineWith(4, "60"), "minute must be a whole number from 0 to 59"},
        {"zone 71", LineWith(5, "71"), zone},
        {"zone negative", LineWith(5, "-1"), zone},
        {"zone with a point", LineWith(5, "29.0"), zone},
        {"zone offset without minutes", LineWith(5, "UTC+5"), zone},
        {"zone a minute east of the easternmost clock", LineWith(5, "UTC+14:01"), zone},
        {"zone a minute west of the westernmost clock", LineWith(5, "UTC-12:01"), zone},
        {"zone UTC+14:59", LineWith(5, "UTC+14:59"), zone},
        {"zone UTC-14:59", LineWith(5, "UTC-14:59"), zone},
        {"zone with seconds", LineWith(5, "UTC+00:19:32"), zone},
        {"longitude 180", LineWith(6, "180"), lonDeg},
        {"longitude minutes 60", LineWith(7, "60"),
         "Please Enter Value Between 0 And 59 in the  Minute of Longitude"},
        {"latitude 90", LineWith(9, "90"),
         "Please Enter Value Between 0 And 89 in the Degree of Latitude"},
        {"latitude minutes empty", LineWith(10, ""), latMin},
        {"hemisphere lower case", LineWith(8, "w"), "EW must be E or W"},
        {"hemisphere a word", LineWith(8, "West"), "EW must be E or W"},
        {"latitude hemisphere missing", LineWith(11, ""), "NS must be N or S"},
        {"daylight saving 2", LineWith(12, "2"), "dst must be 0 or 1"},
        {"29 February 1999", "1999,2,29,12,0,29,0,0,W,51,30,N,0",
         "Please Enter Correct Date Or Month!"},
        {"31 April", "1999,4,31,12,0,29,0,0,W,51,30,N,0", "Please Enter Correct Date Or Month !"},
        {"year checked before the longitude", "1900,1,1,12,0,29,180,0,W,51,30,N,0", year},
        {"coordinates checked before the date", "1999,2,30,12,0,29,0,0,W,51,60,N,0", latMin},
    };
    for (const Row& row : rows) {
        const BatchLineOutcome outcome = ReadBatchLine(row.line, BuiltDegreeSignTable());
        EXPECT_FALSE(outcome.reading.has_value()) << row.name;
        EXPECT_EQ(outcome.refusal, row.reason) << row.name;
        EXPECT_EQ(OutputOf(row.line), "error\n") << row.name;
    }
}

}  // namespace
}  // namespace fortunix::batch
