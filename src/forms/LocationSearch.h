#pragma once

#include <QMetaType>
#include <QString>
#include <QVariant>
#include <optional>

#include "atlas/ArcMinutes.h"
#include "atlas/PlaceSearch.h"
#include "ephemeris/Calendar.h"
#include "zones/BirthZone.h"
#include "zones/ZoneProposal.h"

class QWidget;

namespace fortunix {

// A place chosen in the look-up, as the birth-data form takes it.
struct ChosenPlace {
    QString name;      // "Kathmandu"
    QString division;  // "Bagmati Province"; empty when the atlas names none
    QString country;   // "Nepal"
    atlas::ArcMinutes latitude{};
    atlas::ArcMinutes longitude{};
    zones::BirthplaceZone zone;  // its time zone, when the atlas knows it
    // What the place's zone at the birth moment sets in the zone list and the tick (for an
    // hour the clocks repeated, the one the user chose); nothing without a moment or a zone.
    std::optional<zones::ZoneProposal> proposal;
};

// Finds the latitude and longitude of a place for the user. The main window creates one for
// each look-up and makes one call.
class LocationSearch {
  public:
    // `owner` is the window that the place-choice window is modal over. `typed` are the city,
    // state and country that the query was joined from, when the caller has them: they are
    // searched as typed instead of taking the query apart again. With the form's birth
    // `moment`, the window says which zone each place kept then and what using it sets.
    explicit LocationSearch(QWidget* owner = nullptr,
                            std::optional<atlas::PlaceQuery> typed = std::nullopt,
                            std::optional<CivilMoment> moment = std::nullopt);

    // Looks up `query` (for example "Paris IDF France Latitude Longitude") in the built-in
    // atlas, lists the matching places in a window modal over the owner and waits for the
    // user. Choosing a place puts it into `result` as a ChosenPlace; "Search the Web" opens a
    // search on the maker's site `siteAddress` instead; Cancel does nothing. Except for a
    // chosen place, `result` is left as it is.
    void Search(const QString& query, const QString& siteAddress, QVariant& result);

  private:
    QWidget* owner_;
    std::optional<atlas::PlaceQuery> typed_;
    std::optional<CivilMoment> moment_;
};

// The address of a web search for `query` on the site `siteAddress`: the site's search page
// with the query percent-encoded as UTF-8.
QString WebLocationSearchAddress(const QString& query, const QString& siteAddress);

// Opens the user's browser on that search.
void OpenWebLocationSearch(const QString& query, const QString& siteAddress);

}  // namespace fortunix

Q_DECLARE_METATYPE(fortunix::ChosenPlace)
