#include <QAnyStringView>
#include <QHash>
#include <QUtf8StringView>
#include <algorithm>
#include <limits>

#include "atlas/Atlas.h"
#include "atlas/SearchKey.h"
#include "atlas/TableRows.h"

// The other names of places and countries (see tools/atlas/build-names.js). The names and
// their keys stay in the tables as they were read and are found by their offsets, so that a
// quarter of a million names cost no copy, and no decoding until one is shown.

namespace fortunix::atlas {

namespace {

bool IsAscii(QByteArrayView key) {
    return std::all_of(key.begin(), key.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// The next line at or after `position` that is neither empty nor a comment; moves past it.
QByteArrayView NextDataLine(QByteArrayView table, qsizetype& position) {
    while (position < table.size()) {
        qsizetype end = table.indexOf('\n', position);
        if (end < 0) {
            end = table.size();
        }
        const QByteArrayView line = table.sliced(position, end - position);
        position = end + 1;
        if (!line.isEmpty() && line.front() != '#') {
            return line;
        }
    }
    return {};
}

// Takes the text up to the next bar off the front of `list`.
QByteArrayView TakeUpToBar(QByteArrayView& list) {
    const qsizetype bar = list.indexOf('|');
    const QByteArrayView part = bar < 0 ? list : list.first(bar);
    list = bar < 0 ? QByteArrayView() : list.sliced(bar + 1);
    return part;
}

}  // namespace

void Atlas::attachOtherNames(QByteArray placeNames, QByteArray placeNameKeys,
                             QByteArrayView countryNames) {
    otherNames_.clear();
    otherNamesTable_ = std::move(placeNames);
    otherKeysTable_ = std::move(placeNameKeys);
    const auto offsetIn = [](const QByteArray& table, QByteArrayView part) {
        return static_cast<quint32>(part.data() - table.constData());
    };
    constexpr qsizetype kLongest = std::numeric_limits<quint16>::max();

    // Room for every key at once, so that the list is neither copied as it grows nor
    // shrunk after: a key ends at a bar or at the end of its line.
    const QByteArrayView keyTable = otherKeysTable_;
    otherNames_.reserve(static_cast<std::size_t>(keyTable.count('|') + keyTable.count('\n')));
    // Rows in ascending order of places keep the other names in the order of their places
    // and of their keys in the table, as the searches expect; a row out of order is skipped.
    qsizetype lastPlace = -1;
    qsizetype keysAt = 0;
    ForEachRow(otherNamesTable_, [&](const std::vector<QByteArrayView>& fields) {
        QByteArrayView keys = NextDataLine(otherKeysTable_, keysAt);
        qsizetype place = -1;
        if (fields.size() < 3 || !ParseNumber(fields[0], place) || place <= lastPlace ||
            place >= placeCount() ||
            QAnyStringView::compare(placeName(place), QUtf8StringView(fields[1])) != 0) {
            return;
        }
        lastPlace = place;
        const std::size_t rowStart = otherNames_.size();
        QByteArrayView names = fields[2];
        while (!names.isEmpty() || !keys.isEmpty()) {
            const QByteArrayView name = TakeUpToBar(names);
            const QByteArrayView key = TakeUpToBar(keys);
            if (name.isEmpty() || key.isEmpty()) {
                otherNames_.resize(rowStart);  // the lists differ in length
                return;
            }
            if (name.size() > kLongest || key.size() > kLongest || !IsAscii(key)) {
                continue;
            }
            otherNames_.push_back({static_cast<quint32>(place), offsetIn(otherNamesTable_, name),
                                   offsetIn(otherKeysTable_, key),
                                   static_cast<quint16>(name.size()),
                                   static_cast<quint16>(key.size())});
        }
    });

    QHash<QByteArray, qsizetype> countryIndex;
    for (qsizetype index = 0; index < countryCount(); ++index) {
        countryIndex.insert(countries_[index].code.toUtf8(), index);
    }
    ForEachRow(countryNames, [&](const std::vector<QByteArrayView>& fields) {
        const auto country = countryIndex.constFind(fields.front().toByteArray());
        if (fields.size() < 2 || country == countryIndex.cend()) {
            return;
        }
        QStringList& known = countries_[*country].names;
        for (QByteArrayView names = fields[1]; !names.isEmpty();) {
            const QByteArrayView name = TakeUpToBar(names);
            const QString key = CompactKey(SearchKey(QString::fromUtf8(name)));
            if (!key.isEmpty() && !known.contains(key)) {
                known.append(key);
            }
        }
    });
}

QString Atlas::otherName(qsizetype index) const {
    const OtherName& other = otherNames_[index];
    return QString::fromUtf8(otherNamesTable_.constData() + other.nameStart, other.nameLength);
}

QByteArrayView Atlas::otherNameKey(qsizetype index) const {
    const OtherName& other = otherNames_[index];
    return QByteArrayView(otherKeysTable_.constData() + other.keyStart, other.keyLength);
}

std::pair<qsizetype, qsizetype> Atlas::otherNamesOf(qsizetype place) const {
    const auto byPlace = [](const OtherName& other, qsizetype wanted) {
        return static_cast<qsizetype>(other.place) < wanted;
    };
    const auto first = std::lower_bound(otherNames_.begin(), otherNames_.end(), place, byPlace);
    auto last = first;
    while (last != otherNames_.end() && static_cast<qsizetype>(last->place) == place) {
        ++last;
    }
    return {first - otherNames_.begin(), last - otherNames_.begin()};
}

}  // namespace fortunix::atlas
