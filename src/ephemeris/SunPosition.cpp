#include "ephemeris/SunPosition.h"

#include <array>
#include <cmath>

namespace fortunix {

namespace {

struct ElementRates {
    double base;
    double perCentury;  // AU or dimensionless for a and e, arcseconds for the angles
};

struct BodyElements {
    ElementRates a, e, i, node, perihelion, meanLongitude;
};

// J2000.0 mean orbital elements with centennial rates (E. M. Standish, JPL, as tabulated in
// the Explanatory Supplement to the Astronomical Almanac, 1992). Angles: base in degrees,
// rate in arcseconds per Julian century.
constexpr std::array<BodyElements, kBodyCount> kElements = {{
    {{0.38709893, 0.00000066},
     {0.20563069, 0.00002527},
     {7.00487, -23.51},
     {48.33167, -446.30},
     {77.45645, 573.57},
     {252.25084, 538101628.29}},
    {{0.72333199, 0.00000092},
     {0.00677323, -0.00004938},
     {3.39471, -2.86},
     {76.68069, -996.89},
     {131.53298, -108.80},
     {181.97973, 210664136.06}},
    {{1.00000011, -0.00000005},
     {0.01671022, -0.00003804},
     {0.00005, -46.94},
     {-11.26064, -18228.25},
     {102.94719, 1198.28},
     {100.46435, 129597740.63}},
    {{1.52366231, -0.00007221},
     {0.09341233, 0.00011902},
     {1.85061, -25.47},
     {49.57854, -1020.19},
     {336.04084, 1560.78},
     {355.45332, 68905103.78}},
    {{5.20336301, 0.00060737},
     {0.04839266, -0.00012880},
     {1.30530, -4.15},
     {100.55615, 1217.17},
     {14.75385, 839.93},
     {34.40438, 10925078.35}},
    {{9.53707032, -0.00301530},
     {0.05415060, -0.00036762},
     {2.48446, 6.11},
     {113.71504, -1591.05},
     {92.43194, -1948.89},
     {49.94432, 4401052.95}},
    {{19.19126393, 0.00152025},
     {0.04716771, -0.00019150},
     {0.76986, -2.09},
     {74.22988, -1681.40},
     {170.96424, 1312.56},
     {313.23218, 1542547.79}},
    {{30.06896348, -0.00125196},
     {0.00858587, 0.00002510},
     {1.76917, -3.64},
     {131.72169, -151.25},
     {44.97135, -844.43},
     {304.88003, 786449.21}},
    {{39.48168677, -0.00076912},
     {0.24880766, 0.00006465},
     {17.14175, 11.07},
     {110.30347, -37.33},
     {224.06676, -132.25},
     {238.92881, 522747.90}},
}};

constexpr double kDaysPerCentury = 36525;
constexpr double kArcsecondsPerDegree = 3600;

double AngleRadians(const ElementRates& rates, double centuries) {
    return (rates.base + rates.perCentury * centuries / kArcsecondsPerDegree) * kDegToRad;
}

// Newton's iteration converges in a handful of rounds for any eccentricity of the table;
// the cap only keeps a non-finite input from looping for ever.
constexpr int kMaxKeplerRounds = 100;

}  // namespace

std::optional<OrbitalElementSet> OrbitalElements(int body, double days) {
    if (body < 0 || body >= kBodyCount) {
        return std::nullopt;
    }
    const BodyElements& row = kElements[static_cast<std::size_t>(body)];
    const double t = days / kDaysPerCentury;
    OrbitalElementSet set;
    set.semiMajorAxis = row.a.base + row.a.perCentury * t;
    set.eccentricity = row.e.base + row.e.perCentury * t;
    set.inclination = AngleRadians(row.i, t);
    set.node = AngleRadians(row.node, t);
    set.perihelion = AngleRadians(row.perihelion, t);
    set.meanLongitude = Mod2Pi(AngleRadians(row.meanLongitude, t));
    return set;
}

double AbsFloor(double b) {
    return b >= 0 ? Int(b) : Int(b) + 1;
}

double Mod2Pi(double x) {
    const double b = x / kTwoPi;
    double a = kTwoPi * (b - AbsFloor(b));
    if (a < 0) {
        a = a + kTwoPi;
    }
    return a;
}

double TrueAnomaly(double meanAnomaly, double eccentricity) {
    const double m = meanAnomaly;
    const double e = eccentricity;
    double eccentricAnomaly = m + e * std::sin(m) * (1 + e * std::cos(m));
    for (int round = 0; round < kMaxKeplerRounds; ++round) {
        const double previous = eccentricAnomaly;
        eccentricAnomaly =
            previous - (previous - e * std::sin(previous) - m) / (1 - e * std::cos(previous));
        if (std::fabs(previous - eccentricAnomaly) <= kKeplerTolerance) {
            break;
        }
    }
    double v = 2 * std::atan(std::sqrt((1 + e) / (1 - e)) * std::tan(eccentricAnomaly / 2));
    if (v < 0) {
        v = v + kTwoPi;
    }
    return v;
}

namespace {

struct PlanePoint {
    double x = 0;
    double y = 0;
};

double EarthTrueAnomaly(const OrbitalElementSet& earth) {
    return TrueAnomaly(Mod2Pi(earth.meanLongitude - earth.perihelion), earth.eccentricity);
}

// The Earth in the ecliptic plane, heliocentric, AU; its inclination and node are not used.
PlanePoint EarthPosition(const OrbitalElementSet& earth) {
    const double earthTrue = EarthTrueAnomaly(earth);
    const double earthRadius = earth.semiMajorAxis * (1 - earth.eccentricity * earth.eccentricity) /
                               (1 + earth.eccentricity * std::cos(earthTrue));
    return {earthRadius * std::cos(earthTrue + earth.perihelion),
            earthRadius * std::sin(earthTrue + earth.perihelion)};
}

// An angle in radians as degrees brought into 0..360.
double DegreesInOneTurn(double radians) {
    double degrees = radians * (180 / kPi);
    while (degrees > 360) {
        degrees = degrees - 360;
    }
    while (degrees < 0) {
        degrees = degrees + 360;
    }
    return degrees;
}

// Ecliptic longitude, degrees 0..360, of the heliocentric point (x, y) seen from the Earth.
double LongitudeSeenFrom(PlanePoint earth, double x, double y) {
    return DegreesInOneTurn(Atan2(y - earth.y, x - earth.x));
}

// The Sun seen from the Earth lies opposite the Earth seen from the Sun: half a turn on from
// the Earth's heliocentric longitude, whatever its distance.
double SunLongitudeFrom(const OrbitalElementSet& earth) {
    return DegreesInOneTurn(EarthTrueAnomaly(earth) + earth.perihelion + kPi);
}

}  // namespace

double GeocentricLongitude(Body body, double days) {
    const PlanePoint earth = EarthPosition(*OrbitalElements(static_cast<int>(Body::Sun), days));

    double x = 0;
    double y = 0;
    if (body != Body::Sun) {  // the Sun sits at the origin
        const OrbitalElementSet planet = *OrbitalElements(static_cast<int>(body), days);
        const double meanAnomaly = Mod2Pi(planet.meanLongitude - planet.perihelion);
        const double trueAnomaly = TrueAnomaly(meanAnomaly, planet.eccentricity);
        const double radius = planet.semiMajorAxis *
                              (1 - planet.eccentricity * planet.eccentricity) /
                              (1 + planet.eccentricity * std::cos(trueAnomaly));
        const double u = trueAnomaly + planet.perihelion - planet.node;
        x = radius * (std::cos(planet.node) * std::cos(u) -
                      std::sin(u) * std::sin(planet.node) * std::cos(planet.inclination));
        y = radius * (std::sin(planet.node) * std::cos(u) +
                      std::sin(u) * std::cos(planet.node) * std::cos(planet.inclination));
    }
    return LongitudeSeenFrom(earth, x, y);
}

double SunLongitude(double days) {
    return SunLongitudeFrom(*OrbitalElements(static_cast<int>(Body::Sun), days));
}

PlanetEngineState ComputeSunPosition(const BirthRecord& birth, const ZoneState& zone) {
    PlanetEngineState state;
    const CivilMoment local{birth.year, birth.month, birth.day, birth.hour, birth.minute};
    const long long daylightSavingMinutes = birth.isDst != kFalse16 ? -60 : 0;
    const CivilMoment moment =
        AddMinutes(local, daylightSavingMinutes + zone.hours * 60LL + zone.minutes);
    state.universal = moment;
    state.dayNumber = DayNumberJ2000(moment);
    state.elements = *OrbitalElements(static_cast<int>(Body::Sun), state.dayNumber);
    state.longitude = SunLongitudeFrom(state.elements);
    // A longitude of exactly 360 is the same point as 0.
    state.sunDegrees = std::fmod(Int(state.longitude), 360.0);
    return state;
}

}  // namespace fortunix
