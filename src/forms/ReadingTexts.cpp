#include "forms/ReadingTexts.h"

#include <QCoreApplication>
#include <QDate>
#include <QLocale>
#include <QRegularExpression>
#include <string_view>

#include "ephemeris/Calendar.h"
#include "ephemeris/DegreeSignTable.h"
#include "forms/ProgramLanguage.h"
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

QString BirthplaceTimeText(int offsetMinutes) {
    return QCoreApplication::translate("Fortunix", "Birthplace time,%1")
        .arg(QString::fromStdString(FormatUtcOffset(offsetMinutes * 60)));
}

QString MonthText(int month) {
    const std::string_view english = MonthName(month);
    if (english.empty()) {
        return QStringLiteral("?");
    }
    if (LanguageInUse() == QLatin1String(kEnglish)) {
        return QString::fromUtf8(english.data(), qsizetype(english.size()));
    }
    QString name = QLocale(LanguageInUse()).standaloneMonthName(month);
    if (!name.isEmpty()) {
        name[0] = name[0].toUpper();  // a list entry starts with a capital where there are any
    }
    return name;
}

QString LongDateText(int year, int month, int day) {
    const QDate date(year, month, day);
    if (LanguageInUse() == QLatin1String(kEnglish) || !date.isValid()) {
        return QStringLiteral("%1 %2 %3").arg(day).arg(MonthText(month)).arg(year);
    }
    const QLocale locale(LanguageInUse());
    QString format = locale.dateFormat(QLocale::LongFormat);
    format.remove(QRegularExpression(QStringLiteral("dddd[,،]?\\s*|\\s*dddd")));
    return locale.toString(date, format.trimmed());
}

}  // namespace fortunix
