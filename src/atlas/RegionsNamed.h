#pragma once

#include <QStringView>
#include <vector>

#include "atlas/Atlas.h"

namespace fortunix::atlas {

// Which countries (by index) the typed text names: names in English and other languages,
// everyday short forms and the two-letter codes. "Congo" names two; a misspelling none.
std::vector<bool> CountriesNamed(const Atlas& atlas, QStringView country);

// Whether a country was typed that names no country at all.
bool IsUnknownCountry(const Atlas& atlas, QStringView country);

// Which divisions (by index) the typed text names: by name, the start of the name, code or
// initials of at least two letters ("NSW" for New South Wales).
std::vector<bool> DivisionsNamed(const Atlas& atlas, QStringView state);

}  // namespace fortunix::atlas
