#include "atlas/PlaceSearch.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <string_view>
#include <type_traits>

#include "atlas/SearchKey.h"

namespace fortunix::atlas {

namespace {

// Main keys are UTF-16, the keys of other names ASCII; both are compared with the typed key
// letter by letter.
template <typename Char>
char16_t Letter(Char c) {
    return static_cast<char16_t>(static_cast<std::make_unsigned_t<Char>>(c));
}

std::u16string_view View(QStringView text) {
    return {text.utf16(), static_cast<std::size_t>(text.size())};
}

std::string_view View(QByteArrayView text) {
    return {text.data(), static_cast<std::size_t>(text.size())};
}

template <typename Char>
bool SameLettersAt(std::basic_string_view<Char> key, std::size_t at, std::u16string_view city) {
    for (std::size_t i = 0; i < city.size(); ++i) {
        if (Letter(key[at + i]) != city[i]) {
            return false;
        }
    }
    return true;
}

template <typename Char>
NameMatch MatchKey(std::basic_string_view<Char> key, std::u16string_view city) {
    if (city.empty() || key.size() < city.size()) {
        return NameMatch::None;
    }
    const auto wordEndsAt = [key](std::size_t end) { return end == key.size() || key[end] == ' '; };
    if (SameLettersAt(key, 0, city)) {
        const std::basic_string_view<Char> rest = key.substr(city.size());
        constexpr std::string_view kCity = " city";
        if (rest.empty() || std::equal(rest.begin(), rest.end(), kCity.begin(), kCity.end(),
                                       [](Char a, char b) { return Letter(a) == Letter(b); })) {
            return NameMatch::Exact;
        }
        if (rest.front() == ' ') {
            return NameMatch::Prefix;
        }
    }
    for (std::size_t at = 1; at + city.size() <= key.size(); ++at) {
        if (key[at - 1] == ' ' && Letter(key[at]) == city.front() && wordEndsAt(at + city.size()) &&
            SameLettersAt(key, at, city)) {
            return NameMatch::InnerWord;
        }
    }
    return NameMatch::None;
}

// Compares keys with one typed key of at most 64 letters by the optimal string alignment
// distance (insertions, deletions, changes and swaps of neighbours), computed a column of
// up to 64 cells at a time in the bits of machine words (Hyyrö's bit-vector algorithm).
// Every letter of the typed key that a key lacks costs at least one edit, so most keys are
// passed over on their letters alone.
class CloseSpelling {
  public:
    static constexpr qsizetype kLongest = 64;

    CloseSpelling(std::u16string_view typed, int limit)
        : length_(static_cast<int>(typed.size())), limit_(limit), letters_(LettersOf(typed)) {
        for (std::size_t i = 0; i < typed.size() && i < kLongest; ++i) {
            const char16_t c = typed[i];
            if (c < kAscii) {
                ascii_[c] |= quint64(1) << i;
            } else {
                others_.push_back({c, quint64(1) << i});
            }
        }
    }

    // The distance from the typed key to `key`, or the limit + 1 when it is more.
    template <typename Char>
    int Edits(std::basic_string_view<Char> key) const {
        const auto lengths =
            static_cast<std::ptrdiff_t>(length_) - static_cast<std::ptrdiff_t>(key.size());
        if (length_ == 0 || length_ > kLongest || std::abs(lengths) > limit_ ||
            MoreBitsThan(letters_ & ~LettersOf(key), limit_)) {
            return limit_ + 1;
        }
        const quint64 lastRow = quint64(1) << (length_ - 1);
        quint64 plus = ~quint64(0);  // where the column steps up by one, and down by one
        quint64 minus = 0;
        quint64 diagonalZero = 0;
        quint64 previousMatches = 0;
        int distance = length_;
        for (const Char c : key) {
            const quint64 matches = MatchesOf(Letter(c));
            const quint64 swapped = ((~diagonalZero & matches) << 1) & previousMatches;
            diagonalZero = (((matches & plus) + plus) ^ plus) | matches | minus | swapped;
            quint64 rowPlus = minus | ~(diagonalZero | plus);
            quint64 rowMinus = diagonalZero & plus;
            if ((rowPlus & lastRow) != 0) {
                ++distance;
            } else if ((rowMinus & lastRow) != 0) {
                --distance;
            }
            rowPlus = (rowPlus << 1) | 1;
            rowMinus <<= 1;
            plus = rowMinus | ~(diagonalZero | rowPlus);
            minus = rowPlus & diagonalZero;
            previousMatches = matches;
        }
        return std::min(distance, limit_ + 1);
    }

  private:
    static constexpr char16_t kAscii = 128;

    // Whether `bits` has more than `count` bits set, for a small count.
    static bool MoreBitsThan(quint64 bits, int count) {
        for (int i = 0; i < count; ++i) {
            bits &= bits - 1;  // clears the lowest bit set
        }
        return bits != 0;
    }

    quint64 MatchesOf(char16_t c) const {
        if (c < kAscii) {
            return ascii_[c];
        }
        for (const auto& [letter, positions] : others_) {
            if (letter == c) {
                return positions;
            }
        }
        return 0;
    }

    // One bit for each of a to z and 0 to 9 in the key; other letters share the last bit.
    template <typename Char>
    static quint64 LettersOf(std::basic_string_view<Char> key) {
        quint64 letters = 0;
        for (const Char c : key) {
            const char16_t letter = Letter(c);
            if (letter >= u'a' && letter <= u'z') {
                letters |= quint64(1) << (letter - u'a');
            } else if (letter >= u'0' && letter <= u'9') {
                letters |= quint64(1) << (26 + letter - u'0');
            } else if (letter != u' ') {
                letters |= quint64(1) << 63;
            }
        }
        return letters;
    }

    int length_;
    int limit_;
    quint64 letters_;
    std::array<quint64, kAscii> ascii_{};  // where each letter stands in the typed key
    std::vector<std::pair<char16_t, quint64>> others_;
};

}  // namespace

NameMatch MatchPlaceName(QStringView placeKey, QStringView cityKey) {
    return MatchKey(View(placeKey), View(cityKey));
}

NameMatch MatchPlaceName(QByteArrayView placeKey, QStringView cityKey) {
    return MatchKey(View(placeKey), View(cityKey));
}

int LetterEdits(QStringView typedKey, QStringView key, int limit) {
    return CloseSpelling(View(typedKey), limit).Edits(View(key));
}

namespace {

// An other name of the same text as the main name only spells its ae/oe/ue form ("Köln",
// key "koeln"): the place was found by its main name.
qsizetype ShownOtherName(const Atlas& atlas, qsizetype place, qsizetype otherName) {
    return otherName != kMainName && atlas.otherName(otherName) == atlas.placeName(place)
               ? kMainName
               : otherName;
}

bool IsSpelledAsTyped(const Atlas& atlas, qsizetype otherName, const QString& typed) {
    return atlas.otherName(otherName).compare(typed, Qt::CaseInsensitive) == 0;
}

// The best name of `place` for the typed city, kMainName on a tie with the main name.
CityCandidate BestNameOf(const Atlas& atlas, qsizetype place, QStringView cityKey,
                         const QString& typed) {
    CityCandidate best{place, MatchPlaceName(atlas.placeKey(place), cityKey)};
    bool bestSpelledAsTyped = false;
    const auto [first, last] = atlas.otherNamesOf(place);
    for (qsizetype other = first; other < last; ++other) {
        const NameMatch name = MatchPlaceName(atlas.otherNameKey(other), cityKey);
        if (name > best.name) {
            best = {place, name, other};
            bestSpelledAsTyped = name == NameMatch::Exact && IsSpelledAsTyped(atlas, other, typed);
        } else if (name == best.name && name == NameMatch::Exact && best.otherName != kMainName &&
                   !bestSpelledAsTyped && IsSpelledAsTyped(atlas, other, typed)) {
            best.otherName = other;
            bestSpelledAsTyped = true;
        }
    }
    return best;
}

std::vector<CityCandidate> BestNamesOf(const Atlas& atlas, std::vector<qsizetype> places,
                                       QStringView city) {
    std::sort(places.begin(), places.end());
    places.erase(std::unique(places.begin(), places.end()), places.end());
    const QString cityKey = PlaceNameKey(city);
    const QString typed = city.toString().simplified();
    std::vector<CityCandidate> candidates;
    candidates.reserve(places.size());
    for (const qsizetype place : places) {
        const CityCandidate best = BestNameOf(atlas, place, cityKey, typed);
        if (best.name != NameMatch::None) {
            candidates.push_back(best);
            candidates.back().otherName = ShownOtherName(atlas, place, best.otherName);
        }
    }
    return candidates;
}

}  // namespace

std::vector<CityCandidate> FindCityCandidates(const Atlas& atlas, QStringView city) {
    const QString cityKey = PlaceNameKey(city);
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
    const QString cityKey = PlaceNameKey(city);
    constexpr qsizetype kShortName = 4;
    const int limit = cityKey.size() <= kShortName ? 1 : 2;
    std::vector<CityCandidate> found;
    if (cityKey.isEmpty()) {
        return found;
    }
    const CloseSpelling close(View(cityKey), limit);
    for (qsizetype place = 0; place < atlas.placeCount(); ++place) {
        const int edits = close.Edits(View(atlas.placeKey(place)));
        if (edits <= limit) {
            found.push_back({place, NameMatch::None, kMainName, edits});
        }
    }
    for (qsizetype other = 0; other < atlas.otherNameCount(); ++other) {
        const int edits = close.Edits(View(atlas.otherNameKey(other)));
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
        candidate.otherName = ShownOtherName(atlas, candidate.place, candidate.otherName);
    }
    return found;
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

bool IsUnknownCountry(const Atlas& atlas, QStringView country) {
    const std::vector<bool> named = CountriesNamed(atlas, country);
    return !SearchKey(country).isEmpty() &&
           std::find(named.begin(), named.end(), true) == named.end();
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
    return lookup;
}

}  // namespace fortunix::atlas
