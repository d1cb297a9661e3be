#include "ephemeris/Ascendant.h"

#include <cmath>

namespace fortunix {

namespace {

constexpr double kJulianDay1900 = 2415020;  // 1900 January 0.5
constexpr double kDaysPerCentury = 36525;

}  // namespace

AscendantState ComputeAscendant(const BirthRecord& birth, const ZoneState& zone) {
    return ComputeAscendant(birth, ComputeBirthTimeBase(birth, zone));
}

AscendantState ComputeAscendant(const BirthRecord& birth, const BirthTimeBase& time) {
    AscendantState state;
    state.time = time;
    state.latitude = birth.latDeg + birth.latMin / 60.0;
    if (birth.isSouth != kFalse16) {
        state.latitude = -state.latitude;
    }
    const double universalHours = state.time.universalHours;
    const double t =
        ((state.time.dayNumber - kJulianDay1900) + universalHours / 24 - 0.5) / kDaysPerCentury;
    state.centuries1900 = t;

    double sidereal = 15 * (universalHours + 0.0000258 * t * t + 2400.0513 * t + 6.6460656) -
                      state.time.longitude;
    // The same as subtracting 360 until below it: every such subtraction is exact, so the
    // remainder is too, and it takes one step instead of up to 150.
    if (sidereal >= 360) {
        sidereal = RemoveWholeTurns(sidereal);
    }
    state.siderealAngle = kDegToRad * sidereal;  // may be negative; the trigonometry accepts it
    state.obliquity = kDegToRad * (23.452294 - 0.0130125 * t);

    const double y = std::cos(state.siderealAngle);
    const double x = -std::sin(state.siderealAngle) * std::cos(state.obliquity) -
                     std::sin(state.obliquity) * std::tan(kDegToRad * state.latitude);
    double angle = Atan2(y, x);
    if (angle < 0) {
        angle = angle + kPi;
    }
    if (std::cos(state.siderealAngle) < 0) {
        angle = angle + kPi;
    }
    double degrees = angle * kRadToDeg;
    while (degrees >= 360) {
        degrees = degrees - 360;
    }

    // West of the meridian (positive sine of the hour angle) the point is setting, not rising.
    const double longitude = degrees * kDegToRad;
    const double rightAscension =
        std::atan2(std::sin(longitude) * std::cos(state.obliquity), std::cos(longitude));
    if (std::sin(state.siderealAngle - rightAscension) > 0) {
        degrees = degrees + 180;
        while (degrees >= 360) {
            degrees = degrees - 360;
        }
    }
    state.ascendantDegrees = degrees;
    state.ascendant = static_cast<std::int16_t>(Int(degrees));
    return state;
}

}  // namespace fortunix
