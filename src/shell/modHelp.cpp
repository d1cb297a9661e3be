#include "shell/modHelp.h"

#include "platform/Platform.h"
#include "shell/SiteConfig.h"

namespace fortunix {

QString MainSiteBase() {
    return QString::fromUtf8(kMainSiteBase);
}
QString HelpSiteBase() {
    return QString::fromUtf8(kHelpSiteBase);
}

void OpenWebPage(const QString& address) {
    CurrentPlatform().web.Open(address);
}

void OpenHomePage() {
    OpenWebPage(MainSiteBase());
}
void OpenOnlineHelp() {
    OpenWebPage(MainSiteBase() + QStringLiteral("/fortunix/fortunix-help.html"));
}
void OpenDownloadPage() {
    OpenWebPage(MainSiteBase() + QStringLiteral("/fortunix/download-fortunix.html"));
}
void OpenSoftwareCatalog() {
    OpenWebPage(MainSiteBase() + QStringLiteral("/vesperasoftwares"));
}
void OpenCoBrandPage() {
    OpenWebPage(HelpSiteBase() + QStringLiteral("/co-brand.html"));
}
void OpenFullBrandPage() {
    OpenWebPage(HelpSiteBase() + QStringLiteral("/fully-branded.html"));
}
void OpenDonatePage() {
    OpenWebPage(HelpSiteBase() + QStringLiteral("/donate.html"));
}

}  // namespace fortunix
