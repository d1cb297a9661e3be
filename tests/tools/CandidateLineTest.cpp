#include "CandidateLine.h"

#include <gtest/gtest.h>

#include "atlas/BuiltInAtlas.h"
#include "atlas/PlaceSearch.h"
#include "atlas/QStringPrinter.h"

// Offsets as tz 2026f's source gives them; coordinates are the gazetteer's, four decimals.

namespace fortunix::atlastool {
namespace {

QString FirstLine(const char* city, const char* country, const char* at) {
    const atlas::Atlas& places = atlas::BuiltInAtlas();
    const auto found = atlas::SearchPlaces(
        places, {QString::fromUtf8(city), QString(), QString::fromUtf8(country)}, 1);
    if (found.empty()) {
        return {};
    }
    const std::optional<CivilMoment> moment =
        at ? ParseMoment(QString::fromLatin1(at)) : std::nullopt;
    std::optional<ClockQuery> clock;
    if (moment) {
        clock.emplace(ClockQuery{zones::BuiltInZoneHistory(), *moment});
    }
    return CandidateLine(places, zones::BuiltInZoneNames(), found.front().place, clock,
                         found.front().otherName);
}

TEST(FortunixAtlasLine, ZoneFieldsOfTheBirthMoment) {
    struct Case {
        const char* city;
        const char* country;
        const char* at;
        const char* expected;
    } const cases[] = {
        {"Kathmandu", "Nepal", "2000-07-01T12:00",
         "Kathmandu\tBagmati "
         "Province\tNepal\t27.7017\t85.3206\tAsia/Kathmandu\t+05:45\t0\texact\t\tUTC+05:45"},
        {"Kathmandu", "Nepal", nullptr,
         "Kathmandu\tBagmati Province\tNepal\t27.7017\t85.3206\tAsia/Kathmandu\t\t\t\t\t"},
        {"New York", "USA", "2021-11-07T01:30",
         "New York City\tNew York\tUnited States\t40.7143\t-74.0060\tAmerica/New_York\t"
         "-04:00|-05:00\t1|0\t27|27\t\t27|27"},
        // Mean time with summer time: the batch zone is the window's entry, +00:19:32 to the
        // nearest minute, with the tick.
        {"Amsterdam", "Netherlands", "1935-07-01T12:00",
         "Amsterdam\tNorth "
         "Holland\tNetherlands\t52.3740\t4.8897\tEurope/Amsterdam\t+01:19:32\t1\texact\t\t"
         "UTC+00:20"},
        {"London", "UK", "1944-07-01T12:00",
         "London\tEngland\tUnited Kingdom\t51.5085\t-0.1257\tEurope/London\t+02:00\t0\t15\t\t15"},
        // Dublin Mean Time, -00:25:21: the seconds round down to the batch zone.
        {"Dublin", "Ireland", "1910-07-01T12:00",
         "Dublin\tLeinster\tIreland\t53.3331\t-6.2489\tEurope/Dublin\t-00:25:21\t0\texact\t\t"
         "UTC-00:25"},
        // Seconds west of UT, with an ASCII minus; the offset no row holds.
        {"St. John's", "Canada", "1930-01-15T12:00",
         "St. John's\tNewfoundland and Labrador\tCanada\t47.5649\t-52.7093\tAmerica/St_Johns\t"
         "-03:30:52\t0\texact\t\tUTC-03:31"},
        // The first minute the clocks skipped is read before the change.
        {"New York", "USA", "2021-03-14T02:00",
         "New York City\tNew York\tUnited States\t40.7143\t-74.0060\tAmerica/New_York\t"
         "-05:00\t0\t27\t\t27"},
        // Zero is "+00:00", never "-00:00", even west of Greenwich.
        {"London", "UK", "2000-01-01T00:00",
         "London\tEngland\tUnited Kingdom\t51.5085\t-0.1257\tEurope/London\t+00:00\t0\t29\t\t29"},
        // Found by another name, which comes last.
        {"München", "Deutschland", nullptr,
         "Munich\tBavaria\tGermany\t48.1374\t11.5755\tEurope/Berlin\t\t\t\tMünchen\t"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FirstLine(c.city, c.country, c.at), QString::fromUtf8(c.expected)) << c.city;
    }
}

TEST(FortunixAtlasLine, MomentMustBeARealDateAndTime) {
    EXPECT_TRUE(ParseMoment(QStringLiteral("2000-02-29T23:59")).has_value());
    for (const char* wrong : {"1900-02-29T12:00", "2000-13-01T12:00", "2000-01-01T24:00",
                              "2000-01-01 12:00", "2000-01-01T12:00:00", "2000-1-1T12:00"}) {
        EXPECT_FALSE(ParseMoment(QString::fromLatin1(wrong)).has_value()) << wrong;
    }
}

}  // namespace
}  // namespace fortunix::atlastool
