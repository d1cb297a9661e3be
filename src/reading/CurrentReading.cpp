#include "reading/CurrentReading.h"

#include <utility>

#include "reading/PartOfFortune.h"

namespace fortunix {

BirthRecord birthRecord;
ZoneState zoneState;
ChartPositions chartPositions;
PartOfFortune partOfFortune;

PlanetEngineState planetEngineState;
AscendantState ascendantState;
LunarChartState lunarChartState;
DegreeSignTable degreeSignTable;

void CalculatePlanetPositions() {
    planetEngineState = ComputeSunPosition(birthRecord, zoneState);
    chartPositions.sun = planetEngineState.sunDegrees;
}

void CalculateAscendant() {
    ascendantState = ComputeAscendant(birthRecord, zoneState);
    chartPositions.ascendant = ascendantState.ascendant;
}

void CalculateLunarChart() {
    lunarChartState = ComputeMoonPosition(birthRecord, zoneState);
    chartPositions.moon = lunarChartState.moonDegrees;
}

void BuildDegreeSignTable() {
    BuildDegreeSignTable(degreeSignTable);
}

std::optional<std::string_view> ComputePartOfFortune(int hourIndex, const ChartPositions& chart) {
    PartOfFortuneResult result = EvaluatePartOfFortune(hourIndex, chart, degreeSignTable);
    partOfFortune.degrees = result.degrees;
    partOfFortune.caption = std::move(result.caption);
    return result.paragraph;
}

std::optional<std::string_view> RunReadingEngines(int hourIndex) {
    CalculatePlanetPositions();
    CalculateAscendant();
    CalculateLunarChart();
    BuildDegreeSignTable();
    return ComputePartOfFortune(hourIndex, chartPositions);
}

}  // namespace fortunix
