#include "reading/ReadingChain.h"

#include "ephemeris/Ascendant.h"
#include "ephemeris/MoonPosition.h"
#include "ephemeris/SunPosition.h"

namespace fortunix {

Reading ComputeReading(const BirthRecord& birth, const ZoneState& zone, int hourIndex,
                       const DegreeSignTable& signs) {
    Reading reading;
    reading.chart.sun = ComputeSunPosition(birth, zone).sunDegrees;
    const BirthTimeBase time = ComputeBirthTimeBase(birth, zone);  // one birth, one instant
    reading.chart.ascendant = ComputeAscendant(birth, time).ascendant;
    reading.chart.moon = ComputeMoonPosition(time).moonDegrees;
    reading.fortune = EvaluatePartOfFortune(hourIndex, reading.chart, signs);
    return reading;
}

const DegreeSignTable& BuiltDegreeSignTable() {
    static const DegreeSignTable table = [] {
        DegreeSignTable built;
        BuildDegreeSignTable(built);
        return built;
    }();
    return table;
}

}  // namespace fortunix
