#include <optional>
#include <vector>

#include "atlas/Atlas.h"
#include "atlas/TableRows.h"

namespace fortunix::atlas {

namespace {

struct ZoneRun {
    std::size_t places;
    quint16 zone;
};

// "3\t120": three places in a row in zone 120; "-" for places without a zone. Nothing for a
// line that cannot be read.
std::optional<ZoneRun> ReadRun(const std::vector<QByteArrayView>& fields) {
    ZoneRun run{0, kNoZone};
    if (fields.size() != 2 || !ParseNumber(fields[0], run.places) || run.places == 0) {
        return std::nullopt;
    }
    if (fields[1] != "-" && !ParseNumber(fields[1], run.zone)) {
        return std::nullopt;
    }
    return run;
}

}  // namespace

void Atlas::attachZones(QByteArrayView placeZones) {
    std::vector<ZoneRun> runs;
    std::size_t covered = 0;
    bool damaged = false;
    ForEachRow(placeZones, [&](const std::vector<QByteArrayView>& fields) {
        const std::optional<ZoneRun> run = damaged ? std::nullopt : ReadRun(fields);
        if (!run) {
            damaged = true;
            return;
        }
        runs.push_back(*run);
        covered += run->places;
    });
    if (damaged || covered != places_.size()) {
        return;  // a damaged table, or one made for another places table, gives no zones
    }
    std::size_t place = 0;
    for (const ZoneRun& run : runs) {
        for (std::size_t i = 0; i < run.places; ++i) {
            places_[place++].zone = run.zone;
        }
    }
    publish();
}

}  // namespace fortunix::atlas
