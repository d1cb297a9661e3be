#pragma once

#include <QString>
#include <cstddef>
#include <vector>

#include "atlas/Atlas.h"
#include "atlas/PlaceRanking.h"

// The look-up of a birthplace: the candidates of the typed city (atlas/CityCandidates.h),
// ranked by the typed state and country (atlas/PlaceRanking.h), or the closest spellings when
// no name matches.

namespace fortunix::atlas {

// What the user typed into the city, state and country boxes.
struct PlaceQuery {
    QString city;
    QString state;
    QString country;
};

// The places whose name matches the typed city, most likely first.
std::vector<RankedPlace> SearchPlaces(const Atlas& atlas, const PlaceQuery& query,
                                      std::size_t limit);

// What the look-up shows for a query.
struct PlaceLookup {
    std::vector<RankedPlace> places;
    bool closeSpellings = false;  // no name matched: these are spelled a letter or two off
    bool unknownCountry = false;  // the typed country is none known: places of every country
    bool noneInCountry = false;   // the typed country is known, but these all lie elsewhere
};

inline constexpr std::size_t kCloseSpellingsListed = 10;

// The places matching the query; when there are none, the closest spellings (at most
// kCloseSpellingsListed), still in the typed country first.
PlaceLookup LookUpPlace(const Atlas& atlas, const PlaceQuery& query, std::size_t limit);

}  // namespace fortunix::atlas
