#include <gtest/gtest.h>

#include "atlas/Atlas.h"
#include "atlas/BuiltInAtlas.h"
#include "atlas/BuiltInAtlasQueries.h"
#include "atlas/BuiltInTables.h"
#include "atlas/PlaceNameKey.h"
#include "atlas/PlaceSearch.h"
#include "atlas/QStringPrinter.h"

// Places found by the names people use for them. The expected places are the cities meant,
// by their gazetteer name and country; the other names shown are the names typed.

namespace fortunix::atlas {
namespace {

struct NamedPlaceCase {
    PlaceQuery query;
    const char* expected;
};

TEST(AtlasOtherNames, PutTheCityMeantFirst) {
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

// A small atlas with other names in the format of the generated tables.
Atlas SmallAtlas(QByteArray placeNames, QByteArray placeNameKeys,
                 QByteArrayView countryNames = "DE\tDeutschland|Allemagne\n") {
    Atlas atlas = Atlas::FromTables("FR\tFrance\t\nDE\tGermany\t\n", "",
                                    "Paris\tFR\t\t48.85\t2.35\t2000000\n"
                                    "Hamlet\tFR\t\t1\t1\t10\n"
                                    "Köln\tDE\t\t50.93\t6.95\t960000\n"
                                    "Munich\tDE\t\t48.13\t11.57\t1260000\n");
    atlas.attachOtherNames(std::move(placeNames), std::move(placeNameKeys), countryNames);
    return atlas;
}

Atlas SmallAtlas() {
    return SmallAtlas("# names\n|Parigi\n\nKöln|Cologne\nMünchen||Extra\n",
                      "# keys\nlutetia|parigi\n\nkoeln|cologne\nmunchen|monaco di baviera\n");
}

QStringList OtherNamesOf(const Atlas& atlas) {
    QStringList attached;
    for (qsizetype other = 0; other < atlas.otherNameCount(); ++other) {
        attached.append(atlas.placeName(atlas.otherNamePlace(other)) + u'=' +
                        atlas.otherName(other) + u'/' +
                        QString::fromUtf8(atlas.otherNameKey(other)));
    }
    return attached;
}

TEST(AtlasOtherNames, AttachLineByLineWithThePlaces) {
    const Atlas atlas = SmallAtlas();
    // An empty name is its key in capitals; a name without a key is left out.
    EXPECT_EQ(OtherNamesOf(atlas),
              (QStringList{"Paris=Lutetia/lutetia", "Paris=Parigi/parigi", "Köln=Köln/koeln",
                           "Köln=Cologne/cologne", "Munich=München/munchen",
                           "Munich=Monaco Di Baviera/monaco di baviera"}));
    EXPECT_EQ(atlas.otherNamesOf(2), (std::pair<qsizetype, qsizetype>(2, 4)));
    EXPECT_EQ(atlas.otherNamesOf(1), (std::pair<qsizetype, qsizetype>(2, 2)));
    EXPECT_EQ(atlas.country(1).names,
              (QByteArrayList{"de", "germany", "deutschland", "allemagne"}));

    // Tables of another length belong to other places: none of their names is attached.
    const Atlas older = SmallAtlas("Lutetia\n\nKöln\n", "lutetia\n\nkoeln\n");
    EXPECT_TRUE(OtherNamesOf(older).isEmpty());
    EXPECT_EQ(older.otherNamesOf(0), (std::pair<qsizetype, qsizetype>(0, 0)));
    EXPECT_EQ(older.country(1).names.size(), 4);
    const Atlas newer = SmallAtlas("Lutetia\n\nKöln\n\nRom", "lutetia\n\nkoeln\n\nrom");
    EXPECT_TRUE(OtherNamesOf(newer).isEmpty());
    const Atlas keysOfOther = SmallAtlas("Lutetia\n\nKöln\n\n", "lutetia\n\nkoeln\n\nrom");
    EXPECT_TRUE(OtherNamesOf(keysOfOther).isEmpty());
}

// The last place's line, and the last country's, count without a line break at their end;
// and a damaged key (empty, or longer than 255 bytes) leaves out the rest of its line only.
TEST(AtlasOtherNames, AttachTheLastLinesWithoutALineBreak) {
    const QByteArray tooLong(256, 'x');
    const Atlas atlas =
        SmallAtlas("|Parigi\n\nKöln|Cologne|Kolonia\n|Minga|Monaco",
                   "lutetia|parigi\n\nkoeln||kolonia\n" + tooLong.first(255) + "|minga|" + tooLong);
    EXPECT_EQ(
        OtherNamesOf(atlas),
        (QStringList{"Paris=Lutetia/lutetia", "Paris=Parigi/parigi", "Köln=Köln/koeln",
                     "Munich=" + QString(255, u'x').replace(0, 1, u'X') + u'/' + QString(255, u'x'),
                     "Munich=Minga/minga"}));
    EXPECT_EQ(atlas.otherNamesOf(3), (std::pair<qsizetype, qsizetype>(3, 5)));

    const Atlas countries =
        SmallAtlas("\n\n\n\n", "\n\n\n\n", "FR\tFrankreich\nDE\tAlemania|Niemcy");
    EXPECT_EQ(countries.country(1).names, (QByteArrayList{"de", "germany", "alemania", "niemcy"}));
    EXPECT_EQ(countries.country(0).names, (QByteArrayList{"fr", "france", "frankreich"}));
    EXPECT_EQ(countries.otherNameCount(), 0);
    EXPECT_EQ(countries.otherNamesOf(3), (std::pair<qsizetype, qsizetype>(0, 0)));
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
TEST(AtlasOtherNames, BuiltInOnesBearTheProgramsKeysAndAllAttach) {
    const Atlas& atlas = BuiltInAtlas();
    qsizetype wrongKeys = 0;
    for (qsizetype other = 0; other < atlas.otherNameCount(); ++other) {
        const QString name = atlas.otherName(other);
        const QByteArray key = atlas.otherNameKey(other).toByteArray();
        if (key != PlaceNameKey(name) && key != PlaceNameKey(WithUmlautsWrittenOut(name))) {
            ADD_FAILURE() << name.toStdString() << " has the key " << key.toStdString();
            if (++wrongKeys == 10) {
                break;
            }
        }
    }
    const QByteArray keys = BuiltInTable(u"place-name-keys.tsv");
    qsizetype keysInTable = keys.count('|');
    for (const QByteArray& line : keys.split('\n')) {
        keysInTable += !line.isEmpty() && !line.startsWith('#');
    }
    EXPECT_EQ(atlas.otherNameCount(), keysInTable);
    EXPECT_GT(atlas.otherNameCount(), 200000);
}

}  // namespace
}  // namespace fortunix::atlas
