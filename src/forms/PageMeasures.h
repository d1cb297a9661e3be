#pragma once

namespace fortunix {

// The page's units: an inch is 25.4 mm by definition, a point 1/72 inch (PostScript and PDF).
inline constexpr double kMillimetresPerInch = 25.4;
inline constexpr double kPointsPerInch = 72.0;
inline constexpr double kMillimetresPerPoint = kMillimetresPerInch / kPointsPerInch;
inline constexpr double kInchesPerMetre = 1000.0 / kMillimetresPerInch;

}  // namespace fortunix
