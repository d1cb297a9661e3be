#include "atlas/SearchKey.h"

#include <QString>
#include <array>
#include <cstring>

#include "atlas/KeyLetters.h"

namespace fortunix::atlas {

namespace {

bool IsApostrophe(char32_t c) {
    // ASCII and typographic apostrophes, grave and acute accents typed as apostrophes, the
    // modifier letters of transliterations (Hawaiian okina, Arabic ayn), and the Hebrew geresh
    // that stands where other scripts write an apostrophe ("ג׳").
    return c == u'\'' || c == u'`' || c == 0x00B4 || c == 0x2018 || c == 0x2019 || c == 0x02BB ||
           c == 0x02BC || c == 0x02BE || c == 0x02BF || c == 0x05F3;
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

// Text with characters from U+0250 on: the Latin letters below fold as above, one by one;
// runs of the others are decomposed (letters, marks and digits to their compatibility forms:
// half-width kana, Arabic presentation forms, full-width letters), lose the marks people leave
// out, fold their case, and are composed again. tools/atlas/search-key.js forms the same keys
// for the stored names.
class OtherScriptsKey {
  public:
    explicit OtherScriptsKey(QStringView text) {
        key_.reserve(text.size());
        for (qsizetype at = 0; at < text.size();) {
            if (text[at].unicode() < kLatinEnd) {
                AddLatin(text[at++].unicode());
                continue;
            }
            const qsizetype start = at;
            while (at < text.size() && text[at].unicode() >= kLatinEnd) {
                ++at;
            }
            AddRun(text.sliced(start, at - start));
        }
    }

    QByteArray Key() const {
        QString key = key_.endsWith(u' ') ? key_.chopped(1) : key_;
        return key.normalized(QString::NormalizationForm_C).toUtf8();
    }

  private:
    static constexpr char32_t kAlef = 0x0627;
    static constexpr char32_t kTatweel = 0x0640;

    void AddWordBreak() {
        if (!key_.isEmpty() && !key_.endsWith(u' ')) {
            key_.append(u' ');
        }
    }

    void AddLatin(char16_t c) {
        const LatinFold& fold = LatinFolds()[c];
        if (fold.kind == Fold::Letters) {
            key_.append(QString::fromUtf8(fold.letters.data(), fold.size));
        } else if (fold.kind == Fold::WordBreak) {
            AddWordBreak();
        }
    }

    // Marks that people leave out: the accents of Latin, Greek and Cyrillic letters (combining
    // diacritical marks, in whichever block), Hebrew points and cantillation, Arabic short
    // vowels and Quranic signs. The hamza and madda over or under alef go too (أ إ آ -> ا),
    // but not elsewhere: ؤ and ئ are letters of their own. The vowel signs of Devanagari or
    // Thai, and the voicing marks of kana, are letters and stay.
    static bool IsForgottenMark(char32_t c, char32_t previous) {
        if ((c >= 0x0300 && c <= 0x036F) || (c >= 0x0483 && c <= 0x0489) ||
            (c >= 0x1AB0 && c <= 0x1AFF) || (c >= 0x1DC0 && c <= 0x1DFF) ||
            (c >= 0x20D0 && c <= 0x20FF) || (c >= 0xFE20 && c <= 0xFE2F)) {
            return true;
        }
        if (c >= 0x0591 && c <= 0x05C7) {
            return true;  // Hebrew
        }
        if (c >= 0x0653 && c <= 0x0655) {
            return previous == kAlef;
        }
        return (c >= 0x0610 && c <= 0x061A) || (c >= 0x064B && c <= 0x065F) || c == 0x0670 ||
               (c >= 0x06D6 && c <= 0x06ED) || (c >= 0x08D3 && c <= 0x08FF);
    }

    // Characters that only steer the direction of text, as a name copied from a right-to-left
    // page may carry.
    static bool IsDirectionMark(char32_t c) {
        return c == 0x061C || c == 0x200E || c == 0x200F || (c >= 0x202A && c <= 0x202E) ||
               (c >= 0x2066 && c <= 0x2069);
    }

    // Alef wasla and the alefs with a wavy hamza are written, and typed, as alef.
    static bool IsAlefForm(char32_t c) { return c >= 0x0671 && c <= 0x0673; }

    // Letters, marks and digits take their compatibility decomposition, other signs only
    // their canonical one, so that № stays a sign rather than becoming "No"; the marks of the
    // whole run are then put in their canonical order.
    static QString Decomposed(QStringView run) {
        QString text;
        text.reserve(run.size());
        for (qsizetype at = 0; at < run.size();) {
            const qsizetype start = at;
            const char32_t c = NextCodePoint(run, at);
            const QStringView character = run.sliced(start, at - start);
            if (QChar::decompositionTag(c) == QChar::NoDecomposition) {
                text.append(character);
                continue;
            }
            const bool compatible = QChar::isLetterOrNumber(c) || QChar::isMark(c);
            text.append(character.toString().normalized(compatible ? QString::NormalizationForm_KD
                                                                   : QString::NormalizationForm_D));
        }
        return text.normalized(QString::NormalizationForm_D);
    }

    static char32_t NextCodePoint(QStringView text, qsizetype& at) {
        const QChar first = text[at++];
        if (first.isHighSurrogate() && at < text.size() && text[at].isLowSurrogate()) {
            return QChar::surrogateToUcs4(first, text[at++]);
        }
        return first.unicode();
    }

    void AddRun(QStringView run) {
        const QString decomposed = Decomposed(run);
        char32_t previous = 0;  // the last character kept
        for (qsizetype at = 0; at < decomposed.size();) {
            const char32_t c = NextCodePoint(decomposed, at);
            if (c < kLatinEnd) {
                AddLatin(static_cast<char16_t>(c));
                previous = c;
                continue;
            }
            if (IsForgottenMark(c, previous) || c == kTatweel || IsDirectionMark(c)) {
                continue;
            }
            const char32_t folded = QChar::toCaseFolded(c);
            if (folded < kLatinEnd) {
                AddLatin(static_cast<char16_t>(folded));
            } else if (IsApostrophe(folded)) {
                continue;
            } else if (IsAlefForm(folded)) {
                key_.append(QChar(static_cast<char16_t>(kAlef)));
            } else if (QChar::isLetterOrNumber(folded) || QChar::isMark(folded)) {
                key_.append(QChar::fromUcs4(folded));
            } else {
                AddWordBreak();
            }
            previous = IsAlefForm(folded) ? kAlef : folded;
        }
    }

    QString key_;
};

}  // namespace

QByteArray SearchKey(QStringView text) {
    QByteArray key;
    if (text.isEmpty() || AppendLatinKey(key, text)) {
        return key;
    }
    return OtherScriptsKey(text).Key();
}

void AppendSearchKey(QByteArray& keys, QByteArrayView utf8) {
    if (!AppendLatinKey(keys, utf8)) {
        keys.append(SearchKey(QString::fromUtf8(utf8)));
    }
}

}  // namespace fortunix::atlas
