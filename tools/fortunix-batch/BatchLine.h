#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "ephemeris/DegreeSignTable.h"
#include "reading/ReadingChain.h"

namespace fortunix::batch {

// What one input line yields: a reading, the reason the line was refused, or neither for a
// blank line.
struct BatchLineOutcome {
    std::optional<Reading> reading;
    std::string refusal;  // empty unless the line was refused
};

// Reads one birth, `year,month,day,hour,minute,zone,lonDeg,lonMin,EW,latDeg,latMin,NS,dst`
// (zone: a list position 0..70 or an exact offset such as `UTC+05:45`),
// with the main form's rules, and computes its reading through `signs` (a built table).
// Spaces around a field are ignored, as the form trims its boxes; a trailing carriage return
// is dropped. A line holding nothing else is blank.
BatchLineOutcome ReadBatchLine(std::string_view line, const DegreeSignTable& signs);

// Appends the output line of `outcome` with its newline:
// `sun,moon,ascendant,partOfFortune,caption`, `error` for a refused line, an empty line for a
// blank one.
void AppendOutputLine(const BatchLineOutcome& outcome, std::string& out);

}  // namespace fortunix::batch
