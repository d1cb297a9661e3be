#include "forms/PlaceChoiceTexts.h"

#include <QCoreApplication>

#include "forms/ReadingTexts.h"
#include "reading/TimeZoneTable.h"

namespace fortunix {

namespace {

using zones::BirthZone;
using zones::ClockOffset;

// "1 July 1950"; also for a day the month lacks, which the form lets one pick.
QString DateText(const CivilMoment& local) {
    return LongDateText(local.year, local.month, local.day);
}

QString ClockText(const CivilMoment& local) {
    return QStringLiteral("%1:%2")
        .arg(local.hour, 2, 10, QLatin1Char('0'))
        .arg(local.minute, 2, 10, QLatin1Char('0'));
}

QString KindOfTime(const ClockOffset& offset) {
    if (offset.localMeanTime) {
        return QCoreApplication::translate("Fortunix", "local mean time of the birthplace");
    }
    switch (offset.summer) {
        case 0:
            return QCoreApplication::translate("Fortunix", "standard time");
        case 2 * 3600:
            return QCoreApplication::translate("Fortunix", "double summer time");
        default:
            return QCoreApplication::translate("Fortunix", "summer time");
    }
}

QString ZoneText(const zones::ZoneHistory& history, quint16 zone, const ClockOffset& offset) {
    const QString name = history.zoneName(zone);
    if (name.isEmpty()) {
        return QString();
    }
    return offset.localMeanTime
               ? QCoreApplication::translate("Fortunix", " (before %1 kept standard time)")
                     .arg(name)
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
            return QCoreApplication::translate("Fortunix", "Time zone on %1, %2: %3%4")
                .arg(DateText(local), ClockText(local), DescribeClockOffset(history, first),
                     zoneText);
        case BirthZone::Kind::Repeated:
            return QCoreApplication::translate(
                       "Fortunix",
                       "On %1 the clocks went back and %2 came twice%3: first %4, then %5. "
                       "Choose which:")
                .arg(DateText(local), ClockText(local), zoneText,
                     DescribeClockOffset(history, first),
                     DescribeClockOffset(history, found.offsets[1]));
        case BirthZone::Kind::Skipped:
            break;
    }
    return QCoreApplication::translate(
               "Fortunix",
               "On %1 the clocks went forward and %2 did not exist there%3. Proposed: %4, "
               "the time before the change.")
        .arg(DateText(local), ClockText(local), zoneText, DescribeClockOffset(history, first));
}

QString DescribeProposal(const zones::ZoneProposal& proposal) {
    const QString row = proposal.row == zones::kBirthplaceTimeRow
                            ? BirthplaceTimeText(proposal.exactOffsetMinutes)
                            : TimeZoneListText(proposal.row);
    return QCoreApplication::translate("Fortunix", "Sets the time zone to \"%1\", %2.")
        .arg(row, proposal.daylightSaving
                      ? QCoreApplication::translate("Fortunix", "with Daylight Saving Time ticked")
                      : QCoreApplication::translate("Fortunix", "Daylight Saving Time not ticked"));
}

PlaceZoneNote DescribePlaceZone(const zones::ZoneHistory& history, quint16 zone,
                                const BirthZone& found, const CivilMoment& local,
                                const std::array<zones::ZoneProposal, 2>& proposals) {
    PlaceZoneNote note;
    note.description = DescribeBirthZone(history, zone, found, local);
    note.sets = DescribeProposal(proposals[0]);
    if (found.kind == BirthZone::Kind::Repeated) {
        note.firstChoice = QCoreApplication::translate("Fortunix", "The first: ") +
                           DescribeClockOffset(history, found.offsets[0]);
        note.secondChoice = QCoreApplication::translate("Fortunix", "The second: ") +
                            DescribeClockOffset(history, found.offsets[1]);
        note.setsSecond = DescribeProposal(proposals[1]);
    }
    return note;
}

}  // namespace fortunix
