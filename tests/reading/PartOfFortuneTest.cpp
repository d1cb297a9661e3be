#include "reading/PartOfFortune.h"

#include <gtest/gtest.h>

#include <string>

#include "reading/CurrentReading.h"
#include "reading/InterpretationTexts.h"
#include "reading/ReadingChain.h"

namespace fortunix {
namespace {

ChartPositions Chart(int ascendant, int sun, int moon) {
    return ChartPositions{static_cast<double>(sun), static_cast<double>(moon),
                          static_cast<std::int16_t>(ascendant)};
}

TEST(EvaluatePartOfFortune, ReducedAsAnAngleAndNamedBySign) {
    struct Row {
        const char* name;
        int hour;
        ChartPositions chart;
        int raw;
        int degrees;
        const char* caption;
    };
    const Row rows[] = {
        {"hour 11 takes ascendant + Moon - Sun", 11, Chart(100, 50, 20), 70, 70, "10º Gemini"},
        {"hour 12 takes ascendant + Sun - Moon", 12, Chart(100, 50, 20), 130, 130, "10º Leo"},
        {"hour 0 is morning", 0, Chart(100, 50, 20), 70, 70, "10º Gemini"},
        {"hour 23 is afternoon", 23, Chart(100, 50, 20), 130, 130, "10º Leo"},
        {"a negative value goes round the circle", 9, Chart(10, 100, 20), -70, 290,
         "20º Capricorn"},
        {"more than a turn", 15, Chart(350, 300, 10), 640, 280, "10º Capricorn"},
        {"exactly a turn is the first point of Aries", 12, Chart(200, 180, 20), 360, 0, "0º Aries"},
        {"one past a turn", 12, Chart(201, 180, 20), 361, 1, "1º Aries"},
        {"zero is the first point of Aries", 3, Chart(10, 30, 20), 0, 0, "0º Aries"},
        {"30 opens Taurus", 0, Chart(10, 0, 20), 30, 30, "0º Taurus"},
        {"60 opens Gemini", 0, Chart(40, 0, 20), 60, 60, "0º Gemini"},
        {"one below zero is the last degree of Pisces", 0, Chart(0, 1, 0), -1, 359, "29º Pisces"},
        {"the greatest value below a turn", 12, Chart(359, 0, 0), 359, 359, "29º Pisces"},
        {"two turns", 12, Chart(360, 360, 0), 720, 0, "0º Aries"},
        {"the Greenwich J2000 noon reading", 12, Chart(24, 280, 223), 81, 81, "21º Gemini"},
    };
    const DegreeSignTable& signs = BuiltDegreeSignTable();
    for (const Row& row : rows) {
        const PartOfFortuneResult result = EvaluatePartOfFortune(row.hour, row.chart, signs);
        EXPECT_EQ(result.raw, row.raw) << row.name;
        EXPECT_EQ(result.degrees, row.degrees) << row.name;
        EXPECT_EQ(result.caption, row.caption) << row.name;
        ASSERT_TRUE(result.paragraph.has_value()) << row.name;
        EXPECT_EQ(*result.paragraph,
                  kInterpretationParagraphs[static_cast<std::size_t>(row.degrees / 30)])
            << row.name;
    }
}

TEST(EvaluatePartOfFortune, EveryRawValueLandsOnTheSamePointWithinOneTurn) {
    const DegreeSignTable& signs = BuiltDegreeSignTable();
    for (int ascendant = 0; ascendant < 360; ascendant += 7) {
        for (int sun = 0; sun < 360; sun += 11) {
            for (const int hour : {6, 18}) {
                const int moon = (ascendant * 3 + sun) % 360;
                const PartOfFortuneResult result =
                    EvaluatePartOfFortune(hour, Chart(ascendant, sun, moon), signs);
                ASSERT_GE(result.degrees, 0);
                ASSERT_LE(result.degrees, 359);
                ASSERT_EQ((result.raw - result.degrees) % 360, 0) << result.raw;
                const std::string expected = std::to_string(result.degrees % 30) + "\u00BA " +
                                             signs[static_cast<std::size_t>(result.degrees)];
                ASSERT_EQ(result.caption, expected);
            }
        }
    }
}

TEST(ComputePartOfFortune, WritesTheProgramsRecordAndNeedsTheSignTableForTheParagraph) {
    degreeSignTable = DegreeSignTable{};
    EXPECT_FALSE(ComputePartOfFortune(12, Chart(24, 280, 223)).has_value());
    EXPECT_EQ(partOfFortune.degrees, 81);

    BuildDegreeSignTable();
    const auto paragraph = ComputePartOfFortune(9, Chart(10, 100, 20));
    EXPECT_EQ(partOfFortune.degrees, 290);
    EXPECT_EQ(partOfFortune.caption, "20º Capricorn");
    EXPECT_EQ(paragraph, kInterpretationParagraphs[9]);
}

}  // namespace
}  // namespace fortunix

namespace fortunix {
namespace {

TEST(DegreeInSign, NamesTheDegreeWithinItsSign) {
    const struct {
        int degrees;
        const char* text;
    } rows[] = {{0, "0º Aries"},        {29, "29º Aries"},    {30, "0º Taurus"},
                {280, "10º Capricorn"}, {359, "29º Pisces"},  {360, "0º Aries"},
                {-1, "29º Pisces"},     {223, "13º Scorpio"}, {24, "24º Aries"}};
    for (const auto& row : rows) {
        EXPECT_EQ(DegreeInSign(row.degrees, BuiltDegreeSignTable()), row.text) << row.degrees;
    }
}

TEST(CountsAsBirthByDay, BeforeNoonOnly) {
    EXPECT_TRUE(CountsAsBirthByDay(0));
    EXPECT_TRUE(CountsAsBirthByDay(11));
    EXPECT_FALSE(CountsAsBirthByDay(12));
    EXPECT_FALSE(CountsAsBirthByDay(23));
}

}  // namespace
}  // namespace fortunix
