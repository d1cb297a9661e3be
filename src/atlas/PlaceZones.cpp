#include <charconv>
#include <vector>

#include "atlas/Atlas.h"

namespace fortunix::atlas {

void Atlas::attachZones(QByteArrayView placeZones) {
    std::vector<quint16> zones;
    zones.reserve(places_.size());
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
        quint16 zone = kNoZone;
        const auto [end, error] = std::from_chars(line.data(), line.data() + line.size(), zone);
        zones.push_back(error == std::errc() && end == line.data() + line.size() ? zone : kNoZone);
    }
    if (zones.size() != places_.size()) {
        return;  // made for another places table
    }
    for (std::size_t i = 0; i < zones.size(); ++i) {
        places_[i].zone = zones[i];
    }
}

}  // namespace fortunix::atlas
