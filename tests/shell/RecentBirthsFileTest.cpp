#include "shell/RecentBirthsFile.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace fortunix {
namespace {

// A form with every field away from its default, the atlas place included.
BirthFormState EveryFieldSet() {
    BirthFormState state;
    state.fields = {"ANN LEE ", "85", "19", "27", " 42", "2050", 11,
                    30,         "23", "59", true, true,  true};
    state.secondIndex = 59;
    state.zoneRow = 71;
    state.birthplaceTimeMinutes = -210;
    state.city = "Kathmandu";
    state.state = "Bāgmatī";
    state.country = "Nepal";
    state.place =
        AtlasPlaceName{"Kathmandu", "Bagmati Province", "Nepal", "Asia/Kathmandu", 85.3206};
    state.zoneFollowsPlace = true;
    return state;
}

QByteArray Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

TEST(RecentBirthsCodec, KeepsEveryFieldOfTheForm) {
    RecentBirths recent;
    recent.births = {EveryFieldSet(), BirthFormState{}};
    recent.births[1].fields.yearText = "1901";
    recent.births[1].fields.hourText = "0";
    recent.births[1].fields.minuteText = "0";
    recent.remember = false;
    const std::optional<RecentBirths> decoded = DecodeRecentBirths(EncodeRecentBirths(recent));
    ASSERT_TRUE(decoded.has_value());
    EXPECT_EQ(*decoded, recent);
}

// Each value on either side of its range, and texts that are no such file.
TEST(RecentBirthsCodec, RefusesAFileWithAnyValueOutOfItsRange) {
    const QByteArray good = EncodeRecentBirths({{EveryFieldSet()}, true});
    const auto replaced = [&good](const char* from, const char* to) {
        QByteArray changed = good;
        EXPECT_TRUE(changed.contains(from)) << from;
        return changed.replace(from, to);
    };
    const struct {
        const char* name;
        QByteArray json;
        bool accepted;
    } rows[] = {
        {"as written", good, true},
        {"year 1901", replaced("\"year\": 2050", "\"year\": 1901"), true},
        {"year 2051", replaced("\"year\": 2050", "\"year\": 2051"), false},
        {"year 1900", replaced("\"year\": 2050", "\"year\": 1900"), false},
        {"month 12", replaced("\"month\": 12", "\"month\": 12"), true},
        {"month 13", replaced("\"month\": 12", "\"month\": 13"), false},
        {"day 31", replaced("\"day\": 31", "\"day\": 31"), true},
        {"day 32", replaced("\"day\": 31", "\"day\": 32"), false},
        {"hour 24", replaced("\"hour\": 23", "\"hour\": 24"), false},
        {"minute 60", replaced("\"minute\": 59", "\"minute\": 60"), false},
        {"second 60", replaced("\"second\": 59", "\"second\": 60"), false},
        {"a minute not whole", replaced("\"minute\": 59", "\"minute\": 58.5"), false},
        {"row 70", replaced("\"zoneRow\": 71", "\"zoneRow\": 70"), true},
        {"row 72", replaced("\"zoneRow\": 71", "\"zoneRow\": 72"), false},
        {"row -1", replaced("\"zoneRow\": 71", "\"zoneRow\": -1"), false},
        {"the entry's row without its offset",
         replaced("\"birthplaceTimeMinutes\": -210", "\"other\": 0"), false},
        {"offset -14 h", replaced("-210", "-840"), true},
        {"offset beyond 14 h", replaced("-210", "-841"), false},
        {"a flag as a number", replaced("\"east\": true", "\"east\": 1"), false},
        {"a name as a number", replaced("\"name\": \"ANN LEE \"", "\"name\": 7"), false},
        {"a place without its zone", replaced("\"zone\": \"Asia", "\"other\": \"Asia"), false},
        {"no remember", replaced("\"remember\": true", "\"other\": true"), false},
        {"not JSON", "{\"remember\": true, \"births\": [", false},
        {"empty", "", false},
        {"an array", "[]", false},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(DecodeRecentBirths(row.json).has_value(), row.accepted) << row.name;
    }
}

TEST(RecentBirthsFile, WritesWholeAndReadsBack) {
    QTemporaryDir root;
    RecentBirthsFile file(root.filePath("data/Fortunix"));  // made when first written
    EXPECT_EQ(file.Load().recent, RecentBirths{});
    const RecentBirths recent{{EveryFieldSet()}, true};
    EXPECT_EQ(file.Save(recent), std::nullopt);
    const RecentBirthsFile::Loaded loaded = file.Load();
    EXPECT_EQ(loaded.recent, recent);
    EXPECT_FALSE(loaded.setAsidePath.has_value());
    // Nothing but the file: no temporary file is left beside it.
    EXPECT_EQ(QDir(root.filePath("data/Fortunix")).entryList(QDir::Files),
              QStringList{"recent-births.json"});
}

// A file that cannot be read (a folder in its place cannot be opened, even by root) or
// understood is set aside whole, under the first free name, and the list starts empty.
TEST(RecentBirthsFile, SetsAsideAFileItCannotReadUnderTheFirstFreeName) {
    QTemporaryDir root;
    const QDir folder(root.path());
    RecentBirthsFile file(root.path());
    const QByteArray corrupt = "{\"remember\": tru";

    Write(file.Path(), corrupt);
    RecentBirthsFile::Loaded loaded = file.Load();
    EXPECT_EQ(loaded.recent, RecentBirths{});
    EXPECT_EQ(loaded.setAsidePath, folder.filePath("recent-births.unreadable.json"));
    EXPECT_EQ(Read(folder.filePath("recent-births.unreadable.json")), corrupt);
    EXPECT_FALSE(QFile::exists(file.Path()));

    ASSERT_TRUE(folder.mkdir("recent-births.json"));
    loaded = file.Load();
    EXPECT_EQ(loaded.setAsidePath, folder.filePath("recent-births.unreadable-2.json"));
    EXPECT_TRUE(QFileInfo(folder.filePath("recent-births.unreadable-2.json")).isDir());
    EXPECT_EQ(Read(folder.filePath("recent-births.unreadable.json")), corrupt);  // kept

    // The list can be written again afterwards.
    EXPECT_EQ(file.Save({{EveryFieldSet()}, true}), std::nullopt);
}

TEST(RecentBirthsFile, AFolderThatCannotBeWrittenGivesTheReasonAndNoFile) {
    QTemporaryDir root;
    Write(root.filePath("blocked"), "a file where the folder should be");
    RecentBirthsFile file(root.filePath("blocked/Fortunix"));
    EXPECT_TRUE(file.Save({{EveryFieldSet()}, true}).has_value());
    EXPECT_FALSE(QFile::exists(file.Path()));
    EXPECT_EQ(file.Load().recent, RecentBirths{});
}

}  // namespace
}  // namespace fortunix
