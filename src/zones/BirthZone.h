#pragma once

#include <QtGlobal>
#include <array>
#include <span>

#include "zones/ZoneHistory.h"

namespace fortunix::zones {

// A local civil date and clock time, as the birth-data form holds it.
struct CivilTime {
    int year;
    int month;  // 1..12
    int day;    // 1..31
    int hour;   // 0..23
    int minute;
};

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

// Local mean time at a longitude: 4 minutes per degree, east ahead of UT, in whole seconds.
qint32 LocalMeanTimeOffset(double longitudeDegrees);

// The clock offsets that `local` can mean in a zone with `periods` (in order, the first
// without a start) at a place of `longitudeDegrees` (east positive). Before the zone kept
// standard time, the place's own local mean time holds. A zone without periods gives local
// mean time.
BirthZone FindBirthZone(std::span<const ZonePeriod> periods, double longitudeDegrees,
                        const CivilTime& local);

// Seconds since 1970-01-01 00:00 of a civil date and time, proleptic Gregorian calendar.
qint64 CivilSeconds(const CivilTime& time);

}  // namespace fortunix::zones
