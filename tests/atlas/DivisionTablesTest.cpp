#include <gtest/gtest.h>

#include <QByteArray>
#include <QSet>
#include <map>
#include <string>

#include "atlas/Atlas.h"
#include "atlas/BuiltInAtlas.h"
#include "atlas/BuiltInTables.h"
#include "atlas/QStringPrinter.h"
#include "atlas/TableRows.h"

// The division shown beside a place comes from two tables: the place's division code in
// places.tsv and the code's name in divisions.tsv. They must come from one gazetteer extract,
// since countries renumber their divisions (Vietnam, Norway, Latvia, South Sudan...).

namespace fortunix::atlas {
namespace {

// The atlas drops a code it cannot name, so the raw table is read: a place whose code is
// missing from divisions.tsv would otherwise just show no division.
TEST(DivisionTables, EveryDivisionCodeOfAPlaceIsInTheDivisionsTable) {
    QSet<QByteArray> divisions;
    ForEachRow(BuiltInTable(u"divisions.tsv"), [&](const std::vector<QByteArrayView>& fields) {
        if (fields.size() == 3) {
            divisions.insert(fields[0].toByteArray() + '\t' + fields[1].toByteArray());
        }
    });
    ASSERT_GT(divisions.size(), 3000);

    qsizetype places = 0;
    qsizetype withoutCode = 0;
    std::map<std::string, int> missingByCountry;
    ForEachRow(BuiltInTable(u"places.tsv"), [&](const std::vector<QByteArrayView>& fields) {
        ASSERT_EQ(fields.size(), 6u) << fields[0].toByteArray().toStdString();
        ++places;
        if (fields[2].isEmpty()) {
            ++withoutCode;  // the gazetteer knows no division there (Hong Kong, Singapore)
        } else if (!divisions.contains(fields[1].toByteArray() + '\t' + fields[2].toByteArray())) {
            ++missingByCountry[fields[1].toByteArray().toStdString()];
        }
    });
    std::string missing;
    for (const auto& [country, count] : missingByCountry) {
        missing += country + ' ' + std::to_string(count) + ' ';
    }
    EXPECT_EQ(missing, "") << "places whose division code divisions.tsv lacks, by country";
    EXPECT_EQ(places, BuiltInAtlas().placeCount());
    // Emptying the codes is no way out: all but a few places have a division.
    EXPECT_LT(withoutCode, places / 1000);
}

struct PlaceInDivisionCase {
    const char* place;
    const char* country;
    const char* division;  // as the gazetteer names it today
};

// The most populous place of that name in the country.
qsizetype LargestPlaceNamed(const Atlas& atlas, const QString& name, const QString& country) {
    qsizetype found = -1;
    for (qsizetype i = 0; i < atlas.placeCount(); ++i) {
        if (atlas.placeName(i) == name && atlas.country(atlas.place(i).country).code == country &&
            (found < 0 || atlas.place(i).population > atlas.place(found).population)) {
            found = i;
        }
    }
    return found;
}

// Cities in the division named after them, and cities of countries that renumbered their
// divisions, in today's divisions. The tables of mixed extracts showed the ones marked.
TEST(DivisionTables, CitiesLieInTheirDivisions) {
    const PlaceInDivisionCase cases[] = {
        {"Ho Chi Minh City", "VN", "Ho Chi Minh City (HCMC)"},  // was Lạng Sơn Province
        {"Hanoi", "VN", "Hanoi"},                               // was Quang Tri
        {"Huế", "VN", "Thừa Thiên Huế Province"},               // was Dak Lak
        {"Da Nang", "VN", "Da Nang City"},                      // was none
        {"Oslo", "NO", "Oslo"},
        {"Tromsø", "NO", "Troms"},      // was none: Troms og Finnmark in 2020-2023
        {"Drammen", "NO", "Buskerud"},  // was none: Viken in 2020-2023
        {"Riga", "LV", "Riga"},
        {"Daugavpils", "LV", "Daugavpils"},       // was none
        {"Juba", "SS", "Central Equatoria"},      // was none
        {"Hawassa", "ET", "Sidama Region"},       // was none
        {"Manakara", "MG", "Fitovinany Region"},  // was none
        {"Semey", "KZ", "Abai Region"},           // was East Kazakhstan
        {"Sanaa", "YE", "Amanat Alasimah"},       // the capital's own division
        {"Kathmandu", "NP", "Bagmati Province"},  // unchanged
    };
    const Atlas& atlas = BuiltInAtlas();
    for (const PlaceInDivisionCase& row : cases) {
        SCOPED_TRACE(row.place);
        const qsizetype place =
            LargestPlaceNamed(atlas, QString::fromUtf8(row.place), QString::fromUtf8(row.country));
        if (place < 0) {
            ADD_FAILURE() << "no such place";
            continue;
        }
        const quint16 division = atlas.place(place).division;
        EXPECT_EQ(
            division == kNoDivision ? QStringLiteral("no division") : atlas.division(division).name,
            QString::fromUtf8(row.division));
    }
}

}  // namespace
}  // namespace fortunix::atlas
