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

}  // namespace
}  // namespace fortunix::atlas
