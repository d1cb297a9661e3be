#include <gtest/gtest.h>

#include <cstring>

#include "atlas/Atlas.h"

namespace fortunix::atlas {
namespace {

// Keys of main and other names alike are UTF-8; Cyrillic ones take two bytes a letter.
Atlas SmallAtlas() {
    Atlas atlas = Atlas::FromTables("RU\tRussia\t\nDE\tGermany\t\n", "",
                                    "Paris\tRU\t\t1\t1\t10\n"
                                    "Hamlet\tRU\t\t1\t1\t10\n"
                                    "Тула\tRU\t\t54.2\t37.6\t500000\n"
                                    "Munich\tDE\t\t48.13\t11.57\t1260000");
    atlas.attachOtherNames("\n\nТулa\nMünchen||Extra",
                           "lutetia|parigi\n\nула|tula\nmunchen|monaco di baviera", "");
    return atlas;
}

struct ScanCase {
    const char* name;
    const char* key;
    std::vector<qsizetype> places;
    std::vector<qsizetype> otherNames;
};

TEST(AtlasKeyScan, FindsKeysHoldingTheTextAsWholeWords) {
    const ScanCase cases[] = {
        {"a whole key", "hamlet", {1}, {}},
        {"the first key of each table", "paris", {0}, {}},
        {"the last key of each table", "munich", {3}, {}},
        {"the last other name, its line without a line break", "baviera", {}, {5}},
        {"words inside a key", "di baviera", {}, {5}},
        {"the start of a word only", "ham", {}, {}},
        {"across two keys", "paris hamlet", {}, {}},
        {"two letters, each in its own name", "o", {}, {}},
        {"a Cyrillic key", "тула", {2}, {}},
        {"a Cyrillic word, whole in one key, inside a word in another", "ула", {}, {2}},
        {"a key in another script than the main name's", "tula", {}, {3}},
        {"letters that fold away in keys", "münchen", {}, {}},
    };
    const Atlas atlas = SmallAtlas();
    for (const ScanCase& row : cases) {
        EXPECT_EQ(atlas.placesWithKeyHolding(row.key), row.places) << row.name;
        EXPECT_EQ(atlas.otherNamesWithKeyHolding(row.key), row.otherNames) << row.name;
    }
}

// The places whose key holds `words` as whole words, found by reading every key.
std::vector<qsizetype> PlacesHolding(const Atlas& atlas, QByteArrayView words) {
    std::vector<qsizetype> places;
    for (qsizetype place = 0; place < atlas.placeCount(); ++place) {
        const QByteArrayView key = atlas.placeKey(place);
        for (qsizetype at = key.indexOf(words); at >= 0; at = key.indexOf(words, at + 1)) {
            const qsizetype end = at + words.size();
            if ((at == 0 || key[at - 1] == ' ') && (end == key.size() || key[end] == ' ')) {
                places.push_back(place);
                break;
            }
        }
    }
    return places;
}

// The first cut reads samples of every few words' texts: over thousands of keys that share
// long beginnings, it finds what reading every key finds, for every word and for beginnings of
// words that end within a sample's bytes, at its end and beyond it.
TEST(AtlasKeyScan, FindsWhatReadingEveryKeyFinds) {
    const char* const kWords[] = {"martinsburg", "martinsbu", "martins", "mar", "saint",
                                  "saintonge",   "a",         "zz",      "m",   "martinsburgh"};
    QByteArray places;
    for (int place = 0; place < 3000; ++place) {
        QByteArray name = kWords[place % 10];
        for (int word = place / 10; word > 0; word /= 10) {
            name += QByteArray(" ") + kWords[word % 10];
        }
        places += name + "\tDE\t\t1\t1\t" + QByteArray::number(place) + "\n";
    }
    const Atlas atlas = Atlas::FromTables("DE\tGermany\t\n", "", places);
    // Every beginning of every word, and every two words.
    std::vector<QByteArray> typed;
    for (const char* word : kWords) {
        for (qsizetype length = 1; length <= qsizetype(std::strlen(word)); ++length) {
            typed.push_back(QByteArray(word, length));
        }
        for (const char* next : kWords) {
            typed.push_back(QByteArray(word) + ' ' + next);
        }
    }
    for (const QByteArray& key : typed) {
        EXPECT_EQ(atlas.placesWithKeyHolding(key), PlacesHolding(atlas, key)) << key.toStdString();
    }
}

// Keys longer than the bytes that words are known to share without reading them: the words
// that share more are read, beginnings of every length around that count.
TEST(AtlasKeyScan, FindsLongKeysAsReadingEveryKeyDoes) {
    const qsizetype kCounted = 255;
    QByteArray places;
    for (qsizetype length = kCounted - 2; length <= kCounted + 2; ++length) {
        for (const char* ending : {"", "b", " c", "a c"}) {
            places += QByteArray(length, 'a') + ending + "\tDE\t\t1\t1\t1\n";
        }
    }
    const Atlas atlas = Atlas::FromTables("DE\tGermany\t\n", "", places);
    for (qsizetype length = kCounted - 3; length <= kCounted + 3; ++length) {
        for (const QByteArray& key : {QByteArray(length, 'a'), QByteArray(length, 'a') + " c"}) {
            EXPECT_EQ(atlas.placesWithKeyHolding(key), PlacesHolding(atlas, key)) << key.size();
        }
    }
}

}  // namespace
}  // namespace fortunix::atlas
