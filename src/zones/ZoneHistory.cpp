#include "zones/ZoneHistory.h"

#include "atlas/Atlas.h"
#include "atlas/BuiltInTables.h"
#include "atlas/TableRows.h"

#include <QHash>
#include <array>
#include <limits>
#include <utility>

namespace fortunix::zones {

namespace {

constexpr quint16 kLastAbbreviation = 0x7FFF;  // the widest index a period holds

// Numbers the abbreviations as they first appear. A zone's periods alternate between two or
// three of them, so the last few found are tried before the hash.
class AbbreviationIndex {
  public:
    quint16 IndexOf(QByteArrayView abbreviation, QStringList& names) {
        for (const auto& [text, index] : recent_) {
            if (!text.isEmpty() && QByteArrayView(text) == abbreviation) {
                return index;
            }
        }
        const QByteArray text = abbreviation.toByteArray();
        auto known = all_.constFind(text);
        if (known == all_.cend()) {
            known = all_.insert(text, static_cast<quint16>(names.size()));
            names.append(QString::fromUtf8(text));
        }
        recent_[next_] = {text, *known};
        next_ = (next_ + 1) % recent_.size();
        return *known;
    }

  private:
    QHash<QByteArray, quint16> all_;
    std::array<std::pair<QByteArray, quint16>, 4> recent_{};
    std::size_t next_ = 0;
};

}  // namespace

ZoneHistory ZoneHistory::FromTable(QByteArrayView table) {
    ZoneHistory history;
    AbbreviationIndex abbreviations;
    // Room for every line at once (a few are comments and zone names), so that the vector is
    // neither copied as it grows nor shrunk afterwards.
    history.periods_.reserve(static_cast<std::size_t>(table.count('\n')));

    bool full = false;  // a zone numbered atlas::kNoZone would be no zone: the rest is left out
    atlas::ForEachRow(table, [&](const std::vector<QByteArrayView>& fields) {
        full = full ||
               (fields.size() == 2 && fields[0] == "Z" && history.names_.size() == atlas::kNoZone);
        if (full) {
            return;
        }
        if (fields.size() == 3 && fields[0] == "Y") {
            YearSpan years{};
            if (atlas::ParseNumber(fields[1], years.first) &&
                atlas::ParseNumber(fields[2], years.last) && years.first <= years.last) {
                history.years_ = years;
            }
            return;
        }
        if (fields.size() == 2 && fields[0] == "Z") {
            history.names_.append(QString::fromUtf8(fields[1]));
            history.firstPeriod_.push_back(static_cast<quint32>(history.periods_.size()));
            return;
        }
        ZonePeriod period{};
        const bool first = fields[0] == "-";
        if (fields.size() != 4 || history.names_.isEmpty() ||
            (!first && !atlas::ParseNumber(fields[0], period.start)) ||
            !atlas::ParseNumber(fields[1], period.offset) ||
            !atlas::ParseNumber(fields[2], period.summer)) {
            return;
        }
        const bool zoneHasPeriods = history.periods_.size() > history.firstPeriod_.back();
        if (first == zoneHasPeriods ||
            (zoneHasPeriods && period.start <= history.periods_.back().start)) {
            return;  // only the first period lacks a start, and periods come in order
        }
        if (first) {
            period.start = std::numeric_limits<qint64>::min();
        }
        const quint16 abbreviation = abbreviations.IndexOf(fields[3], history.abbreviations_);
        if (abbreviation > kLastAbbreviation) {
            return;
        }
        period.abbreviation = abbreviation & kLastAbbreviation;
        period.localMeanTime = fields[3] == "LMT" ? 1 : 0;
        history.periods_.push_back(period);
    });
    history.firstPeriod_.push_back(static_cast<quint32>(history.periods_.size()));
    return history;
}

std::span<const ZonePeriod> ZoneHistory::periods(qsizetype zone) const {
    if (!holds(zone)) {
        return {};
    }
    const auto index = static_cast<std::size_t>(zone);
    return std::span<const ZonePeriod>(periods_).subspan(
        firstPeriod_[index], firstPeriod_[index + 1] - firstPeriod_[index]);
}

qsizetype ZoneHistory::memoryBytes() const {
    qsizetype bytes = sizeof(ZoneHistory);
    bytes += static_cast<qsizetype>(periods_.capacity() * sizeof(ZonePeriod) +
                                    firstPeriod_.capacity() * sizeof(quint32));
    for (const QStringList* list : {&names_, &abbreviations_}) {
        for (const QString& text : *list) {
            bytes += qsizetype(sizeof(QString)) + text.capacity() * qsizetype(sizeof(QChar));
        }
    }
    return bytes;
}

ZoneHistory LoadBuiltInZoneHistory() {
    return ZoneHistory::FromTable(atlas::BuiltInTable(u"zone-history.tsv"));
}

const ZoneHistory& BuiltInZoneHistory() {
    static const ZoneHistory history = LoadBuiltInZoneHistory();
    return history;
}

const QStringList& BuiltInZoneNames() {
    static const QStringList names = [] {
        QStringList read;
        atlas::TableLines lines(atlas::BuiltInTable(u"zone-names.txt"));
        for (QByteArrayView line; lines.Next(line) && read.size() < atlas::kNoZone;) {
            read.append(QString::fromUtf8(line));
        }
        return read;
    }();
    return names;
}

}  // namespace fortunix::zones
