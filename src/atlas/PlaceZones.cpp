#include <charconv>
#include <optional>
#include <vector>

#include "atlas/Atlas.h"

namespace fortunix::atlas {

namespace {

struct ZoneRun {
    std::size_t places;
    quint16 zone;
};

// "3\t120": three places in a row in zone 120; "-" for places without a zone. Nothing for a
// line that cannot be read.
std::optional<ZoneRun> ReadRun(QByteArrayView line) {
    const qsizetype tab = line.indexOf('\t');
    if (tab <= 0) {
        return std::nullopt;
    }
    ZoneRun run{0, kNoZone};
    const QByteArrayView count = line.first(tab);
    const QByteArrayView zone = line.sliced(tab + 1);
    const auto [countEnd, countError] =
        std::from_chars(count.data(), count.data() + count.size(), run.places);
    if (countError != std::errc() || countEnd != count.data() + count.size() || run.places == 0) {
        return std::nullopt;
    }
    if (zone != "-") {
        const auto [zoneEnd, zoneError] =
            std::from_chars(zone.data(), zone.data() + zone.size(), run.zone);
        if (zoneError != std::errc() || zoneEnd != zone.data() + zone.size()) {
            return std::nullopt;
        }
    }
    return run;
}

}  // namespace

void Atlas::attachZones(QByteArrayView placeZones) {
    std::vector<ZoneRun> runs;
    std::size_t covered = 0;
    qsizetype lineStart = 0;
    while (lineStart < placeZones.size()) {
        qsizetype lineEnd = placeZones.indexOf('\n', lineStart);
        if (lineEnd < 0) {
            lineEnd = placeZones.size();
        }
        const QByteArrayView line = placeZones.sliced(lineStart, lineEnd - lineStart);
        lineStart = lineEnd + 1;
        if (line.isEmpty() || line.front() == '#') {
            continue;
        }
        const std::optional<ZoneRun> run = ReadRun(line);
        if (!run) {
            return;  // a damaged table gives no zones rather than wrong ones
        }
        runs.push_back(*run);
        covered += run->places;
    }
    if (covered != places_.size()) {
        return;  // made for another places table
    }
    std::size_t place = 0;
    for (const ZoneRun& run : runs) {
        for (std::size_t i = 0; i < run.places; ++i) {
            places_[place++].zone = run.zone;
        }
    }
}

}  // namespace fortunix::atlas
