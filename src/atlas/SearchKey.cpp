#include "atlas/SearchKey.h"

#include <algorithm>
#include <array>

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

bool IsAscii(QStringView text) {
    for (const QChar c : text) {
        if (c.unicode() >= 0x80) {
            return false;
        }
    }
    return true;
}

void AppendWordBreak(QString& key) {
    if (!key.isEmpty() && !key.endsWith(u' ')) {
        key.append(u' ');
    }
}

struct Abbreviation {
    QStringView shortForm;
    QStringView longForm;
};

constexpr std::array<Abbreviation, 4> kAbbreviations{{
    {u"st", u"saint"},
    {u"ste", u"sainte"},
    {u"mt", u"mount"},
    {u"ft", u"fort"},
}};

// Most names are plain ASCII: they need neither decomposition nor the Unicode tables.
QString AsciiSearchKey(QStringView text) {
    QString key;
    key.reserve(text.size());
    for (const QChar c : text) {
        const char16_t code = c.unicode();
        if ((code >= u'a' && code <= u'z') || (code >= u'0' && code <= u'9')) {
            key.append(c);
        } else if (code >= u'A' && code <= u'Z') {
            key.append(QChar(code - u'A' + u'a'));
        } else if (!IsApostrophe(code)) {
            AppendWordBreak(key);
        }
    }
    if (key.endsWith(u' ')) {
        key.chop(1);
    }
    return key;
}

// Adds one letter of a decomposed text: marks and apostrophes dropped, letters in lower
// case and plain form, anything else a word break.
void AppendFolded(QString& key, QChar c) {
    const QChar lower = c.toLower();
    if (lower.isMark() || IsApostrophe(lower.unicode())) {
        return;
    }
    if (lower.isLetterOrNumber()) {
        const QStringView plain = PlainFormOf(lower.unicode());
        if (plain.isEmpty()) {
            key.append(lower);
        } else {
            key.append(plain);
        }
    } else {
        AppendWordBreak(key);
    }
}

// The accented Latin letters, U+00C0 to U+024F, are all a base letter and marks when
// decomposed. Their base letters, looked up once, spare most names the full decomposition.
constexpr char16_t kLatinFirst = 0x00C0;
constexpr char16_t kLatinEnd = 0x0250;

const std::array<char16_t, kLatinEnd - kLatinFirst>& LatinBaseLetters() {
    static const auto bases = [] {
        std::array<char16_t, kLatinEnd - kLatinFirst> letters{};
        for (char16_t c = kLatinFirst; c < kLatinEnd; ++c) {
            char16_t base = c;
            while (QChar::decompositionTag(base) == QChar::Canonical) {
                base = QChar::decomposition(base).front().unicode();
            }
            letters[c - kLatinFirst] = base;
        }
        return letters;
    }();
    return bases;
}

bool IsLatin(QStringView text) {
    for (const QChar c : text) {
        if (c.unicode() >= kLatinEnd) {
            return false;
        }
    }
    return true;
}

QString Trimmed(QString key) {
    if (key.endsWith(u' ')) {
        key.chop(1);
    }
    return key;
}

}  // namespace

QString SearchKey(QStringView text) {
    if (IsAscii(text)) {
        return AsciiSearchKey(text);
    }
    QString key;
    key.reserve(text.size());
    if (IsLatin(text)) {
        const auto& bases = LatinBaseLetters();
        for (const QChar c : text) {
            const char16_t code = c.unicode();
            AppendFolded(key, code >= kLatinFirst ? QChar(bases[code - kLatinFirst]) : c);
        }
        return Trimmed(std::move(key));
    }
    for (const QChar c : text.toString().normalized(QString::NormalizationForm_D)) {
        AppendFolded(key, c);
    }
    return Trimmed(std::move(key));
}

QString PlaceNameKey(QStringView text) {
    QString key = SearchKey(text);
    const auto longFormOf = [](QStringView word) {
        for (const Abbreviation& abbreviation : kAbbreviations) {
            if (word == abbreviation.shortForm) {
                return abbreviation.longForm;
            }
        }
        return word;
    };
    bool abbreviated = false;
    for (const QStringView word : QStringView(key).tokenize(u' ')) {
        abbreviated = abbreviated || longFormOf(word).data() != word.data();
    }
    if (!abbreviated) {
        return key;
    }
    QString expanded;
    expanded.reserve(key.size() + 8);
    for (const QStringView word : QStringView(key).tokenize(u' ')) {
        if (!expanded.isEmpty()) {
            expanded.append(u' ');
        }
        expanded.append(longFormOf(word));
    }
    return expanded;
}

QString CompactKey(QStringView key) {
    QString compact;
    compact.reserve(key.size());
    for (const QChar c : key) {
        if (c != u' ') {
            compact.append(c);
        }
    }
    return compact;
}

QString InitialsOf(QStringView key) {
    QString initials;
    for (const QStringView word : key.tokenize(u' ')) {
        initials.append(word.front());
    }
    return initials;
}

}  // namespace fortunix::atlas
