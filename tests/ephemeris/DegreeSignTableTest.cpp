#include "ephemeris/DegreeSignTable.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace fortunix {
namespace {

const char* const kZodiac[] = {"Aries",       "Taurus",    "Gemini",   "Cancer",
                               "Leo",         "Virgo",     "Libra",    "Scorpio",
                               "Sagittarius", "Capricorn", "Aquarius", "Pisces"};

// Every sign opens at a multiple of 30; 360 is the first point of Aries again.
TEST(DegreeSignTable, ThirtyDegreesPerSignAllRound) {
    DegreeSignTable table;
    BuildDegreeSignTable(table);
    for (int degree = 0; degree < 360; ++degree) {
        EXPECT_EQ(table[static_cast<std::size_t>(degree)], kZodiac[degree / 30]) << degree;
        EXPECT_EQ(SignIndexOfDegree(degree), degree / 30) << degree;
    }
    EXPECT_EQ(table[360], "Aries");
}

TEST(SignIndexOfDegree, WholeTurnsAreTheSamePoint) {
    for (const auto& [degree, sign] : {std::pair{360, 0}, {720, 0}, {390, 1}, {-1, 11}, {-70, 9}}) {
        EXPECT_EQ(SignIndexOfDegree(degree), sign) << degree;
    }
}

}  // namespace
}  // namespace fortunix
