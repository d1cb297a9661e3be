#include "atlas/Atlas.h"

#include <gtest/gtest.h>

#include "atlas/QStringPrinter.h"

namespace fortunix::atlas {
namespace {

// A small atlas in the format of the generated tables.
Atlas SmallAtlas() {
    return Atlas::FromTables(
        "# code\tname\tother names\n"
        "FR\tFrance\t\n"
        "US\tUnited States\tUSA|America\n",
        "# country\tcode\tname\n"
        "FR\t11\tÎle-de-France\n"
        "US\tNY\tNew York\n",
        "# name\tcountry\tdivision\tlatitude\tlongitude\tpopulation\n"
        "Paris\tFR\t11\t48.85341\t2.3488\t2138551\n"
        "Nowhere\tXX\t01\t1\t2\t3\n"                             // unknown country
        "\tFR\t11\t1\t2\t3\n"                                    // no name: kept, nameless
        "Broken\tFR\t11\tnorth\t2.3\t100\n"                      // latitude not a number
        "Short\tFR\t11\n"                                        // missing fields
        "Hamlet\tFR\t99\t-0.5\t-1.25\t0\n"                       // division not in the table
        "New York City\tUS\tNY\t40.71427\t-74.00597\t8175133");  // no final line break
}

TEST(Atlas, ReadsGoodRowsAndSkipsTheRest) {
    const Atlas atlas = SmallAtlas();
    ASSERT_EQ(atlas.placeCount(), 4);
    EXPECT_EQ(atlas.placeName(0), u"Paris");
    EXPECT_EQ(atlas.placeName(1), u"");
    EXPECT_EQ(atlas.placeName(2), u"Hamlet");
    EXPECT_EQ(atlas.placeName(3), u"New York City");
    EXPECT_EQ(atlas.placeKey(0), "paris");
    EXPECT_EQ(atlas.placeKey(1), "");
    EXPECT_EQ(atlas.placeKey(3), "new york city");
    EXPECT_EQ(atlas.place(0).population, 2138551u);
    EXPECT_DOUBLE_EQ(atlas.place(2).longitude, -1.25);
    EXPECT_EQ(atlas.place(2).division, kNoDivision);
    // The last row, without a line break, is read whole.
    EXPECT_DOUBLE_EQ(atlas.place(3).longitude, -74.00597);
    EXPECT_EQ(atlas.place(3).population, 8175133u);
}

TEST(Atlas, DivisionsAndCountriesKnowTheirKeys) {
    const Atlas atlas = SmallAtlas();
    ASSERT_EQ(atlas.divisionCount(), 2);
    EXPECT_EQ(atlas.division(0).nameKey, "ile de france");
    EXPECT_EQ(atlas.division(1).codeKey, "ny");
    EXPECT_EQ(atlas.country(1).names, (QByteArrayList{"us", "unitedstates", "usa", "america"}));
    EXPECT_EQ(atlas.place(0).division, 0);
    EXPECT_EQ(atlas.place(3).division, 1);
}

// Each table read up to its last byte: a last line without a line break, or with a Windows
// line end, counts like any other.
TEST(Atlas, ReadsTheLastLineOfEveryTableWithoutALineBreak) {
    for (const char* end : {"", "\r\n"}) {
        const QByteArray lineEnd(end);
        const Atlas atlas =
            Atlas::FromTables("FR\tFrance\t\nUS\tUnited States\tUSA|America" + lineEnd,
                              "FR\t11\tÎle-de-France\nUS\tNY\tNew York" + lineEnd,
                              "Paris\tFR\t11\t48.85\t2.35\t2000\n"
                              "Buffalo\tUS\tNY\t42.89\t-78.88\t261310" +
                                  lineEnd);
        ASSERT_EQ(atlas.placeCount(), 2) << end;
        EXPECT_EQ(atlas.place(1).population, 261310u) << end;
        EXPECT_EQ(atlas.place(1).division, 1) << end;
        EXPECT_EQ(atlas.place(1).country, 1) << end;
        EXPECT_EQ(atlas.country(1).names.back(), "america") << end;
        EXPECT_EQ(atlas.division(1).nameKey, "new york") << end;
    }
}

// The places come grouped by country and the country is looked up when it changes: the first
// row too, even with no country at all.
TEST(Atlas, AFirstPlaceWithoutACountryIsSkipped) {
    const Atlas atlas = Atlas::FromTables("FR\tFrance\t\n", "",
                                          "Nowhere\t\t\t1\t2\t3\nParis\tFR\t\t48.85\t2.35\t2000\n");
    ASSERT_EQ(atlas.placeCount(), 1);
    EXPECT_EQ(atlas.placeName(0), u"Paris");
}

TEST(Atlas, EmptyTablesGiveAnEmptyAtlas) {
    const Atlas atlas = Atlas::FromTables({}, {}, {});
    EXPECT_EQ(atlas.placeCount(), 0);
    EXPECT_EQ(atlas.countryCount(), 0);
}

// "3\t0": three places in a row in zone 0, "-" for none; the runs must cover every place.
TEST(Atlas, AttachesZonesUpToTheLastRunWithoutALineBreak) {
    Atlas atlas = SmallAtlas();
    atlas.attachZones("# places\tzone\n2\t7\n1\t-\n1\t12");
    EXPECT_EQ(atlas.place(0).zone, 7);
    EXPECT_EQ(atlas.place(1).zone, 7);
    EXPECT_EQ(atlas.place(2).zone, kNoZone);
    EXPECT_EQ(atlas.place(3).zone, 12);

    Atlas shortOfOne = SmallAtlas();
    shortOfOne.attachZones("2\t7\n1\t-\n");
    EXPECT_EQ(shortOfOne.place(0).zone, kNoZone);
}

}  // namespace
}  // namespace fortunix::atlas
