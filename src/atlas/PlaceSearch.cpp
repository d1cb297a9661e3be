#include "atlas/PlaceSearch.h"

#include <algorithm>

#include "atlas/SearchKey.h"

namespace fortunix::atlas {

namespace {

bool IsWordEnd(QStringView key, qsizetype position) {
    return position == key.size() || key[position] == u' ';
}

bool ContainsInnerWord(QStringView placeKey, QStringView cityKey) {
    for (qsizetype at = placeKey.indexOf(cityKey, 1); at > 0;
         at = placeKey.indexOf(cityKey, at + 1)) {
        if (placeKey[at - 1] == u' ' && IsWordEnd(placeKey, at + cityKey.size())) {
            return true;
        }
    }
    return false;
}

}  // namespace

NameMatch MatchPlaceName(QStringView placeKey, QStringView cityKey) {
    if (cityKey.isEmpty()) {
        return NameMatch::None;
    }
    if (placeKey.startsWith(cityKey)) {
        const QStringView rest = placeKey.sliced(cityKey.size());
        if (rest.isEmpty() || rest == u" city") {
            return NameMatch::Exact;
        }
        if (rest.front() == u' ') {
            return NameMatch::Prefix;
        }
    }
    return ContainsInnerWord(placeKey, cityKey) ? NameMatch::InnerWord : NameMatch::None;
}

std::vector<CityCandidate> FindCityCandidates(const Atlas& atlas, QStringView city) {
    const QString cityKey = PlaceNameKey(city);
    std::vector<CityCandidate> candidates;
    if (cityKey.isEmpty()) {
        return candidates;
    }
    for (qsizetype place = 0; place < atlas.placeCount(); ++place) {
        const NameMatch name = MatchPlaceName(atlas.placeKey(place), cityKey);
        if (name != NameMatch::None) {
            candidates.push_back({place, name});
        }
    }
    return candidates;
}

std::vector<CityCandidate> NarrowCityCandidates(const Atlas& atlas,
                                                const std::vector<CityCandidate>& candidates,
                                                QStringView longerCity) {
    const QString cityKey = PlaceNameKey(longerCity);
    std::vector<CityCandidate> narrowed;
    for (const CityCandidate& candidate : candidates) {
        const NameMatch name = MatchPlaceName(atlas.placeKey(candidate.place), cityKey);
        if (name != NameMatch::None) {
            narrowed.push_back({candidate.place, name});
        }
    }
    return narrowed;
}

std::vector<bool> CountriesNamed(const Atlas& atlas, QStringView country) {
    std::vector<bool> named(static_cast<std::size_t>(atlas.countryCount()), false);
    const QString typed = CompactKey(SearchKey(country));
    if (typed.isEmpty()) {
        return named;
    }
    for (qsizetype index = 0; index < atlas.countryCount(); ++index) {
        named[static_cast<std::size_t>(index)] = atlas.country(index).names.contains(typed);
    }
    return named;
}

std::vector<bool> DivisionsNamed(const Atlas& atlas, QStringView state) {
    std::vector<bool> named(static_cast<std::size_t>(atlas.divisionCount()), false);
    const QString key = SearchKey(state);
    const QString compact = CompactKey(key);
    if (compact.isEmpty()) {
        return named;
    }
    const QString namePrefix = key + u' ';
    for (qsizetype index = 0; index < atlas.divisionCount(); ++index) {
        const Division& division = atlas.division(index);
        named[static_cast<std::size_t>(index)] =
            division.nameKey == key || division.nameKey.startsWith(namePrefix) ||
            division.compactName == compact || division.codeKey == compact ||
            (compact.size() >= 2 && division.initials == compact);
    }
    return named;
}

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
    const std::vector<bool> divisions = DivisionsNamed(atlas, state);
    std::vector<RankedPlace> ranked;
    ranked.reserve(candidates.size());
    for (const CityCandidate& candidate : candidates) {
        const Place& place = atlas.place(candidate.place);
        const bool inState = place.division != kNoDivision && divisions[place.division];
        ranked.push_back({candidate.place, countries[place.country], inState, candidate.name});
    }
    const auto kept = ranked.begin() + static_cast<std::ptrdiff_t>(std::min(limit, ranked.size()));
    std::partial_sort(
        ranked.begin(), kept, ranked.end(),
        [&](const RankedPlace& a, const RankedPlace& b) { return RanksAbove(atlas, a, b); });
    ranked.erase(kept, ranked.end());
    return ranked;
}

std::vector<RankedPlace> SearchPlaces(const Atlas& atlas, const PlaceQuery& query,
                                      std::size_t limit) {
    return RankCandidates(atlas, FindCityCandidates(atlas, query.city), query.state, query.country,
                          limit);
}

}  // namespace fortunix::atlas
