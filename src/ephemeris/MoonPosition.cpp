#include "ephemeris/MoonPosition.h"

#include <array>
#include <cmath>
#include <cstdlib>

namespace fortunix {

namespace {

constexpr int kLargestMultiple = 4;  // of any angle in the series (4D)
constexpr double kJulianDay2000 = 2451545;
constexpr double kDaysPerCentury = 36525;

struct LongitudeTerm {
    int d, m, mPrime, f;  // whole multiples of D, M, M', F, none beyond kLargestMultiple
    double coefficient;   // degrees
    bool timesE;          // multiplied once by the eccentricity factor
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

// A point of the unit circle, an angle held as its cosine and sine: angles add as such points
// multiply, exactly in theory and to a few units of the last place in practice.
struct UnitPoint {
    double cos = 1;
    double sin = 0;
};

UnitPoint Times(UnitPoint a, UnitPoint b) {
    return {a.cos * b.cos - a.sin * b.sin, a.sin * b.cos + a.cos * b.sin};
}

// The whole multiples of one angle up to kLargestMultiple either way, from a single sine and
// cosine; a negative multiple is the mirror image of the positive one.
class AngleMultiples {
  public:
    explicit AngleMultiples(double radians) {
        positive_[1] = {std::cos(radians), std::sin(radians)};
        for (std::size_t k = 2; k < positive_.size(); ++k) {
            positive_[k] = Times(positive_[k - 1], positive_[1]);
        }
    }
    UnitPoint operator[](int multiple) const {
        const UnitPoint point = positive_[static_cast<std::size_t>(std::abs(multiple))];
        return multiple < 0 ? UnitPoint{point.cos, -point.sin} : point;
    }

  private:
    std::array<UnitPoint, kLargestMultiple + 1> positive_{};
};

}  // namespace

double LunarLongitude(double centuries, LunarChartState& state) {
    const double t = centuries;
    state.meanLongitude = 218.3164591 + 481267.88134236 * t;
    state.elongation = (297.8502042 + 445267.1115168 * t) * kDegToRad;
    state.sunAnomaly = (357.5291092 + 35999.0502909 * t) * kDegToRad;
    state.moonAnomaly = (134.9634114 + 477198.8676313 * t) * kDegToRad;
    state.latitudeArgument = (93.2720993 + 483202.0175273 * t) * kDegToRad;
    state.eccentricityFactor = 1 - 0.002516 * t - 0.0000074 * t * t;

    // Four sines and cosines instead of one sine a term: each term's angle is a sum of whole
    // multiples of the four, which angle addition puts together. The sum differs from one of
    // sines of the summed angles by less than 1e-10 degree, far below the whole degree a
    // reading shows.
    const AngleMultiples d(state.elongation);
    const AngleMultiples m(state.sunAnomaly);
    const AngleMultiples mPrime(state.moonAnomaly);
    const AngleMultiples f(state.latitudeArgument);
    const double e = state.eccentricityFactor;
    double sum = 0;
    // Unrolled, every term's multiples are constants: the look-ups and tests on them fold away.
#pragma GCC unroll 25
    for (const LongitudeTerm& term : kLongitudeTerms) {
        UnitPoint angle = d[term.d];
        if (term.m != 0) {  // a zero multiple adds nothing
            angle = Times(angle, m[term.m]);
        }
        if (term.mPrime != 0) {
            angle = Times(angle, mPrime[term.mPrime]);
        }
        if (term.f != 0) {
            angle = Times(angle, f[term.f]);
        }
        double value = term.coefficient * angle.sin;
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
