#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "reading/Records.h"

namespace fortunix {

// A row of the zone list. What the program needs of a row is in its fields: the text is only
// shown, never parsed.
struct TimeZoneRow {
    std::string_view listText;  // as the zone list shows it
    ZoneState correction;
    bool summer;  // a daylight, summer or war time, ahead of its region's standard time
};

inline constexpr int kTimeZoneCount = 71;
inline constexpr int kDefaultTimeZoneIndex = 29;  // "Greenwich Mean Time,GMT,0.0"
// The list position of the entry added after the rows for an offset no row holds.
inline constexpr int kBirthplaceTimeRow = kTimeZoneCount;

// The zone list, in the order the main window shows it; index = list position.
extern const std::array<TimeZoneRow, kTimeZoneCount> kTimeZoneTable;

// The correction of list position `index`, or nothing for a position outside the table.
std::optional<ZoneState> LookUpZone(int index);

// The correction of an exact offset east of UT in whole minutes, one that no row may hold:
// UTC+05:45 (345) gives hours -5 and minutes -45.
ZoneState ZoneStateForOffset(int offsetMinutes);

// The minus signs an offset west of UT is written with.
inline constexpr std::string_view kAsciiMinus = "-";
inline constexpr std::string_view kTrueMinus = "\xE2\x88\x92";  // U+2212 in UTF-8

// An offset east of UT in seconds as hours and minutes, and seconds when there are any:
// `prefix`, the sign ("+" for zero, never minus), "HH:MM" and maybe ":SS". With the defaults
// "UTC+05:45", "UTC-03:30", "UTC+00:00"; with no prefix and the true minus "−03:30:52". An
// offset beyond any clock's (kLeastUtcOffset..kGreatestUtcOffset) is written as the nearer end.
std::string FormatUtcOffset(int offsetSeconds, std::string_view prefix = "UTC",
                            std::string_view minus = kAsciiMinus);

// The widest offsets any clock has kept, in minutes east of UT: UTC-12:00 and UTC+14:00.
inline constexpr int kLeastUtcOffset = -12 * 60;
inline constexpr int kGreatestUtcOffset = 14 * 60;

// Reads "UTC+05:45" or "UTC-03:30" within those; nothing for any other text.
std::optional<int> ParseUtcOffset(std::string_view text);

}  // namespace fortunix
