#include "atlas/PlaceNameKey.h"

#include <gtest/gtest.h>

#include <QString>

namespace fortunix::atlas {
namespace {

struct KeyCase {
    const char* name;
    const char* typed;
    const char* expected;
};

TEST(PlaceNameKey, WritesOutTheUsualAbbreviations) {
    const KeyCase cases[] = {
        {"saint", "St. Louis", "saint louis"},
        {"already long", "Saint Louis", "saint louis"},
        {"sainte", "Ste-Foy", "sainte foy"},
        {"mount", "Mt Vernon", "mount vernon"},
        {"fort", "Ft. Worth", "fort worth"},
        {"not inside a word", "Stanford", "stanford"},
        {"nothing typed", "", ""},
        {"one letter", "t", "t"},
    };
    for (const KeyCase& row : cases) {
        EXPECT_EQ(PlaceNameKey(QString::fromUtf8(row.typed)), QByteArray(row.expected)) << row.name;
    }
}

}  // namespace
}  // namespace fortunix::atlas
