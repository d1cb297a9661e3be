#include "forms/PlaceChoiceTexts.h"

#include "reading/TimeZoneTable.h"

namespace fortunix {

namespace {

using zones::BirthZone;
using zones::ClockOffset;

// "1 July 1950"; also for a day the month lacks, which the form lets one pick.
QString DateText(const CivilMoment& local) {
    const std::string_view month = MonthName(local.month);
    return QStringLiteral("%1 %2 %3")
        .arg(local.day)
        .arg(month.empty() ? QStringLiteral("?")
                           : QString::fromLatin1(month.data(), qsizetype(month.size())))
        .arg(local.year);
}

QString ClockText(const CivilMoment& local) {
    return QStringLiteral("%1:%2")
        .arg(local.hour, 2, 10, QLatin1Char('0'))
        .arg(local.minute, 2, 10, QLatin1Char('0'));
}

QString KindOfTime(const ClockOffset& offset) {
    if (offset.localMeanTime) {
        return QStringLiteral("local mean time of the birthplace");
    }
    switch (offset.summer) {
        case 0:
            return QStringLiteral("standard time");
        case 2 * 3600:
            return QStringLiteral("double summer time");
        default:
            return QStringLiteral("summer time");
    }
}

QString ZoneText(const zones::ZoneHistory& history, quint16 zone, const ClockOffset& offset) {
    const QString name = history.zoneName(zone);
    if (name.isEmpty()) {
        return QString();
    }
    return offset.localMeanTime ? QStringLiteral(" (before %1 kept standard time)").arg(name)
                                : QStringLiteral(" (%1)").arg(name);
}

}  // namespace

// Numeric abbreviations ("+0545") add nothing and are left out.
QString DescribeClockOffset(const zones::ZoneHistory& history, const ClockOffset& offset) {
    QString text = QString::fromStdString(FormatUtcOffset(offset.offset, "UTC", kTrueMinus));
    const QString abbreviation = history.abbreviation(offset.abbreviation);
    if (!offset.localMeanTime && !abbreviation.isEmpty() && abbreviation.front().isLetter()) {
        text += u' ' + abbreviation;
    }
    return text + QStringLiteral(", ") + KindOfTime(offset);
}

QString DescribeBirthZone(const zones::ZoneHistory& history, quint16 zone, const BirthZone& found,
                          const CivilMoment& local) {
    const ClockOffset& first = found.offsets[0];
    const QString zoneText = ZoneText(history, zone, first);
    switch (found.kind) {
        case BirthZone::Kind::Single:
            return QStringLiteral("Time zone on %1, %2: %3%4")
                .arg(DateText(local), ClockText(local), DescribeClockOffset(history, first),
                     zoneText);
        case BirthZone::Kind::Repeated:
            return QStringLiteral(
                       "On %1 the clocks went back and %2 came twice%3: first %4, then %5. "
                       "Choose which:")
                .arg(DateText(local), ClockText(local), zoneText,
                     DescribeClockOffset(history, first),
                     DescribeClockOffset(history, found.offsets[1]));
        case BirthZone::Kind::Skipped:
            break;
    }
    return QStringLiteral(
               "On %1 the clocks went forward and %2 did not exist there%3. Proposed: %4, "
               "the time before the change.")
        .arg(DateText(local), ClockText(local), zoneText, DescribeClockOffset(history, first));
}

QString DescribeProposal(const zones::ZoneProposal& proposal) {
    const QString row =
        proposal.row == zones::kBirthplaceTimeRow
            ? zones::BirthplaceTimeText(proposal.exactOffsetMinutes)
            : QString::fromUtf8(kTimeZoneTable[static_cast<std::size_t>(proposal.row)].listText);
    return QStringLiteral("Sets the time zone to \"%1\", %2.")
        .arg(row, proposal.daylightSaving ? QStringLiteral("with Daylight Saving Time ticked")
                                          : QStringLiteral("Daylight Saving Time not ticked"));
}

PlaceZoneNote DescribePlaceZone(const zones::ZoneHistory& history, quint16 zone,
                                const BirthZone& found, const CivilMoment& local,
                                const std::array<zones::ZoneProposal, 2>& proposals) {
    PlaceZoneNote note;
    note.description = DescribeBirthZone(history, zone, found, local);
    note.sets = DescribeProposal(proposals[0]);
    if (found.kind == BirthZone::Kind::Repeated) {
        note.firstChoice =
            QStringLiteral("The first: ") + DescribeClockOffset(history, found.offsets[0]);
        note.secondChoice =
            QStringLiteral("The second: ") + DescribeClockOffset(history, found.offsets[1]);
        note.setsSecond = DescribeProposal(proposals[1]);
    }
    return note;
}

}  // namespace fortunix
