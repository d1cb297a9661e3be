#include "CandidateLine.h"

#include <QDate>
#include <QRegularExpression>
#include <QStringList>
#include <cstdlib>

#include "zones/ZoneProposal.h"

namespace fortunix::atlastool {

namespace {

QString FormatOffset(qint32 seconds) {
    const qint32 magnitude = std::abs(seconds);
    QString text = QStringLiteral("%1%2:%3")
                       .arg(QChar(seconds < 0 ? u'-' : u'+'))
                       .arg(magnitude / 3600, 2, 10, QLatin1Char('0'))
                       .arg(magnitude / 60 % 60, 2, 10, QLatin1Char('0'));
    if (magnitude % 60 != 0) {
        text += QStringLiteral(":%1").arg(magnitude % 60, 2, 10, QLatin1Char('0'));
    }
    return text;
}

struct ZoneFields {
    QString offset;
    QString dst;
    QString row;
};

ZoneFields FieldsOf(const zones::ZoneHistory& history, const zones::ClockOffset& offset) {
    const zones::ZoneProposal proposal =
        zones::ProposeZone(offset, history.abbreviation(offset.abbreviation));
    return {FormatOffset(offset.offset),
            proposal.daylightSaving ? QStringLiteral("1") : QStringLiteral("0"),
            proposal.row == zones::kBirthplaceTimeRow ? QStringLiteral("exact")
                                                      : QString::number(proposal.row)};
}

}  // namespace

QString HeaderLine() {
    return QStringLiteral(
        "place\tdivision\tcountry\tlatitude\tlongitude\ttimezone\tutc_offset\tdst\tzone_row\t"
        "matched_name");
}

QString CandidateLine(const atlas::Atlas& atlas, const zones::ZoneHistory& history, qsizetype index,
                      const std::optional<zones::CivilTime>& at, qsizetype otherName) {
    const QString matchedName =
        otherName != atlas::kMainName ? atlas.otherName(otherName) : QString();
    const atlas::Place& place = atlas.place(index);
    const bool hasZone = place.zone < history.zoneCount();
    QStringList fields{
        atlas.placeName(index),
        place.division != atlas::kNoDivision ? atlas.division(place.division).name : QString(),
        atlas.country(place.country).name,
        QString::number(place.latitude, 'f', 4),
        QString::number(place.longitude, 'f', 4),
        hasZone ? history.zoneName(place.zone) : QString(),
    };
    if (!at) {
        fields << QString() << QString() << QString() << matchedName;
        return fields.join(u'\t');
    }
    const zones::BirthZone zone = zones::FindBirthZone(
        hasZone ? history.periods(place.zone) : std::span<const zones::ZonePeriod>(),
        place.longitude, *at);
    // A skipped hour is read with the offset before the change, as the window proposes.
    ZoneFields answer = FieldsOf(history, zone.offsets[0]);
    if (zone.kind == zones::BirthZone::Kind::Repeated) {
        const ZoneFields later = FieldsOf(history, zone.offsets[1]);
        answer.offset += u'|' + later.offset;
        answer.dst += u'|' + later.dst;
        answer.row += u'|' + later.row;
    }
    fields << answer.offset << answer.dst << answer.row << matchedName;
    return fields.join(u'\t');
}

std::optional<zones::CivilTime> ParseMoment(const QString& text) {
    static const QRegularExpression pattern(
        QStringLiteral("^(\\d{4})-(\\d{2})-(\\d{2})T(\\d{2}):(\\d{2})$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch()) {
        return std::nullopt;
    }
    const zones::CivilTime time{match.captured(1).toInt(), match.captured(2).toInt(),
                                match.captured(3).toInt(), match.captured(4).toInt(),
                                match.captured(5).toInt()};
    if (!QDate::isValid(time.year, time.month, time.day) || time.hour > 23 || time.minute > 59) {
        return std::nullopt;
    }
    return time;
}

}  // namespace fortunix::atlastool
