#include "atlas/CountryNamesByLanguage.h"

#include <gtest/gtest.h>

#include "atlas/BuiltInAtlas.h"
#include "atlas/QStringPrinter.h"

namespace fortunix::atlas {
namespace {

// The built-in table, as each language writes the country (checked by hand against common
// usage), and a table of its own whose gaps keep the English name: an empty field, a row with a
// field too many, no row, and no comment line naming the columns.
TEST(CountryNamesByLanguage, EachLanguagesNameWhereTheTableHoldsOneElseTheEnglish) {
    const CountryNamesByLanguage own = CountryNamesByLanguage::FromTable(
        "# names\n# code\tru\tfr\nDE\tГермания\t\nFR\tФранция\tFrance\tx\n");
    const CountryNamesByLanguage unnamed = CountryNamesByLanguage::FromTable("DE\tГермания\n");
    const CountryNamesByLanguage* const built = &BuiltInCountryNamesByLanguage();
    // clang-format off
    const struct { const CountryNamesByLanguage* table; const char* code; const char* english; const char* language; const char* name; } rows[] = {
        {built,   "DE", "Germany", "ru", "Германия"},
        {built,   "EG", "Egypt",   "ar", "مصر"},          // the last column
        {built,   "DE", "Germany", "de", "Deutschland"},  // the first column
        {built,   "RU", "Russia",  "ja", "ロシア"},       // not the formal name
        {built,   "DE", "Germany", "en", "Germany"},      // English has no column
        {&own,    "DE", "Germany", "ru", "Германия"},
        {&own,    "DE", "Germany", "fr", "Germany"},
        {&own,    "FR", "France",  "ru", "France"},
        {&own,    "IT", "Italy",   "ru", "Italy"},
        {&unnamed,"DE", "Germany", "ru", "Germany"},
    };
    // clang-format on
    for (const auto& row : rows) {
        const Country country{QString::fromLatin1(row.code), QString::fromLatin1(row.english), {}};
        EXPECT_EQ(row.table->nameOf(country, QString::fromLatin1(row.language)),
                  QString::fromUtf8(row.name))
            << row.code << " " << row.language;
    }
}

// A place line parts its names with commas: a country's name in a language holds one only where
// its English name does, never as a formal name turned around ("Syrien, Arabische Republik").
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

}  // namespace
}  // namespace fortunix::atlas
