#pragma once

#include <optional>

#include "ephemeris/Calendar.h"
#include "zones/BirthZone.h"
#include "zones/ZoneHistory.h"
#include "zones/ZoneProposal.h"

namespace fortunix::zones {

// When the zone list follows a chosen birthplace, and what it shows as the birth moment
// changes: the zone the place's clocks kept then. Following starts when a place is chosen
// (or a birth that followed one is filled in again) and stops when the user picks a zone or
// ticks the box by hand. Of an hour the clocks repeated, the first holds, unless the user chose
// the second; that choice holds while the moment stays in a repeated hour.
class ZoneFollowing {
  public:
    // From now on the zone follows `place` of `history`, which at `moment` shows `shown` (for
    // a repeated hour, the first or the second of it).
    void Follow(const ZoneHistory& history, const BirthplaceZone& place, const CivilMoment& moment,
                const ZoneProposal& shown);
    // The user chose a zone or the tick.
    void Stop() { place_.reset(); }
    bool Follows() const { return place_.has_value(); }

    // What the list shows once the birth moment is `moment`; nothing while not following.
    std::optional<ZoneProposal> ProposalAt(const ZoneHistory& history, const CivilMoment& moment);

  private:
    std::optional<BirthplaceZone> place_;
    bool laterOfRepeated_ = false;  // the user chose the second of the hour the clocks repeated
};

}  // namespace fortunix::zones
