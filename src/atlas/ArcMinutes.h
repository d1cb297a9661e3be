#pragma once

#include <QString>

namespace fortunix::atlas {

// An angle as the birth-data form takes it: whole degrees, whole minutes and a hemisphere.
struct ArcMinutes {
    int degrees;
    int minutes;
    bool positive;  // north or east; an angle that rounds to zero counts as positive
};

// Rounds to the nearest minute of arc; 60 minutes carry into the degree (0.99999° -> 1°00′).
ArcMinutes RoundToArcMinutes(double signedDegrees);

QString FormatDegreesMinutes(const ArcMinutes& angle);  // "48°51′", the hemisphere left out
QString FormatLatitude(const ArcMinutes& latitude);     // "48°51′ N"
QString FormatLongitude(const ArcMinutes& longitude);   // "2°21′ E"

}  // namespace fortunix::atlas
