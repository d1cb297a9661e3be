#include "atlas/RegionsNamed.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "atlas/BuiltInAtlas.h"
#include "atlas/QStringPrinter.h"

namespace fortunix::atlas {
namespace {

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
                                 {"Nihon", "JP"},
                                 // The longest name the atlas holds (68 letters in its key).
                                 {"ir-Reġjun Amministrattiv Speċjali ta’ Hong Kong "
                                  "tar-Repubblika tal-Poplu taċ-Ċina",
                                  "HK"}};
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

// A small atlas whose divisions have names in two scripts.
Atlas SmallAtlas() {
    return Atlas::FromTables("AU\tAustralia\t\nGR\tGreece\t\n",
                             "AU\tNSW\tNew South Wales\n"
                             "AU\tWA\tWestern Australia\n"
                             "AU\t07\tTasmania\n"
                             "AU\t03\tNorthern Territory\n"
                             "GR\tI\tΩρωπός\n"
                             "GR\tJ\tΆνω Ζάκρος",
                             "");
}

struct DivisionCase {
    const char* name;
    const char* typed;
    std::vector<bool> named;
};

TEST(DivisionsNamed, ByNameStartCodeOrInitialsOfTwoLettersOrMore) {
    const DivisionCase cases[] = {
        {"whole name", "new south wales", {true, false, false, false, false, false}},
        {"start of the name, whole words", "Western", {false, true, false, false, false, false}},
        {"start of a word only", "West", {false, false, false, false, false, false}},
        {"run together", "NewSouthWales", {true, false, false, false, false, false}},
        {"code", "wa", {false, true, false, false, false, false}},
        {"code of digits", "07", {false, false, true, false, false, false}},
        {"initials", "N.S.W.", {true, false, false, false, false, false}},
        {"initials of two letters", "NT", {false, false, false, true, false, false}},
        {"one letter is no initials", "T", {false, false, false, false, false, false}},
        {"a Greek name, accents left out", "Ωρωπος", {false, false, false, false, true, false}},
        {"one Greek letter, two bytes in a key, is no initials",
         "Ω",
         {false, false, false, false, false, false}},
        {"Greek initials of two letters", "αζ", {false, false, false, false, false, true}},
        {"nothing typed", " - ", {false, false, false, false, false, false}},
    };
    const Atlas atlas = SmallAtlas();
    for (const DivisionCase& row : cases) {
        EXPECT_EQ(DivisionsNamed(atlas, QString::fromUtf8(row.typed)), row.named) << row.name;
    }
}

}  // namespace
}  // namespace fortunix::atlas
