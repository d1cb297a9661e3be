#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QStringView>

namespace fortunix::atlas {

// The search key of a place name, with the usual abbreviations written out ("St. Louis" and
// "Saint Louis" both -> "saint louis"), applied alike to typed cities and atlas names.
QByteArray PlaceNameKey(QStringView text);

// Appends the PlaceNameKey of a name written in UTF-8, as the atlas tables hold it, to `keys`:
// the atlas packs the keys of all its places one after another so, without a string for each.
void AppendPlaceNameKey(QByteArray& keys, QByteArrayView utf8Name);

}  // namespace fortunix::atlas
