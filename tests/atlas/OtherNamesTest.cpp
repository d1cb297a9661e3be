#include <gtest/gtest.h>

#include <QResource>

#include "atlas/Atlas.h"
#include "atlas/BuiltInAtlas.h"
#include "atlas/PlaceLine.h"
#include "atlas/PlaceSearch.h"
#include "atlas/QStringPrinter.h"
#include "atlas/SearchKey.h"

// Places found by the names people use for them. The expected places are the cities meant,
// by their gazetteer name and country; the other names shown are the names typed.

namespace fortunix::atlas {
namespace {

constexpr std::size_t kListed = 20;

PlaceQuery Query(const char* city, const char* state, const char* country) {
    return {QString::fromUtf8(city), QString::fromUtf8(state), QString::fromUtf8(country)};
}

// "Munich DE (München)": the first place's main name, country code and the other name shown.
QString FirstPlace(const PlaceLookup& lookup) {
    if (lookup.places.empty()) {
        return QStringLiteral("nothing");
    }
    const Atlas& atlas = BuiltInAtlas();
    const RankedPlace& first = lookup.places.front();
    QString text = atlas.placeName(first.place).toString() + u' ' +
                   atlas.country(atlas.place(first.place).country).code;
    if (first.otherName != kMainName) {
        text += QStringLiteral(" (") + atlas.otherName(first.otherName) + u')';
    }
    return text;
}

struct NamedPlaceCase {
    PlaceQuery query;
    const char* expected;
};

TEST(OtherNames, PutTheCityMeantFirst) {
    const NamedPlaceCase cases[] = {
        {Query("München", "Bayern", "Germany"), "Munich DE (München)"},
        {Query("Muenchen", "", "Deutschland"), "Munich DE (Muenchen)"},
        {Query("Munchen", "", "Deutschland"), "Munich DE (Munchen)"},
        {Query("Köln", "", "Deutschland"), "Köln DE"},
        {Query("Koeln", "", "Deutschland"), "Köln DE"},
        {Query("Wien", "", "Österreich"), "Vienna AT (Wien)"},
        {Query("Roma", "", "Italia"), "Rome IT (Roma)"},
        {Query("Milano", "", "Italia"), "Milan IT (Milano)"},
        {Query("Napoli", "", "Italia"), "Naples IT (Napoli)"},
        {Query("Firenze", "", "Italia"), "Florence IT (Firenze)"},
        {Query("Venezia", "", "Italia"), "Venice IT (Venezia)"},
        {Query("Lisboa", "", "Portugal"), "Lisbon PT (Lisboa)"},
        {Query("Praha", "", "Česko"), "Prague CZ (Praha)"},
        {Query("Warszawa", "", "Polska"), "Warsaw PL (Warszawa)"},
        {Query("Kraków", "", "Polska"), "Kraków PL"},
        {Query("București", "", "România"), "Bucharest RO (București)"},
        {Query("Moskva", "", "Rossiya"), "Moscow RU (Moskva)"},
        {Query("Kyiv", "", "Ukraine"), "Kyiv UA"},
        {Query("Kiev", "", "Ukraine"), "Kyiv UA (Kiev)"},
        {Query("København", "", "Danmark"), "Copenhagen DK (København)"},
        {Query("Göteborg", "", "Sverige"), "Göteborg SE"},
        {Query("Den Haag", "", "Nederland"), "The Hague NL (Den Haag)"},
        {Query("Bruxelles", "", "Belgique"), "Brussels BE (Bruxelles)"},
        {Query("Genève", "", "Suisse"), "Genève CH"},
        {Query("Sevilla", "", "España"), "Sevilla ES"},
        {Query("Bombay", "", "India"), "Mumbai IN (Bombay)"},
        {Query("Madras", "", "India"), "Chennai IN (Madras)"},
        {Query("Calcutta", "", "India"), "Kolkata IN (Calcutta)"},
        {Query("Peking", "", "China"), "Beijing CN (Peking)"},
        {Query("Canton", "", "China"), "Guangzhou CN (Canton)"},
        {Query("Saigon", "", "Vietnam"), "Ho Chi Minh City VN (Saigon)"},
        {Query("Rangoon", "", "Burma"), "Yangon MM (Rangoon)"},
        {Query("Ciudad de México", "", "México"), "Mexico City MX (Ciudad de México)"},
        {Query("Londres", "", "Royaume-Uni"), "London GB (Londres)"},
        {Query("Londres", "", "Reino Unido"), "London GB (Londres)"},
    };
    for (const NamedPlaceCase& row : cases) {
        EXPECT_EQ(FirstPlace(LookUpPlace(BuiltInAtlas(), row.query, kListed)),
                  QString::fromUtf8(row.expected))
            << row.query.city.toStdString();
    }
}

TEST(OtherNames, ShowTheNameFoundBesideTheMainOne) {
    // Munich lies at 48.13743 N, 11.57549 E: 48°8.2′ and 11°34.5′.
    const Atlas& atlas = BuiltInAtlas();
    const RankedPlace first = SearchPlaces(atlas, Query("München", "", "Germany"), 1).front();
    EXPECT_EQ(DescribePlace(atlas, first.place, first.otherName),
              QStringLiteral("Munich (München), Bavaria, Germany: 48°08′ N, 11°35′ E"));
}

struct LookUpCase {
    const char* name;
    PlaceQuery query;
    const char* expected;
    bool closeSpellings;
    bool unknownCountry;
};

TEST(LookUpPlace, SaysWhatItShows) {
    const LookUpCase cases[] = {
        {"known country", Query("Paris", "Texas", "USA"), "Paris US", false, false},
        {"unknown country: city alone, the state unheeded", Query("Paris", "Texas", "Atlantis"),
         "Paris FR", false, true},
        {"no country typed", Query("Paris", "Texas", " "), "Paris US", false, false},
        {"slip, closest spelling first", Query("Lodnon", "England", "UK"), "London GB", true,
         false},
        {"slip in a city of another name", Query("Munchn", "", "Deutschland"),
         "Munich DE (München)", true, false},
        {"slip and an unknown country", Query("Pariss", "", "Frnace"), "Paris FR", true, true},
        {"nothing close", Query("Xyzzyville", "", "France"), "nothing", false, false},
    };
    for (const LookUpCase& row : cases) {
        const PlaceLookup lookup = LookUpPlace(BuiltInAtlas(), row.query, kListed);
        EXPECT_EQ(FirstPlace(lookup), QString::fromUtf8(row.expected)) << row.name;
        EXPECT_EQ(lookup.closeSpellings, row.closeSpellings) << row.name;
        EXPECT_EQ(lookup.unknownCountry, row.unknownCountry) << row.name;
        EXPECT_LE(lookup.places.size(), row.closeSpellings ? kCloseSpellingsListed : kListed);
    }
}

struct EditsCase {
    const char* typed;
    const char* key;
    int limit;
    int expected;
};

TEST(LetterEdits, CountsInsertionsDeletionsChangesAndSwaps) {
    const EditsCase cases[] = {
        {"london", "london", 2, 0},  {"londn", "london", 2, 1},  {"londonn", "london", 2, 1},
        {"lomdon", "london", 2, 1},  {"lodnon", "london", 2, 1}, {"lindan", "london", 2, 2},
        {"kitten", "sitting", 3, 3}, {"ca", "abc", 3, 3},  // a swapped pair is not edited again
        {"paris", "london", 2, 3},   {"a", "abcd", 2, 3},
    };
    for (const EditsCase& row : cases) {
        EXPECT_EQ(
            LetterEdits(QString::fromLatin1(row.typed), QString::fromLatin1(row.key), row.limit),
            row.expected)
            << row.typed << " -> " << row.key;
    }
}

// A small atlas with other names in the format of the generated tables.
Atlas SmallAtlas(QByteArray placeNames, QByteArray placeNameKeys) {
    Atlas atlas = Atlas::FromTables("FR\tFrance\t\nDE\tGermany\t\n", "",
                                    "Paris\tFR\t\t48.85\t2.35\t2000000\n"
                                    "Hamlet\tFR\t\t1\t1\t10\n"
                                    "Köln\tDE\t\t50.93\t6.95\t960000\n"
                                    "Munich\tDE\t\t48.13\t11.57\t1260000\n");
    atlas.attachOtherNames(std::move(placeNames), std::move(placeNameKeys),
                           "DE\tDeutschland|Allemagne\n");
    return atlas;
}

Atlas SmallAtlas() {
    return SmallAtlas("# names\n|Parigi\n\nKöln|Cologne\nMünchen||Extra\n",
                      "# keys\nlutetia|parigi\n\nkoeln|cologne\nmunchen|monaco di baviera\n");
}

QStringList OtherNamesOf(const Atlas& atlas) {
    QStringList attached;
    for (qsizetype other = 0; other < atlas.otherNameCount(); ++other) {
        attached.append(atlas.placeName(atlas.otherNamePlace(other)).toString() + u'=' +
                        atlas.otherName(other) + u'/' +
                        QString::fromLatin1(atlas.otherNameKey(other)));
    }
    return attached;
}

TEST(AtlasTables, AttachOtherNamesLineByLineWithThePlaces) {
    const Atlas atlas = SmallAtlas();
    // An empty name is its key in capitals; a name without a key is left out.
    EXPECT_EQ(OtherNamesOf(atlas),
              (QStringList{"Paris=Lutetia/lutetia", "Paris=Parigi/parigi", "Köln=Köln/koeln",
                           "Köln=Cologne/cologne", "Munich=München/munchen",
                           "Munich=Monaco Di Baviera/monaco di baviera"}));
    EXPECT_EQ(atlas.otherNamesOf(2), (std::pair<qsizetype, qsizetype>(2, 4)));
    EXPECT_EQ(atlas.otherNamesOf(1), (std::pair<qsizetype, qsizetype>(2, 2)));
    EXPECT_EQ(atlas.country(1).names, (QStringList{"de", "germany", "deutschland", "allemagne"}));

    // Tables of another length belong to other places: none of their names is attached.
    const Atlas older = SmallAtlas("Lutetia\n\nKöln\n", "lutetia\n\nkoeln\n");
    EXPECT_TRUE(OtherNamesOf(older).isEmpty());
    EXPECT_EQ(older.otherNamesOf(0), (std::pair<qsizetype, qsizetype>(0, 0)));
    EXPECT_EQ(older.country(1).names.size(), 4);
}

TEST(AtlasTables, FindKeysHoldingATextAsWholeWords) {
    const Atlas atlas = SmallAtlas();
    EXPECT_EQ(atlas.placesWithKeyHolding(u"hamlet"), (std::vector<qsizetype>{1}));
    EXPECT_EQ(atlas.placesWithKeyHolding(u"ham"), (std::vector<qsizetype>{}));
    EXPECT_EQ(atlas.placesWithKeyHolding(u"parishamlet"), (std::vector<qsizetype>{}));
    EXPECT_EQ(atlas.placesWithKeyHolding(u"munich"), (std::vector<qsizetype>{3}));
    EXPECT_EQ(atlas.otherNamesWithKeyHolding(u"cologne"), (std::vector<qsizetype>{3}));
    EXPECT_EQ(atlas.otherNamesWithKeyHolding(u"di baviera"), (std::vector<qsizetype>{5}));
    EXPECT_EQ(atlas.otherNamesWithKeyHolding(u"lutetia"), (std::vector<qsizetype>{0}));
    EXPECT_EQ(atlas.otherNamesWithKeyHolding(u"o"), (std::vector<qsizetype>{}));
    EXPECT_EQ(atlas.otherNamesWithKeyHolding(u"köln"), (std::vector<qsizetype>{}));
}

// The ae/oe/ue spelling that the tables give umlauted names a second key for.
QString WithUmlautsWrittenOut(QString name) {
    const std::pair<const char16_t*, const char16_t*> digraphs[] = {
        {u"ä", u"ae"}, {u"ö", u"oe"}, {u"ü", u"ue"}, {u"Ä", u"Ae"}, {u"Ö", u"Oe"}, {u"Ü", u"Ue"}};
    name = name.normalized(QString::NormalizationForm_C);
    for (const auto& [umlaut, digraph] : digraphs) {
        name.replace(QString::fromUtf16(umlaut), QString::fromUtf16(digraph));
    }
    return name;
}

// The keys are made when the tables are generated; they must be the program's own keys of
// the names, or the names could not be found. And every row must find its place.
TEST(AtlasTables, BuiltInOtherNamesBearTheProgramsKeysAndAllAttach) {
    const Atlas& atlas = BuiltInAtlas();
    qsizetype wrongKeys = 0;
    for (qsizetype other = 0; other < atlas.otherNameCount(); ++other) {
        const QString name = atlas.otherName(other);
        const QString key = QString::fromLatin1(atlas.otherNameKey(other));
        if (key != PlaceNameKey(name) && key != PlaceNameKey(WithUmlautsWrittenOut(name))) {
            ADD_FAILURE() << name.toStdString() << " has the key " << key.toStdString();
            if (++wrongKeys == 10) {
                break;
            }
        }
    }
    const QByteArray keys =
        QResource(QStringLiteral(":/atlas/place-name-keys.tsv")).uncompressedData();
    qsizetype keysInTable = keys.count('|');
    for (const QByteArray& line : keys.split('\n')) {
        keysInTable += !line.isEmpty() && !line.startsWith('#');
    }
    EXPECT_EQ(atlas.otherNameCount(), keysInTable);
    EXPECT_GT(atlas.otherNameCount(), 200000);
}

}  // namespace
}  // namespace fortunix::atlas
