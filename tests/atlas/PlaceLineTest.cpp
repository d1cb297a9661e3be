#include "atlas/PlaceLine.h"

#include <gtest/gtest.h>

#include "atlas/BuiltInAtlas.h"
#include "atlas/PlaceSearch.h"
#include "atlas/QStringPrinter.h"

namespace fortunix::atlas {
namespace {

TEST(DescribePlace, WithAndWithoutDivision) {
    const Atlas atlas = Atlas::FromTables("FR\tFrance\t\n", "FR\t11\tÎle-de-France\n",
                                          "Paris\tFR\t11\t48.85341\t2.3488\t2138551\n"
                                          "Hamlet\tFR\t99\t-0.5\t-1.25\t0\n");
    EXPECT_EQ(DescribePlace(atlas, 0),
              QStringLiteral("Paris, Île-de-France, France: 48°51′ N, 2°21′ E"));
    EXPECT_EQ(DescribePlace(atlas, 1), QStringLiteral("Hamlet, France: 0°30′ S, 1°15′ W"));
}

TEST(DescribePlace, ShowsTheNameFoundBesideTheMainOne) {
    // Munich lies at 48.13743 N, 11.57549 E: 48°8.2′ and 11°34.5′.
    const Atlas& atlas = BuiltInAtlas();
    const RankedPlace first =
        SearchPlaces(atlas, {QStringLiteral("München"), {}, QStringLiteral("Germany")}, 1).front();
    EXPECT_EQ(DescribePlace(atlas, first.place, first.otherName),
              QStringLiteral("Munich (München), Bavaria, Germany: 48°08′ N, 11°35′ E"));
}

// A line names a place once: an other name that only adds where the place lies is left out,
// and the gazetteer's double spaces are shown as one. Potsdam lies at 44.66978 N, 74.98131 W
// (44°40.2′, 74°58.9′), North Vancouver at 49.31636 N, 123.06934 W (49°19.0′, 123°4.2′).
TEST(DescribePlace, NamesThePlaceOnceWithSingleSpaces) {
    const Atlas& atlas = BuiltInAtlas();
    const struct {
        PlaceQuery query;
        const char* expected;
    } rows[] = {
        {{QStringLiteral("Potsdam New York"), {}, QStringLiteral("United States")},
         "Potsdam, New York, United States: 44°40′ N, 74°59′ W"},
        {{QStringLiteral("Vancouver Utara"), {}, QStringLiteral("Canada")},
         "North Vancouver (Vancouver Utara British Columbia), British Columbia, Canada: "
         "49°19′ N, 123°04′ W"},
    };
    for (const auto& row : rows) {
        const std::vector<RankedPlace> found = SearchPlaces(atlas, row.query, 1);
        ASSERT_EQ(found.size(), 1u) << row.expected;
        EXPECT_EQ(DescribePlace(atlas, found.front().place, found.front().otherName),
                  QString::fromUtf8(row.expected));
    }
}

// Right-to-left names stand between the isolates U+2068 and U+2069; others as they are.
TEST(IsolatedName, IsolatesNamesWrittenRightToLeft) {
    const struct {
        const char* name;
        const char* expected;
    } rows[] = {
        {"القاهرة", "\u2068القاهرة\u2069"},
        {"ירושלים", "\u2068ירושלים\u2069"},
        {"Tel Aviv תל אביב", "\u2068Tel Aviv תל אביב\u2069"},  // a right-to-left letter last
        {"𐤁𐤁", "\u2068𐤁𐤁\u2069"},                              // Phoenician, beyond UTF-16's plane
        {"Москва", "Москва"},
        {"東京", "東京"},
        {"São Paulo", "São Paulo"},
        {"", ""},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(IsolatedName(QString::fromUtf8(row.name)), QString::fromUtf8(row.expected))
            << row.name;
    }
}

// The window's line for a place found by its Arabic name. Cairo lies at 30.06263 N,
// 31.24967 E (30°3.8′, 31°15.0′).
TEST(DescribePlace, IsolatesANameWrittenRightToLeft) {
    const Atlas& atlas = BuiltInAtlas();
    const RankedPlace first =
        SearchPlaces(atlas, {QStringLiteral("القاهرة"), {}, QStringLiteral("مصر")}, 1).front();
    EXPECT_EQ(DescribePlace(atlas, first.place, first.otherName),
              QStringLiteral("Cairo (\u2068القاهرة\u2069), Cairo, Egypt: 30°04′ N, 31°15′ E"));
    // In Arabic the country's name stands isolated too.
    EXPECT_EQ(DescribePlace(atlas, first.place, first.otherName, QStringLiteral("مصر")),
              QStringLiteral("Cairo (\u2068القاهرة\u2069), Cairo, \u2068مصر\u2069: 30°04′ N, "
                             "31°15′ E"));
}

}  // namespace
}  // namespace fortunix::atlas
