#include "zones/BirthZone.h"

#include <algorithm>
#include <cmath>

namespace fortunix::zones {

namespace {

// No clock, local mean time included, lies further than this from UT.
constexpr qint64 kWidestOffset = 15 * 3600;

ClockOffset OffsetOf(const ZonePeriod& period, qint32 localMeanTime) {
    const bool meanTime = period.localMeanTime != 0;
    return {meanTime ? localMeanTime : period.offset, meanTime ? 0 : period.summer,
            period.abbreviation, meanTime};
}

}  // namespace

qint32 LocalMeanTimeOffset(double longitudeDegrees) {
    return static_cast<qint32>(std::lround(longitudeDegrees * 240.0));
}

BirthZone FindBirthZone(std::span<const ZonePeriod> periods, double longitudeDegrees,
                        const CivilMoment& local) {
    const qint32 meanTime = LocalMeanTimeOffset(longitudeDegrees);
    if (periods.empty()) {
        const ClockOffset own{meanTime, 0, 0, true};
        return {BirthZone::Kind::Single, {own, own}};
    }
    const qint64 localSeconds = SecondsSince1970(local);
    // The periods that may hold the moment: those meeting UT local ± the widest offset.
    const auto after = std::upper_bound(
        periods.begin() + 1, periods.end(), localSeconds - kWidestOffset,
        [](qint64 instant, const ZonePeriod& period) { return instant < period.start; });
    std::size_t index = static_cast<std::size_t>(after - periods.begin()) - 1;

    BirthZone zone{BirthZone::Kind::Skipped, {}};
    int matches = 0;
    for (; index < periods.size(); ++index) {
        const ZonePeriod& period = periods[index];
        if (index > 0 && period.start > localSeconds + kWidestOffset) {
            break;
        }
        const ClockOffset offset = OffsetOf(period, meanTime);
        const qint64 universal = localSeconds - offset.offset;
        const bool started = index == 0 || universal >= period.start;
        const bool ended = index + 1 < periods.size() && universal >= periods[index + 1].start;
        if (started && !ended && matches < 2) {
            zone.offsets[static_cast<std::size_t>(matches++)] = offset;
        } else if (!started && matches == 0 && zone.kind == BirthZone::Kind::Skipped) {
            // The clocks jumped over the moment at this period's start.
            zone.offsets = {OffsetOf(periods[index - 1], meanTime), offset};
            return zone;
        }
    }
    if (matches == 0) {  // cannot happen with ordered periods; the last offset then
        const ClockOffset last = OffsetOf(periods.back(), meanTime);
        return {BirthZone::Kind::Single, {last, last}};
    }
    zone.kind = matches == 2 ? BirthZone::Kind::Repeated : BirthZone::Kind::Single;
    if (matches == 1) {
        zone.offsets[1] = zone.offsets[0];
    }
    return zone;
}

BirthZone FindBirthZone(const ZoneHistory& history, const BirthplaceZone& place,
                        const CivilMoment& local) {
    return FindBirthZone(history.periods(place.zone), place.longitude, local);
}

}  // namespace fortunix::zones
