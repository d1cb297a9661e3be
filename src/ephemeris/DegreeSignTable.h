#pragma once

#include <array>
#include <string>
#include <string_view>

#include "ephemeris/Translatable.h"

namespace fortunix {

inline constexpr int kSignCount = 12;
inline constexpr int kDegreesPerSign = 30;

// Sign names in zodiac order, 0 = Aries ... 11 = Pisces.
inline constexpr std::array<std::string_view, kSignCount> kSignNames = {
    FORTUNIX_TRANSLATABLE("Sign", "Aries"),       FORTUNIX_TRANSLATABLE("Sign", "Taurus"),
    FORTUNIX_TRANSLATABLE("Sign", "Gemini"),      FORTUNIX_TRANSLATABLE("Sign", "Cancer"),
    FORTUNIX_TRANSLATABLE("Sign", "Leo"),         FORTUNIX_TRANSLATABLE("Sign", "Virgo"),
    FORTUNIX_TRANSLATABLE("Sign", "Libra"),       FORTUNIX_TRANSLATABLE("Sign", "Scorpio"),
    FORTUNIX_TRANSLATABLE("Sign", "Sagittarius"), FORTUNIX_TRANSLATABLE("Sign", "Capricorn"),
    FORTUNIX_TRANSLATABLE("Sign", "Aquarius"),    FORTUNIX_TRANSLATABLE("Sign", "Pisces"),
};

// Sign name of every whole degree 0..360. Degree n lies in sign floor(n / 30), so 0 and 30
// open Aries and Taurus; 360 is the same point as 0.
using DegreeSignTable = std::array<std::string, 361>;

// Sign index 0..11 of a whole degree (taken modulo 360).
int SignIndexOfDegree(int degree);

// Fills every entry of `table`.
void BuildDegreeSignTable(DegreeSignTable& table);

}  // namespace fortunix
