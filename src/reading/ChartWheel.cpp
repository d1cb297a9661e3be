#include "reading/ChartWheel.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <optional>
#include <tuple>

#include "ephemeris/Calendar.h"

namespace fortunix {

namespace {

// The steps of the places tried: turned away from the spoke by this angle, and moved inwards
// by this part of the label's height.
constexpr double kTurnStepDegrees = 2.0;
constexpr double kInwardStepOfHeight = 0.5;
// A leader longer than this (in the units of the radius) no longer leads the eye: a label
// rather sits over another's leader than so far away.
constexpr double kLongestLeader = 0.4;

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

PlacedLabel BoxAround(double angle, double distance, const WheelLabel& label) {
    const double radians = angle * kDegToRad;
    return {distance * std::cos(radians) - label.width / 2,
            -distance * std::sin(radians) - label.height / 2, label.width, label.height,
            std::nullopt};
}

// Whether the segment from `from` to `to` passes through `box` (Liang and Barsky's clipping).
bool Crosses(const WheelPoint& from, const WheelPoint& to, const PlacedLabel& box) {
    const double dx = to.x - from.x;
    const double dy = to.y - from.y;
    const double steps[4] = {-dx, dx, -dy, dy};
    const double room[4] = {from.x - box.left, box.left + box.width - from.x, from.y - box.top,
                            box.top + box.height - from.y};
    double enter = 0;
    double leave = 1;
    for (int side = 0; side < 4; ++side) {
        if (steps[side] == 0) {
            if (room[side] < 0) {
                return false;
            }
            continue;
        }
        const double t = room[side] / steps[side];
        if (steps[side] < 0) {
            enter = std::max(enter, t);
        } else {
            leave = std::min(leave, t);
        }
        if (enter > leave) {
            return false;
        }
    }
    return true;
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
                                          double spokeEnd, double gap) {
    // Each label's places, nearest to its first place first, and where its leader starts.
    std::vector<std::vector<Candidate>> places;
    std::vector<WheelPoint> starts;
    for (const WheelLabel& label : labels) {
        const double radians = label.angle * kDegToRad;
        const WheelPoint start{spokeEnd * std::cos(radians), -spokeEnd * std::sin(radians)};
        const double first = FarthestFit(label.angle, label.width, label.height, limit).value_or(0);
        const PlacedLabel firstBox = BoxAround(label.angle, first, label);
        std::vector<Candidate> candidates{{firstBox, 0}};
        for (double turn = 0; turn <= 180; turn += kTurnStepDegrees) {
            for (const double angle : {label.angle + turn, label.angle - turn}) {
                const std::optional<double> farthest =
                    FarthestFit(angle, label.width, label.height, limit);
                for (double distance = farthest.value_or(-1); distance >= 0;
                     distance -= kInwardStepOfHeight * label.height) {
                    PlacedLabel box = BoxAround(angle, distance, label);
                    const double moved =
                        std::hypot(box.left - firstBox.left, box.top - firstBox.top);
                    if (moved > 0) {
                        box.leaderEnd = {std::clamp(start.x, box.left, box.left + box.width),
                                         std::clamp(start.y, box.top, box.top + box.height)};
                        candidates.push_back({box, moved});
                    }
                }
            }
        }
        std::stable_sort(
            candidates.begin(), candidates.end(),
            [](const Candidate& a, const Candidate& b) { return a.distance < b.distance; });
        places.push_back(std::move(candidates));
        starts.push_back(start);
    }

    // Placed in one order, each label at its first free place: free of the labels placed
    // before, and where possible of their leaders too, with a leader of its own that crosses
    // none and stays short. Counts the labels that could not have the latter.
    struct Arrangement {
        std::vector<PlacedLabel> placed;
        int awkward = 0;
        double moved = 0;
    };
    const auto arrange = [&](const std::vector<std::size_t>& order) {
        Arrangement result{std::vector<PlacedLabel>(labels.size()), 0, 0};
        std::vector<std::size_t> done;
        for (const std::size_t index : order) {
            const WheelPoint& start = starts[index];
            const auto isFree = [&](const Candidate& candidate, bool leadersToo) {
                const PlacedLabel& box = candidate.box;
                return std::all_of(done.begin(), done.end(), [&](std::size_t other) {
                    const PlacedLabel& there = result.placed[other];
                    if (!Apart(box, there, gap)) {
                        return false;
                    }
                    return !leadersToo ||
                           !((box.leaderEnd &&
                              (std::hypot(box.leaderEnd->x - start.x, box.leaderEnd->y - start.y) >
                                   kLongestLeader ||
                               Crosses(start, *box.leaderEnd, there))) ||
                             (there.leaderEnd && Crosses(starts[other], *there.leaderEnd, box)));
                });
            };
            const std::vector<Candidate>& candidates = places[index];
            auto free = std::find_if(candidates.begin(), candidates.end(),
                                     [&](const Candidate& c) { return isFree(c, true); });
            if (free == candidates.end()) {
                ++result.awkward;
                free = std::find_if(candidates.begin(), candidates.end(),
                                    [&](const Candidate& c) { return isFree(c, false); });
            }
            const Candidate& chosen = free != candidates.end() ? *free : candidates.front();
            result.placed[index] = chosen.box;
            result.moved += chosen.distance;
            done.push_back(index);
        }
        return result;
    };

    // Of every order, the one with the fewest awkward leaders, then the least moving; the
    // given order wins a tie.
    std::vector<std::size_t> order(labels.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    Arrangement best = arrange(order);
    while (std::next_permutation(order.begin(), order.end())) {
        Arrangement tried = arrange(order);
        if (std::tie(tried.awkward, tried.moved) < std::tie(best.awkward, best.moved)) {
            best = std::move(tried);
        }
    }
    return best.placed;
}

}  // namespace fortunix
