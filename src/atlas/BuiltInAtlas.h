#pragma once

#include "atlas/Atlas.h"

namespace fortunix::atlas {

// The atlas compiled into the program, as an image (Atlas::FromImage) that is ready without
// any reading; a missing or damaged image gives an empty atlas, in which nothing is ever
// found, and a warning that says what is wrong with it.
const Atlas& BuiltInAtlas();
bool IsBuiltInAtlasLoaded();

// A fresh atlas over the image, each call anew.
Atlas LoadBuiltInAtlas();

}  // namespace fortunix::atlas
