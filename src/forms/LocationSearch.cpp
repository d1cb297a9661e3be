#include "forms/LocationSearch.h"

#include <QGuiApplication>
#include <QUrl>
#include <array>
#include <optional>
#include <utility>
#include <vector>

#include "atlas/BuiltInAtlas.h"
#include "atlas/CountryNamesByLanguage.h"
#include "atlas/LookupQuery.h"
#include "atlas/PlaceLine.h"
#include "forms/PlaceChoiceTexts.h"
#include "forms/ProgramLanguage.h"
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

// A place line's country in the language in use ("Россия"); empty in English, where the line
// keeps the atlas's name. The table's columns are languages without a region ("pt" for pt_BR).
QString CountryInLanguage(const atlas::Country& country) {
    const QString language = LanguageInUse();
    if (language == QLatin1String(kEnglish)) {
        return QString();
    }
    return atlas::BuiltInCountryNamesByLanguage().nameOf(country, language.section(u'_', 0, 0));
}

// A listed place at the birth moment: what the window says of its zone, and the rows it
// proposes for the first of a repeated hour (and any other moment) and for the second.
struct PlaceAtMoment {
    PlaceZoneNote note;
    std::array<zones::ZoneProposal, 2> proposals;
};

PlaceAtMoment AtMoment(const zones::BirthplaceZone& zone, const CivilMoment& moment) {
    const zones::ZoneHistory& history = zones::BuiltInZoneHistory();
    // The place's clocks at the moment, found once for the note and the proposals.
    const zones::BirthZone clocks = zones::FindBirthZone(history, zone, moment);
    const std::array proposals{zones::ProposeZone(history, clocks),
                               zones::ProposeZone(history, clocks, true)};
    return {DescribePlaceZone(history, zone.zone, clocks, moment, proposals), proposals};
}

}  // namespace

LocationSearch::LocationSearch(QWidget* owner, std::optional<atlas::PlaceQuery> typed,
                               std::optional<CivilMoment> moment)
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
                       lookup.unknownCountry ? fields.country.trimmed() : QString(),
                       lookup.noneInCountry ? fields.country.trimmed() : QString()};
    std::vector<ChosenPlace> found;
    std::vector<PlaceZoneNote> notes;
    std::vector<std::array<zones::ZoneProposal, 2>> proposals;
    for (const atlas::RankedPlace& ranked : lookup.places) {
        const atlas::Place& place = places.place(ranked.place);
        choice.placeLines.append(
            atlas::DescribePlace(places, ranked.place, ranked.otherName,
                                 CountryInLanguage(places.country(place.country))));
        const zones::BirthplaceZone zone{place.zone, place.longitude};
        found.push_back({places.placeName(ranked.place),
                         place.division != atlas::kNoDivision ? places.division(place.division).name
                                                              : QString(),
                         places.country(place.country).name,
                         atlas::RoundToArcMinutes(place.latitude),
                         atlas::RoundToArcMinutes(place.longitude), zone, std::nullopt});
        if (moment_) {
            PlaceAtMoment atMoment = AtMoment(zone, *moment_);
            notes.push_back(std::move(atMoment.note));
            proposals.push_back(atMoment.proposals);
        }
    }

    frmPlaceChoice window(choice, owner_, std::move(notes));
    window.setWindowModality(Qt::WindowModal);
    std::optional<std::size_t> chosen;
    bool laterOfRepeated = false;
    bool searchWeb = false;
    QObject::connect(&window, &frmPlaceChoice::placeChosen, &window, [&](int row, bool later) {
        if (row >= 0 && static_cast<std::size_t>(row) < found.size()) {
            chosen = static_cast<std::size_t>(row);
            laterOfRepeated = later;
        }
    });
    QObject::connect(&window, &frmPlaceChoice::webSearchChosen, &window,
                     [&searchWeb] { searchWeb = true; });
    window.exec();

    if (chosen) {
        ChosenPlace& place = found[*chosen];
        if (*chosen < proposals.size() && zones::BuiltInZoneHistory().holds(place.zone.zone)) {
            place.proposal = proposals[*chosen][laterOfRepeated ? 1 : 0];
        }
        result = QVariant::fromValue(place);
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
