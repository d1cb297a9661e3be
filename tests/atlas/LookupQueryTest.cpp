#include "atlas/LookupQuery.h"

#include <gtest/gtest.h>

#include <string>

#include "atlas/BuiltInAtlas.h"
#include "atlas/BuiltInAtlasQueries.h"
#include "atlas/QStringPrinter.h"
#include "atlas/SearchKey.h"

namespace fortunix::atlas {
namespace {

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
        // The longest name of a country in Latin letters, 68 letters in its key: Hong Kong in
        // Maltese. Only as a country does it put the Central of Hong Kong first, and so give
        // the state its second word. (Names in other scripts are longer in the bytes of their
        // keys, which bound the split: the Bengali name of the US Minor Outlying Islands, 150.)
        // The length of the Latin ones, from the tables:
        //   grep -hv '^#' data/atlas/countries.tsv data/atlas/country-names.tsv | cut -f2- |
        //   tr '\t|' '\n\n' | grep -P '^[\p{Latin}\P{L}]*$' |
        //   perl -CSD -nle 's/[^\p{L}\p{N}]//g; print length' | sort -rn |
        //   head -1
        {"the longest country name", Query("Central", "Nowhere Land",
                                           "ir-Reġjun Amministrattiv Speċjali ta’ Hong Kong "
                                           "tar-Repubblika tal-Poplu taċ-Ċina")},
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
