#include "shell/modTellAFriend.h"

#include <gtest/gtest.h>

namespace fortunix {
namespace {

const QString kDistinct = QStringLiteral("Please Enter Distinct Email Addresses");
const QString kProper = QStringLiteral("Please Enter Proper Email Address");

struct EmailCase {
    const char* name;
    QString sender;
    QString friendAddress;
    std::optional<QString> failure;
};

TEST(CheckEmailPair, DistinctAddressesFirstThenAtAndDot) {
    const EmailCase cases[] = {
        {"both at their placeholders", "Your Email Address", "Friend's Email Address", kProper},
        {"the same address", "ann@example.com", "ann@example.com", kDistinct},
        {"both empty count as the same", "", "", kDistinct},
        {"the same in other letter case is distinct", "Ann@example.com", "ann@example.com",
         std::nullopt},
        {"sender without @", "ann.example.com", "bob@example.org", kProper},
        {"friend without @", "ann@example.com", "bob.example.org", kProper},
        {"@ but no dot", "ann@example", "bob@example.org", kProper},
        {"friend with @ but no dot", "ann@example.com", "bob@example", kProper},
        {"two proper addresses", "ann@example.com", "bob@example.org", std::nullopt},
    };
    for (const EmailCase& row : cases) {
        EXPECT_EQ(CheckEmailPair(row.sender, row.friendAddress), row.failure) << row.name;
    }
}

ReferralRecord FilledRequest() {
    return {QStringLiteral("Ann"),
            QStringLiteral("ann@example.com"),
            QStringLiteral("Your Message\r\n"),
            QStringLiteral("Bob"),
            QStringLiteral("bob@example.org"),
            QString()};
}

TEST(CheckReferral, NamesTheFirstMissingFieldInOrder) {
    struct FieldCase {
        const char* name;
        QString ReferralRecord::*field;
        QString value;
        std::optional<QString> failure;
    };
    const FieldCase cases[] = {
        {"name at placeholder", &ReferralRecord::senderName, "Your Name", "Please Enter Your Name"},
        {"name empty", &ReferralRecord::senderName, "", "Please Enter Your Name"},
        {"name only spaces", &ReferralRecord::senderName, "   ", "Please Enter Your Name"},
        {"name placeholder in other case", &ReferralRecord::senderName, "your name", std::nullopt},
        {"e-mail at placeholder", &ReferralRecord::senderEmail, "Your Email Address",
         "Please Enter Your Email"},
        {"message at placeholder", &ReferralRecord::message, "Your Message",
         "Please Enter Your Message"},
        {"message empty", &ReferralRecord::message, "", "Please Enter Your Message"},
        {"message with its line break passes", &ReferralRecord::message, "Your Message\r\n",
         std::nullopt},
        {"friend's name at placeholder", &ReferralRecord::friendName, "Friend's Name",
         "Please Enter Your Friend's Name"},
        {"friend's e-mail at placeholder", &ReferralRecord::friendEmail, "Friend's Email Address",
         "Please Enter Your Friend's Email"},
        {"friend's e-mail empty", &ReferralRecord::friendEmail, "",
         "Please Enter Your Friend's Email"},
    };
    for (const FieldCase& row : cases) {
        ReferralRecord request = FilledRequest();
        request.*row.field = row.value;
        EXPECT_EQ(CheckReferral(request), row.failure) << row.name;
    }

    const ReferralRecord empty;
    EXPECT_EQ(CheckReferral(empty), QStringLiteral("Please Enter Your Name"));
    ReferralRecord onlyNameAndEmail;
    onlyNameAndEmail.senderName = "Ann";
    onlyNameAndEmail.senderEmail = "ann@example.com";
    EXPECT_EQ(CheckReferral(onlyNameAndEmail), QStringLiteral("Please Enter Your Message"));
}

TEST(TrimSpaces, RemovesSpacesOnly) {
    EXPECT_EQ(TrimSpaces(QStringLiteral("  Ann Lee  ")), QStringLiteral("Ann Lee"));
    EXPECT_EQ(TrimSpaces(QStringLiteral("\tAnn\r\n")), QStringLiteral("\tAnn\r\n"));
    EXPECT_EQ(TrimSpaces(QStringLiteral("   ")), QString());
}

TEST(BuildReferralAddress, EncodesTheTypedValuesAndKeepsTheRestAsItIs) {
    const ReferralRecord request{QStringLiteral("Ann Lee & Co=1\r\nLtd"),
                                 QStringLiteral("ann+news@example.com"),
                                 QStringLiteral("Hi Bob,\r\nlook: 100% free!"),
                                 QString::fromUtf16(u"Jos\u00E9 ~ M._-"),
                                 QStringLiteral("bob@example.org"),
                                 QString()};
    EXPECT_EQ(BuildReferralAddress(request, QStringLiteral("https://www.example.com")),
              QStringLiteral("https://www.example.com/slsw-refer-a-friend.php"
                             "?taf1=Ann%20Lee%20%26%20Co%3D1%0D%0ALtd"
                             "&taf2=ann%2Bnews%40example.com"
                             "&taf3=Hi%20Bob%2C%0D%0Alook%3A%20100%25%20free%21"
                             "&taf4=Jos%C3%A9%20~%20M._-"
                             "&taf5=bob%40example.org"
                             "&taf6=https://www.example.com/fortunix/"));
}

}  // namespace
}  // namespace fortunix
