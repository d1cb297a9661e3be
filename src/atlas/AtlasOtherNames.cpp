#include <QHash>
#include <algorithm>

#include "atlas/Atlas.h"
#include "atlas/SearchKey.h"
#include "atlas/TableRows.h"

// The other names of places and countries (see tools/atlas/build-names.js). The names and
// their keys stay in the tables as they were read and are found by where they start, so that
// a quarter of a million names cost no copy, and no decoding until one is shown.

namespace fortunix::atlas {

namespace {

bool IsNameEnd(char c) {
    return c == '|' || c == '\n' || c == '\r';
}

// The text from `start` to the next bar or line end.
QByteArrayView PartAt(const QByteArray& table, quint32 start) {
    const char* const first = table.constData() + start;
    const char* const end = table.constData() + table.size();
    return QByteArrayView(first, std::find_if(first, end, IsNameEnd));
}

// The lines of a table after its opening comments, empty lines included, one at a time.
class Lines {
  public:
    explicit Lines(QByteArrayView table) : table_(table) {
        while (position_ < table_.size() && table_[position_] == '#') {
            Next();
        }
    }

    // The number of lines left.
    qsizetype Count() const {
        const QByteArrayView rest = table_.sliced(position_);
        return rest.count('\n') + (!rest.isEmpty() && !rest.endsWith('\n') ? 1 : 0);
    }

    QByteArrayView Next() {
        qsizetype end = table_.indexOf('\n', position_);
        if (end < 0) {
            end = table_.size();
        }
        const QByteArrayView line = table_.sliced(position_, end - position_);
        position_ = std::min(end + 1, table_.size());
        return line;
    }

  private:
    QByteArrayView table_;
    qsizetype position_ = 0;
};

// Takes the text up to the next bar off the front of `list`.
QByteArrayView TakeUpToBar(QByteArrayView& list) {
    const qsizetype bar = list.indexOf('|');
    const QByteArrayView part = bar < 0 ? list : list.first(bar);
    list = bar < 0 ? QByteArrayView() : list.sliced(bar + 1);
    return part;
}

constexpr qsizetype kLongestKey = 255;

quint32 OffsetIn(const QByteArray& table, QByteArrayView part) {
    return static_cast<quint32>(part.data() - table.constData());
}

bool IsAscii(QByteArrayView key) {
    return std::all_of(key.begin(), key.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

}  // namespace

void Atlas::attachOtherNames(QByteArray placeNames, QByteArray placeNameKeys,
                             QByteArrayView countryNames) {
    otherNames_.clear();
    otherKeyLengths_.clear();
    firstOtherNames_.clear();
    otherNamesTable_ = std::move(placeNames);
    otherKeysTable_ = std::move(placeNameKeys);
    Lines nameLines(otherNamesTable_);
    Lines keyLines(otherKeysTable_);
    if (nameLines.Count() == placeCount() && keyLines.Count() == placeCount()) {
        // Room for every key at once: a key ends at a bar or at the end of its line.
        const auto keyCount =
            static_cast<std::size_t>(QByteArrayView(otherKeysTable_).count('|') + keyLines.Count());
        otherNames_.reserve(keyCount);
        otherKeyLengths_.reserve(keyCount);
        firstOtherNames_.reserve(static_cast<std::size_t>(placeCount()) + 1);
        for (qsizetype place = 0; place < placeCount(); ++place) {
            firstOtherNames_.push_back(static_cast<quint32>(otherNames_.size()));
            QByteArrayView names = nameLines.Next();
            QByteArrayView keys = keyLines.Next();
            while (!keys.isEmpty()) {
                const QByteArrayView name = TakeUpToBar(names);
                const QByteArrayView key = TakeUpToBar(keys);
                if (key.isEmpty() || key.size() > kLongestKey || !IsAscii(key)) {
                    break;  // a damaged line: its remaining names are left out
                }
                otherNames_.push_back(
                    {name.isEmpty() ? kKeyInCapitals : OffsetIn(otherNamesTable_, name),
                     OffsetIn(otherKeysTable_, key)});
                otherKeyLengths_.push_back(static_cast<quint8>(key.size()));
            }
        }
        firstOtherNames_.push_back(static_cast<quint32>(otherNames_.size()));
    }

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
            const QString key = CompactKey(SearchKey(QString::fromUtf8(TakeUpToBar(names))));
            if (!key.isEmpty() && !known.contains(key)) {
                known.append(key);
            }
        }
    });
}

qsizetype Atlas::otherNamePlace(qsizetype index) const {
    const auto after = std::upper_bound(firstOtherNames_.begin(), firstOtherNames_.end(),
                                        static_cast<quint32>(index));
    return (after - firstOtherNames_.begin()) - 1;
}

QString Atlas::otherName(qsizetype index) const {
    const OtherName& other = otherNames_[static_cast<std::size_t>(index)];
    if (other.nameStart != kKeyInCapitals) {
        return QString::fromUtf8(PartAt(otherNamesTable_, other.nameStart));
    }
    QString name = QString::fromLatin1(otherNameKey(index));
    for (qsizetype at = 0; at < name.size(); ++at) {
        if (at == 0 || name[at - 1] == u' ') {
            name[at] = name[at].toUpper();
        }
    }
    return name;
}

std::pair<qsizetype, qsizetype> Atlas::otherNamesOf(qsizetype place) const {
    if (place < 0 || static_cast<std::size_t>(place) + 1 >= firstOtherNames_.size()) {
        return {0, 0};
    }
    const auto at = static_cast<std::size_t>(place);
    return {firstOtherNames_[at], firstOtherNames_[at + 1]};
}

}  // namespace fortunix::atlas
