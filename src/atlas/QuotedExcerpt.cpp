#include "atlas/QuotedExcerpt.h"

#include <QTextBoundaryFinder>
#include <vector>

namespace fortunix::atlas {

namespace {

constexpr char32_t kZeroWidthJoiner = 0x200D;

bool IsRegionalIndicator(char32_t code) {
    return code >= 0x1F1E6 && code <= 0x1F1FF;
}

// What never begins a character of its own: marks, joiners, skin tones, tag letters and the
// vowel signs AM of Thai and Lao, which Unicode counts as spacing marks.
bool Extends(char32_t code) {
    switch (QChar::category(code)) {
        case QChar::Mark_NonSpacing:
        case QChar::Mark_SpacingCombining:
        case QChar::Mark_Enclosing:
            return true;
        default:
            break;
    }
    return code == 0x200C || code == kZeroWidthJoiner || (code >= 0x1F3FB && code <= 0x1F3FF) ||
           (code >= 0xE0020 && code <= 0xE007F) || code == 0x0E33 || code == 0x0EB3;
}

// An emoji that a zero-width joiner ties to the one before it.
bool IsPictograph(char32_t code) {
    return QChar::category(code) == QChar::Symbol_Other || (code >= 0x1F000 && code <= 0x1FAFF);
}

// Where a character may end: never inside a surrogate pair, before a mark or joiner, after a
// joiner that an emoji follows, or between the two letters of a flag. Qt 6.4's finder breaks
// after every UTF-16 unit in runs of some scripts (Devanagari, Thai ...), emoji included.
std::vector<bool> PossibleEnds(QStringView text) {
    std::vector<bool> ends(static_cast<std::size_t>(text.size()) + 1, true);
    char32_t previous = 0;
    int flagLetters = 0;  // regional indicators in a row so far
    for (qsizetype at = 0; at < text.size();) {
        const QChar unit = text[at];
        qsizetype length = 1;
        char32_t code = unit.unicode();
        if (unit.isHighSurrogate() && at + 1 < text.size() && text[at + 1].isLowSurrogate()) {
            code = QChar::surrogateToUcs4(unit, text[at + 1]);
            length = 2;
            ends[static_cast<std::size_t>(at) + 1] = false;
        }
        const bool joined = Extends(code) || (previous == kZeroWidthJoiner && IsPictograph(code)) ||
                            (IsRegionalIndicator(code) && flagLetters % 2 == 1);
        if (at > 0 && joined) {
            ends[static_cast<std::size_t>(at)] = false;
        }
        flagLetters = IsRegionalIndicator(code) ? flagLetters + 1 : 0;
        previous = code;
        at += length;
    }
    return ends;
}

}  // namespace

QString QuotedExcerpt(QStringView typed) {
    if (typed.size() <= kQuotedCharacters) {
        return typed.toString();  // never more characters than code units
    }
    const std::vector<bool> possible = PossibleEnds(typed);
    QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, typed.data(), typed.size());
    qsizetype counted = 0;
    while (characters.toNextBoundary() >= 0) {
        const qsizetype end = characters.position();
        if (!possible[static_cast<std::size_t>(end)]) {
            continue;
        }
        if (++counted == kQuotedCharacters) {
            if (end == typed.size()) {
                break;  // exactly the limit
            }
            return typed.first(end).toString() + u'…';
        }
    }
    return typed.toString();
}

}  // namespace fortunix::atlas
