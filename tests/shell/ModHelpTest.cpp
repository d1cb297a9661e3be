#include "shell/modHelp.h"

#include <gtest/gtest.h>

#include "support/FakePlatform.h"

namespace fortunix {
namespace {

struct LinkCase {
    const char* name;
    void (*procedure)();
    QString expected;
};

TEST(ModHelp, EachLinkProcedureOpensExactlyItsPage) {
    const LinkCase cases[] = {
        {"home", OpenHomePage, MainSiteBase()},
        {"help", OpenOnlineHelp, MainSiteBase() + "/fortunix/fortunix-help.html"},
        {"download", OpenDownloadPage, MainSiteBase() + "/fortunix/download-fortunix.html"},
        {"catalogue", OpenSoftwareCatalog, MainSiteBase() + "/vesperasoftwares"},
        {"co-brand", OpenCoBrandPage, HelpSiteBase() + "/co-brand.html"},
        {"full brand", OpenFullBrandPage, HelpSiteBase() + "/fully-branded.html"},
        {"donate", OpenDonatePage, HelpSiteBase() + "/donate.html"},
    };
    for (const LinkCase& link : cases) {
        fakes::FakePlatform fake;
        link.procedure();
        EXPECT_EQ(fake.web.opened, QStringList{link.expected}) << link.name;
    }
    EXPECT_TRUE(MainSiteBase().startsWith("https://"));
    EXPECT_FALSE(MainSiteBase().endsWith('/'));
    EXPECT_FALSE(HelpSiteBase().endsWith('/'));
}

}  // namespace
}  // namespace fortunix
