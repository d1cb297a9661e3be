#include "forms/LocationSearch.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGuiApplication>
#include <QLineEdit>
#include <QUrl>
#include <vector>

#include "atlas/ArcMinutes.h"
#include "atlas/BuiltInAtlas.h"
#include "atlas/LookupQuery.h"
#include "atlas/PlaceLine.h"
#include "atlas/PlaceSearch.h"
#include "forms/Windows.h"
#include "forms/frmMain.h"
#include "forms/frmPlaceChoice.h"
#include "shell/modHelp.h"

namespace fortunix {

namespace {

// Enough to hold the intended place for any sensible query, few enough to read.
constexpr std::size_t kPlacesListed = 20;

struct Coordinates {
    atlas::ArcMinutes latitude;
    atlas::ArcMinutes longitude;
};

QString BoxText(const QWidget& form, const char* name) {
    const auto* box = form.findChild<QLineEdit*>(QString::fromLatin1(name));
    return box != nullptr ? box->text() : QString();
}

// The main window's city, state and country boxes when they are what was joined into `query`
// (the look-up button's case); otherwise the query taken apart against the atlas.
atlas::PlaceQuery PlaceFields(const atlas::Atlas& atlas, const QString& query) {
    if (windows::IsMainLoaded()) {
        const frmMain& form = windows::Main();
        const atlas::PlaceQuery typed{BoxText(form, "txtMCity"), BoxText(form, "txtMState"),
                                      BoxText(form, "txtMCountry")};
        if (atlas::LookupQueryText(typed) == query) {
            return typed;
        }
    }
    return atlas::SplitLookupQuery(atlas, query);
}

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

// Fills the form's degree and minute boxes and picks the hemispheres (element 0 of the
// option arrays is North and East). Writes nothing if the form lacks one of the controls.
void WriteCoordinates(QWidget& form, const Coordinates& place) {
    const auto box = [&form](const char* name) {
        return form.findChild<QLineEdit*>(QString::fromLatin1(name));
    };
    const auto option = [&form](const char* array, bool positive) -> QAbstractButton* {
        const auto* group = form.findChild<QButtonGroup*>(QString::fromLatin1(array));
        return group != nullptr ? group->button(positive ? 0 : 1) : nullptr;
    };
    QLineEdit* txtLatD = box("txtLatD");
    QLineEdit* txtLatM = box("txtLatM");
    QLineEdit* txtLonD = box("txtLonD");
    QLineEdit* txtLonM = box("txtLonM");
    QAbstractButton* optLat = option("optLat", place.latitude.positive);
    QAbstractButton* optLong = option("optLong", place.longitude.positive);
    if (!txtLatD || !txtLatM || !txtLonD || !txtLonM || !optLat || !optLong) {
        return;
    }
    txtLatD->setText(QString::number(place.latitude.degrees));
    txtLatM->setText(QString::number(place.latitude.minutes));
    optLat->setChecked(true);
    txtLonD->setText(QString::number(place.longitude.degrees));
    txtLonM->setText(QString::number(place.longitude.minutes));
    optLong->setChecked(true);
}

}  // namespace

void LocationSearch::Search(const QString& query, const QString& siteAddress, QVariant&) {
    const atlas::Atlas& places = LoadedAtlas();
    const atlas::PlaceQuery fields = PlaceFields(places, query);

    QStringList lines;
    std::vector<Coordinates> coordinates;
    for (const atlas::RankedPlace& ranked : atlas::SearchPlaces(places, fields, kPlacesListed)) {
        const atlas::Place& place = places.place(ranked.place);
        lines.append(atlas::DescribePlace(places, ranked.place));
        coordinates.push_back(
            {atlas::RoundToArcMinutes(place.latitude), atlas::RoundToArcMinutes(place.longitude)});
    }

    QWidget* owner = windows::IsMainLoaded() ? &windows::Main() : nullptr;
    auto* window = new atlas::frmPlaceChoice(Sought(fields), lines, owner);
    window->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(window, &atlas::frmPlaceChoice::placeChosen, window, [coordinates](int row) {
        if (windows::IsMainLoaded() && row >= 0 &&
            static_cast<std::size_t>(row) < coordinates.size()) {
            WriteCoordinates(windows::Main(), coordinates[row]);
        }
    });
    QObject::connect(window, &atlas::frmPlaceChoice::webSearchChosen, window,
                     [query, siteAddress] { OpenWebLocationSearch(query, siteAddress); });
    window->open();
}

QString WebLocationSearchAddress(const QString& query, const QString& siteAddress) {
    return siteAddress + QStringLiteral("/search?q=") +
           QString::fromLatin1(QUrl::toPercentEncoding(query));
}

void OpenWebLocationSearch(const QString& query, const QString& siteAddress) {
    OpenWebPage(WebLocationSearchAddress(query, siteAddress));
}

}  // namespace fortunix
