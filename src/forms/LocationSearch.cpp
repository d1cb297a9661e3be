#include "forms/LocationSearch.h"

#include <QGuiApplication>
#include <QUrl>
#include <optional>
#include <utility>
#include <vector>

#include "atlas/BuiltInAtlas.h"
#include "atlas/LookupQuery.h"
#include "atlas/PlaceLine.h"
#include "forms/frmPlaceChoice.h"
#include "shell/modHelp.h"
#include "zones/ZoneHistory.h"

namespace fortunix {

namespace {

// Enough to hold the intended place for any sensible query, few enough to read.
constexpr std::size_t kPlacesListed = 20;

// "Paris, IDF, France": the non-blank fields, as the window names what was looked for.
QString Sought(const atlas::PlaceQuery& fields) {
    QStringList parts;
    for (const QString& field : {fields.city, fields.state, fields.country}) {
        if (!field.trimmed().isEmpty()) {
            parts.append(field.trimmed());
        }
    }
    return parts.join(QStringLiteral(", "));
}

// The first look-up reads the atlas, a fraction of a second; the pointer says so.
const atlas::Atlas& LoadedAtlas() {
    if (atlas::IsBuiltInAtlasLoaded()) {
        return atlas::BuiltInAtlas();
    }
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const atlas::Atlas& loaded = atlas::BuiltInAtlas();
    QGuiApplication::restoreOverrideCursor();
    return loaded;
}

// What the window shows of a place's zone at the birth moment.
PlaceZoneNote ZoneNote(const zones::BirthplaceZone& zone, const zones::CivilTime& moment) {
    const zones::ZoneHistory& history = zones::BuiltInZoneHistory();
    PlaceZoneNote note;
    note.description = zones::DescribeBirthZone(history, zone, moment);
    note.sets = zones::DescribeProposal(zones::ProposeForMoment(history, zone, moment));
    const std::span<const zones::ZonePeriod> periods =
        zone.zone >= 0 ? history.periods(zone.zone) : std::span<const zones::ZonePeriod>();
    const zones::BirthZone found = zones::FindBirthZone(periods, zone.longitude, moment);
    if (found.kind == zones::BirthZone::Kind::Repeated) {
        note.firstChoice =
            QStringLiteral("The first: ") + zones::DescribeClockOffset(history, found.offsets[0]);
        note.secondChoice =
            QStringLiteral("The second: ") + zones::DescribeClockOffset(history, found.offsets[1]);
        note.setsSecond =
            zones::DescribeProposal(zones::ProposeForMoment(history, zone, moment, true));
    }
    return note;
}

}  // namespace

LocationSearch::LocationSearch(QWidget* owner, std::optional<atlas::PlaceQuery> typed,
                               std::optional<zones::CivilTime> moment)
    : owner_(owner), typed_(std::move(typed)), moment_(moment) {}

void LocationSearch::Search(const QString& query, const QString& siteAddress, QVariant& result) {
    const atlas::Atlas& places = LoadedAtlas();
    const atlas::PlaceQuery fields = typed_ && atlas::LookupQueryText(*typed_) == query
                                         ? *typed_
                                         : atlas::SplitLookupQuery(places, query);

    const atlas::PlaceLookup lookup = atlas::LookUpPlace(places, fields, kPlacesListed);
    PlaceChoice choice{Sought(fields),
                       {},
                       lookup.closeSpellings,
                       lookup.unknownCountry ? fields.country.trimmed() : QString()};
    std::vector<ChosenPlace> found;
    std::vector<PlaceZoneNote> notes;
    for (const atlas::RankedPlace& ranked : lookup.places) {
        const atlas::Place& place = places.place(ranked.place);
        choice.placeLines.append(atlas::DescribePlace(places, ranked.place, ranked.otherName));
        const zones::BirthplaceZone zone{place.zone == atlas::kNoZone ? -1 : place.zone,
                                         place.longitude};
        found.push_back({atlas::RoundToArcMinutes(place.latitude),
                         atlas::RoundToArcMinutes(place.longitude), zone, false});
        if (moment_) {
            notes.push_back(ZoneNote(zone, *moment_));
        }
    }

    frmPlaceChoice window(choice, owner_, std::move(notes));
    window.setWindowModality(Qt::WindowModal);
    std::optional<std::size_t> chosen;
    bool searchWeb = false;
    QObject::connect(&window, &frmPlaceChoice::placeChosen, &window,
                     [&](int row, bool laterOfRepeated) {
                         if (row >= 0 && static_cast<std::size_t>(row) < found.size()) {
                             chosen = static_cast<std::size_t>(row);
                             found[*chosen].laterOfRepeated = laterOfRepeated;
                         }
                     });
    QObject::connect(&window, &frmPlaceChoice::webSearchChosen, &window,
                     [&searchWeb] { searchWeb = true; });
    window.exec();

    if (chosen) {
        result = QVariant::fromValue(found[*chosen]);
    } else if (searchWeb) {
        OpenWebLocationSearch(query, siteAddress);
    }
}

QString WebLocationSearchAddress(const QString& query, const QString& siteAddress) {
    return siteAddress + QStringLiteral("/search?q=") +
           QString::fromLatin1(QUrl::toPercentEncoding(query));
}

void OpenWebLocationSearch(const QString& query, const QString& siteAddress) {
    OpenWebPage(WebLocationSearchAddress(query, siteAddress));
}

}  // namespace fortunix
