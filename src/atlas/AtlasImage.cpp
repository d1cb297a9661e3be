#include <QtEndian>
#include <algorithm>
#include <array>
#include <cstring>

#include "atlas/Atlas.h"
#include "atlas/TableRows.h"

// The atlas image: the tables that the searches read, one after another in one block of bytes,
// so that an atlas is ready as soon as its image is in memory, or mapped there. Every number is
// little-endian, and nothing is aligned (a resource built into the program is not).
//
//   "FXATLAS" and a zero byte, the format (u32), the number of tables (u32), then for each table
//   where it starts and how many bytes it takes (u32 each); then the tables.
//
// A place is a record of kPlaceBytes; the words of the keys are the offsets of
// Atlas::SortedWordStarts, each in a record of kWordBytes with its item (Atlas::WordItems) and
// what it shares with the previous word (Atlas::WordSharedBytes), and their samples
// Atlas::WordSamples; the countries and divisions, a few thousand short rows, are text:
// "code\tname\tkey|key\n" and "code\tname\tname key\tcode key\n". The reader checks the header,
// that each table lies within the image and that their lengths agree; offsets into the names and
// keys are checked where they are read, so that a damaged image never makes a search read outside
// it.

namespace fortunix::atlas {

namespace {

constexpr std::array<char, 8> kMagic{'F', 'X', 'A', 'T', 'L', 'A', 'S', '\0'};
constexpr quint32 kFormat = 3;

enum Table : quint32 {
    kPlaces,
    kNames,
    kKeys,
    kKeyStarts,
    kKeyLetters,
    kOtherNames,
    kOtherKeys,
    kOtherKeyStarts,
    kOtherKeyLengths,
    kOtherKeyLetters,
    kOtherNamePlaces,
    kCountries,
    kDivisions,
    kPlaceWords,
    kOtherWords,
    kPlaceWordSamples,
    kOtherWordSamples,
    kTableCount
};

// A country key's length as kept beside the rows; a longer one is measured where it stands.
constexpr qsizetype kLongCountryKey = 255;

constexpr qsizetype kHeaderBytes = qsizetype(kMagic.size()) + 8 + 8 * kTableCount;

// latitude, longitude (f64), population, name start (u32), country, division, zone (u16), two
// bytes of zeros; then where its key, its first other name, its line of other names and its
// line of their keys start (u32).
constexpr qsizetype kPlaceBytes = 48;
constexpr qsizetype kKeyStartAt = 32;
constexpr qsizetype kFirstOtherNameAt = 36;
constexpr qsizetype kOtherNameLineAt = 40;
constexpr qsizetype kOtherKeyLineAt = 44;

// A word of the keys: where it starts, its item (u32 each), the bytes it shares with the
// previous word and its first byte that differs (u8 each).
constexpr qsizetype kWordBytes = 10;

template <typename Value>
void Append(QByteArray& image, Value value) {
    char bytes[sizeof(Value)];
    qToLittleEndian(value, bytes);
    image.append(bytes, sizeof(Value));
}

void AppendDouble(QByteArray& image, double value) {
    quint64 bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    Append(image, bits);
}

double ReadDouble(const char* at) {
    const quint64 bits = qFromLittleEndian<quint64>(at);
    double value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

template <typename Value>
QByteArray Column(const std::vector<Value>& values) {
    QByteArray column;
    column.reserve(qsizetype(values.size() * sizeof(Value)));
    for (const Value value : values) {
        Append(column, value);
    }
    return column;
}

template <typename Value>
ImageColumn<Value> ColumnOf(QByteArrayView table) {
    return {table.data(), std::size_t(table.size()) / sizeof(Value)};
}

template <typename Value>
bool HoldsWhole(QByteArrayView table) {
    return table.size() % qsizetype(sizeof(Value)) == 0;
}

QByteArray WordRecords(const std::vector<quint32>& starts, const std::vector<quint32>& items,
                       const QByteArray& shared) {
    QByteArray records;
    records.reserve(qsizetype(starts.size()) * kWordBytes);
    for (std::size_t word = 0; word < starts.size(); ++word) {
        Append(records, starts[word]);
        Append(records, items[word]);
        records.append(shared.sliced(2 * qsizetype(word), 2));
    }
    return records;
}

WordIndex WordIndexOf(QByteArrayView records, QByteArrayView samples) {
    const auto count = std::size_t(records.size() / kWordBytes);
    return {{records.data(), count, kWordBytes},
            samples,
            {records.data() + 4, count, kWordBytes},
            {records.data() + 8, count, kWordBytes},
            {records.data() + 9, count, kWordBytes}};
}

// Bytes of the image as a QByteArray, without a copy: the image outlives the atlas's tables.
QByteArray Unowned(QByteArrayView bytes) {
    return QByteArray::fromRawData(bytes.data(), bytes.size());
}

// The rows of a text table of the image, each a view of its line, without its line feed.
std::vector<QByteArrayView> RowsOf(QByteArrayView table) {
    std::vector<QByteArrayView> rows;
    rows.reserve(std::size_t(CountByte(table, '\n')) + 1);
    ForEachRow(table, [&rows](const std::vector<QByteArrayView>& fields) {
        const char* start = fields.front().data();
        rows.emplace_back(start, fields.back().data() + fields.back().size() - start);
    });
    return rows;
}

QString CutShort(qsizetype needed, qsizetype size) {
    return QStringLiteral("The atlas image is cut short: it takes %1 bytes, and only %2 are there.")
        .arg(needed)
        .arg(size);
}

}  // namespace

QByteArray Atlas::writeImage() const {
    std::array<QByteArray, kTableCount> tables;
    const bool withOthers = !firstOtherNames_.empty();
    for (std::size_t index = 0; index < places_.size(); ++index) {
        const Place& place = places_[index];
        QByteArray& records = tables[kPlaces];
        AppendDouble(records, place.latitude);
        AppendDouble(records, place.longitude);
        Append(records, place.population);
        Append(records, place.nameStart);
        Append(records, place.country);
        Append(records, place.division);
        Append(records, place.zone);
        Append(records, quint16(0));
        Append(records, keyStarts_[index]);
        Append(records, withOthers ? firstOtherNames_[index] : quint32(0));
        Append(records, withOthers ? otherNameLines_[index] : quint32(0));
        Append(records, withOthers ? otherKeyLines_[index] : quint32(0));
    }
    tables[kNames] = names_;
    tables[kKeys] = keys_;
    tables[kKeyStarts] = Column(keyStarts_);
    tables[kKeyLetters] = Column(keyLetters_);
    tables[kOtherNames] = otherNamesTable_;
    tables[kOtherKeys] = otherKeysTable_;
    tables[kOtherKeyStarts] = Column(otherKeyStarts_);
    tables[kOtherKeyLengths] = Column(otherKeyLengths_);
    tables[kOtherKeyLetters] = Column(otherKeyLetters_);
    std::vector<quint32> otherNamePlaces;
    for (std::size_t other = 0; other < otherKeyStarts_.size(); other += kOtherNameStep) {
        // The last place whose first other name is at or before this one.
        const auto after =
            std::upper_bound(firstOtherNames_.begin(), firstOtherNames_.end(), other);
        otherNamePlaces.push_back(quint32(after - firstOtherNames_.begin() - 1));
    }
    tables[kOtherNamePlaces] = Column(otherNamePlaces);
    const std::vector<quint32> placeWords = SortedWordStarts(keys_);
    const std::vector<quint32> otherWords = SortedWordStarts(otherKeysTable_);
    tables[kPlaceWordSamples] = WordSamples(keys_, placeWords);
    tables[kOtherWordSamples] = WordSamples(otherKeysTable_, otherWords);
    std::vector<quint32> keyEnds;  // before each key's line feed
    for (std::size_t place = 0; place + 1 < keyStarts_.size(); ++place) {
        keyEnds.push_back(keyStarts_[place + 1] - 1);
    }
    std::vector<quint32> otherKeyEnds;
    for (std::size_t other = 0; other < otherKeyStarts_.size(); ++other) {
        otherKeyEnds.push_back(otherKeyStarts_[other] + otherKeyLengths_[other]);
    }
    tables[kPlaceWords] = WordRecords(placeWords, WordItems(placeWords, keyStarts_, keyEnds),
                                      WordSharedBytes(keys_, placeWords));
    tables[kOtherWords] =
        WordRecords(otherWords, WordItems(otherWords, otherKeyStarts_, otherKeyEnds),
                    WordSharedBytes(otherKeysTable_, otherWords));
    for (const Country& country : countries_) {
        tables[kCountries] += country.code.toUtf8() + '\t' + country.name.toUtf8() + '\t' +
                              country.names.join('|') + '\n';
    }
    for (const Division& division : divisions_) {
        tables[kDivisions] += division.code.toUtf8() + '\t' + division.name.toUtf8() + '\t' +
                              division.nameKey + '\t' + division.codeKey + '\n';
    }

    QByteArray image(kMagic.data(), qsizetype(kMagic.size()));
    Append(image, kFormat);
    Append(image, quint32(kTableCount));
    auto start = quint32(kHeaderBytes);
    for (const QByteArray& table : tables) {
        Append(image, start);
        Append(image, quint32(table.size()));
        start += quint32(table.size());
    }
    for (const QByteArray& table : tables) {
        image += table;
    }
    return image;
}

void Atlas::publish() {
    ownImage_ = writeImage();
    std::variant<Atlas, QString> read = FromImage(ownImage_);
    view_ = std::get<Atlas>(read).view_;
    image_ = ownImage_;
}

std::variant<Atlas, QString> Atlas::FromImage(QByteArrayView image) {
    if (image.size() < kHeaderBytes) {
        return CutShort(kHeaderBytes, image.size());
    }
    if (image.first(qsizetype(kMagic.size())) != QByteArrayView(kMagic.data(), kMagic.size())) {
        return QStringLiteral("This is no atlas image: it does not begin as one.");
    }
    const char* header = image.data() + kMagic.size();
    const auto format = qFromLittleEndian<quint32>(header);
    if (format != kFormat || qFromLittleEndian<quint32>(header + 4) != kTableCount) {
        return QStringLiteral("The atlas image is of format %1; this program reads format %2.")
            .arg(format)
            .arg(kFormat);
    }
    std::array<QByteArrayView, kTableCount> tables;
    for (quint32 table = 0; table < kTableCount; ++table) {
        const char* entry = header + 8 + 8 * table;
        const qint64 start = qFromLittleEndian<quint32>(entry);
        const qint64 size = qFromLittleEndian<quint32>(entry + 4);
        if (start + size > image.size()) {
            return CutShort(start + size, image.size());
        }
        tables[table] = image.sliced(start, size);
    }

    Atlas atlas;
    Tables& view = atlas.view_;
    view.places = tables[kPlaces];
    view.names = tables[kNames];
    view.keys = tables[kKeys];
    view.keyStarts = ColumnOf<quint32>(tables[kKeyStarts]);
    view.keyLetters = ColumnOf<quint32>(tables[kKeyLetters]);
    view.otherNames = tables[kOtherNames];
    view.otherKeys = tables[kOtherKeys];
    view.otherKeyStarts = ColumnOf<quint32>(tables[kOtherKeyStarts]);
    view.otherKeyLengths = ColumnOf<quint8>(tables[kOtherKeyLengths]);
    view.otherKeyLetters = ColumnOf<quint32>(tables[kOtherKeyLetters]);
    view.otherNamePlaces = ColumnOf<quint32>(tables[kOtherNamePlaces]);
    view.placeWords = WordIndexOf(tables[kPlaceWords], tables[kPlaceWordSamples]);
    view.otherWords = WordIndexOf(tables[kOtherWords], tables[kOtherWordSamples]);

    // A sample for every kWordSampleStep-th word, and no more.
    const auto holdsSamples = [](const WordIndex& words) {
        const std::size_t samples = (words.starts.size() + kWordSampleStep - 1) / kWordSampleStep;
        return words.samples.size() == qsizetype(samples) * kWordSampleBytes;
    };
    const auto places = std::size_t(view.places.size() / kPlaceBytes);
    const std::size_t others = view.otherKeyStarts.size();
    const bool agree =
        view.places.size() % kPlaceBytes == 0 && HoldsWhole<quint32>(tables[kKeyStarts]) &&
        HoldsWhole<quint32>(tables[kKeyLetters]) && HoldsWhole<quint32>(tables[kOtherKeyStarts]) &&
        HoldsWhole<quint32>(tables[kOtherKeyLetters]) &&
        HoldsWhole<quint32>(tables[kOtherNamePlaces]) &&
        tables[kPlaceWords].size() % kWordBytes == 0 &&
        tables[kOtherWords].size() % kWordBytes == 0 && holdsSamples(view.placeWords) &&
        holdsSamples(view.otherWords) && view.keyStarts.size() == places + 1 &&
        view.keyLetters.size() == places && view.otherKeyLengths.size() == others &&
        view.otherKeyLetters.size() == others &&
        view.otherNamePlaces.size() == (others + kOtherNameStep - 1) / kOtherNameStep &&
        (others == 0 || places != 0);  // other names are found through their places' records
    if (!agree) {
        return QStringLiteral("The atlas image is damaged: the lengths of its tables disagree.");
    }

    view.countryRows = RowsOf(tables[kCountries]);
    view.divisionRows = RowsOf(tables[kDivisions]);
    view.divisionKeys.reserve(view.divisionRows.size());
    for (const QByteArrayView row : view.divisionRows) {
        view.divisionKeys.emplace_back(FieldOf(row, 2), FieldOf(row, 3));
    }
    view.countryKeys.reserve(view.countryRows.size());
    for (const QByteArrayView row : view.countryRows) {
        view.countryKeys.push_back(FieldOf(row, 2));
        ListItems keys(view.countryKeys.back());
        for (QByteArrayView key; keys.Next(key);) {
            view.countryKeyLengths.push_back(quint8(std::min(key.size(), kLongCountryKey)));
            view.longestCountryKey = std::max(view.longestCountryKey, key.size());
        }
    }
    if (places != 0 && view.countryRows.empty()) {
        return QStringLiteral("The atlas image is damaged: it holds places but no countries.");
    }
    atlas.image_ = image;
    return atlas;
}

Place Atlas::place(qsizetype index) const {
    const char* record = view_.places.data() + index * kPlaceBytes;
    Place place{ReadDouble(record),
                ReadDouble(record + 8),
                qFromLittleEndian<quint32>(record + 16),
                qFromLittleEndian<quint32>(record + 20),
                qFromLittleEndian<quint16>(record + 24),
                qFromLittleEndian<quint16>(record + 26),
                qFromLittleEndian<quint16>(record + 28)};
    // Indices that a damaged image may hold are kept within the tables they index.
    if (place.country >= countryCount()) {
        place.country = 0;
    }
    if (place.division != kNoDivision && place.division >= divisionCount()) {
        place.division = kNoDivision;
    }
    return place;
}

Country Atlas::country(qsizetype index) const {
    const QByteArrayView row = view_.countryRows[std::size_t(index)];
    Country country{QString::fromUtf8(FieldOf(row, 0)), QString::fromUtf8(FieldOf(row, 1)), {}};
    ListItems names(FieldOf(row, 2));
    for (QByteArrayView name; names.Next(name);) {
        country.names.append(Unowned(name));
    }
    return country;
}

QByteArrayView Atlas::countryKeys(qsizetype index) const {
    return view_.countryKeys[std::size_t(index)];
}

std::vector<bool> Atlas::countriesKeyed(QByteArrayView key) const {
    std::vector<bool> keyed(view_.countryRows.size(), false);
    if (key.isEmpty()) {
        return keyed;
    }
    // The keys' lengths, kept apart, let most keys be passed over without reading them.
    std::size_t item = 0;
    for (std::size_t country = 0; country < keyed.size(); ++country) {
        const QByteArrayView keys = view_.countryKeys[country];
        for (qsizetype at = 0, end = 0; end < keys.size(); at = end + 1) {
            qsizetype length = view_.countryKeyLengths[item++];
            if (length == kLongCountryKey) {
                const char* bar = FindByte(keys.sliced(at), '|');
                length = bar != nullptr ? bar - (keys.data() + at) : keys.size() - at;
            }
            end = at + length;
            keyed[country] =
                keyed[country] || (length == key.size() && keys.sliced(at, length) == key);
        }
    }
    return keyed;
}

Division Atlas::division(qsizetype index) const {
    const QByteArrayView row = view_.divisionRows[std::size_t(index)];
    return {QString::fromUtf8(FieldOf(row, 0)), QString::fromUtf8(FieldOf(row, 1)),
            Unowned(FieldOf(row, 2)), Unowned(FieldOf(row, 3))};
}

std::pair<QByteArrayView, QByteArrayView> Atlas::divisionKeys(qsizetype index) const {
    return view_.divisionKeys[std::size_t(index)];
}

QString Atlas::placeName(qsizetype index) const {
    const qsizetype size = view_.names.size();
    const qsizetype start = std::min<qsizetype>(place(index).nameStart, size);
    const qsizetype end = index + 1 < placeCount() ? place(index + 1).nameStart : size;
    return QString::fromUtf8(view_.names.sliced(start, std::clamp(end, start, size) - start));
}

QByteArrayView Atlas::placeKey(qsizetype index) const {
    const qsizetype size = view_.keys.size();
    const qsizetype start = std::min<qsizetype>(keyStartOf(index), size);
    const qsizetype next = index + 1 < placeCount() ? qsizetype(keyStartOf(index + 1)) : size;
    const qsizetype end = next - 1;  // before its line feed
    return view_.keys.sliced(start, std::clamp(end, start, size) - start);
}

qsizetype Atlas::longestPlaceKey() const {
    // From where the keys start, kept apart from the places' records for this pass over all.
    const qsizetype size = view_.keys.size();
    qsizetype longest = 0;
    for (std::size_t place = 0; place + 1 < view_.keyStarts.size(); ++place) {
        const qsizetype start = std::min<qsizetype>(view_.keyStarts[place], size);
        const qsizetype end = qsizetype(view_.keyStarts[place + 1]) - 1;
        longest = std::max(longest, std::clamp(end, start, size) - start);
    }
    return longest;
}

namespace {

quint32 RecordWord(QByteArrayView places, qsizetype place, qsizetype at) {
    return qFromLittleEndian<quint32>(places.data() + place * kPlaceBytes + at);
}

}  // namespace

quint32 Atlas::keyStartOf(qsizetype place) const {
    return RecordWord(view_.places, place, kKeyStartAt);
}

quint32 Atlas::firstOtherNameOf(qsizetype place) const {
    return place < placeCount() ? RecordWord(view_.places, place, kFirstOtherNameAt)
                                : quint32(otherNameCount());
}

quint32 Atlas::otherNameLineOf(qsizetype place) const {
    return RecordWord(view_.places, place, kOtherNameLineAt);
}

quint32 Atlas::otherKeyLineOf(qsizetype place) const {
    return RecordWord(view_.places, place, kOtherKeyLineAt);
}

QByteArrayView Atlas::otherNameKey(qsizetype index) const {
    const auto at = static_cast<std::size_t>(index);
    const qsizetype size = view_.otherKeys.size();
    const qsizetype start = std::min<qsizetype>(view_.otherKeyStarts[at], size);
    return view_.otherKeys.sliced(start,
                                  std::min<qsizetype>(view_.otherKeyLengths[at], size - start));
}

}  // namespace fortunix::atlas
