#pragma once

#include <cstdint>

#include "ephemeris/BirthRecord.h"

namespace fortunix::testing {

// A birthplace as the form takes it: degrees and minutes with their hemispheres.
struct Place {
    int latDeg = 0;
    int latMin = 0;
    bool south = false;
    int lonDeg = 0;
    int lonMin = 0;
    bool east = false;
};

inline constexpr Place kGreenwich{51, 30, false, 0, 0, false};
inline constexpr Place kLondon{51, 30, false, 0, 7, false};
inline constexpr Place kNewYork{40, 43, false, 74, 0, false};
inline constexpr Place kDelhi{28, 37, false, 77, 13, true};
inline constexpr Place kNullIsland{0, 0, false, 0, 0, false};

inline BirthRecord MakeBirth(int year, int month, int day, int hour, int minute, Place place,
                             bool dst = false) {
    const auto i16 = [](int value) { return static_cast<std::int16_t>(value); };
    BirthRecord birth;
    birth.name = "TEST";
    birth.year = i16(year);
    birth.month = i16(month);
    birth.day = i16(day);
    birth.hour = i16(hour);
    birth.minute = i16(minute);
    birth.latDeg = i16(place.latDeg);
    birth.latMin = i16(place.latMin);
    birth.isSouth = place.south ? kTrue16 : kFalse16;
    birth.lonDeg = i16(place.lonDeg);
    birth.lonMin = i16(place.lonMin);
    birth.isEast = place.east ? kTrue16 : kFalse16;
    birth.isDst = dst ? kTrue16 : kFalse16;
    return birth;
}

// Corrections of a few zone list rows, written out here rather than looked up.
inline constexpr ZoneState kGmt{0, 0};
inline constexpr ZoneState kBritishSummer{-1, 0};
inline constexpr ZoneState kCentralEuropean{-1, 0};
inline constexpr ZoneState kEasternStandard{5, 0};
inline constexpr ZoneState kIndian{-5, -30};

}  // namespace fortunix::testing
