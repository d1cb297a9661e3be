#include "ephemeris/MoonPosition.h"

#include <array>
#include <cmath>

namespace fortunix {

namespace {

constexpr double kJulianDay2000 = 2451545;
constexpr double kDaysPerCentury = 36525;

struct LongitudeTerm {
    double d, m, mPrime, f;  // whole multiples of D, M, M', F
    double coefficient;      // degrees
    bool timesE;             // multiplied once by the eccentricity factor
};

constexpr std::array<LongitudeTerm, 25> kLongitudeTerms = {{
    {2, 0, -1, 0, +1.274027, false}, {0, 0, 1, 0, +6.288774, false},
    {2, 0, 0, 0, +0.658314, false},  {0, 0, 2, 0, +0.213618, false},
    {0, 1, 0, 0, -0.185116, true},   {0, 0, 0, 2, -0.114332, false},
    {2, 0, -2, 0, +0.058793, false}, {2, -1, -1, 0, +0.057066, true},
    {2, 0, 1, 0, +0.053322, false},  {2, -1, 0, 0, +0.045758, true},
    {0, 1, -1, 0, -0.040923, true},  {1, 0, 0, 0, -0.034720, false},
    {0, 1, 1, 0, -0.030383, true},   {2, 0, 0, -2, +0.015327, false},
    {0, 0, 1, 2, -0.012528, false},  {0, 0, 1, -2, +0.010980, false},
    {4, 0, -1, 0, +0.010675, false}, {0, 0, 3, 0, +0.010034, false},
    {4, 0, -2, 0, +0.008548, false}, {2, 1, -1, 0, -0.007888, true},
    {2, 1, 0, 0, -0.006766, true},   {1, 0, -1, 0, -0.005163, false},
    {1, 1, 0, 0, +0.004987, true},   {2, -1, 1, 0, +0.004036, true},
    {2, 0, 2, 0, +0.003994, false},
}};

}  // namespace

double LunarLongitude(double centuries, LunarChartState& state) {
    const double t = centuries;
    state.meanLongitude = 218.3164591 + 481267.88134236 * t;
    state.elongation = (297.8502042 + 445267.1115168 * t) * kDegToRad;
    state.sunAnomaly = (357.5291092 + 35999.0502909 * t) * kDegToRad;
    state.moonAnomaly = (134.9634114 + 477198.8676313 * t) * kDegToRad;
    state.latitudeArgument = (93.2720993 + 483202.0175273 * t) * kDegToRad;
    state.eccentricityFactor = 1 - 0.002516 * t - 0.0000074 * t * t;

    // Read into locals once: `state` could change under each call of sin, as far as the
    // compiler knows, and would be read again from memory for every term.
    const double d = state.elongation;
    const double m = state.sunAnomaly;
    const double mPrime = state.moonAnomaly;
    const double f = state.latitudeArgument;
    const double e = state.eccentricityFactor;
    double sum = 0;
    for (const LongitudeTerm& term : kLongitudeTerms) {
        const double argument = term.d * d + term.m * m + term.mPrime * mPrime + term.f * f;
        double value = term.coefficient * std::sin(argument);
        if (term.timesE) {
            value = value * e;
        }
        sum = sum + value;
    }

    return ReduceLunarLongitude(state.meanLongitude + sum);
}

double ReduceLunarLongitude(double degrees) {
    // Same as adding or subtracting 360 until in range, in one exact step: the mean
    // longitude of a far date is hundreds of turns away. A positive multiple of 360 stays 360.
    double longitude = degrees;
    if (longitude <= -360) {
        longitude = RemoveWholeTurns(longitude);
    } else if (longitude < 0) {
        longitude = longitude + 360.0;
        if (longitude == 360.0) {
            longitude = 0.0;  // a tiny negative sum rounds up to a whole turn
        }
    } else if (longitude > 360) {
        longitude = RemoveWholeTurns(longitude);
        if (longitude == 0.0) {
            longitude = 360.0;
        }
    }
    return longitude;
}

LunarChartState ComputeMoonPosition(const BirthRecord& birth, const ZoneState& zone) {
    return ComputeMoonPosition(ComputeBirthTimeBase(birth, zone));
}

LunarChartState ComputeMoonPosition(const BirthTimeBase& time) {
    LunarChartState state;
    state.time = time;
    state.centuries =
        (state.time.dayNumber - kJulianDay2000 + state.time.universalHours / 24 - 0.5) /
        kDaysPerCentury;
    state.moonLongitude = LunarLongitude(state.centuries, state);
    // A longitude of exactly 360 is the same point as 0.
    state.moonDegrees = std::fmod(Int(state.moonLongitude), 360.0);
    return state;
}

}  // namespace fortunix
