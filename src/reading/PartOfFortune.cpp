#include "reading/PartOfFortune.h"

#include "reading/Interpretation.h"

namespace fortunix {

std::string DegreeInSign(int degrees, const DegreeSignTable& signs) {
    const int reduced = ((degrees % 360) + 360) % 360;
    std::string text = std::to_string(reduced % kDegreesPerSign);
    text += kDegreeMark;
    text += ' ';
    text += signs[static_cast<std::size_t>(reduced)];
    return text;
}

PartOfFortuneResult EvaluatePartOfFortune(int hourIndex, const ChartPositions& chart,
                                          const DegreeSignTable& signs) {
    const int ascendant = chart.ascendant;
    const int sun = static_cast<int>(chart.sun);
    const int moon = static_cast<int>(chart.moon);

    PartOfFortuneResult result;
    result.raw =
        CountsAsBirthByDay(hourIndex) ? (ascendant + moon) - sun : (ascendant + sun) - moon;
    // A zodiac longitude is an angle: -70 is 290, 360 and 720 are 0.
    result.degrees = static_cast<std::int16_t>(((result.raw % 360) + 360) % 360);

    result.caption = DegreeInSign(result.degrees, signs);
    result.paragraph = ParagraphForSignName(signs[static_cast<std::size_t>(result.degrees)]);
    return result;
}

}  // namespace fortunix
