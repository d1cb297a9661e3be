#include "reading/InterpretationTexts.h"

#include <gtest/gtest.h>

#include <iterator>

#include "support/Utf8Text.h"

namespace fortunix {
namespace {

using test_support::CountCodePoints;
using test_support::IsPlainAscii;

struct ParagraphCase {
    const char* sign;
    std::string_view opening;
    std::size_t length;  // in characters
};

// Zodiac order, as the paragraphs are indexed.
constexpr ParagraphCase kParagraphCases[] = {
    {"Aries", "Simmering with energy, you always seem to", 650},
    {"Taurus", "You are blessed with notable poise and", 663},
    {"Gemini", "Like a child full of inquisitiveness asking", 660},
    {"Cancer", "You are blessed with motherly qualities like", 599},
    {"Leo", "An epitome of optimism, liveliness and high-level-energy", 624},
    {"Virgo", "The native with part of fortune in Virgo", 662},
    {"Libra", "Having part of fortune in Libra signifies", 682},
    {"Scorpio", "Gifted with exceptional power of perception and", 629},
    {"Sagittarius", "The person born with the part of fortune", 725},
    {"Capricorn", "Possessing the phenomenal capacity to push your", 627},
    {"Aquarius", "You are extremely unorthodox, advanced in your", 654},
    {"Pisces", "The part of fortune in Pisces indicates", 632},
};

TEST(InterpretationTexts, CharacterCounterCountsCodePointsNotBytes) {
    EXPECT_EQ(CountCodePoints("12\xC2\xBA Leo"), 7u);  // the degree sign is two bytes
    EXPECT_EQ(CountCodePoints("\xE2\x80\x99\xF0\x9F\x8C\x99"), 2u);
    EXPECT_EQ(CountCodePoints("cut \xC2"), std::nullopt);
    EXPECT_EQ(CountCodePoints("stray \x80"), std::nullopt);
    EXPECT_EQ(CountCodePoints("overlong \xC0\xAF"), std::nullopt);
}

TEST(InterpretationTexts, EachSignOpensWithItsWordsAndHasItsLength) {
    ASSERT_EQ(std::size(kParagraphCases), kInterpretationParagraphs.size());
    for (std::size_t sign = 0; sign < kInterpretationParagraphs.size(); ++sign) {
        const ParagraphCase& row = kParagraphCases[sign];
        const std::string_view paragraph = kInterpretationParagraphs[sign];
        EXPECT_TRUE(paragraph.starts_with(row.opening)) << row.sign << ": " << paragraph;
        EXPECT_EQ(CountCodePoints(paragraph), row.length) << row.sign;
        EXPECT_TRUE(IsPlainAscii(paragraph)) << row.sign;
        EXPECT_TRUE(paragraph.ends_with('.')) << row.sign;
    }
}

}  // namespace
}  // namespace fortunix
