#pragma once

#include <QString>
#include <QVariant>

namespace fortunix {

// Finds the latitude and longitude of a place for the user. The main window creates one for
// each look-up and makes one call.
class LocationSearch {
  public:
    // Looks up `query` (for example "Paris IDF France Latitude Longitude") in the built-in
    // atlas and lists the matching places in a window-modal window, which stays open after
    // this call returns. Choosing a place fills the main window's latitude and longitude;
    // "Search the Web" searches the maker's site `siteAddress` instead; Cancel changes
    // nothing. `result` is left as it is.
    void Search(const QString& query, const QString& siteAddress, QVariant& result);
};

// The address of a web search for `query` on the site `siteAddress`: the site's search page
// with the query percent-encoded as UTF-8.
QString WebLocationSearchAddress(const QString& query, const QString& siteAddress);

// Opens the user's browser on that search.
void OpenWebLocationSearch(const QString& query, const QString& siteAddress);

}  // namespace fortunix
