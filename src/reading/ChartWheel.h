#pragma once

#include <optional>
#include <vector>

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

// A label to place inside the wheel: the wheel angle of its marker (as WheelAngle gives it)
// and its size, in the units of the radius.
struct WheelLabel {
    double angle = 0;
    double width = 0;
    double height = 0;
};

// Where a label went: its box, relative to the centre in the units of the radius (y down),
// and, when it had to leave its first place, the end of its leader line on the box.
struct PlacedLabel {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
    std::optional<WheelPoint> leaderEnd;
};

// Places `labels`, each wholly inside the circle of radius `limit` and at least `gap` from the
// others: at its first free place, nearest first, from its own spoke as far out as it fits, to
// places further in and places turned away from the spoke on either side. A moved label's
// leader runs from its spoke at `spokeEnd` from the centre to the nearest point of its box; of
// the orders the labels can be placed in, the one whose leaders cross fewest labels and stay
// short wins, then the one that moves them least.
std::vector<PlacedLabel> PlaceWheelLabels(const std::vector<WheelLabel>& labels, double limit,
                                          double spokeEnd, double gap);

}  // namespace fortunix
