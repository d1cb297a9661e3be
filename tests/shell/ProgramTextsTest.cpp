#include "shell/ProgramTexts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <string_view>

#include "support/Utf8Text.h"

namespace fortunix {
namespace {

using test_support::CountCodePoints;
using test_support::IsPlainAscii;

struct TextCase {
    const char* name;
    std::string_view text;
    std::string_view opening;  // empty where the wording is free
    std::size_t minLength;     // in characters
    std::size_t maxLength;
};

// Lengths fixed by the layout; the free ones are sized to their labels.
const TextCase kTextCases[] = {
    {"product description", texts::kProductDescription,
     "Fortunix calculates your Fortuna sign which is", 198, 198},
    {"discussion banner", texts::kDiscussionBanner, "", 115, 115},
    {"full-brand offer", texts::kFullBrandOffer,
     "Home Business Opportunity. Start your own Internet business", 161, 161},
    {"co-brand offer", texts::kCoBrandOffer, "Co-brand this software for your site.", 185, 185},
    {"about description", texts::kAboutDescription,
     "Fortunix calculates your Fortuna sign which is", 180, 230},
    {"about home-page link", texts::kAboutHomePageInvitation, "", 1, 45},
    {"about resale offer", texts::kAboutResaleOffer, "Home Business Opportunity.", 132, 132},
    {"appeal 0", texts::kSupportAppeals[0], "Vespera Softwares, such as this can be created", 227,
     227},
    {"appeal 1", texts::kSupportAppeals[1], "", 211, 211},
    {"appeal 2", texts::kSupportAppeals[2], "", 160, 160},
    {"appeal 3", texts::kSupportAppeals[3], "", 196, 196},
    {"catalogue description", texts::kCatalogueDescription,
     "If you have enjoyed this software you will", 615, 615},
    {"visit-site check box", texts::kVisitSiteNowCaption, "", 60, 110},
};

std::string Lowered(std::string_view text) {
    std::string lowered(text);
    std::transform(lowered.begin(), lowered.end(), lowered.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lowered;
}

bool Contains(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

TEST(ProgramTexts, EachTextOpensWithItsWordsHasItsLengthAndNamesNoAddress) {
    for (const TextCase& row : kTextCases) {
        EXPECT_TRUE(row.text.starts_with(row.opening)) << row.name << ": " << row.text;
        const std::size_t length = CountCodePoints(row.text).value_or(0);
        EXPECT_GE(length, row.minLength) << row.name;
        EXPECT_LE(length, row.maxLength) << row.name;
        EXPECT_TRUE(IsPlainAscii(row.text)) << row.name;
        for (const char* address : {"http", "www.", ".com", ".net", ".org", ".html"}) {
            EXPECT_FALSE(Contains(Lowered(row.text), address)) << row.name << ": " << address;
        }
    }
}

TEST(ProgramTexts, BannerAndAppealsPointToTheMakersForum) {
    EXPECT_TRUE(Contains(texts::kDiscussionBanner, "Vespera Softwares"));
    EXPECT_TRUE(Contains(texts::kDiscussionBanner, "forum"));
    for (const char* appeal : texts::kSupportAppeals) {
        EXPECT_TRUE(Contains(appeal, "Vespera Softwares")) << appeal;
        EXPECT_TRUE(Contains(appeal, "forum")) << appeal;
    }
    EXPECT_TRUE(Contains(texts::kSupportAppeals[1], "regularly"));
    EXPECT_TRUE(Contains(texts::kSupportAppeals[2], "free"));
    EXPECT_TRUE(Contains(texts::kSupportAppeals[3], "needs your help"));
}

TEST(ProgramTexts, AboutDescriptionIsTwoSentencesWithoutOwnershipClaim) {
    const std::string_view description = texts::kAboutDescription;
    EXPECT_EQ(std::count(description.begin(), description.end(), '.'), 2);
    EXPECT_TRUE(description.ends_with('.'));
    const std::string lowered = Lowered(description);
    for (const char* claim : {"copyright", "rights", "(c)", "trademark"}) {
        EXPECT_FALSE(Contains(lowered, claim)) << claim;
    }
}

}  // namespace
}  // namespace fortunix
