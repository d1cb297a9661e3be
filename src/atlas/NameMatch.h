#pragma once

#include <QByteArrayView>

namespace fortunix::atlas {

// How well an atlas name matches the typed city, weakest first.
enum class NameMatch {
    None,
    InnerWord,  // "petersburg" in "Saint Petersburg"
    Prefix,     // "frankfurt" for "Frankfurt am Main"
    Exact,      // "paris" for "Paris", and "new york" for "New York City"
};

// Grades the search key of a place's name, main or other, by the search key of the typed city.
// The city matches whole words only.
NameMatch MatchPlaceName(QByteArrayView placeKey, QByteArrayView cityKey);

}  // namespace fortunix::atlas
