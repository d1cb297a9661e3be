#pragma once

#include <QString>

namespace fortunix {

// The maker's pages, each opened in the user's browser through the web-opener seam.

QString MainSiteBase();
QString HelpSiteBase();

// The one way a web page is opened. Nothing is reported, whatever happens.
void OpenWebPage(const QString& address);

void OpenHomePage();
void OpenOnlineHelp();
void OpenDownloadPage();
void OpenSoftwareCatalog();
void OpenCoBrandPage();
void OpenFullBrandPage();
void OpenDonatePage();

}  // namespace fortunix
