#include "atlas/SearchKey.h"

#include <gtest/gtest.h>

#include <QChar>
#include <QStringList>
#include <utility>

#include "atlas/PlaceNameKey.h"
#include "atlas/QStringPrinter.h"

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
        EXPECT_EQ(SearchKey(QString::fromUtf8(row.typed)), QByteArray(row.expected)) << row.name;
    }
}

// Names in accented Latin letters take a shorter way than full decomposition; beside a Greek
// letter the same letters take the long way, and must come out alike.
TEST(SearchKey, AccentedLatinLettersFoldAsWhenDecomposed) {
    const QString heta = QStringLiteral("\u0371");
    const QByteArray hetaKey = heta.toUtf8();
    for (char16_t c = 0x80; c < 0x250; ++c) {
        const QString letter(QChar{c});
        const QByteArray shortWay = SearchKey(letter);
        const QByteArray longWay = SearchKey(letter + u' ' + heta);
        EXPECT_EQ(longWay, shortWay.isEmpty() ? hetaKey : shortWay + ' ' + hetaKey)
            << "U+" << std::hex << static_cast<int>(c);
    }
}

// The atlas makes the keys of its names from their UTF-8 bytes, without a QString: every
// character of the first three Unicode blocks of two-byte UTF-8, alone and inside a name,
// and names in other scripts, must give the keys of the same text as typed.
TEST(SearchKey, KeysOfUtf8NamesAreThoseOfTheSameText) {
    QStringList names = {QStringLiteral("St. Mary's"),   QStringLiteral("Ft Worth"),
                         QStringLiteral("Москва"),       QStringLiteral("Αθήνα"),
                         QStringLiteral("東京 都"),      QStringLiteral("Beyləqan"),
                         QStringLiteral("Øster-Ulslev"), QString()};
    for (char16_t c = 1; c < 0x800; ++c) {
        names.append(QString(QChar{c}));
        names.append(QStringLiteral("Ste ") + QChar{c} + QStringLiteral("-Ana"));
    }
    for (const QString& name : names) {
        QByteArray keys = "before\n";
        AppendPlaceNameKey(keys, name.toUtf8());
        EXPECT_EQ(keys, "before\n" + PlaceNameKey(name)) << name.toStdString();
    }
    // Bytes that are not UTF-8 read as the text Qt makes of them.
    for (const QByteArray& bytes :
         {QByteArray("Sa\xC3o"), QByteArray("\xC0\xAFx"), QByteArray("x\xED\xA0\x80"),
          QByteArray("\xF8\x88\x80\x80\x80")}) {
        QByteArray keys;
        AppendPlaceNameKey(keys, bytes);
        EXPECT_EQ(keys, PlaceNameKey(QString::fromUtf8(bytes)));
    }
}

// The keys of names in other scripts, worked out by hand from the Unicode character data:
// case folded, and only the marks that people leave out dropped.
TEST(SearchKey, FoldsOtherScriptsAsPeopleTypeThem) {
    const KeyCase cases[] = {
        {"Cyrillic capitals", "МОСКВА", "москва"},
        {"Cyrillic yo as ye", "Ёлкино", "елкино"},
        {"Cyrillic hyphens as spaces", "Ростов-на-Дону", "ростов на дону"},
        {"Cyrillic short i, as Latin ñ", "Йошкар-Ола", "иошкар ола"},
        {"Greek capitals", "ΑΘΗΝΑ", "αθηνα"},
        {"Greek tonos", "Αθήνα", "αθηνα"},
        {"Greek final sigma", "Αθήνας", "αθηνασ"},
        {"Greek dialytika with tonos", "Χαϊδάρι", "χαιδαρι"},
        {"Armenian capitals", "ԵՐԵՎԱՆ", "երեվան"},
        {"Armenian ech-yiwn ligature", "Երևան", "երեւան"},
        {"Georgian Mtavruli", "ᲗᲑᲘᲚᲘᲡᲘ", "თბილისი"},
        {"Georgian Mkhedruli as it is", "თბილისი", "თბილისი"},
        {"Hebrew points", "יְרוּשָׁלַיִם", "ירושלים"},
        {"Hebrew dagesh", "תֵּל אָבִיב", "תל אביב"},
        {"Hebrew geresh as an apostrophe", "ג׳ת", "גת"},
        {"Hebrew final letters stay", "בת ים", "בת ים"},
        {"Arabic hamza above alef", "أبو ظبي", "ابو ظبي"},
        {"Arabic hamza below alef", "إربد", "اربد"},
        {"Arabic madda", "آمد", "امد"},
        {"Arabic alef wasla", "ٱلقاهرة", "القاهرة"},
        {"Arabic short vowels", "القَاهِرَة", "القاهرة"},
        {"Arabic tatweel", "القـاهرة", "القاهرة"},
        {"Arabic waw with hamza stays", "مؤتة", "مؤتة"},
        {"Arabic yeh with hamza stays", "بئر", "بئر"},
        {"Arabic presentation forms", "ﻟﻨﺩﻮ", "لندو"},
        {"direction marks dropped", "‏القاهرة‎", "القاهرة"},
        {"Devanagari vowel signs stay", "मुंबई", "मुंबई"},
        {"Devanagari virama stays", "दिल्ली", "दिल्ली"},
        {"Thai vowels and tone marks stay", "เชียงใหม่", "เชียงใหม่"},
        {"Thai sara am apart", "กำแพง", "กําแพง"},
        {"kana voicing mark stays", "ガ", "ガ"},
        {"half-width kana", "ﾄｳｷﾞｮｳ", "トウギョウ"},
        {"Han as it is", "北京", "北京"},
        {"Hangul syllables composed", "서울", "서울"},
        {"full-width Latin", "Ｔｏｋｙｏ", "tokyo"},
        {"numero sign a word break", "Posten № 3", "posten 3"},
    };
    for (const KeyCase& row : cases) {
        EXPECT_EQ(SearchKey(QString::fromUtf8(row.typed)), QByteArray(row.expected)) << row.name;
    }
}

// Letters that differ stay apart: their keys must not meet.
TEST(SearchKey, KeepsLettersThatDifferApart) {
    const std::pair<const char*, const char*> pairs[] = {
        {"मुंबई", "मबई"},          // Devanagari without its vowel signs
        {"कोटा", "कटा"},         // a vowel sign
        {"เชียงใหม่", "เชยงใหม"},  // Thai vowel and tone mark
        {"ガ", "カ"},            // voiced and unvoiced kana
        {"مؤتة", "موتة"},        // waw with hamza, waw
        {"القاهرة", "القاهره"},  // teh marbuta, heh
        {"مصرى", "مصري"},        // alef maksura, yeh
        {"קרית", "כרית"},        // qof, kaf
    };
    for (const auto& [first, second] : pairs) {
        EXPECT_NE(SearchKey(QString::fromUtf8(first)), SearchKey(QString::fromUtf8(second)))
            << first << " / " << second;
    }
}

TEST(SearchKey, PlaceNamesWriteOutTheUsualAbbreviations) {
    // clang-format off
    const KeyCase cases[] = {
        {"saint", "St. Louis", "saint louis"}, {"already long", "Saint Louis", "saint louis"},
        {"sainte", "Ste-Foy", "sainte foy"},   {"mount", "Mt Vernon", "mount vernon"},
        {"fort", "Ft. Worth", "fort worth"},   {"not inside a word", "Stanford", "stanford"},
        {"nothing typed", "", ""},             {"one letter", "t", "t"},
    };
    // clang-format on
    for (const KeyCase& row : cases) {
        EXPECT_EQ(PlaceNameKey(QString::fromUtf8(row.typed)), QByteArray(row.expected)) << row.name;
    }
}

}  // namespace
}  // namespace fortunix::atlas
