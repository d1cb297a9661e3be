#include "atlas/RegionsNamed.h"

#include <algorithm>

#include "atlas/KeyLetters.h"
#include "atlas/NameMatch.h"
#include "atlas/SearchKey.h"

namespace fortunix::atlas {

std::vector<bool> CountriesNamed(const Atlas& atlas, QStringView country) {
    std::vector<bool> named(static_cast<std::size_t>(atlas.countryCount()), false);
    const QByteArray typed = CompactKey(SearchKey(country));
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
    const QByteArray key = SearchKey(state);
    const QByteArray compact = CompactKey(key);
    if (compact.isEmpty()) {
        return named;
    }
    const QByteArray namePrefix = key + ' ';
    const bool mayBeInitials = LetterCount(compact) >= 2;
    for (qsizetype index = 0; index < atlas.divisionCount(); ++index) {
        const Division& division = atlas.division(index);
        named[static_cast<std::size_t>(index)] =
            division.nameKey == key || division.nameKey.startsWith(namePrefix) ||
            IsCompactFormOf(compact, division.nameKey) || division.codeKey == compact ||
            (mayBeInitials && AreInitialsOf(compact, division.nameKey));
    }
    return named;
}

}  // namespace fortunix::atlas
