#pragma once

#include <QByteArray>
#include <QByteArrayList>
#include <QByteArrayView>
#include <QString>
#include <QtEndian>
#include <utility>
#include <variant>
#include <vector>

namespace fortunix::atlas {

inline constexpr quint16 kNoDivision = 0xFFFF;
inline constexpr qsizetype kMainName = -1;  // in place of an index of another name
inline constexpr quint16 kNoZone = 0xFFFF;  // a place without a zone: no zone history holds it

struct Country {
    QString code;          // two letters, "FR"
    QString name;          // the English name shown, "France"
    QByteArrayList names;  // compact search keys of every name and code a user may type
};

// A first-level division of a country: a state, province or region.
struct Division {
    QString code;        // as the gazetteer has it: "NY", "11", "ENG"
    QString name;        // "Île-de-France"
    QByteArray nameKey;  // search key of the name, "ile de france"
    QByteArray codeKey;  // compact search key of the code: "ny", "11", "eng"
};

// Values of one kind in an atlas image (AtlasImage.cpp), side by side or one in each of its
// records, `stride` bytes apart, read wherever they stand: an image built into the program is
// not aligned for them.
template <typename Value>
class ImageColumn {
  public:
    ImageColumn() = default;
    ImageColumn(const char* data, std::size_t count, std::size_t stride = sizeof(Value))
        : data_(data), count_(count), stride_(stride) {}
    std::size_t size() const { return count_; }
    Value operator[](std::size_t index) const {
        return qFromLittleEndian<Value>(data_ + index * stride_);
    }

  private:
    const char* data_ = nullptr;
    std::size_t count_ = 0;
    std::size_t stride_ = sizeof(Value);
};

// The words of packed keys in an atlas image, found by the text from each on: their offsets
// (Atlas::SortedWordStarts), and the first kWordSampleBytes bytes of the text of every
// kWordSampleStep-th of them, zeros after the end of the keys (Atlas::WordSamples). A search
// reads the samples, a small table, then the texts of a few words only (AtlasKeyScan.cpp).
// With each word's offset, in one record, the item (place or other name) whose key holds it
// (Atlas::WordItems), how many bytes its text shares with the previous word's and the first
// byte that differs (Atlas::WordSharedBytes): the words around the first one that holds a key
// are then told apart without reading their texts, which lie all over the keys.
inline constexpr std::size_t kWordSampleStep = 16;
inline constexpr qsizetype kWordSampleBytes = 8;
inline constexpr quint32 kNoItem = 0xFFFFFFFF;    // a word in no item's key
inline constexpr quint8 kSharedBytesKept = 0xFF;  // a count of shared bytes, at most
struct WordIndex {
    ImageColumn<quint32> starts;
    QByteArrayView samples;
    ImageColumn<quint32> items;
    ImageColumn<quint8> shared;
    ImageColumn<quint8> differing;  // zero after kSharedBytesKept
};

// An other name's place is found from that of every kOtherNameStep-th, close by.
inline constexpr std::size_t kOtherNameStep = 64;

struct Place {
    double latitude;   // degrees, north positive
    double longitude;  // degrees, east positive
    quint32 population;
    quint32 nameStart;       // in the packed names, up to where the next place's name starts
    quint16 country;         // index into the countries
    quint16 division;        // index into the divisions, or kNoDivision
    quint16 zone = kNoZone;  // index into the zone history (zones/ZoneHistory.h)
};

// The populated places of the world, read from three tab-separated tables (see
// tools/atlas/build-atlas.js and atlas/TableRows.h). Names and search keys (UTF-8, like every
// key: atlas/SearchKey.h) are packed into two long byte arrays so that the 140,000 places
// stay compact in memory: a name ends where the next begins, a key at its line feed.
//
// Places have other names, as people know them: "München" or "Muenchen" for Munich. Their
// texts and search keys stay in the tables as read, one line per place of bar-separated
// names; an empty name is its key with capital initials ("Roma" for "roma").
//
// The searches read all of this from an atlas image (AtlasImage.cpp): the tables as the
// searches use them, one after another in one block of bytes. The data build writes the image
// of the built-in atlas (tools/atlas-image), which the program maps rather than reads, so that
// a search touches only the pages it reads; an atlas built from tables writes its own.
class Atlas {
  public:
    // Lines starting with '#' are comments; rows that cannot be read are skipped.
    static Atlas FromTables(QByteArrayView countries, QByteArrayView divisions,
                            QByteArrayView places);

    // The atlas in an image that `image` holds, which must outlive it; or why the image
    // cannot be read: cut short, of another kind or format, or tables that do not agree.
    static std::variant<Atlas, QString> FromImage(QByteArrayView image);
    // The image that this atlas reads.
    QByteArrayView image() const { return image_; }

    qsizetype placeCount() const { return static_cast<qsizetype>(view_.keyLetters.size()); }
    Place place(qsizetype index) const;
    QString placeName(qsizetype index) const;
    QByteArrayView placeKey(qsizetype index) const;  // PlaceNameKey of the name
    qsizetype longestPlaceKey() const;               // in bytes
    // KeyLetterBits of the key (atlas/LetterEdits.h), for the search for close spellings.
    quint32 placeKeyLetters(qsizetype index) const {
        return view_.keyLetters[static_cast<std::size_t>(index)];
    }

    // Countries and divisions are read out of the image's rows when asked for; the searches,
    // which go over all of them, read their keys in place.
    qsizetype countryCount() const { return static_cast<qsizetype>(view_.countryRows.size()); }
    Country country(qsizetype index) const;
    // The keys of Country::names, bar-separated.
    QByteArrayView countryKeys(qsizetype index) const;
    // Whether each country has `key` among its keys (none for an empty key).
    std::vector<bool> countriesKeyed(QByteArrayView key) const;
    qsizetype longestCountryKey() const { return view_.longestCountryKey; }

    qsizetype divisionCount() const { return static_cast<qsizetype>(view_.divisionRows.size()); }
    Division division(qsizetype index) const;
    // Division::nameKey and Division::codeKey.
    std::pair<QByteArrayView, QByteArrayView> divisionKeys(qsizetype index) const;

    // Adds the other names of places and countries from the tables of
    // tools/atlas/build-names.js (AtlasOtherNames.cpp): the names and their keys, one line per
    // place in the places' order, and the countries' names. Place tables of another length
    // are ignored.
    void attachOtherNames(QByteArray placeNames, QByteArray placeNameKeys,
                          QByteArrayView countryNames);

    // The other names, ordered by place.
    qsizetype otherNameCount() const { return static_cast<qsizetype>(view_.otherKeyStarts.size()); }
    qsizetype otherNamePlace(qsizetype index) const;
    // The text of an other name, with runs of spaces as one.
    QString otherName(qsizetype index) const;
    QByteArrayView otherNameKey(qsizetype index) const;
    quint32 otherNameKeyLetters(qsizetype index) const {  // KeyLetterBits of the key
        return view_.otherKeyLetters[static_cast<std::size_t>(index)];
    }
    // The first and one past the last index of the other names of `place`.
    std::pair<qsizetype, qsizetype> otherNamesOf(qsizetype place) const;
    // The keys of those other names, bar-separated, in the place's line of keys (which may go
    // on with keys left out of them).
    QByteArrayView otherNameKeyLine(qsizetype place) const;

    // The places whose main key, and the other names whose key, hold the search key `key` as
    // whole words ("new york" in "new york city", not "york" in "yorkshire"), in ascending
    // order: the quick first cut of a search, made on the packed keys at once (AtlasKeyScan.cpp).
    std::vector<qsizetype> placesWithKeyHolding(QByteArrayView key) const;
    std::vector<qsizetype> otherNamesWithKeyHolding(QByteArrayView key) const;

    // Gives each place its zone from the table of tools/atlas/build-zones.js: runs of places
    // in the places' order that share a zone (PlaceZones.cpp). A table that does not cover
    // exactly these places, or cannot be read, gives no zones.
    void attachZones(QByteArrayView placeZones);

    // Bytes held by the loaded atlas, for the memory budget.
    qsizetype memoryBytes() const;

  private:
    // The image's tables, as the searches read them.
    struct Tables {
        // Records of kPlaceBytes (AtlasImage.cpp): with what a search reads of each place it
        // finds, where its key, its other names and their lines start, so that a place found
        // is read in one place.
        QByteArrayView places;
        QByteArrayView names;
        QByteArrayView keys;
        ImageColumn<quint32> keyStarts;
        ImageColumn<quint32> keyLetters;
        QByteArrayView otherNames;
        QByteArrayView otherKeys;
        ImageColumn<quint32> otherKeyStarts;
        ImageColumn<quint8> otherKeyLengths;
        ImageColumn<quint32> otherKeyLetters;
        ImageColumn<quint32> otherNamePlaces;     // of every kOtherNameStep-th other name
        WordIndex placeWords;                     // of the keys
        WordIndex otherWords;                     // of the other names' keys
        std::vector<QByteArrayView> countryRows;  // "code\tname\tkey|key"
        std::vector<QByteArrayView> countryKeys;  // the third field of each
        std::vector<quint8> countryKeyLengths;    // of every key of every country, at most 255
        qsizetype longestCountryKey = 0;
        std::vector<QByteArrayView> divisionRows;  // "code\tname\tname key\tcode key"
        // The last two fields of each, kept apart: a search goes over all of them.
        std::vector<std::pair<QByteArrayView, QByteArrayView>> divisionKeys;
    };

    // Where the words of the packed keys `packed` start (a letter or digit after any other
    // byte, or at the start), sorted by the bytes from there to the end of `packed`
    // (AtlasKeyScan.cpp).
    static std::vector<quint32> SortedWordStarts(QByteArrayView packed);
    static QByteArray WordSamples(QByteArrayView packed, const std::vector<quint32>& wordStarts);
    // For each word, the item whose key, from keyStarts[item] up to keyEnds[item], holds its
    // start, or kNoItem; items ordered by where their key starts.
    static std::vector<quint32> WordItems(const std::vector<quint32>& wordStarts,
                                          const std::vector<quint32>& keyStarts,
                                          const std::vector<quint32>& keyEnds);
    // For each word, two bytes: how many bytes its text shares with the previous word's, at
    // most kSharedBytesKept, and its first byte that differs.
    static QByteArray WordSharedBytes(QByteArrayView packed,
                                      const std::vector<quint32>& wordStarts);

    // Where the key, the first other name (otherNameCount() after the last place), the line
    // of other names and the line of their keys of `place` start.
    quint32 keyStartOf(qsizetype place) const;
    quint32 firstOtherNameOf(qsizetype place) const;
    quint32 otherNameLineOf(qsizetype place) const;
    quint32 otherKeyLineOf(qsizetype place) const;

    // Writes the image of the tables built so far and points the view at it.
    void publish();
    QByteArray writeImage() const;

    QByteArrayView image_;
    QByteArray ownImage_;  // for an atlas built from tables: its image
    Tables view_;

    // The tables as built from text tables, from which the image is written; empty for an
    // atlas read from an image.
    std::vector<Country> countries_;
    std::vector<Division> divisions_;
    std::vector<Place> places_;
    QByteArray names_;
    QByteArray keys_;                  // each key followed by a line feed
    std::vector<quint32> keyStarts_;   // of each place, and the end of the last
    std::vector<quint32> keyLetters_;  // KeyLetterBits of each place's key
    QByteArray otherNamesTable_;       // the tables as read; other names point into them
    QByteArray otherKeysTable_;
    std::vector<quint32> otherKeyStarts_;  // of each other name
    std::vector<quint8> otherKeyLengths_;
    std::vector<quint32> otherKeyLetters_;
    std::vector<quint32> firstOtherNames_;  // of each place, and one past the last
    std::vector<quint32> otherNameLines_;   // where each place's line of names starts
    std::vector<quint32> otherKeyLines_;    // where each place's line of keys starts
};

}  // namespace fortunix::atlas
