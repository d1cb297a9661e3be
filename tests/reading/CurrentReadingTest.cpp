#include "reading/CurrentReading.h"

#include <gtest/gtest.h>

#include <functional>

#include "ephemeris/BirthFixtures.h"

namespace fortunix {
namespace {

using namespace fortunix::testing;

// Each engine's entry procedure reads the current birth record and zone and writes its own
// chart position only; the working state of the run is kept.
TEST(EntryProcedures, ReadTheCurrentRecordsAndWriteOnlyTheirOwnPosition) {
    struct Row {
        const char* procedure;
        BirthRecord birth;
        ZoneState zone;
        std::function<void()> run;
        ChartPositions written;  // -1, -2, -3 where the procedure must not write
        std::function<double()> workingLongitude;
        double longitude;
        double tolerance;
    };
    const Row rows[] = {
        {"CalculatePlanetPositions", MakeBirth(2000, 1, 1, 12, 0, kGreenwich), kGmt,
         CalculatePlanetPositions, ChartPositions{280, -2, -3},
         [] { return planetEngineState.longitude; }, 280.3796, 1e-4},
        {"CalculateAscendant", MakeBirth(1990, 7, 4, 10, 0, kDelhi), kIndian, CalculateAscendant,
         ChartPositions{-1, -2, 159}, [] { return ascendantState.ascendantDegrees; }, 159.483,
         1e-3},
        {"CalculateLunarChart", MakeBirth(1990, 7, 4, 14, 30, kNewYork, true), kEasternStandard,
         CalculateLunarChart, ChartPositions{-1, 245, -3},
         [] { return lunarChartState.moonLongitude; }, 245.8821, 1e-4},
    };
    for (const Row& row : rows) {
        birthRecord = row.birth;
        zoneState = row.zone;
        chartPositions = ChartPositions{-1, -2, -3};
        row.run();
        EXPECT_EQ(chartPositions.sun, row.written.sun) << row.procedure;
        EXPECT_EQ(chartPositions.moon, row.written.moon) << row.procedure;
        EXPECT_EQ(chartPositions.ascendant, row.written.ascendant) << row.procedure;
        EXPECT_NEAR(row.workingLongitude(), row.longitude, row.tolerance) << row.procedure;
    }
}

TEST(BuildDegreeSignTable, EntryProcedureFillsTheProgramsTable) {
    degreeSignTable = DegreeSignTable{};
    BuildDegreeSignTable();
    EXPECT_EQ(degreeSignTable[0], "Aries");
    EXPECT_EQ(degreeSignTable[81], "Gemini");
    EXPECT_EQ(degreeSignTable[360], "Aries");
}

}  // namespace
}  // namespace fortunix
