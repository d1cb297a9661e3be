#pragma once

#include "ephemeris/BirthRecord.h"

namespace fortunix {

// Local clock time, zone and hemisphere of one birth, as the ascendant and Moon engines read
// them. Both count universal hours from the local civil date: the value is not wrapped into
// 0..24 and the day number stays that of the local date.
struct BirthTimeBase {
    double localHours = 0;      // clock hour + minute / 60
    double zoneCorrection = 0;  // hours added to local time for universal time, incl. DST
    double longitude = 0;       // degrees, west positive, east negative
    double dayNumber = 0;       // Julian day number of the local civil date
    double universalHours = 0;  // may lie outside 0..24
};

// One birth has one universal time: local clock time, less an hour for daylight saving,
// plus the signed correction of the chosen zone. The longitude's hemisphere signs only the
// longitude itself, never the direction of the zone.
BirthTimeBase ComputeBirthTimeBase(const BirthRecord& birth, const ZoneState& zone);

}  // namespace fortunix
