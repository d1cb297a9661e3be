#pragma once

#include <QString>
#include <QtGlobal>
#include <array>

#include "ephemeris/Calendar.h"
#include "forms/frmPlaceChoice.h"
#include "zones/BirthZone.h"
#include "zones/ZoneHistory.h"
#include "zones/ZoneProposal.h"

// The sentences the place-choice window shows of a listed place's zone at the birth moment,
// made from what the zone history found for it.

namespace fortunix {

// "UTC−04:00 EDT, summer time": an offset (a true minus sign; seconds only when there are)
// with its abbreviation and kind of time.
QString DescribeClockOffset(const zones::ZoneHistory& history, const zones::ClockOffset& offset);

// What the window says of birth moment `local` in zone `zone`, whose clocks meant `found`,
// e.g. "Time zone on 1 July 1950, 12:00: UTC−04:00 EDT, summer time (America/New_York)".
QString DescribeBirthZone(const zones::ZoneHistory& history, quint16 zone,
                          const zones::BirthZone& found, const CivilMoment& local);

// "Sets the time zone to "Eastern Standard Time,EST,-5.0", with Daylight Saving Time ticked."
QString DescribeProposal(const zones::ZoneProposal& proposal);

// The whole note of one listed place: what the clocks meant, what using the place sets and,
// for an hour the clocks repeated, the two choices. `proposals` are those for the first of a
// repeated hour (and any other moment) and for the second.
PlaceZoneNote DescribePlaceZone(const zones::ZoneHistory& history, quint16 zone,
                                const zones::BirthZone& found, const CivilMoment& local,
                                const std::array<zones::ZoneProposal, 2>& proposals);

}  // namespace fortunix
