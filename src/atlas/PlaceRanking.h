#pragma once

#include <QStringView>
#include <cstddef>
#include <vector>

#include "atlas/Atlas.h"
#include "atlas/CityCandidates.h"
#include "atlas/NameMatch.h"

namespace fortunix::atlas {

struct RankedPlace {
    qsizetype place;
    bool inCountry;
    bool inState;
    NameMatch name;
    qsizetype otherName = kMainName;
    int letterEdits = 0;
};

// The order of the results: in the typed country first, then in the typed state, then the
// closer name (the whole name before a part of a longer one; fewer letters off), then the
// larger population, and among equals the place first in the atlas. A state that names
// nothing only leaves every place unranked on that count, it never hides a place. An unknown
// country leaves the state unheeded too, since a state of one country could otherwise push a
// place of another first.
bool RanksAbove(const Atlas& atlas, const RankedPlace& a, const RankedPlace& b);

// The best `limit` candidates, most likely first.
std::vector<RankedPlace> RankCandidates(const Atlas& atlas,
                                        const std::vector<CityCandidate>& candidates,
                                        QStringView state, QStringView country, std::size_t limit);

}  // namespace fortunix::atlas
