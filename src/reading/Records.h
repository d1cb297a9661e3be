#pragma once

#include <cstdint>
#include <string>

#include "ephemeris/BirthRecord.h"

namespace fortunix {

// Whole-degree chart positions left by the three engines.
struct ChartPositions {
    double sun = 0;              // 0..359
    double moon = 0;             // 0..359
    std::int16_t ascendant = 0;  // 0..359
};

// The reduced Part of Fortune and the caption shown for it.
struct PartOfFortune {
    std::int16_t degrees = 0;  // 0..359
    std::string caption;       // UTF-8, for example "21º Gemini"
};

}  // namespace fortunix
