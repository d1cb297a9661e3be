#include "platform/ProgramInfo.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>

namespace fortunix {
namespace {

// The header is written from the project() line; the windows show its title.
TEST(ProgramInfo, TitleIsTheNameAVAndTheVersion) {
    EXPECT_STREQ(kProgramName, "Fortunix");
    EXPECT_TRUE(std::regex_match(kProgramVersion, std::regex("[0-9]+\\.[0-9]+")))
        << kProgramVersion;
    EXPECT_EQ(std::string(kProgramTitle), std::string("Fortunix v") + kProgramVersion);
}

}  // namespace
}  // namespace fortunix
