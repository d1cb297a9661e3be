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
    state.fields = {"ANN LEE ", "85", "19", "27", " 4", "2050", 11,
                    30,         "23", "59", true, true, true};
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
    recent.births[1].fields = {"B", "0", "0", "0",   "0",   "1901", 0,
                               0,   "0", "0", false, false, false};
    recent.remember = false;
    const auto decoded = DecodeRecentBirths(EncodeRecentBirths(recent));
    ASSERT_TRUE(decoded.has_value());
    EXPECT_EQ(decoded->recent, recent);
    EXPECT_EQ(decoded->unreadableEntries, 0);
}

// Each value on either side of its range, what the form would refuse or cut, and texts that
// are no such file: an entry that breaks a rule is left out.
TEST(RecentBirthsCodec, LeavesOutAnEntryWithAnyValueTheFormRefuses) {
    const QByteArray good = EncodeRecentBirths({{EveryFieldSet()}, true});
    const auto replaced = [&good](const char* from, const char* to) {
        QByteArray changed = good;
        EXPECT_TRUE(changed.contains(from)) << from;
        return changed.replace(from, to);
    };
    // clang-format off
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
        {"the entry's row without its offset", replaced("\"birthplaceTimeMinutes\": -210", "\"other\": 0"), false},
        {"offset -14 h", replaced("-210", "-840"), true},
        {"offset beyond 14 h", replaced("-210", "-841"), false},
        {"a flag as a number", replaced("\"east\": true", "\"east\": 1"), false},
        {"a name as a number", replaced("\"name\": \"ANN LEE \"", "\"name\": 7"), false},
        {"a place without its zone", replaced("\"zone\": \"Asia", "\"other\": \"Asia"), false},
        {"latitude 200, cut to 20 by its box", replaced("\"latitudeDegrees\": \"27\"", "\"latitudeDegrees\": \"200\""), false},
        {"latitude 007, too long for its box", replaced("\"latitudeDegrees\": \"27\"", "\"latitudeDegrees\": \"007\""), false},
        {"minutes 99", replaced("\"longitudeMinutes\": \"19\"", "\"longitudeMinutes\": \"99\""), false},
        {"longitude 500", replaced("\"longitudeDegrees\": \"85\"", "\"longitudeDegrees\": \"500\""), false},
        {"a city longer than its box", replaced("\"city\": \"Kathmandu\"", "\"city\": \"" + QByteArray(32768, 'K') + "\""), false},
        {"a place at 180 W", replaced("85.3206", "-180"), true},
        {"a place at 306 E", replaced("85.3206", "306"), false},
        {"a place with no zone", replaced("\"Asia/Kathmandu\"", "\"\""), true},
        {"a place in a zone unknown here", replaced("\"Asia/Kathmandu\"", "\"Asia/Nowhere\""), false},
        {"offset 3e30", replaced("-210", "3e30"), false},
        {"day 2147483648", replaced("\"day\": 31", "\"day\": 2147483648"), false},
        {"no remember", replaced("\"remember\": true", "\"other\": true"), false},
        {"not JSON", "{\"remember\": true, \"births\": [", false},
        {"empty", "", false},
        {"an array", "[]", false},
    };
    // clang-format on
    for (const auto& row : rows) {
        const auto decoded = DecodeRecentBirths(row.json);
        EXPECT_EQ(decoded && decoded->recent.births.size() == 1, row.accepted) << row.name;
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

// One entry the form refuses among sound ones: the file is set aside whole, the sound entries
// are kept and written anew, and the count of the others is told.
TEST(RecentBirthsFile, KeepsTheSoundEntriesOfAFileWithABadOne) {
    QTemporaryDir root;
    RecentBirthsFile file(root.path());
    BirthFormState earlier = EveryFieldSet();
    earlier.fields.yearText = "1901";
    BirthFormState bad = EveryFieldSet();
    bad.fields.monthIndex = 12;  // month 13
    const QByteArray written = EncodeRecentBirths({{EveryFieldSet(), bad, earlier}, false});
    Write(file.Path(), written);

    const RecentBirthsFile::Loaded loaded = file.Load();
    const RecentBirths sound{{EveryFieldSet(), earlier}, false};
    EXPECT_EQ(loaded.recent, sound);
    EXPECT_EQ(loaded.unreadableEntries, 1);
    EXPECT_EQ(loaded.setAsidePath, QDir(root.path()).filePath("recent-births.unreadable.json"));
    EXPECT_EQ(Read(*loaded.setAsidePath), written);
    EXPECT_EQ(file.Load().recent, sound);
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
