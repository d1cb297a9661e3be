#include "forms/ReadingSheet.h"
#include "forms/ReadingTexts.h"

#include <QCoreApplication>

#include "atlas/ArcMinutes.h"
#include "ephemeris/DegreeSignTable.h"
#include "platform/ProgramInfo.h"
#include "reading/BirthRecordFilling.h"
#include "reading/PartOfFortune.h"
#include "reading/ReadingChain.h"
#include "widgets/Utf8Text.h"
#include "zones/ZoneProposal.h"

namespace fortunix {

namespace {

QString Position(double degrees) {
    return DegreeInSignCaption(static_cast<int>(degrees));
}

// The zone as the list showed it: the birthplace-time entry, or its row followed by the offset
// as people write it, "Indian Time, IST, +5.3 (UTC+05:30)".
QString ZoneText(const BirthFormState& form) {
    if (form.zoneRow == zones::kBirthplaceTimeRow && form.birthplaceTimeMinutes) {
        return BirthplaceTimeText(*form.birthplaceTimeMinutes);
    }
    if (const std::optional<ZoneState> correction = LookUpZone(form.zoneRow)) {
        // The correction is what the engines add to local time: the offset turned around.
        const int offsetSeconds = -(correction->hours * 60 + correction->minutes) * 60;
        return TimeZoneListText(form.zoneRow) + QStringLiteral(" (") +
               QString::fromStdString(FormatUtcOffset(offsetSeconds)) + u')';
    }
    return QString();
}

// The three positions of the chart, named as the sheet's lines name them.
std::vector<SheetMarker> ChartPositionsOf(const ChartPositions& chart) {
    return {{QCoreApplication::translate("Fortunix", "Sun"), chart.sun, Position(chart.sun)},
            {QCoreApplication::translate("Fortunix", "Moon"), chart.moon, Position(chart.moon)},
            {QCoreApplication::translate("Fortunix", "Ascendant"),
             static_cast<double>(chart.ascendant), Position(chart.ascendant)}};
}

QString Birthplace(const AtlasPlaceName& place) {
    QStringList parts;
    for (const std::string& part : {place.name, place.division, place.country}) {
        if (!part.empty()) {
            parts.append(QString::fromStdString(part));
        }
    }
    return parts.join(QStringLiteral(", "));
}

QString Coordinates(const BirthFormInput& fields) {
    const atlas::ArcMinutes latitude{CheckedNumber(fields.latDeg), CheckedNumber(fields.latMin),
                                     !fields.south};
    const atlas::ArcMinutes longitude{CheckedNumber(fields.lonDeg), CheckedNumber(fields.lonMin),
                                      fields.east};
    // The hemispheres' letters are the language's: "51°30′ N" in English, "北緯51°30′" in Japanese.
    const QString latitudeText =
        (latitude.positive ? QCoreApplication::translate("Fortunix", "%1 N")
                           : QCoreApplication::translate("Fortunix", "%1 S"))
            .arg(atlas::FormatDegreesMinutes(latitude));
    const QString longitudeText =
        (longitude.positive ? QCoreApplication::translate("Fortunix", "%1 E")
                            : QCoreApplication::translate("Fortunix", "%1 W"))
            .arg(atlas::FormatDegreesMinutes(longitude));
    return latitudeText + QStringLiteral(", ") + longitudeText;
}

}  // namespace

QString SheetTitle() {
    return QCoreApplication::translate("Fortunix", "%1 reading")
        .arg(QString::fromLatin1(kProgramName));
}

QString SheetClock(int hour, int minute) {
    return QStringLiteral("%1:%2")
        .arg(hour, 2, 10, QLatin1Char('0'))
        .arg(minute, 2, 10, QLatin1Char('0'));
}

QString SheetDate(int year, int month, int day) {
    return LongDateText(year, month, day);
}

std::vector<SheetLine> SheetLines(const ReadingSheet& sheet) {
    const BirthFormInput& fields = sheet.form.fields;
    const int hour = CheckedNumber(fields.hourText);
    const int minute = CheckedNumber(fields.minuteText);
    const CivilMoment& ut = sheet.universal;

    std::vector<SheetLine> lines;
    lines.push_back(
        {QCoreApplication::translate("Fortunix", "Born"),
         SheetDate(CheckedNumber(fields.yearText), fields.monthIndex + 1, fields.dayIndex + 1) +
             QStringLiteral(", ") + SheetClock(hour, minute) +
             QCoreApplication::translate("Fortunix", " local time")});
    lines.push_back({QCoreApplication::translate("Fortunix", "Time zone"), ZoneText(sheet.form)});
    lines.push_back({QCoreApplication::translate("Fortunix", "Daylight Saving Time"),
                     fields.dst ? QCoreApplication::translate("Fortunix", "ticked")
                                : QCoreApplication::translate("Fortunix", "not ticked")});
    lines.push_back({QCoreApplication::translate("Fortunix", "Universal time"),
                     SheetDate(ut.year, ut.month, ut.day) + QStringLiteral(", ") +
                         SheetClock(ut.hour, ut.minute)});
    if (sheet.form.place) {
        lines.push_back(
            {QCoreApplication::translate("Fortunix", "Birthplace"), Birthplace(*sheet.form.place)});
    }
    lines.push_back(
        {QCoreApplication::translate("Fortunix", "Latitude, longitude"), Coordinates(fields)});
    for (const SheetMarker& position : ChartPositionsOf(sheet.chart)) {
        lines.push_back({position.name, position.degree});
    }
    // The rule is the clock's noon, not the Sun's: the words say which side of it the birth was.
    lines.push_back(
        {QCoreApplication::translate("Fortunix", "Formula"),
         CountsAsBirthByDay(hour)
             ? QCoreApplication::translate("Fortunix", "born before noon: ascendant + Moon − Sun")
             : QCoreApplication::translate("Fortunix",
                                           "born from noon on: ascendant + Sun − Moon")});
    return lines;
}

std::vector<SheetMarker> SheetMarkers(const ReadingSheet& sheet) {
    std::vector<SheetMarker> markers = ChartPositionsOf(sheet.chart);
    markers.push_back({FortuneLabel(), static_cast<double>(sheet.fortuneDegrees), sheet.caption});
    return markers;
}

QString FortuneLabel() {
    return QCoreApplication::translate("ReadingSheet", "Part of Fortune");
}

QString SheetFooter(const QDate& made) {
    return QCoreApplication::translate("Fortunix", "%1 %2 · sheet made on %3")
        .arg(QString::fromLatin1(kProgramName), QString::fromLatin1(kProgramVersion),
             SheetDate(made.year(), made.month(), made.day()));
}

QString SheetPlainText(const ReadingSheet& sheet, const QDate& made) {
    QString text = SheetTitle() + QStringLiteral(": ") +
                   QString::fromStdString(sheet.form.fields.name) + u'\n' + u'\n';
    for (const SheetLine& line : SheetLines(sheet)) {
        text += line.label + QStringLiteral(": ") + line.value + u'\n';
    }
    text += u'\n' + FortuneLabel() + QStringLiteral(": ") + sheet.caption + u'\n' + u'\n';
    text += sheet.paragraph + u'\n' + u'\n';
    text += SheetFooter(made) + u'\n';
    return text;
}

QString ProposedPdfName(const QString& name, const QDate& made) {
    QString safe;
    for (const QChar c : name.trimmed()) {
        const bool forbidden = c.unicode() < 32 || QStringLiteral("\\/:*?\"<>|").contains(c);
        safe += forbidden ? QChar(u'_') : c;
    }
    if (safe.size() > kProposedNameLength) {
        // Never between the two halves of a character outside the Basic Multilingual Plane.
        const bool splitsPair = safe.at(kProposedNameLength - 1).isHighSurrogate();
        safe = safe.left(kProposedNameLength - (splitsPair ? 1 : 0)).trimmed();
    }
    QString file = SheetTitle();
    if (!safe.isEmpty()) {
        file += QStringLiteral(" - ") + safe;
    }
    return file + QStringLiteral(" - ") + made.toString(QStringLiteral("yyyy-MM-dd")) +
           QStringLiteral(".pdf");
}

QString PdfPathFor(const QString& chosen) {
    const QString suffix = QStringLiteral(".pdf");
    return chosen.endsWith(suffix, Qt::CaseInsensitive) ? chosen : chosen + suffix;
}

}  // namespace fortunix
