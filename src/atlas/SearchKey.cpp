#include "atlas/SearchKey.h"

#include <QString>
#include <array>
#include <cstring>

#include "atlas/KeyLetters.h"

namespace fortunix::atlas {

namespace {

bool IsApostrophe(char16_t c) {
    // ASCII and typographic apostrophes, grave and acute accents typed as apostrophes, and
    // the modifier letters of transliterations (Hawaiian okina, Arabic ayn).
    return c == u'\'' || c == u'`' || c == 0x00B4 || c == 0x2018 || c == 0x2019 || c == 0x02BB ||
           c == 0x02BC || c == 0x02BE || c == 0x02BF;
}

// Letters that canonical decomposition leaves whole but a user types without the stroke.
QStringView PlainFormOf(char16_t c) {
    switch (c) {
        case 0x00DF:
            return u"ss";  // ß
        case 0x00E6:
            return u"ae";  // æ
        case 0x0153:
            return u"oe";  // œ
        case 0x00F8:
            return u"o";  // ø
        case 0x0142:
            return u"l";  // ł
        case 0x0111:
            return u"d";  // đ
        case 0x00F0:
            return u"d";  // ð
        case 0x00FE:
            return u"th";  // þ
        case 0x0131:
            return u"i";  // dotless ı
        default:
            return {};
    }
}

// What one character of a decomposed text adds to a key: marks and apostrophes nothing,
// letters and digits themselves in lower case and plain form, anything else a word break.
struct Fold {
    enum Kind { Dropped, Letters, WordBreak } kind;
    QChar lower{};
    QStringView plain{};  // the letters instead of `lower`, if any
};

Fold FoldOf(QChar c) {
    const QChar lower = c.toLower();
    if (lower.isMark() || IsApostrophe(lower.unicode())) {
        return {Fold::Dropped};
    }
    if (lower.isLetterOrNumber()) {
        return {Fold::Letters, lower, PlainFormOf(lower.unicode())};
    }
    return {Fold::WordBreak};
}

void AppendFolded(QString& key, QChar c) {
    const Fold fold = FoldOf(c);
    if (fold.kind == Fold::Letters) {
        if (fold.plain.isEmpty()) {
            key.append(fold.lower);
        } else {
            key.append(fold.plain);
        }
    } else if (fold.kind == Fold::WordBreak && !key.isEmpty() && !key.endsWith(u' ')) {
        key.append(u' ');
    }
}

// The characters below U+0250 (ASCII and the accented Latin letters) fold the same way in
// any text; looked up in a table made once, they spare nearly every name the Unicode tables
// and the decomposition. From U+00C0 each is a base letter and marks when decomposed.
constexpr char16_t kLatinFirst = 0x00C0;
constexpr char16_t kLatinEnd = 0x0250;

struct LatinFold {
    Fold::Kind kind;
    quint8 size;  // of the letters, in UTF-8
    std::array<char, 4> letters;
};

const std::array<LatinFold, kLatinEnd>& LatinFolds() {
    static const auto folds = [] {
        std::array<LatinFold, kLatinEnd> table{};
        for (char16_t c = 0; c < kLatinEnd; ++c) {
            char16_t base = c;
            if (c >= kLatinFirst) {
                while (QChar::decompositionTag(base) == QChar::Canonical) {
                    base = QChar::decomposition(base).front().unicode();
                }
            }
            const Fold fold = FoldOf(QChar(base));
            const QByteArray letters =
                fold.plain.isEmpty() ? QString(fold.lower).toUtf8() : fold.plain.toUtf8();
            LatinFold& entry = table[c];
            entry.kind = fold.kind;
            entry.size = fold.kind == Fold::Letters ? static_cast<quint8>(letters.size()) : 0;
            std::memcpy(entry.letters.data(), letters.constData(), entry.size);
        }
        return table;
    }();
    return folds;
}

// Writes a key at the end of a byte array, in room made beforehand: no character below
// U+0250 folds to more than three bytes. The letters of a character are copied as four bytes
// at once, hence one byte more.
class LatinKeyWriter {
  public:
    static constexpr qsizetype kMostBytes = 3;

    LatinKeyWriter(QByteArray& keys, qsizetype characters) : keys_(keys), start_(keys.size()) {
        keys_.resize(start_ + kMostBytes * characters + 1);
        first_ = keys_.data() + start_;
        end_ = first_;
    }

    void Add(char16_t c) {
        const LatinFold& fold = folds_[c];
        if (fold.kind == Fold::Letters) {
            std::memcpy(end_, fold.letters.data(), fold.letters.size());
            end_ += fold.size;
        } else if (fold.kind == Fold::WordBreak && end_ != first_ && end_[-1] != ' ') {
            *end_++ = ' ';
        }
    }

    void Finish() {
        if (end_ != first_ && end_[-1] == ' ') {
            --end_;
        }
        keys_.resize(start_ + (end_ - first_));
    }

    void Abandon() { keys_.resize(start_); }

  private:
    const std::array<LatinFold, kLatinEnd>& folds_ = LatinFolds();
    QByteArray& keys_;
    qsizetype start_;
    char* first_;
    char* end_;
};

bool IsLatin(QStringView text) {
    for (const QChar c : text) {
        if (c.unicode() >= kLatinEnd) {
            return false;
        }
    }
    return true;
}

// Appends the key of a text whose characters all lie below U+0250; false for any other.
bool AppendLatinKey(QByteArray& keys, QStringView text) {
    if (!IsLatin(text)) {
        return false;
    }
    LatinKeyWriter writer(keys, text.size());
    for (const QChar c : text) {
        writer.Add(c.unicode());
    }
    writer.Finish();
    return true;
}

// The same for a text in UTF-8; false, with `keys` as it was, for any other.
bool AppendLatinKey(QByteArray& keys, QByteArrayView utf8) {
    LatinKeyWriter writer(keys, utf8.size());
    for (qsizetype at = 0; at < utf8.size();) {
        const char32_t c = NextLetter(utf8, at);
        if (c >= kLatinEnd) {
            writer.Abandon();
            return false;
        }
        writer.Add(static_cast<char16_t>(c));
    }
    writer.Finish();
    return true;
}

struct Abbreviation {
    QByteArrayView shortForm;
    QByteArrayView longForm;
};

constexpr std::array<Abbreviation, 4> kAbbreviations{{
    {"st", "saint"},
    {"ste", "sainte"},
    {"mt", "mount"},
    {"ft", "fort"},
}};

QByteArrayView LongFormOf(QByteArrayView word) {
    for (const Abbreviation& abbreviation : kAbbreviations) {
        if (word == abbreviation.shortForm) {
            return abbreviation.longForm;
        }
    }
    return word;
}

// Calls `word` with each word of a key.
template <typename WordHandler>
void ForEachWord(QByteArrayView key, WordHandler word) {
    qsizetype start = 0;
    for (qsizetype at = 0; at <= key.size(); ++at) {
        if (at == key.size() || key[at] == ' ') {
            if (at > start) {
                word(key.sliced(start, at - start));
            }
            start = at + 1;
        }
    }
}

// Whether a key may hold an abbreviation: a word starting "st", "mt" or "ft". Few do, and this
// look at the bytes spares the others a word-by-word comparison.
bool MayHoldAbbreviation(QByteArrayView key) {
    const char* const first = key.data();
    const char* const end = first + key.size();
    for (const char* t = first + 1; t < end; ++t) {
        t = static_cast<const char*>(std::memchr(t, 't', std::size_t(end - t)));
        if (!t) {
            return false;
        }
        const char c = t[-1];
        if ((c == 's' || c == 'm' || c == 'f') && (t - 1 == first || t[-2] == ' ')) {
            return true;
        }
    }
    return false;
}

// Writes out the abbreviations in the key from `start` to the end of `keys`.
void WriteOutAbbreviations(QByteArray& keys, qsizetype start) {
    const QByteArrayView key = QByteArrayView(keys).sliced(start);
    if (!MayHoldAbbreviation(key)) {
        return;
    }
    bool abbreviated = false;
    ForEachWord(key, [&](QByteArrayView word) {
        abbreviated = abbreviated || LongFormOf(word).data() != word.data();
    });
    if (!abbreviated) {
        return;
    }
    QByteArray expanded;
    expanded.reserve(key.size() + 8);
    ForEachWord(key, [&](QByteArrayView word) {
        if (!expanded.isEmpty()) {
            expanded.append(' ');
        }
        expanded.append(LongFormOf(word));
    });
    keys.truncate(start);
    keys.append(expanded);
}

}  // namespace

QByteArray SearchKey(QStringView text) {
    QByteArray key;
    if (text.isEmpty() || AppendLatinKey(key, text)) {
        return key;
    }
    QString folded;
    folded.reserve(text.size());
    for (const QChar c : text.toString().normalized(QString::NormalizationForm_D)) {
        AppendFolded(folded, c);
    }
    if (folded.endsWith(u' ')) {
        folded.chop(1);
    }
    return folded.toUtf8();
}

QByteArray PlaceNameKey(QStringView text) {
    QByteArray key = SearchKey(text);
    WriteOutAbbreviations(key, 0);
    return key;
}

void AppendPlaceNameKey(QByteArray& keys, QByteArrayView utf8Name) {
    const qsizetype start = keys.size();
    if (!AppendLatinKey(keys, utf8Name)) {
        keys.append(SearchKey(QString::fromUtf8(utf8Name)));
    }
    WriteOutAbbreviations(keys, start);
}

QByteArray CompactKey(QByteArrayView key) {
    QByteArray compact;
    compact.reserve(key.size());
    for (const char byte : key) {
        if (byte != ' ') {
            compact.append(byte);
        }
    }
    return compact;
}

bool IsCompactFormOf(QByteArrayView compact, QByteArrayView key) {
    qsizetype at = 0;
    for (const char byte : key) {
        if (byte != ' ' && (at == compact.size() || compact[at++] != byte)) {
            return false;
        }
    }
    return at == compact.size();
}

bool AreInitialsOf(QByteArrayView initials, QByteArrayView key) {
    // Word by word, up to the first that does not fit: divisions are compared by the thousand.
    qsizetype matched = 0;
    for (qsizetype at = 0; at < key.size();) {
        if (key[at] == ' ') {
            ++at;
            continue;
        }
        const qsizetype wordStart = at;
        NextLetter(key, at);
        const QByteArrayView initial = key.sliced(wordStart, at - wordStart);
        if (!initials.sliced(matched).startsWith(initial)) {
            return false;
        }
        matched += initial.size();
        while (at < key.size() && key[at] != ' ') {
            ++at;
        }
    }
    return matched == initials.size();
}

}  // namespace fortunix::atlas
