#include "reading/ChartWheel.h"

#include <cmath>

#include "ephemeris/Calendar.h"

namespace fortunix {

double WheelAngle(double longitude, double ascendant) {
    const double angle = std::fmod(180.0 + longitude - ascendant, 360.0);
    return angle < 0 ? angle + 360.0 : angle;
}

WheelPoint WheelPosition(double longitude, double ascendant, double radius) {
    const double radians = WheelAngle(longitude, ascendant) * kDegToRad;
    // Counter-clockwise on a page whose y axis points down: up is -y.
    return {radius * std::cos(radians), -radius * std::sin(radians)};
}

}  // namespace fortunix
