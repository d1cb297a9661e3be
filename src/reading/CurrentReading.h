#pragma once

#include "reading/Records.h"

namespace fortunix {

// The records of the reading in progress. They live for the whole run and each reading
// overwrites them; the named entry procedures read and write them, the engines do not.
extern BirthRecord birthRecord;
extern ZoneState zoneState;
extern ChartPositions chartPositions;
extern PartOfFortune partOfFortune;

}  // namespace fortunix
