#include "atlas/PlaceSearch.h"

#include <algorithm>

#include "atlas/CityCandidates.h"
#include "atlas/RegionsNamed.h"

namespace fortunix::atlas {

std::vector<RankedPlace> SearchPlaces(const Atlas& atlas, const PlaceQuery& query,
                                      std::size_t limit) {
    return RankCandidates(atlas, FindCityCandidates(atlas, query.city), query.state, query.country,
                          limit);
}

PlaceLookup LookUpPlace(const Atlas& atlas, const PlaceQuery& query, std::size_t limit) {
    PlaceLookup lookup;
    lookup.unknownCountry = IsUnknownCountry(atlas, query.country);
    lookup.places = SearchPlaces(atlas, query, limit);
    if (lookup.places.empty()) {
        lookup.places = RankCandidates(atlas, FindCloseSpellings(atlas, query.city), query.state,
                                       query.country, std::min(limit, kCloseSpellingsListed));
        lookup.closeSpellings = !lookup.places.empty();
    }
    const std::vector<bool> countries = CountriesNamed(atlas, query.country);
    const bool countryKnown =
        std::find(countries.begin(), countries.end(), true) != countries.end();
    lookup.noneInCountry = countryKnown && !lookup.places.empty() &&
                           std::none_of(lookup.places.begin(), lookup.places.end(),
                                        [](const RankedPlace& place) { return place.inCountry; });
    return lookup;
}

}  // namespace fortunix::atlas
