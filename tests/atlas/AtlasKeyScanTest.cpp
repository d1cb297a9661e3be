#include <gtest/gtest.h>

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

}  // namespace
}  // namespace fortunix::atlas
