#include "atlas/CityCandidates.h"

#include <QString>
#include <algorithm>

#include "atlas/KeyLetters.h"
#include "atlas/LetterEdits.h"
#include "atlas/PlaceNameKey.h"
#include "atlas/TableRows.h"

namespace fortunix::atlas {

namespace {

// The other name shown beside the main name, or none when it would tell nothing more: an
// other name of the same text as the main name only spells its ae/oe/ue form ("Köln", key
// "koeln"), and one that holds the main name's words with words added only repeats it with
// where the place lies ("Potsdam New York", "Buffalo i New York"), which the line shows anyway.
// `otherKey` is the other name's key, which is compared first: the texts are read only when it
// does not tell.
qsizetype ShownOtherName(const Atlas& atlas, qsizetype place, qsizetype otherName,
                         QByteArrayView otherKey) {
    if (otherName == kMainName ||
        MatchPlaceName(otherKey, atlas.placeKey(place)) != NameMatch::None ||
        atlas.otherName(otherName) == atlas.placeName(place)) {
        return kMainName;
    }
    return otherName;
}

bool IsSpelledAsTyped(const Atlas& atlas, qsizetype otherName, const QString& typed) {
    return atlas.otherName(otherName).compare(typed, Qt::CaseInsensitive) == 0;
}

// The best name of `place` for the typed city, kMainName on a tie with the main name, and the
// key of the other name chosen.
std::pair<CityCandidate, QByteArrayView> BestNameOf(const Atlas& atlas, qsizetype place,
                                                    QByteArrayView cityKey, const QString& typed) {
    CityCandidate best{place, MatchPlaceName(atlas.placeKey(place), cityKey)};
    QByteArrayView bestKey;
    bool bestSpelledAsTyped = false;
    const auto [first, last] = atlas.otherNamesOf(place);
    ListItems keys(atlas.otherNameKeyLine(place));
    QByteArrayView key;
    for (qsizetype other = first; other < last && keys.Next(key); ++other) {
        const NameMatch name = MatchPlaceName(key, cityKey);
        if (name > best.name) {
            best = {place, name, other};
            bestKey = key;
            bestSpelledAsTyped = name == NameMatch::Exact && IsSpelledAsTyped(atlas, other, typed);
        } else if (name == best.name && name == NameMatch::Exact && best.otherName != kMainName &&
                   !bestSpelledAsTyped && IsSpelledAsTyped(atlas, other, typed)) {
            best.otherName = other;
            bestKey = key;
            bestSpelledAsTyped = true;
        }
    }
    return {best, bestKey};
}

std::vector<CityCandidate> BestNamesOf(const Atlas& atlas, std::vector<qsizetype> places,
                                       QStringView city) {
    std::sort(places.begin(), places.end());
    places.erase(std::unique(places.begin(), places.end()), places.end());
    const QByteArray cityKey = PlaceNameKey(city);
    const QString typed = city.toString().simplified();
    std::vector<CityCandidate> candidates;
    candidates.reserve(places.size());
    for (const qsizetype place : places) {
        const auto [best, otherKey] = BestNameOf(atlas, place, cityKey, typed);
        if (best.name != NameMatch::None) {
            candidates.push_back(best);
            candidates.back().otherName = ShownOtherName(atlas, place, best.otherName, otherKey);
        }
    }
    return candidates;
}

}  // namespace

std::vector<CityCandidate> FindCityCandidates(const Atlas& atlas, QStringView city) {
    const QByteArray cityKey = PlaceNameKey(city);
    if (cityKey.isEmpty()) {
        return {};
    }
    // Names holding the city's letters are few; BestNamesOf keeps those that hold its words.
    std::vector<qsizetype> places = atlas.placesWithKeyHolding(cityKey);
    for (const qsizetype other : atlas.otherNamesWithKeyHolding(cityKey)) {
        places.push_back(atlas.otherNamePlace(other));
    }
    return BestNamesOf(atlas, std::move(places), city);
}

std::vector<CityCandidate> NarrowCityCandidates(const Atlas& atlas,
                                                const std::vector<CityCandidate>& candidates,
                                                QStringView longerCity) {
    std::vector<qsizetype> places;
    places.reserve(candidates.size());
    for (const CityCandidate& candidate : candidates) {
        places.push_back(candidate.place);
    }
    return BestNamesOf(atlas, std::move(places), longerCity);
}

std::vector<CityCandidate> FindCloseSpellings(const Atlas& atlas, QStringView city) {
    const QByteArray cityKey = PlaceNameKey(city);
    constexpr qsizetype kShortName = 4;
    const int limit = LetterCount(cityKey) <= kShortName ? 1 : 2;
    std::vector<CityCandidate> found;
    if (cityKey.isEmpty()) {
        return found;
    }
    const LetterEditCounter close(cityKey, limit);
    for (qsizetype place = 0; place < atlas.placeCount(); ++place) {
        const quint32 letters = atlas.placeKeyLetters(place);
        if (close.LacksTooManyLetters(letters)) {
            continue;  // most keys: known without reading them
        }
        const int edits = close.Edits(atlas.placeKey(place), letters);
        if (edits <= limit) {
            found.push_back({place, NameMatch::None, kMainName, edits});
        }
    }
    // A slip in Latin letters is no name in another script: for a city typed in ASCII, the
    // other names with letters beyond it (Москва, Өrket) are not offered. Main names are.
    const bool typedAscii = IsAscii(cityKey);
    for (qsizetype other = 0; other < atlas.otherNameCount(); ++other) {
        const quint32 letters = atlas.otherNameKeyLetters(other);
        if (close.LacksTooManyLetters(letters) || (typedAscii && (letters & kBeyondAscii) != 0)) {
            continue;
        }
        const int edits = close.Edits(atlas.otherNameKey(other), letters);
        if (edits <= limit) {
            found.push_back({atlas.otherNamePlace(other), NameMatch::None, other, edits});
        }
    }
    // Each place once, by its closest name; the main name first among equals.
    std::stable_sort(
        found.begin(), found.end(), [](const CityCandidate& a, const CityCandidate& b) {
            return a.place != b.place ? a.place < b.place : a.letterEdits < b.letterEdits;
        });
    found.erase(std::unique(found.begin(), found.end(),
                            [](const CityCandidate& a, const CityCandidate& b) {
                                return a.place == b.place;
                            }),
                found.end());
    for (CityCandidate& candidate : found) {
        const qsizetype other = candidate.otherName;
        candidate.otherName = ShownOtherName(atlas, candidate.place, other,
                                             other != kMainName ? atlas.otherNameKey(other) : "");
    }
    return found;
}

}  // namespace fortunix::atlas
