#include "atlas/QuotedExcerpt.h"

#include <QTextBoundaryFinder>

namespace fortunix::atlas {

QString QuotedExcerpt(QStringView typed) {
    if (typed.size() <= kQuotedCharacters) {
        return typed.toString();  // never more characters than code units
    }
    QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, typed.data(), typed.size());
    qsizetype counted = 0;
    while (characters.toNextBoundary() >= 0) {
        if (++counted == kQuotedCharacters) {
            const qsizetype end = characters.position();
            if (end == typed.size()) {
                break;  // exactly the limit
            }
            return typed.first(end).toString() + u'…';
        }
    }
    return typed.toString();
}

}  // namespace fortunix::atlas
