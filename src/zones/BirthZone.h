#pragma once

#include <QtGlobal>
#include <array>
#include <span>

#include "atlas/Atlas.h"
#include "ephemeris/Calendar.h"
#include "zones/ZoneHistory.h"

namespace fortunix::zones {

// The offset a birthplace's clocks kept at one moment.
struct ClockOffset {
    qint32 offset;         // seconds east of UT, summer time included
    qint32 summer;         // seconds of summer time within `offset`
    quint16 abbreviation;  // index into the ZoneHistory's abbreviations
    bool localMeanTime;    // before the zone kept standard time: the birthplace's own mean time
};

// What a local clock time meant at a birthplace.
struct BirthZone {
    enum class Kind {
        Single,    // offsets[0]
        Repeated,  // clocks went back: offsets[0] before the change (summer time), [1] after
        Skipped,   // clocks went forward over it: offsets[0] before the change, [1] after
    };
    Kind kind;
    std::array<ClockOffset, 2> offsets;
};

// A birthplace as its clocks depend on it: its zone and, for local mean time, its longitude.
struct BirthplaceZone {
    quint16 zone = atlas::kNoZone;  // index into the zone history
    double longitude = 0;           // degrees, east positive
};

// Local mean time at a longitude: 4 minutes per degree, east ahead of UT, in whole seconds.
qint32 LocalMeanTimeOffset(double longitudeDegrees);

// The clock offsets that `local` can mean in a zone with `periods` (in order, the first
// without a start) at a place of `longitudeDegrees` (east positive). Before the zone kept
// standard time, the place's own local mean time holds. A zone without periods gives local
// mean time.
BirthZone FindBirthZone(std::span<const ZonePeriod> periods, double longitudeDegrees,
                        const CivilMoment& local);

// The same for a birthplace of `history`; a zone the history does not hold has no periods.
BirthZone FindBirthZone(const ZoneHistory& history, const BirthplaceZone& place,
                        const CivilMoment& local);

}  // namespace fortunix::zones
