#include "zones/ZoneFollowing.h"

#include <gtest/gtest.h>

#include "zones/ZoneHistory.h"

// Offsets from the tz source and `zdump -v America/New_York Asia/Kathmandu`: New York's clocks
// went back from 02:00 EDT to 01:00 EST on 7 November 2021; Kathmandu kept +5:30 until 1986
// and +5:45 since. Rows of the zone list counted by hand: 27 "Eastern Standard Time,EST,-5.0",
// 34 "Indian Time, IST, +5.3".

namespace fortunix::zones {
namespace {

constexpr CivilMoment kRepeated{2021, 11, 7, 1, 30};
constexpr CivilMoment kStillRepeated{2021, 11, 7, 1, 45};
constexpr CivilMoment kAfterTheChange{2021, 11, 7, 3, 0};
constexpr ZoneProposal kEdt{27, true, 0};
constexpr ZoneProposal kEst{27, false, 0};

TEST(ZoneFollowing, WhichAnswerOfARepeatedHourHoldsAndWhenFollowingStops) {
    struct Row {
        const char* name;
        const char* zone;
        double longitude;
        CivilMoment start;
        ZoneProposal shown;  // what the list showed when following started
        std::optional<CivilMoment> via;
        bool stopped;  // the user picked a zone or ticked the box
        CivilMoment moment;
        std::optional<ZoneProposal> expected;
    };
    // clang-format off
    const Row rows[] = {
        {"the first of a repeated hour holds in it", "America/New_York", -74.006, kRepeated, kEdt, {}, false, kStillRepeated, kEdt},
        {"the second, once chosen, holds in it", "America/New_York", -74.006, kRepeated, kEst, {}, false, kStillRepeated, kEst},
        {"the second lapses out of the repeated hour", "America/New_York", -74.006, kRepeated, kEst, kAfterTheChange, false, kStillRepeated, kEdt},
        {"another year, another zone", "Asia/Kathmandu", 85.3206, {1990, 7, 1, 12, 0}, {kBirthplaceTimeRow, false, 345}, {}, false, {1980, 7, 1, 12, 0}, ZoneProposal{34, false, 0}},
        {"a zone picked by hand ends it", "Asia/Kathmandu", 85.3206, {1990, 7, 1, 12, 0}, {kBirthplaceTimeRow, false, 345}, {}, true, {1980, 7, 1, 12, 0}, std::nullopt},
    };
    // clang-format on
    const ZoneHistory& history = BuiltInZoneHistory();
    for (const Row& row : rows) {
        const qsizetype zone = history.findZone(QString::fromLatin1(row.zone));
        ASSERT_GE(zone, 0) << row.zone;
        ZoneFollowing following;
        following.Follow(history, {static_cast<quint16>(zone), row.longitude}, row.start,
                         row.shown);
        if (row.via) {
            following.ProposalAt(history, *row.via);
        }
        if (row.stopped) {
            following.Stop();
        }
        EXPECT_EQ(following.Follows(), !row.stopped) << row.name;
        EXPECT_EQ(following.ProposalAt(history, row.moment), row.expected) << row.name;
    }
}

}  // namespace
}  // namespace fortunix::zones
