#pragma once

#include <QColor>
#include <algorithm>
#include <cmath>

namespace fortunix::a11ytests {

// Contrast ratio of two colours (1 to 21) from their relative luminance, as the web content
// accessibility guidelines define them.
inline double Contrast(const QColor& one, const QColor& other) {
    const auto luminance = [](const QColor& colour) {
        const auto channel = [](double value) {
            return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) +
               0.0722 * channel(colour.blueF());
    };
    const double lighter = std::max(luminance(one), luminance(other));
    const double darker = std::min(luminance(one), luminance(other));
    return (lighter + 0.05) / (darker + 0.05);
}

}  // namespace fortunix::a11ytests
