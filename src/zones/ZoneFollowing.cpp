#include "zones/ZoneFollowing.h"

namespace fortunix::zones {

void ZoneFollowing::Follow(const ZoneHistory& history, const BirthplaceZone& place,
                           const CivilMoment& moment, const ZoneProposal& shown) {
    place_ = place;
    // The second of a repeated hour only where it differs from the first.
    const BirthZone found = FindBirthZone(history, place, moment);
    laterOfRepeated_ = found.kind == BirthZone::Kind::Repeated &&
                       shown == ProposeZone(history, found, true) &&
                       shown != ProposeZone(history, found, false);
}

std::optional<ZoneProposal> ZoneFollowing::ProposalAt(const ZoneHistory& history,
                                                      const CivilMoment& moment) {
    if (!place_) {
        return std::nullopt;
    }
    const BirthZone found = FindBirthZone(history, *place_, moment);
    laterOfRepeated_ = laterOfRepeated_ && found.kind == BirthZone::Kind::Repeated;
    return ProposeZone(history, found, laterOfRepeated_);
}

}  // namespace fortunix::zones
