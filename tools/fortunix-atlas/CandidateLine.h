#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "atlas/Atlas.h"
#include "ephemeris/Calendar.h"
#include "zones/BirthZone.h"
#include "zones/ZoneHistory.h"

namespace fortunix::atlastool {

// The header line: the names of the tab-separated fields of each candidate.
QString HeaderLine();

// One candidate: place, division, country, latitude and longitude (signed decimal degrees,
// four decimals), then the zone name, the UTC offset in force at `at` (local time, "+05:45",
// seconds added when there are any), the daylight-saving tick and the proposed zone row
// (0..70 or "exact"), then the other name by which the place was found ("München" for
// Munich; empty for the main name), and last the zone field of a fortunix-batch line for a
// birth there and then: the row, or for "exact" the offset of the window's entry, summer time
// excluded and seconds rounded to the minute ("UTC+00:20"). Without `clock` the zone fields
// are empty; for an hour that the clocks repeated, the two answers of each are joined by "|".
// The zone's name comes from `zoneNames` (zones::BuiltInZoneNames), so that a line without
// a moment needs no clock history.
struct ClockQuery {
    const zones::ZoneHistory& history;  // numbered as `zoneNames`
    CivilMoment at;
};
QString CandidateLine(const atlas::Atlas& atlas, const QStringList& zoneNames, qsizetype place,
                      const std::optional<ClockQuery>& clock,
                      qsizetype otherName = atlas::kMainName);

// "2000-07-01T12:00", a valid date and time; nothing for any other text.
std::optional<CivilMoment> ParseMoment(const QString& text);

}  // namespace fortunix::atlastool
