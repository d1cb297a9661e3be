#include "atlas/PlaceSearch.h"

#include <gtest/gtest.h>

#include <string>

#include "atlas/BuiltInAtlas.h"
#include "atlas/LookupQuery.h"
#include "atlas/PlaceLine.h"
#include "atlas/QStringPrinter.h"
#include "atlas/SearchKey.h"

// These run against the real atlas. Expected coordinates are the gazetteer's decimal degrees
// turned into minutes by hand (Paris 48.85341, 2.3488 -> 48°51.2′, 2°20.9′).

namespace fortunix::atlas {
namespace {

constexpr std::size_t kListed = 20;

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

PlaceQuery Query(const char* city, const char* state, const char* country) {
    return {QString::fromUtf8(city), QString::fromUtf8(state), QString::fromUtf8(country)};
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

struct CountryCase {
    const char* typed;
    const char* code;
};

TEST(CountriesNamed, KnowsNamesShortFormsAndCodes) {
    const CountryCase cases[] = {{"USA", "US"},
                                 {"U.S.A.", "US"},
                                 {"us", "US"},
                                 {"United States", "US"},
                                 {"America", "US"},
                                 {"UK", "GB"},
                                 {"GB", "GB"},
                                 {"Great Britain", "GB"},
                                 {"England", "GB"},
                                 {"UAE", "AE"},
                                 {"Holland", "NL"},
                                 {"Ivory Coast", "CI"},
                                 {"Cote d'Ivoire", "CI"},
                                 {"Côte d’Ivoire", "CI"},
                                 {"france", "FR"},
                                 {"Russia", "RU"},
                                 {"South Korea", "KR"},
                                 {"Burma", "MM"},
                                 {"Deutschland", "DE"},
                                 {"España", "ES"},
                                 {"Espana", "ES"},
                                 {"Italia", "IT"},
                                 {"Österreich", "AT"},
                                 {"Schweiz", "CH"},
                                 {"Suisse", "CH"},
                                 {"Svizzera", "CH"},
                                 {"Royaume-Uni", "GB"},
                                 {"Reino Unido", "GB"},
                                 {"Brasil", "BR"},
                                 {"Nihon", "JP"}};
    const Atlas& atlas = BuiltInAtlas();
    for (const CountryCase& row : cases) {
        const std::vector<bool> named = CountriesNamed(atlas, QString::fromUtf8(row.typed));
        QStringList codes;
        for (qsizetype index = 0; index < atlas.countryCount(); ++index) {
            if (named[static_cast<std::size_t>(index)]) {
                codes.append(atlas.country(index).code);
            }
        }
        EXPECT_EQ(codes, QStringList{QString::fromLatin1(row.code)}) << row.typed;
    }
    const std::vector<bool> misspelt = CountriesNamed(atlas, u"Frnace");
    EXPECT_EQ(std::count(misspelt.begin(), misspelt.end(), true), 0);
    EXPECT_TRUE(IsUnknownCountry(atlas, u"Frnace"));
    EXPECT_FALSE(IsUnknownCountry(atlas, u" - "));
}

struct SplitCase {
    const char* name;
    PlaceQuery fields;
};

// Where a field holds only spaces, the text cannot tell which field had them; the search
// compares search keys, so the keys are what must come back.
TEST(SplitLookupQuery, GivesBackTheFieldsThatWereJoined) {
    std::string longState = "Xyzzy";
    for (int word = 1; word < 40; ++word) {
        longState += " Xyzzy";
    }
    const SplitCase cases[] = {
        {"one word each", Query("Paris", "IDF", "France")},
        {"two-word city", Query("New York", "NY", "USA")},
        {"two words in every field", Query("New York", "New York", "United States")},
        {"three-word city, three-word state", Query("Rio de Janeiro", "Rio de Janeiro", "Brazil")},
        {"two-word state", Query("Buenos Aires", "Capital Federal", "Argentina")},
        {"state of spaces", Query("Sydney", "  ", "Australia")},
        {"accented, country not in English", Query("São Paulo", "SP", "Brasil")},
        {"a state longer than any name", Query("Paris", longState.c_str(), "France")},
    };
    for (const SplitCase& row : cases) {
        const QString query = LookupQueryText(row.fields);
        const PlaceQuery split = SplitLookupQuery(BuiltInAtlas(), query);
        EXPECT_EQ(SearchKey(split.city), SearchKey(row.fields.city)) << row.name;
        EXPECT_EQ(SearchKey(split.state), SearchKey(row.fields.state)) << row.name;
        EXPECT_EQ(SearchKey(split.country), SearchKey(row.fields.country)) << row.name;
        EXPECT_EQ(LookupQueryText(split), query) << row.name << ": the cut loses no space";
    }
}

TEST(SplitLookupQuery, WithoutAnyMatchTheWholeTextIsTheCity) {
    const PlaceQuery split =
        SplitLookupQuery(BuiltInAtlas(), QStringLiteral("Xyzzy Q Z Latitude Longitude"));
    EXPECT_EQ(split.city, QStringLiteral("Xyzzy Q Z"));
    EXPECT_TRUE(split.state.isEmpty());
    EXPECT_TRUE(split.country.isEmpty());
}

TEST(LookupQueryText, JoinsLikeTheLookUpButton) {
    EXPECT_EQ(LookupQueryText(Query("Paris", "IDF", "France")),
              QStringLiteral("Paris IDF France Latitude Longitude"));
}

}  // namespace
}  // namespace fortunix::atlas
