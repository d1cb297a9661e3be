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

// The Part of Fortune: ascendant + Moon - Sun before noon (hour index 0..11), ascendant +
// Sun - Moon from noon on, reduced as an angle into 0..359 and named through `signs`.
PartOfFortuneResult EvaluatePartOfFortune(int hourIndex, const ChartPositions& chart,
                                          const DegreeSignTable& signs);

}  // namespace fortunix
