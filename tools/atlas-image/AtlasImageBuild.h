#pragma once

#include <QByteArray>

#include "atlas/Atlas.h"

namespace fortunix::atlasimage {

// The atlas read from the text tables built into this tool (data/atlas): the places, their
// other names and the countries', and the places' zones.
atlas::Atlas AtlasFromBuiltInTables();

// Writes the image of that atlas to the file `path`; false, with a note on standard error,
// when the file cannot be written.
bool WriteAtlasImage(const QString& path);

}  // namespace fortunix::atlasimage
