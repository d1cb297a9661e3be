#pragma once

#include <cstdint>
#include <string>

namespace fortunix {

// Flags of the birth record hold -1 for true and 0 for false, as 16-bit booleans.
inline constexpr std::int16_t kTrue16 = -1;
inline constexpr std::int16_t kFalse16 = 0;

inline constexpr std::int16_t Flag16(bool value) {
    return value ? kTrue16 : kFalse16;
}

// The birth data of one reading, as 16-bit whole numbers and flags.
struct BirthRecord {
    std::string name;  // no computation reads it
    std::int16_t month = 0;
    std::int16_t day = 0;
    std::int16_t year = 0;
    std::int16_t hour = 0;
    std::int16_t minute = 0;
    std::int16_t zoneHours = 0;    // magnitude of the zone offset, 0..13
    std::int16_t zoneMinutes = 0;  // magnitude, 0..59 (30 for the listed half hours)
    std::int16_t lonDeg = 0;
    std::int16_t lonMin = 0;
    std::int16_t latDeg = 0;
    std::int16_t latMin = 0;
    std::int16_t isEast = kFalse16;
    std::int16_t isSouth = kFalse16;
    std::int16_t isDst = kFalse16;
};

// Signed correction from local standard time to universal time:
// universal = local + hours + minutes. A zone ahead of universal time has negative values.
struct ZoneState {
    std::int16_t hours = 0;
    std::int16_t minutes = 0;

    // The correction in hours, for example -5.5 for Indian time.
    double InHours() const { return hours + minutes / 60.0; }
    friend bool operator==(const ZoneState&, const ZoneState&) = default;
};

}  // namespace fortunix
