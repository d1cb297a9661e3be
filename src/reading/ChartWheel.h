#pragma once

namespace fortunix {

// The geometry of a chart wheel drawn as charts are: the ascendant on the left end of the
// horizon, the zodiac running counter-clockwise from it, so that the Midheaven of a noon birth
// stands near the top.

// Angle of ecliptic `longitude` on a wheel whose ascendant is `ascendant` (both degrees),
// counter-clockwise from the right end of the horizon (three o'clock): 0 <= angle < 360. The
// ascendant itself lies at 180.
double WheelAngle(double longitude, double ascendant);

// A point of the wheel relative to its centre, in the units of the radius, with y growing
// downwards as on a page or a screen.
struct WheelPoint {
    double x = 0;
    double y = 0;
};

// Where `longitude` lies at `radius` from the centre.
WheelPoint WheelPosition(double longitude, double ascendant, double radius);

}  // namespace fortunix
