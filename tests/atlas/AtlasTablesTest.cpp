#include "atlas/Atlas.h"

#include <gtest/gtest.h>

#include "atlas/QStringPrinter.h"

#include "atlas/PlaceLine.h"

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
        "Broken\tFR\t11\tnorth\t2.3\t100\n"                      // latitude not a number
        "Short\tFR\t11\n"                                        // missing fields
        "Hamlet\tFR\t99\t-0.5\t-1.25\t0\n"                       // division not in the table
        "New York City\tUS\tNY\t40.71427\t-74.00597\t8175133");  // no final line break
}

TEST(AtlasTables, ReadsGoodRowsAndSkipsTheRest) {
    const Atlas atlas = SmallAtlas();
    ASSERT_EQ(atlas.placeCount(), 3);
    EXPECT_EQ(atlas.placeName(0), u"Paris");
    EXPECT_EQ(atlas.placeName(1), u"Hamlet");
    EXPECT_EQ(atlas.placeName(2), u"New York City");
    EXPECT_EQ(atlas.placeKey(2), u"new york city");
    EXPECT_EQ(atlas.place(0).population, 2138551u);
    EXPECT_DOUBLE_EQ(atlas.place(1).longitude, -1.25);
    EXPECT_EQ(atlas.place(1).division, kNoDivision);
}

TEST(AtlasTables, DescribesPlacesWithAndWithoutDivision) {
    const Atlas atlas = SmallAtlas();
    EXPECT_EQ(DescribePlace(atlas, 0),
              QStringLiteral("Paris, Île-de-France, France: 48°51′ N, 2°21′ E"));
    EXPECT_EQ(DescribePlace(atlas, 1), QStringLiteral("Hamlet, France: 0°30′ S, 1°15′ W"));
}

TEST(AtlasTables, DivisionsKnowTheirCodeAndInitials) {
    const Atlas atlas = SmallAtlas();
    ASSERT_EQ(atlas.divisionCount(), 2);
    EXPECT_EQ(atlas.division(0).initials, QStringLiteral("idf"));
    EXPECT_EQ(atlas.division(1).codeKey, QStringLiteral("ny"));
    EXPECT_EQ(atlas.country(1).names, (QStringList{"us", "unitedstates", "usa", "america"}));
}

TEST(AtlasTables, EmptyTablesGiveAnEmptyAtlas) {
    const Atlas atlas = Atlas::FromTables({}, {}, {});
    EXPECT_EQ(atlas.placeCount(), 0);
    EXPECT_EQ(atlas.countryCount(), 0);
}

}  // namespace
}  // namespace fortunix::atlas
