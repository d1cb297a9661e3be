#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "reading/Records.h"

namespace fortunix {

struct TimeZoneRow {
    std::string_view listText;  // shown in the zone list, never parsed
    ZoneState correction;
};

inline constexpr int kTimeZoneCount = 71;
inline constexpr int kDefaultTimeZoneIndex = 29;  // "Greenwich Mean Time,GMT,0.0"

// The zone list, in the order the main window shows it; index = list position.
extern const std::array<TimeZoneRow, kTimeZoneCount> kTimeZoneTable;

// The correction of list position `index`, or nothing for a position outside the table.
std::optional<ZoneState> LookUpZone(int index);

// Zone_Calculation: writes the correction of `index` into `zone`; a position outside the
// table leaves `zone` as it was.
void ApplyZoneSelection(int index, ZoneState& zone);

// The correction of an exact offset east of UT in whole minutes, one that no row may hold:
// UTC+05:45 (345) gives hours -5 and minutes -45.
ZoneState ZoneStateForOffset(int offsetMinutes);

// "UTC+05:45", "UTC-03:30", "UTC+00:00".
std::string FormatUtcOffset(int offsetMinutes);

// Reads "UTC+05:45" or "UTC-03:30" (hours 0..14, minutes 0..59); nothing for any other text.
std::optional<int> ParseUtcOffset(std::string_view text);

}  // namespace fortunix
