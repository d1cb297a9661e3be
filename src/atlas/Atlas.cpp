#include "atlas/Atlas.h"

#include <QHash>
#include <algorithm>
#include <limits>
#include <utility>

#include "atlas/SearchKey.h"
#include "atlas/TableRows.h"

namespace fortunix::atlas {

namespace {

bool IsAscii(QByteArrayView text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

void AppendUtf8(QString& text, QByteArrayView utf8) {
    if (IsAscii(utf8)) {
        text.append(QLatin1StringView(utf8.data(), utf8.size()));  // nothing to decode
    } else {
        text.append(QString::fromUtf8(utf8));
    }
}

// The divisions of one country by code, found without building a string for every place.
class DivisionCodes {
  public:
    void Add(QByteArrayView code, quint16 division) {
        codes_.push_back({code.toByteArray(), division});
    }
    void Sort() { std::sort(codes_.begin(), codes_.end()); }
    quint16 Find(QByteArrayView code) const {
        const auto found = std::lower_bound(
            codes_.begin(), codes_.end(), code,
            [](const std::pair<QByteArray, quint16>& entry, QByteArrayView wanted) {
                return QByteArrayView(entry.first) < wanted;
            });
        return found != codes_.end() && QByteArrayView(found->first) == code ? found->second
                                                                             : kNoDivision;
    }

  private:
    std::vector<std::pair<QByteArray, quint16>> codes_;
};

}  // namespace

Atlas Atlas::FromTables(QByteArrayView countries, QByteArrayView divisions, QByteArrayView places) {
    Atlas atlas;

    QHash<QByteArray, quint16> countryIndex;
    ForEachRow(countries, [&](const std::vector<QByteArrayView>& fields) {
        if (fields.size() < 2 || atlas.countries_.size() >= kNoDivision) {
            return;
        }
        Country country{QString::fromUtf8(fields[0]), QString::fromUtf8(fields[1]), {}};
        country.names.append(country.code.toLower());
        country.names.append(CompactKey(SearchKey(country.name)));
        if (fields.size() > 2 && !fields[2].isEmpty()) {
            for (const QString& other : QString::fromUtf8(fields[2]).split(u'|')) {
                country.names.append(CompactKey(SearchKey(other)));
            }
        }
        countryIndex.insert(fields[0].toByteArray(), static_cast<quint16>(atlas.countries_.size()));
        atlas.countries_.push_back(std::move(country));
    });

    std::vector<DivisionCodes> divisionCodes(atlas.countries_.size());
    ForEachRow(divisions, [&](const std::vector<QByteArrayView>& fields) {
        const auto country = countryIndex.constFind(fields.front().toByteArray());
        if (fields.size() < 3 || country == countryIndex.cend() ||
            atlas.divisions_.size() >= kNoDivision) {
            return;
        }
        const QString code = QString::fromUtf8(fields[1]);
        const QString name = QString::fromUtf8(fields[2]);
        const QString nameKey = SearchKey(name);
        divisionCodes[*country].Add(fields[1], static_cast<quint16>(atlas.divisions_.size()));
        atlas.divisions_.push_back({code, name, nameKey, CompactKey(SearchKey(code)),
                                    CompactKey(nameKey), InitialsOf(nameKey)});
    });
    for (DivisionCodes& codes : divisionCodes) {
        codes.Sort();
    }

    // Room for every place at once, so that the long strings are not copied as they grow.
    // A name takes about a quarter of its row.
    const auto rows = static_cast<std::size_t>(std::count(places.begin(), places.end(), '\n'));
    atlas.places_.reserve(rows + 1);
    atlas.names_.reserve(places.size() / 3);
    atlas.keys_.reserve(places.size() / 3);

    // The rows come grouped by country, so the country is looked up only when it changes.
    QByteArrayView lastCountryCode;
    quint16 lastCountry = 0;
    ForEachRow(places, [&](const std::vector<QByteArrayView>& fields) {
        Place place{};
        if (fields.size() < 6 || !ParseNumber(fields[3], place.latitude) ||
            !ParseNumber(fields[4], place.longitude) || !ParseNumber(fields[5], place.population)) {
            return;
        }
        if (fields[1] != lastCountryCode) {
            const auto country = countryIndex.constFind(fields[1].toByteArray());
            if (country == countryIndex.cend()) {
                return;
            }
            lastCountryCode = fields[1];
            lastCountry = *country;
        }
        const qsizetype nameStart = atlas.names_.size();
        AppendUtf8(atlas.names_, fields[0]);
        const qsizetype nameLength = atlas.names_.size() - nameStart;
        const QString key = PlaceNameKey(QStringView(atlas.names_).sliced(nameStart));
        constexpr qsizetype kLongest = std::numeric_limits<quint16>::max();
        if (nameLength > kLongest || key.size() > kLongest) {
            atlas.names_.truncate(nameStart);
            return;
        }
        place.country = lastCountry;
        place.division = divisionCodes[lastCountry].Find(fields[2]);
        place.nameStart = static_cast<quint32>(nameStart);
        place.nameLength = static_cast<quint16>(nameLength);
        place.keyStart = static_cast<quint32>(atlas.keys_.size());
        place.keyLength = static_cast<quint16>(key.size());
        atlas.keys_.append(key);
        atlas.keys_.append(u'\n');  // lets a search of the packed keys see where each ends
        atlas.places_.push_back(place);
    });

    atlas.names_.squeeze();
    atlas.keys_.squeeze();
    atlas.places_.shrink_to_fit();
    return atlas;
}

QStringView Atlas::placeName(qsizetype index) const {
    const Place& p = places_[index];
    return QStringView(names_).sliced(p.nameStart, p.nameLength);
}

QStringView Atlas::placeKey(qsizetype index) const {
    const Place& p = places_[index];
    return QStringView(keys_).sliced(p.keyStart, p.keyLength);
}

qsizetype Atlas::memoryBytes() const {
    constexpr qsizetype kCharBytes = sizeof(QChar);
    qsizetype bytes = sizeof(Atlas);
    bytes += static_cast<qsizetype>(places_.capacity() * sizeof(Place));
    bytes += (names_.capacity() + keys_.capacity()) * kCharBytes;
    for (const Country& country : countries_) {
        bytes += qsizetype(sizeof(Country)) +
                 (country.code.capacity() + country.name.capacity()) * kCharBytes;
        for (const QString& name : country.names) {
            bytes += qsizetype(sizeof(QString)) + name.capacity() * kCharBytes;
        }
    }
    bytes += otherNamesTable_.capacity() + otherKeysTable_.capacity();
    bytes += static_cast<qsizetype>(otherNames_.capacity() * sizeof(OtherName) +
                                    otherKeyLengths_.capacity() +
                                    firstOtherNames_.capacity() * sizeof(quint32));
    for (const Division& division : divisions_) {
        bytes += qsizetype(sizeof(Division)) +
                 (division.code.capacity() + division.name.capacity() +
                  division.nameKey.capacity() + division.codeKey.capacity() +
                  division.compactName.capacity() + division.initials.capacity()) *
                     kCharBytes;
    }
    return bytes;
}

}  // namespace fortunix::atlas
