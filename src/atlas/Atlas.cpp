#include "atlas/Atlas.h"

#include <QHash>
#include <algorithm>
#include <optional>
#include <span>
#include <string_view>
#include <utility>

#include "atlas/LetterEdits.h"
#include "atlas/NameMatch.h"
#include "atlas/PlaceNameKey.h"
#include "atlas/SearchKey.h"
#include "atlas/TableRows.h"

namespace fortunix::atlas {

namespace {

std::string_view View(QByteArrayView bytes) {
    return {bytes.data(), static_cast<std::size_t>(bytes.size())};
}

// Codes are a few bytes: compared here rather than by a call for each.
bool CodeBefore(std::string_view a, std::string_view b) {
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        if (a[i] != b[i]) {
            return static_cast<unsigned char>(a[i]) < static_cast<unsigned char>(b[i]);
        }
    }
    return a.size() < b.size();
}

bool SameCode(std::string_view a, std::string_view b) {
    return !CodeBefore(a, b) && !CodeBefore(b, a);
}

// The divisions of every country by code, found without building a string for every place.
// The codes are views into the divisions table, which is kept while the places are read.
class DivisionCodes {
  public:
    void Add(quint16 country, QByteArrayView code, quint16 division) {
        codes_.push_back({country, View(code), division});
    }
    void Sort() {
        std::sort(codes_.begin(), codes_.end(), [](const Entry& a, const Entry& b) {
            if (a.country != b.country) {
                return a.country < b.country;
            }
            return a.code != b.code ? CodeBefore(a.code, b.code) : a.division < b.division;
        });
    }

    // Those of one country, before the first Find: the places come grouped by country.
    void Choose(quint16 country) {
        const auto [first, last] =
            std::equal_range(codes_.begin(), codes_.end(), Entry{country, {}, 0},
                             [](const Entry& a, const Entry& b) { return a.country < b.country; });
        chosen_ = {first, last};
    }

    quint16 Find(QByteArrayView code) const {
        const auto found = std::lower_bound(chosen_.begin(), chosen_.end(), View(code),
                                            [](const Entry& entry, std::string_view wanted) {
                                                return CodeBefore(entry.code, wanted);
                                            });
        return found != chosen_.end() && SameCode(found->code, View(code)) ? found->division
                                                                           : kNoDivision;
    }

  private:
    struct Entry {
        quint16 country;
        std::string_view code;
        quint16 division;
    };
    std::vector<Entry> codes_;
    std::span<const Entry> chosen_;
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
        country.names.append(country.code.toLower().toUtf8());
        country.names.append(CompactKey(SearchKey(country.name)));
        ListItems others(fields.size() > 2 ? fields[2] : QByteArrayView());
        for (QByteArrayView other; others.Next(other);) {
            country.names.append(CompactKey(SearchKey(QString::fromUtf8(other))));
        }
        countryIndex.insert(fields[0].toByteArray(), static_cast<quint16>(atlas.countries_.size()));
        atlas.countries_.push_back(std::move(country));
    });

    DivisionCodes divisionCodes;
    atlas.divisions_.reserve(static_cast<std::size_t>(CountByte(divisions, '\n')) + 1);
    ForEachRow(divisions, [&](const std::vector<QByteArrayView>& fields) {
        const auto country = countryIndex.constFind(fields.front().toByteArray());
        if (fields.size() < 3 || country == countryIndex.cend() ||
            atlas.divisions_.size() >= kNoDivision) {
            return;
        }
        const QString code = QString::fromUtf8(fields[1]);
        const QString name = QString::fromUtf8(fields[2]);
        divisionCodes.Add(*country, fields[1], static_cast<quint16>(atlas.divisions_.size()));
        QByteArray nameKey = SearchKey(name);
        nameKey.squeeze();  // of the room it was written in: thousands of divisions keep theirs
        atlas.divisions_.push_back({code, name, nameKey, CompactKey(SearchKey(code))});
    });
    divisionCodes.Sort();

    // Room for every place at once (a line is at most a place), so that nothing is copied as
    // it grows; the names and their keys take about a quarter of a row each.
    const auto lines = static_cast<std::size_t>(CountByte(places, '\n'));
    atlas.places_.reserve(lines + 1);
    atlas.keyStarts_.reserve(lines + 2);
    atlas.keyLetters_.reserve(lines + 1);
    atlas.names_.reserve(places.size() / 3);
    atlas.keys_.reserve(places.size() / 3);

    // The rows come grouped by country, so the country is looked up only when it changes.
    std::optional<QByteArrayView> lastCountryCode;
    quint16 lastCountry = 0;
    ForEachRow(places, [&](const std::vector<QByteArrayView>& fields) {
        Place place{};
        if (fields.size() < 6 || !ParseNumber(fields[3], place.latitude) ||
            !ParseNumber(fields[4], place.longitude) || !ParseNumber(fields[5], place.population)) {
            return;
        }
        if (!lastCountryCode || !SameCode(View(fields[1]), View(*lastCountryCode))) {
            const auto country = countryIndex.constFind(fields[1].toByteArray());
            if (country == countryIndex.cend()) {
                return;
            }
            lastCountryCode = fields[1];
            lastCountry = *country;
            divisionCodes.Choose(lastCountry);
        }
        place.country = lastCountry;
        place.division = divisionCodes.Find(fields[2]);
        place.nameStart = static_cast<quint32>(atlas.names_.size());
        atlas.names_.append(fields[0]);
        const qsizetype keyStart = atlas.keys_.size();
        atlas.keyStarts_.push_back(static_cast<quint32>(keyStart));
        AppendPlaceNameKey(atlas.keys_, fields[0]);
        atlas.keyLetters_.push_back(KeyLetterBits(QByteArrayView(atlas.keys_).sliced(keyStart)));
        atlas.keys_.append('\n');  // lets a search of the packed keys see where each ends
        atlas.places_.push_back(place);
    });
    atlas.keyStarts_.push_back(static_cast<quint32>(atlas.keys_.size()));

    atlas.names_.squeeze();
    atlas.keys_.squeeze();
    atlas.publish();
    return atlas;
}

qsizetype Atlas::memoryBytes() const {
    // The image (mapped, or the atlas's own), the tables it was written from, and where the
    // rows of its countries and divisions lie.
    constexpr qsizetype kCharBytes = sizeof(QChar);
    qsizetype bytes = sizeof(Atlas) + image_.size();
    bytes +=
        static_cast<qsizetype>(places_.capacity() * sizeof(Place) +
                               (keyStarts_.capacity() + keyLetters_.capacity()) * sizeof(quint32));
    bytes += names_.capacity() + keys_.capacity();
    for (const Country& country : countries_) {
        bytes += qsizetype(sizeof(Country)) +
                 (country.code.capacity() + country.name.capacity()) * kCharBytes;
        for (const QByteArray& name : country.names) {
            bytes += qsizetype(sizeof(QByteArray)) + name.capacity();
        }
    }
    bytes +=
        static_cast<qsizetype>((view_.countryRows.capacity() + view_.countryKeys.capacity() +
                                view_.divisionRows.capacity() + 2 * view_.divisionKeys.capacity()) *
                                   sizeof(QByteArrayView) +
                               view_.countryKeyLengths.capacity());
    bytes += otherNamesTable_.capacity() + otherKeysTable_.capacity();
    bytes += static_cast<qsizetype>((otherKeyStarts_.capacity() + otherKeyLetters_.capacity() +
                                     firstOtherNames_.capacity() + otherNameLines_.capacity() +
                                     otherKeyLines_.capacity()) *
                                        sizeof(quint32) +
                                    otherKeyLengths_.capacity());
    for (const Division& division : divisions_) {
        bytes += qsizetype(sizeof(Division)) +
                 (division.code.capacity() + division.name.capacity()) * kCharBytes +
                 division.nameKey.capacity() + division.codeKey.capacity();
    }
    return bytes;
}

}  // namespace fortunix::atlas
