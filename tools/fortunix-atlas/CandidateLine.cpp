#include "CandidateLine.h"

#include <QDate>
#include <QRegularExpression>
#include <QStringList>

#include "reading/TimeZoneTable.h"
#include "zones/ZoneProposal.h"

namespace fortunix::atlastool {

namespace {

struct ZoneFields {
    QString offset;
    QString dst;
    QString row;
    QString batchZone;

    void Join(const ZoneFields& later) {
        offset += u'|' + later.offset;
        dst += u'|' + later.dst;
        row += u'|' + later.row;
        batchZone += u'|' + later.batchZone;
    }
};

ZoneFields FieldsOf(const zones::ZoneHistory& history, const zones::ClockOffset& offset) {
    const zones::ZoneProposal proposal =
        zones::ProposeZone(offset, history.abbreviation(offset.abbreviation));
    const bool exact = proposal.row == zones::kBirthplaceTimeRow;
    const QString row = QString::number(proposal.row);
    // The window's entry for an offset no row holds, in whole minutes: "UTC+00:20".
    const QString exactZone =
        QString::fromStdString(FormatUtcOffset(proposal.exactOffsetMinutes * 60));
    return {QString::fromStdString(FormatUtcOffset(offset.offset, "")),
            proposal.daylightSaving ? QStringLiteral("1") : QStringLiteral("0"),
            exact ? QStringLiteral("exact") : row, exact ? exactZone : row};
}

}  // namespace

QString HeaderLine() {
    return QStringLiteral(
        "place\tdivision\tcountry\tlatitude\tlongitude\ttimezone\tutc_offset\tdst\tzone_row\t"
        "matched_name\tbatch_zone");
}

QString CandidateLine(const atlas::Atlas& atlas, const QStringList& zoneNames, qsizetype index,
                      const std::optional<ClockQuery>& clock, qsizetype otherName) {
    const QString matchedName =
        otherName != atlas::kMainName ? atlas.otherName(otherName) : QString();
    const atlas::Place& place = atlas.place(index);
    QStringList fields{
        atlas.placeName(index),
        place.division != atlas::kNoDivision ? atlas.division(place.division).name : QString(),
        atlas.country(place.country).name,
        QString::number(place.latitude, 'f', 4),
        QString::number(place.longitude, 'f', 4),
        zoneNames.value(place.zone),
    };
    if (!clock) {
        fields << QString() << QString() << QString() << matchedName << QString();
        return fields.join(u'\t');
    }
    const zones::ZoneHistory& history = clock->history;
    const zones::BirthZone zone =
        zones::FindBirthZone(history, {place.zone, place.longitude}, clock->at);
    // A skipped hour is read with the offset before the change, as the window proposes.
    ZoneFields answer = FieldsOf(history, zone.offsets[0]);
    if (zone.kind == zones::BirthZone::Kind::Repeated) {
        answer.Join(FieldsOf(history, zone.offsets[1]));
    }
    fields << answer.offset << answer.dst << answer.row << matchedName << answer.batchZone;
    return fields.join(u'\t');
}

std::optional<CivilMoment> ParseMoment(const QString& text) {
    static const QRegularExpression pattern(
        QStringLiteral("^(\\d{4})-(\\d{2})-(\\d{2})T(\\d{2}):(\\d{2})$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch()) {
        return std::nullopt;
    }
    const CivilMoment time{match.captured(1).toInt(), match.captured(2).toInt(),
                           match.captured(3).toInt(), match.captured(4).toInt(),
                           match.captured(5).toInt()};
    if (!QDate::isValid(time.year, time.month, time.day) || time.hour > 23 || time.minute > 59) {
        return std::nullopt;
    }
    return time;
}

}  // namespace fortunix::atlastool
