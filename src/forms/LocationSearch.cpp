#include "forms/LocationSearch.h"

#include <QUrl>

#include "shell/modHelp.h"

namespace fortunix {

void LocationSearch::Search(const QString& query, const QString& siteAddress, QVariant&) {
    OpenWebLocationSearch(query, siteAddress);
}

QString WebLocationSearchAddress(const QString& query, const QString& siteAddress) {
    return siteAddress + QStringLiteral("/search?q=") +
           QString::fromLatin1(QUrl::toPercentEncoding(query));
}

void OpenWebLocationSearch(const QString& query, const QString& siteAddress) {
    OpenWebPage(WebLocationSearchAddress(query, siteAddress));
}

}  // namespace fortunix
