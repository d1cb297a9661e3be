#include "atlas/SearchKey.h"

#include <gtest/gtest.h>

#include "atlas/QStringPrinter.h"

#include "atlas/PlaceSearch.h"

namespace fortunix::atlas {
namespace {

struct KeyCase {
    const char* name;
    const char* typed;
    const char* expected;
};

TEST(SearchKey, FoldsCaseAccentsAndPunctuation) {
    const KeyCase cases[] = {
        {"accents", "São Paulo", "sao paulo"},
        {"hyphen and accent", "Saint-Étienne", "saint etienne"},
        {"apostrophe joins", "Xi'an", "xian"},
        {"typographic apostrophe", "Cote d’Ivoire", "cote divoire"},
        {"spaces collapse", "  New   York  ", "new york"},
        {"umlaut", "ZÜRICH", "zurich"},
        {"stroked letters", "Łódź", "lodz"},
        {"sharp s", "Straße", "strasse"},
        {"dotted capital I", "İstanbul", "istanbul"},
        {"ligature", "Færøerne", "faeroerne"},
        {"dots", "N.Y.", "n y"},
        {"brackets and slash", "Zürich (Kreis 7) / Witikon", "zurich kreis 7 witikon"},
        {"only punctuation", " - ", ""},
    };
    for (const KeyCase& row : cases) {
        EXPECT_EQ(SearchKey(QString::fromUtf8(row.typed)), QString::fromUtf8(row.expected))
            << row.name;
    }
}

// Names in accented Latin letters take a shorter way than full decomposition; beside a Greek
// letter the same letters take the long way, and must come out alike.
TEST(SearchKey, AccentedLatinLettersFoldAsWhenDecomposed) {
    const QString heta = QStringLiteral("\u0371");
    for (char16_t c = 0x80; c < 0x250; ++c) {
        const QString letter(QChar{c});
        const QString shortWay = SearchKey(letter);
        const QString longWay = SearchKey(letter + u' ' + heta);
        EXPECT_EQ(longWay, shortWay.isEmpty() ? heta : shortWay + u' ' + heta)
            << "U+" << std::hex << static_cast<int>(c);
    }
}

TEST(SearchKey, PlaceNamesWriteOutTheUsualAbbreviations) {
    const KeyCase cases[] = {
        {"saint", "St. Louis", "saint louis"}, {"already long", "Saint Louis", "saint louis"},
        {"sainte", "Ste-Foy", "sainte foy"},   {"mount", "Mt Vernon", "mount vernon"},
        {"fort", "Ft. Worth", "fort worth"},   {"not inside a word", "Stanford", "stanford"},
    };
    for (const KeyCase& row : cases) {
        EXPECT_EQ(PlaceNameKey(QString::fromUtf8(row.typed)), QString::fromUtf8(row.expected))
            << row.name;
    }
}

TEST(SearchKey, InitialsAndCompactForms) {
    EXPECT_EQ(InitialsOf(u"new south wales"), QStringLiteral("nsw"));
    EXPECT_EQ(InitialsOf(u"ile de france"), QStringLiteral("idf"));
    EXPECT_EQ(CompactKey(u"n s w"), QStringLiteral("nsw"));
}

struct NameCase {
    const char* name;
    const char* placeKey;
    const char* cityKey;
    NameMatch expected;
};

TEST(MatchPlaceName, GradesHowCloseTheNameIs) {
    const NameCase cases[] = {
        {"same name", "paris", "paris", NameMatch::Exact},
        {"city added", "new york city", "new york", NameMatch::Exact},
        {"longer name", "frankfurt am main", "frankfurt", NameMatch::Prefix},
        {"word inside", "saint petersburg", "petersburg", NameMatch::InnerWord},
        {"word at the end of several", "ciudad de mexico", "mexico", NameMatch::InnerWord},
        {"start of a word only", "parisville", "paris", NameMatch::None},
        {"inside a word", "sparis", "paris", NameMatch::None},
        {"shorter name", "york", "new york", NameMatch::None},
        {"nothing typed", "paris", "", NameMatch::None},
    };
    for (const NameCase& row : cases) {
        const QString cityKey = QString::fromUtf8(row.cityKey);
        EXPECT_EQ(MatchPlaceName(QString::fromUtf8(row.placeKey), cityKey), row.expected)
            << row.name;
        EXPECT_EQ(MatchPlaceName(QByteArrayView(row.placeKey), cityKey), row.expected)
            << row.name << " (ASCII key of another name)";
    }
}

}  // namespace
}  // namespace fortunix::atlas
