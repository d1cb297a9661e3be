#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <vector>

namespace fortunix::atlas {

inline constexpr quint16 kNoDivision = 0xFFFF;
inline constexpr quint16 kNoZone = 0xFFFF;

struct Country {
    QString code;       // two letters, "FR"
    QString name;       // the English name shown, "France"
    QStringList names;  // compact search keys of every name and code a user may type
};

// A first-level division of a country: a state, province or region.
struct Division {
    QString code;         // as the gazetteer has it: "NY", "11", "ENG"
    QString name;         // "Île-de-France"
    QString nameKey;      // search key of the name, "ile de france"
    QString codeKey;      // "ny", "11", "eng"
    QString compactName;  // "iledefrance"
    QString initials;     // "idf"
};

struct Place {
    double latitude;   // degrees, north positive
    double longitude;  // degrees, east positive
    quint32 population;
    quint16 country;   // index into the countries
    quint16 division;  // index into the divisions, or kNoDivision
    quint32 nameStart;
    quint32 keyStart;
    quint16 nameLength;
    quint16 keyLength;
    quint16 zone = kNoZone;  // index into the zone history (atlas/ZoneHistory.h)
};

// The populated places of the world, read from three tab-separated tables (see
// tools/atlas/build-atlas.js). Names and search keys are packed into two long strings so that
// the 140,000 places stay compact in memory.
class Atlas {
  public:
    // Lines starting with '#' are comments; rows that cannot be read are skipped.
    static Atlas FromTables(QByteArrayView countries, QByteArrayView divisions,
                            QByteArrayView places);

    qsizetype placeCount() const { return static_cast<qsizetype>(places_.size()); }
    const Place& place(qsizetype index) const { return places_[index]; }
    QStringView placeName(qsizetype index) const;
    QStringView placeKey(qsizetype index) const;  // PlaceNameKey of the name

    qsizetype countryCount() const { return static_cast<qsizetype>(countries_.size()); }
    const Country& country(qsizetype index) const { return countries_[index]; }

    qsizetype divisionCount() const { return static_cast<qsizetype>(divisions_.size()); }
    const Division& division(qsizetype index) const { return divisions_[index]; }

    // Gives each place its zone from the table of tools/atlas/build-zones.js, one line per
    // place in the places' order (PlaceZones.cpp). A table of another length is ignored.
    void attachZones(QByteArrayView placeZones);

    // Bytes held by the loaded atlas, for the memory budget.
    qsizetype memoryBytes() const;

  private:
    std::vector<Country> countries_;
    std::vector<Division> divisions_;
    std::vector<Place> places_;
    QString names_;
    QString keys_;
};

}  // namespace fortunix::atlas
