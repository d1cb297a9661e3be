#include "atlas/BuiltInTables.h"

#include <gtest/gtest.h>

#include "atlas/QStringPrinter.h"

namespace fortunix::atlas {
namespace {

// Every table of the atlas is in the program, whole: it starts with its comment and ends with
// its last line's line break. (The zone history's table comes with the zones library.)
TEST(BuiltInTable, HoldsEveryTableOfTheDataFolder) {
    for (const char16_t* name :
         {u"countries.tsv", u"divisions.tsv", u"places.tsv", u"place-names.tsv",
          u"place-name-keys.tsv", u"country-names.tsv", u"place-zones.tsv"}) {
        const QByteArray table = BuiltInTable(name);
        EXPECT_TRUE(table.startsWith("# ")) << QString::fromUtf16(name).toStdString();
        EXPECT_TRUE(table.endsWith('\n')) << QString::fromUtf16(name).toStdString();
    }
    EXPECT_GT(BuiltInTable(u"places.tsv").size(), 5'000'000);
}

TEST(BuiltInTable, IsEmptyForATableTheProgramDoesNotHold) {
    EXPECT_TRUE(BuiltInTable(u"nowhere.tsv").isEmpty());
    EXPECT_TRUE(BuiltInTable(u"").isEmpty());
}

}  // namespace
}  // namespace fortunix::atlas
