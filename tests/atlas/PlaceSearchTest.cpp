#include "atlas/PlaceSearch.h"

#include <gtest/gtest.h>

#include "atlas/BuiltInAtlas.h"
#include "atlas/BuiltInAtlasQueries.h"
#include "atlas/PlaceLine.h"
#include "atlas/QStringPrinter.h"

// These run against the real atlas. Expected coordinates are the gazetteer's decimal degrees
// turned into minutes by hand (Paris 48.85341, 2.3488 -> 48°51.2′, 2°20.9′).

namespace fortunix::atlas {
namespace {

QStringList Lines(const PlaceQuery& query) {
    const Atlas& atlas = BuiltInAtlas();
    QStringList lines;
    for (const RankedPlace& ranked : SearchPlaces(atlas, query, kListed)) {
        lines.append(DescribePlace(atlas, ranked.place));
    }
    return lines;
}

QString FirstLine(const PlaceQuery& query) {
    const QStringList lines = Lines(query);
    return lines.isEmpty() ? QString() : lines.front();
}

struct FirstPlaceCase {
    const char* name;
    PlaceQuery query;
    const char* expected;
};

TEST(PlaceSearch, PutsTheIntendedPlaceFirst) {
    const FirstPlaceCase cases[] = {
        {"state by initials", Query("Paris", "IDF", "France"),
         "Paris, Île-de-France, France: 48°51′ N, 2°21′ E"},
        {"city suffix, state code, USA", Query("New York", "NY", "USA"),
         "New York City, New York, United States: 40°43′ N, 74°00′ W"},
        {"south and east", Query("Sydney", "NSW", "Australia"),
         "Sydney, New South Wales, Australia: 33°52′ S, 151°12′ E"},
        {"south and west, state ignored", Query("Buenos Aires", "anything", "Argentina"),
         "Buenos Aires, Buenos Aires F.D., Argentina: 34°37′ S, 58°23′ W"},
        {"typed without accents", Query("Sao Paulo", "SP", "Brazil"),
         "São Paulo, São Paulo, Brazil: 23°33′ S, 46°38′ W"},
        {"umlaut left out, lower case", Query("koln", "", "germany"),
         "Köln, North Rhine-Westphalia, Germany: 50°56′ N, 6°57′ E"},
        {"umlaut as plain u", Query("ZURICH", "ZH", "CH"),
         "Zürich, Zurich, Switzerland: 47°22′ N, 8°33′ E"},
        {"state picks the smaller Paris", Query("Paris", "Texas", "United States"),
         "Paris, Texas, United States: 33°40′ N, 95°33′ W"},
        {"state code among many Springfields", Query("Springfield", "IL", "US"),
         "Springfield, Illinois, United States: 39°48′ N, 89°39′ W"},
        {"state beats the closer name", Query("Washington", "DC", "USA"),
         "Washington, D.C., District of Columbia, United States: 38°54′ N, 77°02′ W"},
        {"Saint for St.", Query("Saint Louis", "Missouri", "USA"),
         "St. Louis, Missouri, United States: 38°38′ N, 90°12′ W"},
        {"start of a longer name", Query("Frankfurt", "Hesse", "Germany"),
         "Frankfurt am Main, Hesse, Germany: 50°07′ N, 8°41′ E"},
        {"unknown state only lowers the rank", Query("Paris", "Nowhere", "France"),
         "Paris, Île-de-France, France: 48°51′ N, 2°21′ E"},
        {"misspelt country: the largest Paris", Query("Paris", "", "Frnace"),
         "Paris, Île-de-France, France: 48°51′ N, 2°21′ E"},
    };
    for (const FirstPlaceCase& row : cases) {
        EXPECT_EQ(FirstLine(row.query), QString::fromUtf8(row.expected)) << row.name;
    }
}

TEST(PlaceSearch, TheTypedCountryComesBeforeAMatchingStateElsewhere) {
    EXPECT_TRUE(FirstLine(Query("Paris", "Ontario", "France")).startsWith("Paris, Île-de-France"));
    EXPECT_TRUE(FirstLine(Query("Paris", "Ontario", "Canada")).startsWith("Paris, Ontario"));
}

TEST(PlaceSearch, FindsNothingForAnUnknownPlaceAndAtMostTheLimit) {
    EXPECT_TRUE(Lines(Query("Xyzzyville", "Nowhere", "Atlantis")).isEmpty());
    EXPECT_TRUE(Lines(Query(" ", "NY", "USA")).isEmpty());
    EXPECT_EQ(SearchPlaces(BuiltInAtlas(), Query("San", "", ""), 5).size(), 5u);
}

struct LookUpCase {
    const char* name;
    PlaceQuery query;
    const char* expected;
    bool closeSpellings;
    bool unknownCountry;
    bool noneInCountry;
};

TEST(LookUpPlace, SaysWhatItShows) {
    const LookUpCase cases[] = {
        {"known country", Query("Paris", "Texas", "USA"), "Paris US", false, false, false},
        {"unknown country: city alone, the state unheeded", Query("Paris", "Texas", "Atlantis"),
         "Paris FR", false, true, false},
        {"no country typed", Query("Paris", "Texas", " "), "Paris US", false, false, false},
        {"slip, closest spelling first", Query("Lodnon", "England", "UK"), "London GB", true, false,
         false},
        {"slip in a city of another name", Query("Munchn", "", "Deutschland"),
         "Munich DE (München)", true, false, false},
        {"slip and an unknown country", Query("Pariss", "", "Frnace"), "Paris FR", true, true,
         false},
        {"nothing close", Query("Xyzzyville", "", "France"), "nothing", false, false, false},
        {"nothing close in a known country", Query("Xyzzyville", "", "Nepal"), "nothing", false,
         false, false},
        {"a known country holding none of the places", Query("München", "Bayern", "Nepal"),
         "Munich DE (München)", false, false, true},
        {"a known country holding none of the close spellings", Query("Munchn", "", "Nepal"),
         "Munich DE (München)", true, false, true},
        {"a code naming a country that holds the place", Query("Kathmandu", "", "NP"),
         "Kathmandu NP", false, false, false},
        {"one of two countries a name gives holds the place", Query("Brazzaville", "", "Congo"),
         "Brazzaville CG", false, false, false},
    };
    for (const LookUpCase& row : cases) {
        const PlaceLookup lookup = LookUpPlace(BuiltInAtlas(), row.query, kListed);
        EXPECT_EQ(FirstPlace(lookup), QString::fromUtf8(row.expected)) << row.name;
        EXPECT_EQ(lookup.closeSpellings, row.closeSpellings) << row.name;
        EXPECT_EQ(lookup.unknownCountry, row.unknownCountry) << row.name;
        EXPECT_EQ(lookup.noneInCountry, row.noneInCountry) << row.name;
        EXPECT_LE(lookup.places.size(), row.closeSpellings ? kCloseSpellingsListed : kListed);
    }
}

}  // namespace
}  // namespace fortunix::atlas
