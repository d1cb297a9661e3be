#include "reading/CurrentReading.h"

namespace fortunix {

BirthRecord birthRecord;
ZoneState zoneState;
ChartPositions chartPositions;
PartOfFortune partOfFortune;

}  // namespace fortunix
