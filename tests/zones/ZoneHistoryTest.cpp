#include "zones/ZoneHistory.h"

#include <gtest/gtest.h>
#include <QFile>

#include "atlas/Atlas.h"
#include "atlas/BuiltInAtlas.h"
#include "atlas/QStringPrinter.h"

namespace fortunix::zones {
namespace {

using atlas::kNoZone;

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

// The years a table holds come from its line "Y"; a table without one, or with one that
// cannot be read, says nothing of them. The built-in table is cut at 1900 and 2050 by
// tools/atlas/build-zones.js.
TEST(ZoneHistoryTable, SaysWhichYearsItHolds) {
    const struct {
        const char* name;
        const char* table;
        std::optional<YearSpan> years;
    } rows[] = {
        {"a span", "Y\t1900\t2050\nZ\tTest/One\n-\t0\t0\tGMT\n", YearSpan{1900, 2050}},
        {"one year, after the zones", "Z\tTest/One\n-\t0\t0\tGMT\nY\t2000\t2000",
         YearSpan{2000, 2000}},
        {"no span", "Z\tTest/One\n-\t0\t0\tGMT\n", std::nullopt},
        {"the last year before the first", "Y\t2050\t1900\n", std::nullopt},
        {"a year that is no number", "Y\t1900\tlater\n", std::nullopt},
        {"a third year", "Y\t1900\t2050\t2100\n", std::nullopt},
    };
    for (const auto& row : rows) {
        const ZoneHistory history = ZoneHistory::FromTable(row.table);
        EXPECT_EQ(history.years(), row.years) << row.name;
    }
    EXPECT_EQ(
        ZoneHistory::FromTable("Y\t1900\t2050\nZ\tTest/One\n-\t0\t0\tGMT\n").periods(0).size(), 1u);
    EXPECT_EQ(BuiltInZoneHistory().years(), (YearSpan{1900, 2050}));
}

// An index the table does not hold (the atlas's "no zone" among them) has no periods and no
// name, and is never read past the end.
TEST(ZoneHistoryTable, OnlyTheZonesOfTheTableHavePeriods) {
    const ZoneHistory small = ZoneHistory::FromTable(
        "Z\tTest/One\n-\t0\t0\tGMT\n"
        "Z\tTest/Two\n-\t3600\t0\tCET\n100\t7200\t3600\tCEST\n");
    const ZoneHistory& builtIn = BuiltInZoneHistory();
    const qsizetype last = builtIn.zoneCount() - 1;
    struct Row {
        const char* name;
        const ZoneHistory& history;
        qsizetype zone;
        std::size_t periods;
        const char* zoneName;
    } const rows[] = {
        {"first zone", small, 0, 1, "Test/One"},
        {"last zone", small, 1, 2, "Test/Two"},
        {"one past the last", small, 2, 0, ""},
        {"no zone", small, kNoZone, 0, ""},
        {"negative", small, -1, 0, ""},
        {"built-in last zone", builtIn, last, builtIn.periods(last).size(), "Pacific/Wallis"},
        {"built-in one past the last", builtIn, last + 1, 0, ""},
        {"built-in no zone", builtIn, kNoZone, 0, ""},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(row.history.holds(row.zone), row.periods > 0) << row.name;
        EXPECT_EQ(row.history.periods(row.zone).size(), row.periods) << row.name;
        EXPECT_EQ(row.history.zoneName(row.zone), QString::fromLatin1(row.zoneName)) << row.name;
    }
    EXPECT_GT(builtIn.periods(last).size(), 0u);
    EXPECT_EQ(ZoneHistory().periods(0).size(), 0u);  // an empty table holds no zone at all
}

// The names built with the program, read without the clocks, are the history's own, one for one.
TEST(ZoneHistoryTable, BuiltInNamesAreTheHistorysNames) {
    const ZoneHistory& history = BuiltInZoneHistory();
    QStringList names;
    for (qsizetype zone = 0; zone < history.zoneCount(); ++zone) {
        names.append(history.zoneName(zone));
    }
    EXPECT_EQ(BuiltInZoneNames(), names);
}

// Zone numbers go up to one below kNoZone, so that the atlas's "no zone" never names one.
TEST(ZoneHistoryTable, StopsBeforeAZoneNumberedAsNoZone) {
    QByteArray table;
    for (int zone = 0; zone <= kNoZone; ++zone) {
        table +=
            "Z\tZ" + QByteArray::number(zone) + "\n-\t" + QByteArray::number(zone) + "\t0\tX\n";
    }
    const ZoneHistory history = ZoneHistory::FromTable(table);
    ASSERT_EQ(history.zoneCount(), kNoZone);
    EXPECT_FALSE(history.holds(kNoZone));
    EXPECT_TRUE(history.periods(kNoZone).empty());
    ASSERT_EQ(history.periods(kNoZone - 1).size(), 1u);  // not given the next zone's period
    EXPECT_EQ(history.periods(kNoZone - 1)[0].offset, kNoZone - 1);
}

// The zones of the places are made for one places table; both are regenerated together.
TEST(ZoneHistoryTable, EveryPlaceOfTheAtlasHasAZoneOfTheHistory) {
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

    const atlas::Atlas& atlas = atlas::BuiltInAtlas();
    qsizetype withZone = 0;
    for (qsizetype i = 0; i < atlas.placeCount(); ++i) {
        withZone += BuiltInZoneHistory().holds(atlas.place(i).zone) ? 1 : 0;
    }
    EXPECT_EQ(withZone, atlas.placeCount());
}

}  // namespace
}  // namespace fortunix::zones
