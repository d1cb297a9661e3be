#include <gtest/gtest.h>

#include <vector>

#include "atlas/Atlas.h"

namespace fortunix::atlas {
namespace {

// The zone of each place comes in runs ("2\t5": two places in zone 5); a table that does not
// cover every place exactly, or cannot be read, gives no zones at all.
TEST(PlaceZones, ComeInRunsThatMustCoverEveryPlace) {
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
    EXPECT_EQ(zonesOf("2\t5\n1\t6"), (std::vector<quint16>{5, 5, 6}));   // no newline at the end
    EXPECT_EQ(zonesOf("2\t5\n"), none);                                  // too few places
    EXPECT_EQ(zonesOf("2\t5\n2\t6\n"), none);                            // too many
    EXPECT_EQ(zonesOf("2\t5\n1\tx\n"), none);                            // damaged
    EXPECT_EQ(zonesOf("2\t5\n0\t6\n1\t6\n"), none);                      // an empty run
    EXPECT_EQ(zonesOf("3\t65534\n"), (std::vector<quint16>(3, 65534)));  // the last zone number
}

}  // namespace
}  // namespace fortunix::atlas
