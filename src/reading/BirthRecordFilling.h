#pragma once

#include "ephemeris/BirthRecord.h"
#include "reading/BirthDataRules.h"

namespace fortunix {

// The birth record of a reading from the fields of the birth-data form, once CheckBirthForm
// (or the batch tool's own checks) has accepted them, and the zone correction: every text
// becomes a 16-bit whole number, the zone its magnitude, the choices 16-bit flags. The main
// window and fortunix-batch fill their records here.
BirthRecord FillBirthRecord(const BirthFormInput& form, const ZoneState& zone);

// The whole number that a checked box or list shows: its digits, with spaces around at most;
// 0 when it holds none.
std::int16_t CheckedNumber(std::string_view text);

}  // namespace fortunix
