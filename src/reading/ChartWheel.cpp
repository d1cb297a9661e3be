#include "reading/ChartWheel.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "ephemeris/Calendar.h"

namespace fortunix {

namespace {

// The steps of the places tried: turned away from the spoke by this angle, and moved inwards
// by this part of the label's height.
constexpr double kTurnStepDegrees = 2.0;
constexpr double kInwardStepOfHeight = 0.5;

// The distance from the centre, along the direction at `angle`, at which the farthest corner of
// a box of `width` by `height` centred there touches the circle of radius `limit`; nothing when
// the box does not fit even at the centre.
std::optional<double> FarthestFit(double angle, double width, double height, double limit) {
    const double radians = angle * kDegToRad;
    // |corner|^2 = (d |cos| + w/2)^2 + (d |sin| + h/2)^2 = limit^2, solved for d.
    const double b = width * std::abs(std::cos(radians)) + height * std::abs(std::sin(radians));
    const double c = (width * width + height * height) / 4 - limit * limit;
    if (c > 0) {
        return std::nullopt;
    }
    return (-b + std::sqrt(b * b - 4 * c)) / 2;
}

struct Candidate {
    PlacedLabel box;
    double distance;  // from the label's first place
};

PlacedLabel BoxAround(double angle, double distance, const WheelLabel& label, bool onSpoke) {
    const double radians = angle * kDegToRad;
    return {distance * std::cos(radians) - label.width / 2,
            -distance * std::sin(radians) - label.height / 2, label.width, label.height, onSpoke};
}

bool Apart(const PlacedLabel& a, const PlacedLabel& b, double gap) {
    return a.left + a.width + gap <= b.left || b.left + b.width + gap <= a.left ||
           a.top + a.height + gap <= b.top || b.top + b.height + gap <= a.top;
}

}  // namespace

double WheelAngle(double longitude, double ascendant) {
    const double angle = std::fmod(180.0 + longitude - ascendant, 360.0);
    return angle < 0 ? angle + 360.0 : angle;
}

WheelPoint WheelPosition(double longitude, double ascendant, double radius) {
    const double radians = WheelAngle(longitude, ascendant) * kDegToRad;
    // Counter-clockwise on a page whose y axis points down: up is -y.
    return {radius * std::cos(radians), -radius * std::sin(radians)};
}

std::vector<PlacedLabel> PlaceWheelLabels(const std::vector<WheelLabel>& labels, double limit,
                                          double gap) {
    std::vector<PlacedLabel> placed;
    for (const WheelLabel& label : labels) {
        const double first = FarthestFit(label.angle, label.width, label.height, limit).value_or(0);
        const PlacedLabel firstBox = BoxAround(label.angle, first, label, true);
        std::vector<Candidate> candidates;
        for (double turn = 0; turn <= 180; turn += kTurnStepDegrees) {
            for (const double side : {1.0, -1.0}) {
                if (turn == 0 && side < 0) {
                    continue;
                }
                const double angle = label.angle + side * turn;
                const std::optional<double> farthest =
                    FarthestFit(angle, label.width, label.height, limit);
                for (double distance = farthest.value_or(-1); distance >= 0;
                     distance -= kInwardStepOfHeight * label.height) {
                    const PlacedLabel box = BoxAround(angle, distance, label, turn == 0);
                    candidates.push_back(
                        {box, std::hypot(box.left - firstBox.left, box.top - firstBox.top)});
                }
            }
        }
        std::stable_sort(
            candidates.begin(), candidates.end(),
            [](const Candidate& a, const Candidate& b) { return a.distance < b.distance; });
        const auto free =
            std::find_if(candidates.begin(), candidates.end(), [&](const Candidate& c) {
                return std::all_of(placed.begin(), placed.end(), [&](const PlacedLabel& other) {
                    return Apart(c.box, other, gap);
                });
            });
        placed.push_back(free != candidates.end() ? free->box : firstBox);
    }
    return placed;
}

}  // namespace fortunix
