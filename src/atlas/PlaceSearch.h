#pragma once

#include <QByteArrayView>
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
// The same for the ASCII key of another name.
NameMatch MatchPlaceName(QByteArrayView placeKey, QStringView cityKey);

// The letters to insert, delete, change or swap with a neighbour to turn the typed key into
// the other ("londn" -> "london": 1), or `limit` + 1 when more than `limit` are needed or the
// typed key is longer than 64 letters.
int LetterEdits(QStringView typedKey, QStringView key, int limit);

struct CityCandidate {
    qsizetype place;
    NameMatch name;
    qsizetype otherName = kMainName;  // the other name that matched, if not the main name
    int letterEdits = 0;              // for a close spelling: how far from the typed city
};

// Every place with a name (main or other) that matches the typed city at all, each once,
// by its best name: the main name before another name that matches as well, and among
// other names the one spelled as typed ("Munchen" rather than "München" for "munchen").
std::vector<CityCandidate> FindCityCandidates(const Atlas& atlas, QStringView city);

// The candidates of a city that the typed city continues with more words ("rio" ->
// "rio de janeiro"): a name that matches the longer city matches its first words too, so the
// few candidates of the shorter one are searched instead of the whole atlas.
std::vector<CityCandidate> NarrowCityCandidates(const Atlas& atlas,
                                                const std::vector<CityCandidate>& candidates,
                                                QStringView longerCity);

// Places whose whole name is one or two letters away from the typed city: one letter for a
// city of up to four letters, where two would reach almost any short name.
std::vector<CityCandidate> FindCloseSpellings(const Atlas& atlas, QStringView city);

// Which countries (by index) the typed text names: names in English and other languages,
// everyday short forms and the two-letter codes. "Congo" names two; a misspelling none.
std::vector<bool> CountriesNamed(const Atlas& atlas, QStringView country);

// Whether a country was typed that names no country at all.
bool IsUnknownCountry(const Atlas& atlas, QStringView country);

// Which divisions (by index) the typed text names: by name, the start of the name, code or
// initials ("NSW" for New South Wales).
std::vector<bool> DivisionsNamed(const Atlas& atlas, QStringView state);

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
// larger population. A state that names nothing only leaves every place unranked on that
// count, it never hides a place. An unknown country leaves the state unheeded too, since
// a state of one country could otherwise push a place of another first.
bool RanksAbove(const Atlas& atlas, const RankedPlace& a, const RankedPlace& b);

// The best `limit` candidates, most likely first.
std::vector<RankedPlace> RankCandidates(const Atlas& atlas,
                                        const std::vector<CityCandidate>& candidates,
                                        QStringView state, QStringView country, std::size_t limit);

// The places whose name matches the typed city, most likely first.
std::vector<RankedPlace> SearchPlaces(const Atlas& atlas, const PlaceQuery& query,
                                      std::size_t limit);

// What the look-up shows for a query.
struct PlaceLookup {
    std::vector<RankedPlace> places;
    bool closeSpellings = false;  // no name matched: these are spelled a letter or two off
    bool unknownCountry = false;  // the typed country is none known: places of every country
};

inline constexpr std::size_t kCloseSpellingsListed = 10;

// The places matching the query; when there are none, the closest spellings (at most
// kCloseSpellingsListed), still in the typed country first.
PlaceLookup LookUpPlace(const Atlas& atlas, const PlaceQuery& query, std::size_t limit);

}  // namespace fortunix::atlas
