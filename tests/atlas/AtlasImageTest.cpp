#include <gtest/gtest.h>

#include <QtEndian>
#include <variant>

#include "atlas/Atlas.h"
#include "atlas/BuiltInAtlas.h"
#include "atlas/QStringPrinter.h"

// The atlas image as the program reads it: everything an atlas holds comes back from its image,
// and an image that is cut short, of another kind or damaged is refused with a message that
// says so, or read without a step outside it. The layout, as the image's writer documents it:
// 8 bytes of magic, the format and the number of tables (u32 each), then where each table
// starts and its length (u32 each); the places are the first table, records of 48 bytes with
// the name start at 20, the country and division at 24 and the key start at 32; the 14th table
// holds the words of the keys, in records of 9 bytes.

namespace fortunix::atlas {
namespace {

constexpr qsizetype kDirectory = 16;  // where the first table's start is written

Atlas SmallAtlas() {
    Atlas atlas = Atlas::FromTables("DE\tGermany\tDeutschland\nFR\tFrance\t\n",
                                    "DE\t02\tBavaria\nFR\t11\tÎle-de-France\n",
                                    "München\tDE\t02\t48.13743\t11.57549\t1260391\n"
                                    "Paris\tFR\t11\t48.85341\t2.3488\t2138551\n"
                                    "Évry\tFR\t\t48.63\t2.44\t50000\n");
    atlas.attachOtherNames("Munich|\n\nEvry\n", "munich|munchen\n\nevry\n", "FR\tFrankreich\n");
    atlas.attachZones("1\t3\n2\t-\n");
    return atlas;
}

QString Refusal(QByteArrayView image) {
    const auto read = Atlas::FromImage(image);
    return std::holds_alternative<QString>(read) ? std::get<QString>(read) : QString();
}

void WriteNumber(QByteArray& image, qsizetype at, quint32 value) {
    qToLittleEndian(value, image.data() + at);
}

TEST(AtlasImage, GivesBackEverythingTheAtlasHolds) {
    const Atlas built = SmallAtlas();
    const QByteArray image = built.image().toByteArray();
    const Atlas read = std::get<Atlas>(Atlas::FromImage(image));
    ASSERT_EQ(read.placeCount(), 3);
    const struct {
        const char* name;
        const char* key;
        double latitude, longitude;
        quint32 population;
        quint16 country, division, zone;
    } kPlaces[] = {
        // clang-format off
        {"München", "munchen", 48.13743, 11.57549, 1260391, 0, 0, 3},
        {"Paris", "paris", 48.85341, 2.3488, 2138551, 1, 1, kNoZone},
        {"Évry", "evry", 48.63, 2.44, 50000, 1, kNoDivision, kNoZone},
        // clang-format on
    };
    for (qsizetype i = 0; i < read.placeCount(); ++i) {
        const auto& expected = kPlaces[i];
        const Place place = read.place(i);
        EXPECT_EQ(read.placeName(i), QString::fromUtf8(expected.name));
        EXPECT_EQ(read.placeKey(i), expected.key);
        EXPECT_EQ(read.placeKeyLetters(i), built.placeKeyLetters(i));
        EXPECT_EQ(place.latitude, expected.latitude);
        EXPECT_EQ(place.longitude, expected.longitude);
        EXPECT_EQ(place.population, expected.population);
        EXPECT_EQ(place.country, expected.country);
        EXPECT_EQ(place.division, expected.division);
        EXPECT_EQ(place.zone, expected.zone);
    }
    ASSERT_EQ(read.otherNameCount(), 3);
    EXPECT_EQ(read.otherName(1), u"Munchen");  // an empty name: its key, capitalized
    EXPECT_EQ(read.otherNameKey(2), "evry");
    EXPECT_EQ(read.otherNamePlace(2), 2);
    EXPECT_EQ(read.otherNamesOf(1), std::make_pair(qsizetype(2), qsizetype(2)));
    ASSERT_EQ(read.countryCount(), 2);
    EXPECT_EQ(read.country(1).name, u"France");
    EXPECT_EQ(read.country(1).names, built.country(1).names);
    EXPECT_EQ(read.country(1).names.last(), "frankreich");
    ASSERT_EQ(read.divisionCount(), 2);
    EXPECT_EQ(read.division(1).name, u"Île-de-France");
    EXPECT_EQ(read.division(1).nameKey, "ile de france");
    EXPECT_EQ(read.division(1).codeKey, "11");
    EXPECT_EQ(read.image().data(), image.data());  // read where it lies, not copied
}

TEST(AtlasImage, RefusesAnImageCutShortAtAnyLength) {
    const QByteArray image = SmallAtlas().image().toByteArray();
    for (qsizetype length = 0; length < image.size(); ++length) {
        // A copy of exactly that length, so that a read past it is a fault the sanitizers see.
        const QByteArray cut = image.first(length);
        EXPECT_TRUE(Refusal(cut).startsWith(u"The atlas image is cut short: it takes ")) << length;
    }
    EXPECT_EQ(Refusal(image.first(20)),
              u"The atlas image is cut short: it takes 152 bytes, and only 20 are there.");
    EXPECT_EQ(Refusal(image), QString());
}

TEST(AtlasImage, RefusesAForeignOrDamagedImage) {
    const QByteArray image = SmallAtlas().image().toByteArray();
    QByteArray foreign = QByteArray("%PDF-1.4\n").leftJustified(image.size(), ' ');
    QByteArray laterFormat = image;
    WriteNumber(laterFormat, 8, 4);
    QByteArray fewerTables = image;
    WriteNumber(fewerTables, 12, 13);
    QByteArray disagreeing = image;  // the places' table one byte shorter
    WriteNumber(disagreeing, kDirectory + 4, 143);
    QByteArray withoutPlaces = image;  // no places, and so no key starts but the end of the keys
    WriteNumber(withoutPlaces, kDirectory + 4, 0);
    WriteNumber(withoutPlaces, kDirectory + 8 * 3 + 4, 4);
    WriteNumber(withoutPlaces, kDirectory + 8 * 4 + 4, 0);
    QByteArray wordCutShort = image;  // the words' table one byte shorter
    const qsizetype words = kDirectory + 8 * 13 + 4;
    WriteNumber(wordCutShort, words, qFromLittleEndian<quint32>(image.constData() + words) - 1);
    const struct {
        const char* what;
        QByteArray image;
        const char16_t* message;
    } kRefused[] = {
        // clang-format off
        {"another kind of file", foreign, u"This is no atlas image: it does not begin as one."},
        {"a later format", laterFormat, u"The atlas image is of format 4; this program reads format 3."},
        {"another number of tables", fewerTables, u"The atlas image is of format 3; this program reads format 3."},
        {"tables that disagree", disagreeing, u"The atlas image is damaged: the lengths of its tables disagree."},
        {"other names without places", withoutPlaces, u"The atlas image is damaged: the lengths of its tables disagree."},
        {"a word's record cut short", wordCutShort, u"The atlas image is damaged: the lengths of its tables disagree."},
        // clang-format on
    };
    for (const auto& row : kRefused) {
        EXPECT_EQ(Refusal(row.image), QString::fromUtf16(row.message)) << row.what;
    }
}

// Offsets within the tables are checked where they are read: a damaged one gives a short or
// empty name or key, never bytes from outside the image.
TEST(AtlasImage, ReadsDamagedOffsetsWithinTheImage) {
    QByteArray image = SmallAtlas().image().toByteArray();
    const quint32 places = qFromLittleEndian<quint32>(image.constData() + kDirectory);
    WriteNumber(image, qsizetype(places) + 20, 0xFFFFFFF0);  // München's name start
    WriteNumber(image, qsizetype(places) + 72, 0xFFFFFFFF);  // Paris's country and division
    WriteNumber(image, qsizetype(places) + 80, 0xFFFFFFF0);  // Paris's key start
    const Atlas atlas = std::get<Atlas>(Atlas::FromImage(image));
    EXPECT_EQ(atlas.placeName(0), QString());
    EXPECT_EQ(atlas.placeKey(0), "munchen\nparis\nevry\n");  // up to the end of the keys
    EXPECT_EQ(atlas.placeKey(1), "");
    EXPECT_EQ(atlas.place(1).country, 0);
    EXPECT_EQ(atlas.place(1).division, kNoDivision);
    EXPECT_EQ(atlas.placeKey(2), "evry");
}

TEST(AtlasImage, OfTheProgramHoldsTheWholeAtlas) {
    const Atlas& atlas = BuiltInAtlas();
    EXPECT_GT(atlas.placeCount(), 130'000);
    EXPECT_GT(atlas.otherNameCount(), 400'000);
    EXPECT_GT(atlas.countryCount(), 240);
}

}  // namespace
}  // namespace fortunix::atlas
