#include "atlas/NameMatch.h"

#include <gtest/gtest.h>

namespace fortunix::atlas {
namespace {

struct NameCase {
    const char* name;
    const char* placeKey;
    const char* cityKey;
    NameMatch expected;
};

TEST(MatchPlaceName, GradesHowCloseTheNameIs) {
    const NameCase cases[] = {
        {"same name", "paris", "paris", NameMatch::Exact},
        {"city added", "new york city", "new york", NameMatch::Exact},
        {"more than city added", "new york city hall", "new york", NameMatch::Prefix},
        {"city glued on", "new york cityx", "new york", NameMatch::Prefix},
        {"longer name", "frankfurt am main", "frankfurt", NameMatch::Prefix},
        {"word inside", "saint petersburg", "petersburg", NameMatch::InnerWord},
        {"word at the end of several", "ciudad de mexico", "mexico", NameMatch::InnerWord},
        {"word amid several", "rio de janeiro", "de", NameMatch::InnerWord},
        {"two words inside several", "villa de la paz", "la paz", NameMatch::InnerWord},
        {"a later whole word after a part", "san sanford san", "san", NameMatch::Prefix},
        {"inside after a part of a word", "xsan sanford san", "san", NameMatch::InnerWord},
        {"the last letter differs", "parix", "paris", NameMatch::None},
        {"the last letter of an inner word differs", "le parix", "paris", NameMatch::None},
        {"start of a word only", "parisville", "paris", NameMatch::None},
        {"start of an inner word only", "le parisien", "paris", NameMatch::None},
        {"inside a word", "sparis", "paris", NameMatch::None},
        {"shorter name", "york", "new york", NameMatch::None},
        {"nothing typed", "paris", "", NameMatch::None},
        {"Cyrillic, as bytes of UTF-8", "нижний новгород", "новгород", NameMatch::InnerWord},
        {"Cyrillic prefix", "нижний новгород", "нижний", NameMatch::Prefix},
    };
    for (const NameCase& row : cases) {
        EXPECT_EQ(MatchPlaceName(row.placeKey, row.cityKey), row.expected) << row.name;
    }
}

struct FormCase {
    const char* name;
    const char* form;
    const char* key;
    bool compact;
    bool initials;
};

TEST(CompactKey, CompactFormsAndInitials) {
    const FormCase cases[] = {
        {"spaces left out", "iledefrance", "ile de france", true, false},
        {"initials", "idf", "ile de france", false, true},
        {"one letter short", "iledefranc", "ile de france", false, false},
        {"one letter more", "iledefrancee", "ile de france", false, false},
        {"initials one short", "id", "ile de france", false, false},
        {"initials one more", "idff", "ile de france", false, false},
        {"one word", "paris", "paris", true, false},
        {"one letter, one word", "p", "paris", false, true},
        {"initials in two-byte letters", "αζ", "ανω ζακρος", false, true},
        {"nothing", "", "", true, true},
    };
    for (const FormCase& row : cases) {
        EXPECT_EQ(IsCompactFormOf(row.form, row.key), row.compact) << row.name;
        EXPECT_EQ(CompactKey(row.key) == row.form, row.compact) << row.name;
        EXPECT_EQ(AreInitialsOf(row.form, row.key), row.initials) << row.name;
    }
}

}  // namespace
}  // namespace fortunix::atlas
