#pragma once

#include <QString>
#include <QStringView>

namespace fortunix::atlas {

// How much of a typed entry a message quotes: any real place's name and more, yet a line,
// not a page, for whatever was pasted into a box.
inline constexpr qsizetype kQuotedCharacters = 60;

// `typed` as a message quotes it: whole when it has at most kQuotedCharacters characters
// (counted as the eye counts them: a letter with its accents, an emoji, is one), else its
// first kQuotedCharacters characters and "…".
QString QuotedExcerpt(QStringView typed);

}  // namespace fortunix::atlas
