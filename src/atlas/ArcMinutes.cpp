#include "atlas/ArcMinutes.h"

#include <cmath>

namespace fortunix::atlas {

namespace {

QString FormatAngle(const ArcMinutes& angle, QChar positiveHemisphere, QChar negativeHemisphere) {
    return FormatDegreesMinutes(angle) + u' ' +
           (angle.positive ? positiveHemisphere : negativeHemisphere);
}

}  // namespace

ArcMinutes RoundToArcMinutes(double signedDegrees) {
    const long totalMinutes = std::lround(std::fabs(signedDegrees) * 60.0);
    return {static_cast<int>(totalMinutes / 60), static_cast<int>(totalMinutes % 60),
            signedDegrees >= 0.0 || totalMinutes == 0};
}

// Minutes always take two digits, as in 74°00′.
QString FormatDegreesMinutes(const ArcMinutes& angle) {
    return QStringLiteral("%1°%2′").arg(angle.degrees).arg(angle.minutes, 2, 10, QLatin1Char('0'));
}

QString FormatLatitude(const ArcMinutes& latitude) {
    return FormatAngle(latitude, u'N', u'S');
}

QString FormatLongitude(const ArcMinutes& longitude) {
    return FormatAngle(longitude, u'E', u'W');
}

}  // namespace fortunix::atlas
