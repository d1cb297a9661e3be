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

}  // namespace
}  // namespace fortunix::atlas
