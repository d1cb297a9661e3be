#pragma once

#include <QString>

#include "atlas/Atlas.h"

namespace fortunix::atlas {

// One place as the look-up lists it: "Paris, Île-de-France, France: 48°51′ N, 2°21′ E"; found
// by another name, that name beside the main one: "Munich (München), Bavaria, Germany: …".
// Names written right to left ("القاهرة", "ירושלים") stand in the line isolated (IsolatedName),
// so that the line still reads left to right: "Cairo (القاهرة), Cairo, Egypt: …". The country
// is named `countryName` where one is given ("Россия"), else by its English name.
QString DescribePlace(const Atlas& atlas, qsizetype place, qsizetype otherName = kMainName,
                      const QString& countryName = QString());

// Whether `text` holds a letter written right to left (Arabic, Hebrew, Thaana ...).
bool HoldsRightToLeft(const QString& text);

// A name to be set inside left-to-right text: when it holds letters written right to left,
// between the Unicode isolates FSI and PDI (U+2068, U+2069), which show it in its own
// direction and keep the punctuation and numbers around it where they are; any other name
// as it is.
QString IsolatedName(const QString& name);

}  // namespace fortunix::atlas
