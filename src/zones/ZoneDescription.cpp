#include "zones/ZoneDescription.h"

#include <cstdlib>

#include "reading/TimeZoneTable.h"

namespace fortunix::zones {

namespace {

constexpr QChar kMinus(0x2212);

std::span<const ZonePeriod> PeriodsOf(const ZoneHistory& history, const BirthplaceZone& place) {
    return place.zone >= 0 && place.zone < history.zoneCount() ? history.periods(place.zone)
                                                               : std::span<const ZonePeriod>();
}

// "1 July 1950"; also for a day the month lacks, which the form lets one pick.
QString DateText(const CivilTime& local) {
    static const char* const kMonths[] = {"January",   "February", "March",    "April",
                                          "May",       "June",     "July",     "August",
                                          "September", "October",  "November", "December"};
    const bool knownMonth = local.month >= 1 && local.month <= 12;
    return QStringLiteral("%1 %2 %3")
        .arg(local.day)
        .arg(QString::fromLatin1(knownMonth ? kMonths[local.month - 1] : "?"))
        .arg(local.year);
}

QString ClockText(const CivilTime& local) {
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

}  // namespace

// Numeric abbreviations ("+0545") add nothing and are left out.
QString DescribeClockOffset(const ZoneHistory& history, const ClockOffset& offset) {
    QString text = FormatClockOffset(offset.offset);
    const QString& abbreviation = history.abbreviation(offset.abbreviation);
    if (!offset.localMeanTime && !abbreviation.isEmpty() && abbreviation.front().isLetter()) {
        text += u' ' + abbreviation;
    }
    return text + QStringLiteral(", ") + KindOfTime(offset);
}

namespace {

QString ZoneText(const ZoneHistory& history, const BirthplaceZone& place,
                 const ClockOffset& offset) {
    const QString name = place.zone >= 0 && place.zone < history.zoneCount()
                             ? history.zoneName(place.zone)
                             : QString();
    if (name.isEmpty()) {
        return QString();
    }
    return offset.localMeanTime ? QStringLiteral(" (before %1 kept standard time)").arg(name)
                                : QStringLiteral(" (%1)").arg(name);
}

}  // namespace

ZoneProposal ProposeForMoment(const ZoneHistory& history, const BirthplaceZone& place,
                              const CivilTime& local, bool laterOfRepeated) {
    const BirthZone found = FindBirthZone(PeriodsOf(history, place), place.longitude, local);
    const bool second = laterOfRepeated && found.kind == BirthZone::Kind::Repeated;
    const ClockOffset& offset = found.offsets[second ? 1 : 0];
    return ProposeZone(offset, history.abbreviation(offset.abbreviation));
}

QString FormatClockOffset(qint32 seconds) {
    const qint32 magnitude = std::abs(seconds);
    QString text = QStringLiteral("UTC%1%2:%3")
                       .arg(seconds < 0 ? kMinus : QChar(u'+'))
                       .arg(magnitude / 3600, 2, 10, QLatin1Char('0'))
                       .arg(magnitude / 60 % 60, 2, 10, QLatin1Char('0'));
    if (magnitude % 60 != 0) {
        text += QStringLiteral(":%1").arg(magnitude % 60, 2, 10, QLatin1Char('0'));
    }
    return text;
}

QString DescribeBirthZone(const ZoneHistory& history, const BirthplaceZone& place,
                          const CivilTime& local) {
    const BirthZone found = FindBirthZone(PeriodsOf(history, place), place.longitude, local);
    const ClockOffset& first = found.offsets[0];
    const QString zone = ZoneText(history, place, first);
    switch (found.kind) {
        case BirthZone::Kind::Single:
            return QStringLiteral("Time zone on %1, %2: %3%4")
                .arg(DateText(local), ClockText(local), DescribeClockOffset(history, first), zone);
        case BirthZone::Kind::Repeated:
            return QStringLiteral(
                       "On %1 the clocks went back and %2 came twice%3: first %4, then %5. "
                       "Choose which:")
                .arg(DateText(local), ClockText(local), zone, DescribeClockOffset(history, first),
                     DescribeClockOffset(history, found.offsets[1]));
        case BirthZone::Kind::Skipped:
            break;
    }
    return QStringLiteral(
               "On %1 the clocks went forward and %2 did not exist there%3. Proposed: %4, "
               "the time before the change.")
        .arg(DateText(local), ClockText(local), zone, DescribeClockOffset(history, first));
}

QString DescribeProposal(const ZoneProposal& proposal) {
    const QString row =
        proposal.row == kBirthplaceTimeRow
            ? BirthplaceTimeText(proposal.exactOffsetMinutes)
            : QString::fromUtf8(kTimeZoneTable[static_cast<std::size_t>(proposal.row)].listText);
    return QStringLiteral("Sets the time zone to \"%1\", %2.")
        .arg(row, proposal.daylightSaving ? QStringLiteral("with Daylight Saving Time ticked")
                                          : QStringLiteral("Daylight Saving Time not ticked"));
}

}  // namespace fortunix::zones
