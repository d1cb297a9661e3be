#pragma once

#include <QString>

#include "atlas/Atlas.h"

namespace fortunix::atlas {

// One place as the look-up lists it: "Paris, Île-de-France, France: 48°51′ N, 2°21′ E"; found
// by another name, that name beside the main one: "Munich (München), Bavaria, Germany: …".
QString DescribePlace(const Atlas& atlas, qsizetype place, qsizetype otherName = kMainName);

}  // namespace fortunix::atlas
