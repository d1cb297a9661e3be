#pragma once

#include <optional>
#include <string_view>

#include "ephemeris/Ascendant.h"
#include "ephemeris/DegreeSignTable.h"
#include "ephemeris/MoonPosition.h"
#include "ephemeris/SunPosition.h"
#include "reading/Records.h"

namespace fortunix {

// The records of the reading in progress. They live for the whole run and each reading
// overwrites them. The entry procedures below are the only code that reads and writes them:
// each runs one pure engine over the current records and copies its result back.
extern BirthRecord birthRecord;
extern ZoneState zoneState;
extern ChartPositions chartPositions;
extern PartOfFortune partOfFortune;

// The working state of the last run of each engine.
extern PlanetEngineState planetEngineState;
extern AscendantState ascendantState;
extern LunarChartState lunarChartState;

// The program's sign table; empty strings until the first reading builds it.
extern DegreeSignTable degreeSignTable;

// Reads the current birth record and zone, writes chartPositions.sun.
void CalculatePlanetPositions();

// Reads the current birth record and zone, writes chartPositions.ascendant.
void CalculateAscendant();

// Reads the current birth record and zone, writes chartPositions.moon.
void CalculateLunarChart();

// Fills the program's sign table.
void BuildDegreeSignTable();

// Evaluates with the program's sign table, writes partOfFortune and yields the paragraph of
// the sign (none while the table is not built).
std::optional<std::string_view> ComputePartOfFortune(int hourIndex, const ChartPositions& chart);

// The engines over the current records, in the reading's order: Sun, ascendant, Moon, sign
// table, Part of Fortune. Yields the paragraph of the sign.
std::optional<std::string_view> RunReadingEngines(int hourIndex);

}  // namespace fortunix
