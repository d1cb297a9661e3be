#include <QHash>
#include <algorithm>
#include <utility>

#include "atlas/Atlas.h"
#include "atlas/ColumnSearch.h"
#include "atlas/LetterEdits.h"
#include "atlas/NameMatch.h"
#include "atlas/SearchKey.h"
#include "atlas/TableRows.h"

// The other names of places and countries (see tools/atlas/build-names.js). The names and
// their keys stay in the tables as they were read, so that a quarter of a million names cost
// no copy, and no decoding until one is shown. A key is found by where it starts; a name by
// its place's line, since names are shown far less often than keys are compared.

namespace fortunix::atlas {

namespace {

constexpr qsizetype kLongestKey = 255;

quint32 OffsetIn(const QByteArray& table, QByteArrayView part) {
    return static_cast<quint32>(part.data() - table.constData());
}

}  // namespace

void Atlas::attachOtherNames(QByteArray placeNames, QByteArray placeNameKeys,
                             QByteArrayView countryNames) {
    otherKeyStarts_.clear();
    otherKeyLengths_.clear();
    otherKeyLetters_.clear();
    firstOtherNames_.clear();
    otherNameLines_.clear();
    otherKeyLines_.clear();
    otherNamesTable_ = std::move(placeNames);
    otherKeysTable_ = std::move(placeNameKeys);

    // Room for every key at once, and no more: a line holds one key more than it has bars.
    qsizetype keyCount = CountByte(otherKeysTable_, '|');
    TableLines countedLines(otherKeysTable_);
    for (QByteArrayView line; countedLines.Next(line);) {
        keyCount += line.isEmpty() ? 0 : 1;
    }
    otherKeyStarts_.reserve(static_cast<std::size_t>(keyCount));
    otherKeyLengths_.reserve(static_cast<std::size_t>(keyCount));
    otherKeyLetters_.reserve(static_cast<std::size_t>(keyCount));
    firstOtherNames_.reserve(static_cast<std::size_t>(placeCount()) + 1);
    otherNameLines_.reserve(static_cast<std::size_t>(placeCount()));
    otherKeyLines_.reserve(static_cast<std::size_t>(placeCount()));

    // One line of each table per place, in the places' order.
    TableLines nameLines(otherNamesTable_);
    TableLines keyLines(otherKeysTable_);
    QByteArrayView nameLine;
    QByteArrayView keyLine;
    bool linesLeft = true;
    for (qsizetype place = 0; place < placeCount() && linesLeft; ++place) {
        linesLeft = nameLines.Next(nameLine) && keyLines.Next(keyLine);
        firstOtherNames_.push_back(static_cast<quint32>(otherKeyStarts_.size()));
        otherNameLines_.push_back(OffsetIn(otherNamesTable_, nameLine));
        otherKeyLines_.push_back(OffsetIn(otherKeysTable_, keyLine));
        ListItems keys(keyLine);
        for (QByteArrayView key; linesLeft && keys.Next(key);) {
            if (key.isEmpty() || key.size() > kLongestKey) {
                break;  // a damaged line: its remaining names are left out
            }
            otherKeyStarts_.push_back(OffsetIn(otherKeysTable_, key));
            otherKeyLengths_.push_back(static_cast<quint8>(key.size()));
            otherKeyLetters_.push_back(KeyLetterBits(key));
        }
    }
    firstOtherNames_.push_back(static_cast<quint32>(otherKeyStarts_.size()));
    if (!linesLeft || nameLines.Next(nameLine) || keyLines.Next(keyLine)) {
        // Tables of another length belong to other places: none of their names is kept.
        otherKeyStarts_ = {};
        otherKeyLengths_ = {};
        otherKeyLetters_ = {};
        firstOtherNames_ = {};
        otherNameLines_ = {};
        otherKeyLines_ = {};
        otherNamesTable_ = {};
        otherKeysTable_ = {};
    }

    QHash<QByteArray, qsizetype> countryIndex;
    for (std::size_t index = 0; index < countries_.size(); ++index) {
        countryIndex.insert(countries_[index].code.toUtf8(), qsizetype(index));
    }
    ForEachRow(countryNames, [&](const std::vector<QByteArrayView>& fields) {
        const auto country = countryIndex.constFind(fields.front().toByteArray());
        if (fields.size() < 2 || country == countryIndex.cend()) {
            return;
        }
        QByteArrayList& known = countries_[*country].names;
        ListItems names(fields[1]);
        for (QByteArrayView name; names.Next(name);) {
            const QByteArray key = CompactKey(SearchKey(QString::fromUtf8(name)));
            if (!key.isEmpty() && !known.contains(key)) {
                known.append(key);
            }
        }
    });
    publish();
}

qsizetype Atlas::otherNamePlace(qsizetype index) const {
    // The last place whose first other name is at or before `index`, which lies between the
    // places of the sampled other names on either side of it.
    const ImageColumn<quint32>& sampled = view_.otherNamePlaces;
    const auto sample = std::size_t(index) / kOtherNameStep;
    if (placeCount() == 0 || sample >= sampled.size()) {
        return 0;
    }
    const qsizetype last = placeCount() - 1;
    const qsizetype low = std::min<qsizetype>(sampled[sample], last);
    const qsizetype high =
        sample + 1 < sampled.size() ? std::clamp<qsizetype>(sampled[sample + 1], low, last) : last;
    const qsizetype after = FirstAbove(
        high - low + 1, index, [this, low](qsizetype at) { return firstOtherNameOf(low + at); });
    return low + std::max<qsizetype>(after - 1, 0);
}

QString Atlas::otherName(qsizetype index) const {
    // The name stands in its place's line as the key stands in the keys' line.
    const qsizetype place = otherNamePlace(index);
    QByteArrayView line = view_.otherNames.sliced(
        std::min<qsizetype>(otherNameLineOf(place), view_.otherNames.size()));
    TableLines(line).Next(line);
    ListItems names(line);
    QByteArrayView name;
    for (qsizetype item = firstOtherNameOf(place); item <= index; ++item) {
        if (!names.Next(name)) {
            name = {};
        }
    }
    if (!name.isEmpty()) {
        // The gazetteer leaves two spaces where it dropped a comma ("Kushiro  Hokkaidō").
        return QString::fromUtf8(name).simplified();
    }
    // Its key from the place's line of keys, which the search has read.
    ListItems keys(otherNameKeyLine(place));
    QByteArrayView key;
    for (qsizetype item = firstOtherNameOf(place); item <= index; ++item) {
        if (!keys.Next(key)) {
            key = {};
        }
    }
    QString capitalized = QString::fromUtf8(key);
    for (qsizetype letter = 0; letter < capitalized.size(); ++letter) {
        if (letter == 0 || capitalized[letter - 1] == u' ') {
            capitalized[letter] = capitalized[letter].toUpper();
        }
    }
    return capitalized;
}

std::pair<qsizetype, qsizetype> Atlas::otherNamesOf(qsizetype place) const {
    if (place < 0 || place >= placeCount()) {
        return {0, 0};
    }
    const qsizetype last = std::min<qsizetype>(firstOtherNameOf(place + 1), otherNameCount());
    return {std::min<qsizetype>(firstOtherNameOf(place), last), last};
}

QByteArrayView Atlas::otherNameKeyLine(qsizetype place) const {
    if (place < 0 || place >= placeCount()) {
        return {};
    }
    QByteArrayView line =
        view_.otherKeys.sliced(std::min<qsizetype>(otherKeyLineOf(place), view_.otherKeys.size()));
    TableLines(line).Next(line);
    return line;
}

}  // namespace fortunix::atlas
