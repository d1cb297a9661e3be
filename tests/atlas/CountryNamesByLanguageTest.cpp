#include "atlas/CountryNamesByLanguage.h"

#include <gtest/gtest.h>

#include "atlas/BuiltInAtlas.h"
#include "atlas/QStringPrinter.h"

// Expected names as each language writes the country, checked by hand against common usage.

namespace fortunix::atlas {
namespace {

TEST(CountryNamesByLanguage, BuiltInTableNamesEachCountryAsTheLanguageWritesIt) {
    // clang-format off
    const struct { const char* code; const char* english; const char* language; const char* name; } rows[] = {
        {"DE", "Germany", "ru", "Германия"},
        {"EG", "Egypt",   "ar", "مصر"},
        {"JP", "Japan",   "ja", "日本"},
        {"DE", "Germany", "zh", "德国"},
        {"DE", "Germany", "de", "Deutschland"},  // the first column
        {"RU", "Russia",  "ja", "ロシア"},       // not the formal "Russian Federation"
        {"DE", "Germany", "en", "Germany"},      // English has no column
    };
    // clang-format on
    for (const auto& row : rows) {
        const Country country{QString::fromLatin1(row.code), QString::fromLatin1(row.english), {}};
        EXPECT_EQ(
            BuiltInCountryNamesByLanguage().nameOf(country, QString::fromLatin1(row.language)),
            QString::fromUtf8(row.name))
            << row.code << " " << row.language;
    }
}

// A place line parts its names with commas: a country's name in a language holds one only where
// its English name does ("Bonaire, Sint Eustatius and Saba"), never as a formal name turned
// around ("Syrien, Arabische Republik").
TEST(CountryNamesByLanguage, ACommaOnlyWhereTheEnglishNameHasOne) {
    const Atlas& atlas = BuiltInAtlas();
    for (qsizetype index = 0; index < atlas.countryCount(); ++index) {
        const Country country = atlas.country(index);
        for (const char* language : {"de", "fr", "es", "pt", "it", "ru", "tr", "ja", "zh", "ar"}) {
            const QString name =
                BuiltInCountryNamesByLanguage().nameOf(country, QString::fromLatin1(language));
            EXPECT_TRUE(!name.contains(u',') || country.name.contains(u','))
                << country.code.toStdString() << " " << language << ": " << name.toStdString();
        }
    }
}

// The comment line names the columns; a country or a field the table lacks keeps the English
// name, and so does every country of a table without that line.
TEST(CountryNamesByLanguage, ACountryWithoutANameInTheLanguageKeepsItsEnglishName) {
    const QByteArray table = "# names\n# code\tru\tfr\nDE\tГермания\t\nFR\tФранция\tFrance\tx\n";
    const CountryNamesByLanguage names = CountryNamesByLanguage::FromTable(table);
    // clang-format off
    const struct { const char* code; const char* language; const char* name; } rows[] = {
        {"DE", "ru", "Германия"},
        {"DE", "fr", "Germany"},   // an empty field
        {"FR", "ru", "France"},    // a row with a field too many
        {"IT", "ru", "Italy"},     // no row
    };
    // clang-format on
    const QHash<QString, QString> english{{"DE", "Germany"}, {"FR", "France"}, {"IT", "Italy"}};
    for (const auto& row : rows) {
        const Country country{QString::fromLatin1(row.code), english[row.code], {}};
        EXPECT_EQ(names.nameOf(country, QString::fromLatin1(row.language)),
                  QString::fromUtf8(row.name))
            << row.code << " " << row.language;
    }
    const Country germany{QStringLiteral("DE"), QStringLiteral("Germany"), {}};
    EXPECT_EQ(CountryNamesByLanguage::FromTable("DE\tГермания\n").nameOf(germany, u"ru"),
              QStringLiteral("Germany"));
}

}  // namespace
}  // namespace fortunix::atlas
