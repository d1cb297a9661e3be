#pragma once

#include "ephemeris/DegreeSignTable.h"
#include "reading/PartOfFortune.h"
#include "reading/Records.h"

namespace fortunix {

// Everything one reading yields, computed from explicit inputs.
struct Reading {
    ChartPositions chart;
    PartOfFortuneResult fortune;
};

// The whole chain for one birth: Sun, ascendant, Moon, then the Part of Fortune named
// through `signs` (a built table). `hourIndex` is the birth hour 0..23.
Reading ComputeReading(const BirthRecord& birth, const ZoneState& zone, int hourIndex,
                       const DegreeSignTable& signs);

// The program's sign table, built once; the same every time.
const DegreeSignTable& BuiltDegreeSignTable();

}  // namespace fortunix
