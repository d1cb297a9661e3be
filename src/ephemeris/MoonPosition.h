#pragma once

#include "ephemeris/BirthRecord.h"
#include "ephemeris/Calendar.h"
#include "ephemeris/UniversalTime.h"

namespace fortunix {

// Working state of the lunar engine. Centuries count from J2000.0 here.
struct LunarChartState {
    double degToRad = kDegToRad;
    BirthTimeBase time;
    double centuries = 0;
    double meanLongitude = 0;     // L', degrees, not reduced
    double elongation = 0;        // D, radians, not reduced
    double sunAnomaly = 0;        // M, radians
    double moonAnomaly = 0;       // M', radians
    double latitudeArgument = 0;  // F, radians
    double eccentricityFactor = 0;
    double moonLongitude = 0;  // degrees, 0..360
    double moonDegrees = 0;    // whole degrees, 0..359
};

// Moon longitude of `centuries` since J2000.0 by the truncated series of Meeus, degrees in
// 0..360 (a value landing on 360 stays 360). Fills the mean arguments of `state`.
double LunarLongitude(double centuries, LunarChartState& state);

// A longitude sum brought into 0..360 as whole turns: -10 is 350, 720 stays 360, -360 is 0.
double ReduceLunarLongitude(double degrees);

// The lunar engine for one birth; shares its time base with the ascendant.
LunarChartState ComputeMoonPosition(const BirthRecord& birth, const ZoneState& zone);

// The same for a time base already worked out.
LunarChartState ComputeMoonPosition(const BirthTimeBase& time);

}  // namespace fortunix
