#include "atlas/PlaceLine.h"

#include "atlas/ArcMinutes.h"

namespace fortunix::atlas {

QString DescribePlace(const Atlas& atlas, qsizetype index, qsizetype otherName) {
    const Place& place = atlas.place(index);
    QString line = atlas.placeName(index);
    if (otherName != kMainName) {
        line += QStringLiteral(" (") + atlas.otherName(otherName) + u')';
    }
    if (place.division != kNoDivision) {
        line += QStringLiteral(", ") + atlas.division(place.division).name;
    }
    line += QStringLiteral(", ") + atlas.country(place.country).name;
    line += QStringLiteral(": ") + FormatLatitude(RoundToArcMinutes(place.latitude)) +
            QStringLiteral(", ") + FormatLongitude(RoundToArcMinutes(place.longitude));
    return line;
}

}  // namespace fortunix::atlas
