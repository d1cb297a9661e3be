#include "atlas/RegionsNamed.h"

#include <algorithm>

#include "atlas/KeyLetters.h"
#include "atlas/NameMatch.h"
#include "atlas/SearchKey.h"

namespace fortunix::atlas {

std::vector<bool> CountriesNamed(const Atlas& atlas, QStringView country) {
    return atlas.countriesKeyed(CompactKey(SearchKey(country)));
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
        const auto [nameKey, codeKey] = atlas.divisionKeys(index);
        named[static_cast<std::size_t>(index)] =
            nameKey == key || nameKey.startsWith(namePrefix) || IsCompactFormOf(compact, nameKey) ||
            codeKey == compact || (mayBeInitials && AreInitialsOf(compact, nameKey));
    }
    return named;
}

}  // namespace fortunix::atlas
