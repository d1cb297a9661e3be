#include <gtest/gtest.h>

#include <cmath>

#include "atlas/BuiltInAtlas.h"
#include "atlas/BuiltInAtlasQueries.h"
#include "atlas/PlaceSearch.h"
#include "atlas/QStringPrinter.h"
#include "atlas/RegionsNamed.h"

// Birthplaces typed as they are written at home, with the country in English or in its own
// script: the place found first is the one its English name finds first.

namespace fortunix::atlas {
namespace {

struct OwnScriptCase {
    const char* script;
    const char* city;         // as written at home
    const char* country;      // in its own script
    const char* englishCity;  // the same place in English
    const char* englishCountry;
};

const OwnScriptCase kCities[] = {
    {"Cyrillic", "Москва", "Россия", "Moscow", "Russia"},
    {"Cyrillic", "Санкт-Петербург", "Россия", "Saint Petersburg", "Russia"},
    {"Cyrillic", "Київ", "Україна", "Kyiv", "Ukraine"},
    {"Cyrillic", "София", "България", "Sofia", "Bulgaria"},
    {"Cyrillic", "Београд", "Србија", "Belgrade", "Serbia"},
    {"Greek", "Αθήνα", "Ελλάδα", "Athens", "Greece"},
    {"Greek", "Θεσσαλονίκη", "Ελλάδα", "Thessaloniki", "Greece"},
    {"Han", "北京", "中国", "Beijing", "China"},
    {"Han", "上海", "中国", "Shanghai", "China"},
    {"Han", "台北", "台湾", "Taipei", "Taiwan"},
    {"Japanese", "東京", "日本", "Tokyo", "Japan"},
    {"Japanese", "大阪", "日本", "Osaka", "Japan"},
    {"Japanese kana", "さいたま", "日本", "Saitama", "Japan"},
    {"Hangul", "서울", "대한민국", "Seoul", "South Korea"},
    {"Hangul", "부산", "대한민국", "Busan", "South Korea"},
    {"Arabic", "القاهرة", "مصر", "Cairo", "Egypt"},
    {"Arabic with hamza under alef", "الإسكندرية", "مصر", "Alexandria", "Egypt"},
    {"Arabic", "الرياض", "السعودية", "Riyadh", "Saudi Arabia"},
    {"Hebrew", "ירושלים", "ישראל", "Jerusalem", "Israel"},
    {"Hebrew", "תל אביב", "ישראל", "Tel Aviv", "Israel"},
    {"Devanagari", "मुंबई", "भारत", "Mumbai", "India"},
    {"Devanagari", "दिल्ली", "भारत", "Delhi", "India"},
    {"Devanagari", "काठमाडौं", "नेपाल", "Kathmandu", "Nepal"},
    {"Thai", "กรุงเทพมหานคร", "ไทย", "Bangkok", "Thailand"},
    {"Thai", "เชียงใหม่", "ไทย", "Chiang Mai", "Thailand"},
    {"Thai, the country's formal name", "เชียงใหม่", "ประเทศไทย", "Chiang Mai", "Thailand"},
    {"Khmer, the kingdom's formal name", "ភ្នំពេញ", "ព្រះរាជាណាចក្រកម្ពុជា", "Phnom Penh", "Cambodia"},
    {"Georgian", "თბილისი", "საქართველო", "Tbilisi", "Georgia"},
    {"Georgian", "ბათუმი", "საქართველო", "Batumi", "Georgia"},
    {"Armenian", "Երևան", "Հայաստան", "Yerevan", "Armenia"},
    {"Armenian", "Գյումրի", "Հայաստան", "Gyumri", "Armenia"},
};

qsizetype FirstPlaceIndex(const PlaceLookup& lookup) {
    return lookup.places.empty() ? -1 : lookup.places.front().place;
}

TEST(OwnScriptNames, FindThePlaceTheEnglishNameFinds) {
    const Atlas& atlas = BuiltInAtlas();
    for (const OwnScriptCase& row : kCities) {
        const PlaceLookup english =
            LookUpPlace(atlas, Query(row.englishCity, "", row.englishCountry), kListed);
        ASSERT_FALSE(english.places.empty()) << row.englishCity;
        const qsizetype expected = FirstPlaceIndex(english);
        for (const char* country : {row.englishCountry, row.country}) {
            const PlaceLookup lookup = LookUpPlace(atlas, Query(row.city, "", country), kListed);
            EXPECT_EQ(FirstPlaceIndex(lookup), expected) << row.script << ": " << row.city;
            EXPECT_FALSE(lookup.closeSpellings) << row.city;
            EXPECT_FALSE(lookup.unknownCountry) << row.city << ", " << country;
            EXPECT_TRUE(!lookup.places.empty() && lookup.places.front().inCountry)
                << row.city << ", " << country;
        }
    }
}

// Where GeoNames puts a few of them (the coordinates of its cities1000 table, by id): the
// place found is the city itself, not only the same as its English name finds.
struct PinnedCase {
    const char* city;
    const char* country;
    int geonamesId;
    double latitude;
    double longitude;
};

const PinnedCase kPinned[] = {
    {"Москва", "Россия", 524901, 55.75222, 37.61556},
    {"Αθήνα", "Ελλάδα", 264371, 37.98376, 23.72784},
    {"東京", "日本", 1850147, 35.6895, 139.69171},
    {"서울", "대한민국", 1835848, 37.566, 126.9784},
    {"القاهرة", "مصر", 360630, 30.06263, 31.24967},
    {"ירושלים", "ישראל", 281184, 31.76904, 35.21633},
    {"मुंबई", "भारत", 1275339, 19.07283, 72.88261},
    {"กรุงเทพมหานคร", "ไทย", 1609350, 13.75398, 100.50144},
    {"თბილისი", "საქართველო", 611717, 41.69411, 44.83368},
    {"Երևան", "Հայաստան", 616052, 40.18111, 44.51361},
};

void ExpectGeoNamesPlace(const Atlas& atlas, const PlaceLookup& lookup, const PinnedCase& row) {
    ASSERT_FALSE(lookup.places.empty()) << row.geonamesId;
    const Place& place = atlas.place(lookup.places.front().place);
    EXPECT_NEAR(place.latitude, row.latitude, 1e-5) << row.geonamesId;
    EXPECT_NEAR(place.longitude, row.longitude, 1e-5) << row.geonamesId;
}

TEST(OwnScriptNames, FindTheCitiesGeoNamesNames) {
    const Atlas& atlas = BuiltInAtlas();
    for (const PinnedCase& row : kPinned) {
        ExpectGeoNamesPlace(atlas, LookUpPlace(atlas, Query(row.city, "", row.country), kListed),
                            row);
    }
}

// A slip in Cyrillic or Greek is offered as the closest spelling, as one in Latin letters is.
TEST(OwnScriptNames, SlipsAreOfferedUnderDidYouMean) {
    const struct {
        const char* typed;
        const char* country;
        const PinnedCase& meant;
    } slips[] = {
        {"Моксва", "Россия", kPinned[0]},  // two letters swapped
        {"МОСКВ", "", kPinned[0]},         // capitals, the last letter left out
        {"Αθνήα", "Ελλάδα", kPinned[1]},   // two letters swapped
        {"Αθινα", "Greece", kPinned[1]},   // a letter changed, no tonos
    };
    const Atlas& atlas = BuiltInAtlas();
    for (const auto& slip : slips) {
        const PlaceLookup lookup = LookUpPlace(atlas, Query(slip.typed, "", slip.country), kListed);
        EXPECT_TRUE(lookup.closeSpellings) << slip.typed;
        ExpectGeoNamesPlace(atlas, lookup, slip.meant);
    }
}

// The country box takes the country in its own script: each names its country alone.
TEST(OwnScriptNames, CountriesInTheirOwnScript) {
    const struct {
        const char* typed;
        const char* code;
    } countries[] = {
        {"Россия", "RU"},   {"РОССИЯ", "RU"},   {"Ελλάδα", "GR"},      {"ΕΛΛΑΔΑ", "GR"},
        {"日本", "JP"},     {"대한민국", "KR"}, {"中国", "CN"},        {"مصر", "EG"},
        {"ישראל", "IL"},    {"भारत", "IN"},     {"ไทย", "TH"},         {"საქართველო", "GE"},
        {"Հայաստան", "AM"}, {"Україна", "UA"},  {"Deutschland", "DE"},
    };
    const Atlas& atlas = BuiltInAtlas();
    for (const auto& row : countries) {
        const std::vector<bool> named = CountriesNamed(atlas, QString::fromUtf8(row.typed));
        for (qsizetype index = 0; index < atlas.countryCount(); ++index) {
            EXPECT_EQ(named[static_cast<std::size_t>(index)],
                      atlas.country(index).code == QLatin1StringView(row.code))
                << row.typed << " " << atlas.country(index).code.toStdString();
        }
    }
}

}  // namespace
}  // namespace fortunix::atlas
