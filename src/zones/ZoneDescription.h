#pragma once

#include <QString>

#include "zones/BirthZone.h"
#include "zones/ZoneHistory.h"
#include "zones/ZoneProposal.h"

namespace fortunix::zones {

// A birthplace's zone as the form proposes it for one birth moment.
struct BirthplaceZone {
    qsizetype zone;    // index into the zone history, or -1 when unknown
    double longitude;  // degrees, east positive
};

// The proposal for a birth moment. `laterOfRepeated` picks the second of an hour the clocks
// repeated (standard time after the change); by default the first. A skipped hour gets the
// offset before the change.
ZoneProposal ProposeForMoment(const ZoneHistory& history, const BirthplaceZone& place,
                              const CivilTime& local, bool laterOfRepeated = false);

// "UTC−04:00", "UTC+05:45", "UTC+01:19:32" (a true minus sign; seconds only when there are).
QString FormatClockOffset(qint32 seconds);

// "UTC−04:00 EDT, summer time": an offset with its abbreviation and kind of time.
QString DescribeClockOffset(const ZoneHistory& history, const ClockOffset& offset);

// What the place-choice window says of a birth moment at a place, e.g.
// "Time zone on 1 July 1950, 12:00: UTC−04:00 EDT, summer time (America/New_York)".
QString DescribeBirthZone(const ZoneHistory& history, const BirthplaceZone& place,
                          const CivilTime& local);

// "Eastern Standard Time,EST,-5.0 with Daylight Saving Time ticked": what a proposal sets.
QString DescribeProposal(const ZoneProposal& proposal);

}  // namespace fortunix::zones
