#pragma once

#include <QString>
#include <QStringView>
#include <cstddef>
#include <vector>

#include "atlas/Atlas.h"

namespace fortunix::atlas {

// What the user typed into the city, state and country boxes.
struct PlaceQuery {
    QString city;
    QString state;
    QString country;
};

// How well an atlas name matches the typed city, weakest first.
enum class NameMatch {
    None,
    InnerWord,  // "petersburg" in "Saint Petersburg"
    Prefix,     // "frankfurt" for "Frankfurt am Main"
    Exact,      // "paris" for "Paris", and "new york" for "New York City"
};

NameMatch MatchPlaceName(QStringView placeKey, QStringView cityKey);

struct CityCandidate {
    qsizetype place;
    NameMatch name;
};

// Every place whose name matches the typed city at all.
std::vector<CityCandidate> FindCityCandidates(const Atlas& atlas, QStringView city);

// The candidates of a city that the typed city continues with more words ("rio" ->
// "rio de janeiro"): a name that matches the longer city matches its first words too, so the
// few candidates of the shorter one are searched instead of the whole atlas.
std::vector<CityCandidate> NarrowCityCandidates(const Atlas& atlas,
                                                const std::vector<CityCandidate>& candidates,
                                                QStringView longerCity);

// Which countries (by index) the typed text names: English names, their everyday short
// forms and the two-letter codes. "Congo" names two; a misspelling names none.
std::vector<bool> CountriesNamed(const Atlas& atlas, QStringView country);

// Which divisions (by index) the typed text names: by name, the start of the name, code or
// initials ("NSW" for New South Wales).
std::vector<bool> DivisionsNamed(const Atlas& atlas, QStringView state);

struct RankedPlace {
    qsizetype place;
    bool inCountry;
    bool inState;
    NameMatch name;
};

// The order of the results: in the typed country first, then in the typed state, then the
// closer name, then the larger population. A state or country that names nothing only
// leaves every place unranked on that count, it never hides a place.
bool RanksAbove(const Atlas& atlas, const RankedPlace& a, const RankedPlace& b);

// The best `limit` candidates, most likely first.
std::vector<RankedPlace> RankCandidates(const Atlas& atlas,
                                        const std::vector<CityCandidate>& candidates,
                                        QStringView state, QStringView country, std::size_t limit);

std::vector<RankedPlace> SearchPlaces(const Atlas& atlas, const PlaceQuery& query,
                                      std::size_t limit);

}  // namespace fortunix::atlas
