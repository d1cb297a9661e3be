#pragma once

#include <QByteArray>
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

// A search key without its spaces ("n y" -> "ny"), for codes and run-together names.
QByteArray CompactKey(QByteArrayView key);

// Whether `compact` is the search key without its spaces ("iledefrance" for "ile de france"),
// found without building it.
bool IsCompactFormOf(QByteArrayView compact, QByteArrayView key);

// Whether `initials` are the first letters of the words of the search key ("nsw" for
// "new south wales"), found without building them.
bool AreInitialsOf(QByteArrayView initials, QByteArrayView key);

}  // namespace fortunix::atlas
