#include "forms/ReadingTexts.h"

#include <QCoreApplication>
#include <string_view>

#include "ephemeris/DegreeSignTable.h"
#include "reading/Interpretation.h"
#include "reading/PartOfFortune.h"
#include "reading/TimeZoneTable.h"

namespace fortunix {

namespace {

// The engines' texts are string literals, so each view ends in a terminating zero.
QString Translated(const char* context, std::string_view english) {
    return QCoreApplication::translate(context, english.data());
}

}  // namespace

QString SignName(int signIndex) {
    return Translated("Sign", kSignNames.at(static_cast<std::size_t>(signIndex)));
}

QString DegreeInSignCaption(int degrees) {
    const int reduced = ((degrees % 360) + 360) % 360;
    const QString mark = QString::fromUtf8(kDegreeMark.data(), qsizetype(kDegreeMark.size()));
    return QString::number(reduced % kDegreesPerSign) + mark + u' ' +
           SignName(SignIndexOfDegree(reduced));
}

QString InterpretationParagraphText(int signIndex) {
    return Translated("Interpretation", InterpretationParagraph(signIndex));
}

QString TimeZoneListText(int row) {
    return Translated("TimeZone", kTimeZoneTable.at(static_cast<std::size_t>(row)).listText);
}

}  // namespace fortunix
