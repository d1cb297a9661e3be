#pragma once

#include "atlas/Atlas.h"

namespace fortunix::atlas {

// The atlas compiled into the program. It is read on first use, not at start-up; a missing
// or damaged resource gives an empty atlas, in which nothing is ever found.
const Atlas& BuiltInAtlas();
bool IsBuiltInAtlasLoaded();

// A fresh copy read from the resources, each call anew.
Atlas LoadBuiltInAtlas();

}  // namespace fortunix::atlas
