#include "atlas/PlaceRanking.h"

#include <algorithm>

#include "atlas/RegionsNamed.h"

namespace fortunix::atlas {

bool RanksAbove(const Atlas& atlas, const RankedPlace& a, const RankedPlace& b) {
    if (a.inCountry != b.inCountry) {
        return a.inCountry;
    }
    if (a.inState != b.inState) {
        return a.inState;
    }
    if (a.name != b.name) {
        return a.name > b.name;
    }
    if (a.letterEdits != b.letterEdits) {
        return a.letterEdits < b.letterEdits;
    }
    const quint32 populationA = atlas.place(a.place).population;
    const quint32 populationB = atlas.place(b.place).population;
    if (populationA != populationB) {
        return populationA > populationB;
    }
    return a.place < b.place;
}

std::vector<RankedPlace> RankCandidates(const Atlas& atlas,
                                        const std::vector<CityCandidate>& candidates,
                                        QStringView state, QStringView country, std::size_t limit) {
    const std::vector<bool> countries = CountriesNamed(atlas, country);
    const std::vector<bool> divisions =
        DivisionsNamed(atlas, IsUnknownCountry(atlas, country) ? QStringView() : state);
    std::vector<RankedPlace> ranked;
    ranked.reserve(candidates.size());
    for (const CityCandidate& candidate : candidates) {
        const Place& place = atlas.place(candidate.place);
        const bool inState = place.division != kNoDivision && divisions[place.division];
        ranked.push_back({candidate.place, countries[place.country], inState, candidate.name,
                          candidate.otherName, candidate.letterEdits});
    }
    const auto kept = ranked.begin() + static_cast<std::ptrdiff_t>(std::min(limit, ranked.size()));
    std::partial_sort(
        ranked.begin(), kept, ranked.end(),
        [&](const RankedPlace& a, const RankedPlace& b) { return RanksAbove(atlas, a, b); });
    ranked.erase(kept, ranked.end());
    return ranked;
}

}  // namespace fortunix::atlas
