#pragma once

#include <QString>
#include <QStringView>
#include <optional>

#include "reading/Records.h"
#include "reading/TimeZoneTable.h"
#include "zones/BirthZone.h"

namespace fortunix::zones {

using fortunix::kBirthplaceTimeRow;

// What choosing a birthplace sets in the zone list and the daylight-saving box.
struct ZoneProposal {
    int row;                 // 0..70, or kBirthplaceTimeRow
    bool daylightSaving;     // the box is ticked
    int exactOffsetMinutes;  // for kBirthplaceTimeRow: its offset east of UT, summer time excluded
    friend bool operator==(const ZoneProposal&, const ZoneProposal&) = default;
};

// The row for a clock offset with tz abbreviation `abbreviation`:
// - one hour of summer time: the row of the standard offset, preferring the one that names the
//   region, and the tick;
// - standard time: the row of that offset, no tick;
// - any other summer time (two hours, half an hour): the row of the whole offset, no tick;
// - an offset no row holds, and local mean time: the birthplace entry with the offset in whole
//   minutes, seconds rounded (with the tick for one hour of summer time).
ZoneProposal ProposeZone(const ClockOffset& offset, QStringView abbreviation);

// The row for a birth moment whose zone was found in `history`. `laterOfRepeated` picks the
// second of an hour the clocks repeated (standard time after the change); by default the
// first. A skipped hour gets the offset before the change.
ZoneProposal ProposeZone(const ZoneHistory& history, const BirthZone& zone,
                         bool laterOfRepeated = false);

// The correction that a proposal, or the zone list as shown, sets: the row's, or the
// birthplace entry's exact one; nothing for a position outside the list.
std::optional<ZoneState> CorrectionOf(const ZoneProposal& proposal);

}  // namespace fortunix::zones
