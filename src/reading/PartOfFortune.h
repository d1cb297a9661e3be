#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "ephemeris/DegreeSignTable.h"
#include "reading/Records.h"

namespace fortunix {

// "º", the masculine ordinal indicator that follows the degree in a caption.
inline constexpr std::string_view kDegreeMark = "\u00BA";

struct PartOfFortuneResult {
    int raw = 0;               // before reduction
    std::int16_t degrees = 0;  // 0..359
    std::string caption;       // "21º Gemini"
    std::optional<std::string_view> paragraph;
};

// The reading counts a birth before noon (hour index 0..11) as a birth by day, whose Part of
// Fortune is ascendant + Moon - Sun, and one from noon on as a birth by night: ascendant +
// Sun - Moon.
inline bool CountsAsBirthByDay(int hourIndex) {
    return hourIndex < 12;
}

// A whole-degree longitude as the degree within its sign and the sign's name, "10º Capricorn",
// the sign named through `signs`.
std::string DegreeInSign(int degrees, const DegreeSignTable& signs);

// The Part of Fortune: ascendant + Moon - Sun before noon (hour index 0..11), ascendant +
// Sun - Moon from noon on, reduced as an angle into 0..359 and named through `signs`.
PartOfFortuneResult EvaluatePartOfFortune(int hourIndex, const ChartPositions& chart,
                                          const DegreeSignTable& signs);

}  // namespace fortunix
