#include "zones/BirthZone.h"

#include <gtest/gtest.h>
#include <QFile>

#include "atlas/BuiltInAtlas.h"
#include "atlas/QStringPrinter.h"
#include "zones/ZoneHistory.h"
#include "zones/ZoneProposal.h"

// Expected offsets are those of the tz source (tzdata.zi, 2026f) and of `zdump`, and the
// history they record; the rows follow the list's texts.

namespace fortunix::zones {
namespace {

using atlas::Atlas;
using atlas::BuiltInAtlas;
using atlas::kNoZone;
using Kind = BirthZone::Kind;

// The largest place of that name in that country.
qsizetype FindPlace(const Atlas& atlas, QStringView name, QStringView countryCode) {
    qsizetype best = -1;
    for (qsizetype i = 0; i < atlas.placeCount(); ++i) {
        if (atlas.placeName(i) == name &&
            atlas.country(atlas.place(i).country).code == countryCode &&
            (best < 0 || atlas.place(i).population > atlas.place(best).population)) {
            best = i;
        }
    }
    return best;
}

struct Offset {
    int seconds;
    int summer;
    const char* abbreviation;
};

struct HistoricalCase {
    const char* name;
    const char* place;
    const char* country;
    const char* zone;
    CivilMoment local;
    Kind kind;
    Offset first;
    Offset second;  // for a repeated or skipped hour
    ZoneProposal proposal;
};

constexpr int kHour = 3600;
constexpr ZoneProposal Row(int row, bool tick) {
    return {row, tick, 0};
}
constexpr ZoneProposal Exact(int minutes, bool tick) {
    return {kBirthplaceTimeRow, tick, minutes};
}

const HistoricalCase kHistoricalCases[] = {
    {"NewYork1950Summer",
     "New York City",
     "US",
     "America/New_York",
     {1950, 7, 1, 12, 0},
     Kind::Single,
     {-4 * kHour, kHour, "EDT"},
     {},
     Row(27, true)},
    {"London1944DoubleSummer",
     "London",
     "GB",
     "Europe/London",
     {1944, 7, 1, 12, 0},
     Kind::Single,
     {2 * kHour, 2 * kHour, "BDST"},
     {},
     Row(15, false)},
    {"Kolkata1943WarTime",
     "Kolkata",
     "IN",
     "Asia/Kolkata",
     {1943, 6, 1, 12, 0},
     Kind::Single,
     {6 * kHour + 1800, kHour, "+0630"},
     {},
     Row(34, true)},
    {"Indianapolis1965NoSummerTime",
     "Indianapolis",
     "US",
     "America/Indiana/Indianapolis",
     {1965, 7, 1, 12, 0},
     Kind::Single,
     {-5 * kHour, 0, "EST"},
     {},
     Row(27, false)},
    {"Amsterdam1935SummerOnMeanTime",
     "Amsterdam",
     "NL",
     "Europe/Amsterdam",
     {1935, 7, 1, 12, 0},
     Kind::Single,
     {kHour + 1172, kHour, "NST"},
     {},
     Exact(20, true)},
    {"Kathmandu1980",
     "Kathmandu",
     "NP",
     "Asia/Kathmandu",
     {1980, 7, 1, 12, 0},
     Kind::Single,
     {5 * kHour + 1800, 0, "+0530"},
     {},
     Row(34, false)},
    {"Kathmandu2000",
     "Kathmandu",
     "NP",
     "Asia/Kathmandu",
     {2000, 7, 1, 12, 0},
     Kind::Single,
     {5 * kHour + 2700, 0, "+0545"},
     {},
     Exact(345, false)},
    {"Kabul1990",
     "Kabul",
     "AF",
     "Asia/Kabul",
     {1990, 1, 1, 12, 0},
     Kind::Single,
     {4 * kHour + 1800, 0, "+0430"},
     {},
     Exact(270, false)},
    {"DublinWinterIsStandard",
     "Dublin",
     "IE",
     "Europe/Dublin",
     {2021, 1, 15, 12, 0},
     Kind::Single,
     {0, 0, "GMT"},
     {},
     Row(29, false)},
    {"DublinSummer",
     "Dublin",
     "IE",
     "Europe/Dublin",
     {2021, 7, 1, 12, 0},
     Kind::Single,
     {kHour, kHour, "IST"},
     {},
     Row(29, true)},
    {"Tokyo",
     "Tokyo",
     "JP",
     "Asia/Tokyo",
     {2000, 7, 1, 12, 0},
     Kind::Single,
     {9 * kHour, 0, "JST"},
     {},
     Row(38, false)},
    {"Adelaide2000Summer",
     "Adelaide",
     "AU",
     "Australia/Adelaide",
     {2000, 1, 1, 12, 0},
     Kind::Single,
     {10 * kHour + 1800, kHour, "ACDT"},
     {},
     Row(6, true)},
    {"Honolulu1940",
     "Honolulu",
     "US",
     "Pacific/Honolulu",
     {1940, 1, 1, 12, 0},
     Kind::Single,
     {-10 * kHour - 1800, 0, "HST"},
     {},
     Row(32, false)},
    {"NewYork2021Repeated",
     "New York City",
     "US",
     "America/New_York",
     {2021, 11, 7, 1, 30},
     Kind::Repeated,
     {-4 * kHour, kHour, "EDT"},
     {-5 * kHour, 0, "EST"},
     Row(27, true)},
    {"NewYork2021Skipped",
     "New York City",
     "US",
     "America/New_York",
     {2021, 3, 14, 2, 30},
     Kind::Skipped,
     {-5 * kHour, 0, "EST"},
     {-4 * kHour, kHour, "EDT"},
     Row(27, false)},
    // Before 1920 Kathmandu kept its own mean time: 85.3206° E x 4 min = 341.28 min.
    {"KathmanduLocalMeanTime",
     "Kathmandu",
     "NP",
     "Asia/Kathmandu",
     {1910, 7, 1, 12, 0},
     Kind::Single,
     {20477, 0, "LMT"},
     {},
     Exact(341, false)},
};

class HistoricalBirths : public ::testing::TestWithParam<HistoricalCase> {};

void ExpectOffset(const ZoneHistory& history, const ClockOffset& actual, const Offset& expected) {
    EXPECT_EQ(actual.offset, expected.seconds);
    EXPECT_EQ(actual.summer, expected.summer);
    EXPECT_EQ(history.abbreviation(actual.abbreviation),
              QString::fromLatin1(expected.abbreviation));
}

TEST_P(HistoricalBirths, ZoneOffsetsAndProposedRow) {
    const HistoricalCase& c = GetParam();
    const Atlas& atlas = BuiltInAtlas();
    const ZoneHistory& history = BuiltInZoneHistory();
    const qsizetype place =
        FindPlace(atlas, QString::fromUtf8(c.place), QString::fromLatin1(c.country));
    ASSERT_GE(place, 0);
    ASSERT_NE(atlas.place(place).zone, kNoZone);
    const qsizetype zone = atlas.place(place).zone;
    EXPECT_EQ(history.zoneName(zone), QString::fromLatin1(c.zone));

    const BirthZone found =
        FindBirthZone(history.periods(zone), atlas.place(place).longitude, c.local);
    EXPECT_EQ(found.kind, c.kind);
    ExpectOffset(history, found.offsets[0], c.first);
    if (c.kind != Kind::Single) {
        ExpectOffset(history, found.offsets[1], c.second);
    }
    EXPECT_EQ(ProposeZone(found.offsets[0], history.abbreviation(found.offsets[0].abbreviation)),
              c.proposal);
}

INSTANTIATE_TEST_SUITE_P(Atlas, HistoricalBirths, ::testing::ValuesIn(kHistoricalCases),
                         [](const ::testing::TestParamInfo<HistoricalCase>& row) {
                             return std::string(row.param.name);
                         });

// The proposal rules on their own, for offsets that no atlas case above reaches.
TEST(ZoneProposal, RowsForOffsets) {
    struct Case {
        ClockOffset offset;
        const char* abbreviation;
        ZoneProposal expected;
    } const cases[] = {
        {{-6 * kHour, 0, 0, false}, "CST", Row(21, false)},   // Chicago: the region's row
        {{8 * kHour, 0, 0, false}, "CST", Row(23, false)},    // China: same letters, +8
        {{3 * kHour, 0, 0, false}, "MSK", Row(12, false)},    // no region row: a standard one
        {{-9 * kHour, 0, 0, false}, "AKST", Row(69, false)},  // Alaska on Yukon time
        {{12 * kHour + 2700, 0, 0, false}, "+1245", Exact(765, false)},  // Chatham
        {{-2 * kHour, 2 * kHour, 0, false}, "-02", Row(11, false)},      // two hours of summer
        {{-3 * kHour - 1800, 0, 0, false}, "NST", Row(50, false)},       // Newfoundland
        {{-1521, 0, 0, false}, "DMT", Exact(-25, false)},     // -25 min 21 s rounds to -25
        {{-1531, 0, 0, false}, "X", Exact(-26, false)},       // -25 min 31 s rounds to -26
        {{3 * kHour, 0, 0, true}, "LMT", Exact(180, false)},  // mean time never takes a row
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ProposeZone(c.offset, QString::fromLatin1(c.abbreviation)), c.expected)
            << c.abbreviation << ' ' << c.offset.offset;
    }
}

TEST(ZoneProposal, BirthplaceEntryCarriesItsExactCorrection) {
    EXPECT_EQ(CorrectionOf(Exact(345, false)), (ZoneState{-5, -45}));
    EXPECT_EQ(CorrectionOf(Exact(-210, false)), (ZoneState{3, 30}));
    EXPECT_EQ(CorrectionOf(Exact(20, true)), (ZoneState{0, -20}));
    EXPECT_EQ(CorrectionOf(Row(34, false)), (ZoneState{-5, -30}));
    EXPECT_EQ(BirthplaceTimeText(345), QStringLiteral("Birthplace time,UTC+05:45"));
    EXPECT_EQ(BirthplaceTimeText(-210), QStringLiteral("Birthplace time,UTC-03:30"));
}

TEST(ZoneHistoryTable, SkipsRowsOutOfOrderOrOutsideAZone) {
    const ZoneHistory history = ZoneHistory::FromTable(
        "# comment\n"
        "-\t100\t0\tORPHAN\n"  // before any zone
        "Z\tTest/One\n"
        "-\t-17762\t0\tLMT\n"
        "100\t-18000\t0\tEST\n"
        "50\t-14400\t3600\tEDT\n"  // earlier than the period before it
        "200\tx\t0\tBAD\n"
        "-\t0\t0\tSECOND\n"  // a second first period
        "Z\tTest/Two\n"
        "-\t3600\t0\tCET");
    ASSERT_EQ(history.zoneCount(), 2);
    ASSERT_EQ(history.periods(0).size(), 2u);
    EXPECT_TRUE(history.periods(0)[0].localMeanTime);
    EXPECT_EQ(history.periods(0)[1].offset, -18000);
    ASSERT_EQ(history.periods(1).size(), 1u);
    EXPECT_EQ(history.abbreviation(history.periods(1)[0].abbreviation), QStringLiteral("CET"));
    EXPECT_EQ(history.findZone(QStringLiteral("Test/Two")), 1);
}

TEST(ZoneHistoryTable, PlaceZonesComeInRunsThatMustCoverEveryPlace) {
    const auto zonesOf = [](QByteArrayView runs) {
        Atlas atlas = Atlas::FromTables("FR\tFrance\n", "",
                                        "A\tFR\t\t1\t1\t1\nB\tFR\t\t2\t2\t2\nC\tFR\t\t3\t3\t3\n");
        atlas.attachZones(runs);
        std::vector<quint16> zones;
        for (qsizetype i = 0; i < atlas.placeCount(); ++i) {
            zones.push_back(atlas.place(i).zone);
        }
        return zones;
    };
    const std::vector<quint16> none(3, kNoZone);
    EXPECT_EQ(zonesOf("# places\tzone\n2\t5\n1\t-\n"), (std::vector<quint16>{5, 5, kNoZone}));
    EXPECT_EQ(zonesOf("2\t5\n"), none);              // too few places
    EXPECT_EQ(zonesOf("2\t5\n2\t6\n"), none);        // too many
    EXPECT_EQ(zonesOf("2\t5\n1\tx\n"), none);        // damaged
    EXPECT_EQ(zonesOf("2\t5\n0\t6\n1\t6\n"), none);  // an empty run
}

// The zones of the places are made for one places table; both are regenerated together.
TEST(ZoneHistoryTable, PlaceZonesMatchThePlacesTable) {
    const auto read = [](const char* path) {
        QFile file(QString::fromLatin1(path));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    const QByteArray places = read(":/atlas/places.tsv");
    const QByteArray zones = read(":/atlas/place-zones.tsv");
    quint32 crc = 0xFFFFFFFFu;  // CRC-32 as zlib computes it
    for (const char byte : places) {
        crc ^= static_cast<unsigned char>(byte);
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
        }
    }
    const qsizetype rows =
        places.count('\n') - places.count("\n#") - (places.startsWith('#') ? 1 : 0);
    const QByteArray expected = QStringLiteral("# places.tsv %1 rows crc32 %2\n")
                                    .arg(rows)
                                    .arg(~crc, 8, 16, QLatin1Char('0'))
                                    .toLatin1();
    EXPECT_TRUE(zones.contains(expected)) << expected.toStdString();

    const Atlas& atlas = BuiltInAtlas();
    qsizetype withZone = 0;
    for (qsizetype i = 0; i < atlas.placeCount(); ++i) {
        withZone += atlas.place(i).zone < BuiltInZoneHistory().zoneCount() ? 1 : 0;
    }
    EXPECT_EQ(withZone, atlas.placeCount());
}

}  // namespace
}  // namespace fortunix::zones
