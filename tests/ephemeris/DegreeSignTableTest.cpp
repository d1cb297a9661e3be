#include "ephemeris/DegreeSignTable.h"

#include <gtest/gtest.h>

#include <string>

namespace fortunix {
namespace {

const char* const kZodiac[] = {"Aries",       "Taurus",    "Gemini",   "Cancer",
                               "Leo",         "Virgo",     "Libra",    "Scorpio",
                               "Sagittarius", "Capricorn", "Aquarius", "Pisces"};

TEST(DegreeSignTable, BoundariesOpenTheNextSign) {
    DegreeSignTable table;
    BuildDegreeSignTable(table);
    struct Row {
        int degree;
        const char* sign;
    };
    const Row rows[] = {
        {0, "Aries"},         {1, "Aries"},       {29, "Aries"},      {30, "Taurus"},
        {59, "Taurus"},       {60, "Gemini"},     {81, "Gemini"},     {90, "Cancer"},
        {120, "Leo"},         {150, "Virgo"},     {180, "Libra"},     {210, "Scorpio"},
        {240, "Sagittarius"}, {270, "Capricorn"}, {290, "Capricorn"}, {299, "Capricorn"},
        {300, "Aquarius"},    {329, "Aquarius"},  {330, "Pisces"},    {359, "Pisces"},
        {360, "Aries"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(table[static_cast<std::size_t>(row.degree)], row.sign) << "degree " << row.degree;
    }
}

TEST(DegreeSignTable, ThirtyDegreesPerSignAllRound) {
    DegreeSignTable table;
    BuildDegreeSignTable(table);
    for (int degree = 0; degree < 360; ++degree) {
        EXPECT_EQ(table[static_cast<std::size_t>(degree)], kZodiac[degree / 30]) << degree;
        EXPECT_EQ(SignIndexOfDegree(degree), degree / 30) << degree;
    }
}

TEST(SignIndexOfDegree, WholeTurnsAreTheSamePoint) {
    EXPECT_EQ(SignIndexOfDegree(360), 0);
    EXPECT_EQ(SignIndexOfDegree(720), 0);
    EXPECT_EQ(SignIndexOfDegree(390), 1);
    EXPECT_EQ(SignIndexOfDegree(-1), 11);
    EXPECT_EQ(SignIndexOfDegree(-70), 9);
}

TEST(BuildDegreeSignTable, EntryProcedureFillsTheProgramsTable) {
    degreeSignTable = DegreeSignTable{};
    BuildDegreeSignTable();
    EXPECT_EQ(degreeSignTable[0], "Aries");
    EXPECT_EQ(degreeSignTable[81], "Gemini");
    EXPECT_EQ(degreeSignTable[360], "Aries");
    // Building again changes nothing.
    const DegreeSignTable first = degreeSignTable;
    BuildDegreeSignTable();
    EXPECT_EQ(degreeSignTable, first);
}

}  // namespace
}  // namespace fortunix
