#pragma once

#include <cstdint>

#include "ephemeris/BirthRecord.h"
#include "ephemeris/Calendar.h"
#include "ephemeris/UniversalTime.h"

namespace fortunix {

// Working state of the ascendant engine. Centuries count from 1900 January 0.5 here.
struct AscendantState {
    double degToRad = kDegToRad;
    double radToDeg = kRadToDeg;
    BirthTimeBase time;
    double latitude = 0;          // degrees, north positive
    double centuries1900 = 0;     // Julian centuries from JD 2415020.0
    double siderealAngle = 0;     // right ascension of the meridian, radians
    double obliquity = 0;         // radians
    double ascendantDegrees = 0;  // 0 <= value < 360
    std::int16_t ascendant = 0;   // whole degrees
};

// The ecliptic degree rising in the east for one birth (Newcomb's sidereal time and
// obliquity). Beyond the polar circles the horizon formula can give the setting point; the
// engine then takes the point opposite, which is the one rising.
AscendantState ComputeAscendant(const BirthRecord& birth, const ZoneState& zone);

// The same for a birth whose time base is already worked out (the Moon engine shares it).
AscendantState ComputeAscendant(const BirthRecord& birth, const BirthTimeBase& time);

}  // namespace fortunix
