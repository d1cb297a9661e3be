#pragma once

#include <QString>

#include "atlas/Atlas.h"

namespace fortunix::atlas {

// One place as the look-up lists it: "Paris, Île-de-France, France: 48°51′ N, 2°21′ E".
QString DescribePlace(const Atlas& atlas, qsizetype place);

}  // namespace fortunix::atlas
