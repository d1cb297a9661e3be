#pragma once

#include <QString>
#include <QStringView>

namespace fortunix::atlas {

// The form in which typed text and atlas names are compared: lower case, accents dropped
// ("São" -> "sao"), apostrophes dropped ("Xi'an" -> "xian"), any other punctuation a word
// break ("Saint-Denis" -> "saint denis"), words separated by single spaces.
QString SearchKey(QStringView text);

// The search key of a place name, with the usual abbreviations written out ("St. Louis" and
// "Saint Louis" both -> "saint louis"), applied alike to typed cities and atlas names.
QString PlaceNameKey(QStringView text);

// A search key without its spaces ("n y" -> "ny"), for codes and run-together names.
QString CompactKey(QStringView key);

// The first letters of the words of a search key ("new south wales" -> "nsw").
QString InitialsOf(QStringView key);

}  // namespace fortunix::atlas
