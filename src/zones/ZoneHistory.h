#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <optional>
#include <span>
#include <vector>

namespace fortunix::zones {

// One stretch of time during which a zone's clocks kept the same offset.
struct ZonePeriod {
    qint64 start;   // UT seconds since 1970-01-01; the first period of a zone has no start
    qint32 offset;  // seconds east of UT, summer time included
    qint16 summer;  // seconds of summer time within `offset`; 0 for standard time
    quint16 abbreviation : 15;  // index into ZoneHistory::abbreviation
    quint16 localMeanTime : 1;  // tz's "LMT": before the zone kept standard time
};
static_assert(sizeof(ZonePeriod) == 16, "27,000 periods stay small");

// The years whose clocks a history holds, first and last.
struct YearSpan {
    int first;
    int last;
    friend bool operator==(const YearSpan&, const YearSpan&) = default;
};

// The clock history, 1900 to 2050, of every zone the atlas places use (see
// tools/atlas/build-zones.js); zones are numbered in the order of the table.
class ZoneHistory {
  public:
    // Rows that cannot be read are skipped; periods before the first zone line are ignored.
    // At most 32,768 abbreviations are told apart; rows beyond are skipped. Zones are numbered
    // below atlas::kNoZone: the table stops before a zone that would take that number.
    static ZoneHistory FromTable(QByteArrayView table);

    qsizetype zoneCount() const { return names_.size(); }
    // Whether the table holds zone number `zone`: never for atlas::kNoZone, a negative index
    // or one past the last zone. The one check of a zone index; zoneName and periods use it.
    bool holds(qsizetype zone) const { return zone >= 0 && zone < zoneCount(); }
    // The name of a zone ("America/New_York"); empty for a zone the table does not hold.
    QString zoneName(qsizetype zone) const { return holds(zone) ? names_[zone] : QString(); }
    qsizetype findZone(const QString& name) const { return names_.indexOf(name); }
    // The periods of a zone, in order; none for a zone the table does not hold.
    std::span<const ZonePeriod> periods(qsizetype zone) const;
    // The abbreviation of a period; empty for an index the table does not have.
    QString abbreviation(quint16 index) const { return abbreviations_.value(index); }

    // The years the table says it holds (its line "Y", first, last); nothing when it does not
    // say. Before and after them a zone's first and last periods are only stretched.
    std::optional<YearSpan> years() const { return years_; }

    // Bytes held by the loaded table, for the memory budget.
    qsizetype memoryBytes() const;

  private:
    std::vector<ZonePeriod> periods_;
    std::vector<quint32> firstPeriod_;  // per zone, and one past the last
    QStringList names_;
    QStringList abbreviations_;
    std::optional<YearSpan> years_;
};

// The table compiled into the program, read on first use; empty if the resource is missing.
const ZoneHistory& BuiltInZoneHistory();
ZoneHistory LoadBuiltInZoneHistory();

// The names of the built-in table's zones, as BuiltInZoneHistory numbers them, from a list
// built with the program: for a zone's name without the cost of its clocks.
const QStringList& BuiltInZoneNames();

}  // namespace fortunix::zones
