#include "reading/PartOfFortune.h"

#include "reading/Interpretation.h"

namespace fortunix {

PartOfFortuneResult EvaluatePartOfFortune(int hourIndex, const ChartPositions& chart,
                                          const DegreeSignTable& signs) {
    const int ascendant = chart.ascendant;
    const int sun = static_cast<int>(chart.sun);
    const int moon = static_cast<int>(chart.moon);

    PartOfFortuneResult result;
    result.raw = hourIndex < 12 ? (ascendant + moon) - sun : (ascendant + sun) - moon;
    // A zodiac longitude is an angle: -70 is 290, 360 and 720 are 0.
    result.degrees = static_cast<std::int16_t>(((result.raw % 360) + 360) % 360);

    const std::string& sign = signs[static_cast<std::size_t>(result.degrees)];
    result.caption = std::to_string(result.degrees % kDegreesPerSign);
    result.caption += kDegreeMark;
    result.caption += ' ';
    result.caption += sign;
    result.paragraph = ParagraphForSignName(sign);
    return result;
}

}  // namespace fortunix
