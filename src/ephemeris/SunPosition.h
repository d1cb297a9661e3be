#pragma once

#include <optional>

#include "ephemeris/BirthRecord.h"
#include "ephemeris/Calendar.h"

namespace fortunix {

// Bodies of the orbital elements table, in table order; the Sun takes the Earth's row.
enum class Body { Mercury = 0, Venus, Sun, Mars, Jupiter, Saturn, Uranus, Neptune, Pluto };
inline constexpr int kBodyCount = 9;

inline constexpr double kKeplerTolerance = 1E-12;  // radians

// Mean orbital elements at one instant: AU, dimensionless, and radians.
struct OrbitalElementSet {
    double semiMajorAxis = 0;
    double eccentricity = 0;
    double inclination = 0;
    double node = 0;
    double perihelion = 0;
    double meanLongitude = 0;  // reduced into 0..2pi
};

// Working state of the Sun engine, returned whole so that each step can be checked.
struct PlanetEngineState {
    double degToRad = kDegToRad;
    double keplerTolerance = kKeplerTolerance;
    CivilMoment universal;       // the birth moment in universal time
    double dayNumber = 0;        // days since J2000.0
    OrbitalElementSet elements;  // the last elements evaluated (the Earth's)
    double longitude = 0;        // geocentric ecliptic longitude of the Sun, degrees 0..360
    double sunDegrees = 0;       // whole degrees, 0..359
};

// Elements of body index 0..8 at `days` since J2000.0; nothing for any other index.
std::optional<OrbitalElementSet> OrbitalElements(int body, double days);

// x reduced into 0 <= result < 2pi.
double Mod2Pi(double x);

// Int(b) for b >= 0 and Int(b) + 1 for b < 0: the whole part, truncated towards zero.
double AbsFloor(double b);

// True anomaly in 0..2pi of mean anomaly `meanAnomaly` (radians) on an orbit of
// eccentricity e, by Newton's iteration on Kepler's equation.
double TrueAnomaly(double meanAnomaly, double eccentricity);

// Geocentric ecliptic longitude of `body`, degrees in 0..360, for `days` since J2000.0.
// Mean J2000 elements with linear rates; no precession, nutation, aberration or light time.
double GeocentricLongitude(Body body, double days);

// Geocentric ecliptic longitude of the Sun, degrees in 0..360, for `days` since J2000.0: the
// value GeocentricLongitude gives for the Sun, by a shorter way.
double SunLongitude(double days);

// The Sun engine for one birth. Universal time = local clock time, less one hour when
// daylight saving was in force, plus the signed zone correction, with calendar carry.
PlanetEngineState ComputeSunPosition(const BirthRecord& birth, const ZoneState& zone);

}  // namespace fortunix
