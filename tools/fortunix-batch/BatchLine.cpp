#include "BatchLine.h"

#include <array>
#include <charconv>

#include "reading/BirthDataRules.h"
#include "reading/BirthRecordFilling.h"
#include "reading/TimeZoneTable.h"

namespace fortunix::batch {

namespace {

constexpr std::size_t kFieldCount = 13;

enum Field : std::size_t {
    kYear,
    kMonth,
    kDay,
    kHour,
    kMinute,
    kZone,
    kLonDeg,
    kLonMin,
    kEastWest,
    kLatDeg,
    kLatMin,
    kNorthSouth,
    kDst
};

using Fields = std::array<std::string_view, kFieldCount>;

// Splits at commas into exactly 13 trimmed fields; the number found otherwise.
bool SplitFields(std::string_view line, Fields& fields, std::size_t& found) {
    found = 0;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = line.find(',', start);
        const std::string_view field =
            line.substr(start, comma == std::string_view::npos ? line.npos : comma - start);
        if (found < kFieldCount) {
            fields[found] = TrimSpaces(field);
        }
        ++found;
        if (comma == std::string_view::npos) {
            return found == kFieldCount;
        }
        start = comma + 1;
    }
}

// A field of digits only whose value lies in first..last.
bool ReadWholeNumber(std::string_view field, int first, int last, int& value) {
    if (!IsAllDigits(field)) {
        return false;
    }
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
    return error == std::errc{} && end == field.data() + field.size() && value >= first &&
           value <= last;
}

// A one-letter flag: true for `yes`, false for `no`.
bool ReadFlag(std::string_view field, std::string_view yes, std::string_view no, bool& value) {
    if (field != yes && field != no) {
        return false;
    }
    value = field == yes;
    return true;
}

BatchLineOutcome Refused(std::string_view reason) {
    return BatchLineOutcome{std::nullopt, std::string(reason)};
}

}  // namespace

BatchLineOutcome ReadBatchLine(std::string_view line, const DegreeSignTable& signs) {
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    if (TrimSpaces(line).empty()) {
        return {};
    }

    Fields fields;
    std::size_t found = 0;
    if (!SplitFields(line, fields, found)) {
        return Refused("expected 13 comma-separated fields, found " + std::to_string(found));
    }

    int year = 0, month = 0, day = 0, hour = 0, minute = 0, zoneIndex = 0;
    if (!ReadWholeNumber(fields[kYear], kFirstYear, kLastYear, year)) {
        return Refused("year must be a whole number from 1901 to 2050");
    }
    if (!ReadWholeNumber(fields[kMonth], 1, 12, month)) {
        return Refused("month must be a whole number from 1 to 12");
    }
    if (!ReadWholeNumber(fields[kDay], 1, 31, day)) {
        return Refused("day must be a whole number from 1 to 31");
    }
    if (!ReadWholeNumber(fields[kHour], 0, 23, hour)) {
        return Refused("hour must be a whole number from 0 to 23");
    }
    if (!ReadWholeNumber(fields[kMinute], 0, 59, minute)) {
        return Refused("minute must be a whole number from 0 to 59");
    }
    // The zone is a list position, or an exact offset that no row holds ("UTC+05:45").
    const std::optional<int> exactOffset = ParseUtcOffset(fields[kZone]);
    if (!exactOffset && !ReadWholeNumber(fields[kZone], 0, kTimeZoneCount - 1, zoneIndex)) {
        return Refused("zone must be a list position from 0 to 70 or an offset such as UTC+05:45");
    }

    BirthFormInput form;
    form.lonDeg = fields[kLonDeg];
    form.lonMin = fields[kLonMin];
    form.latDeg = fields[kLatDeg];
    form.latMin = fields[kLatMin];
    if (const auto failure = CheckCoordinates(form)) {
        return Refused(failure->message);
    }

    if (!ReadFlag(fields[kEastWest], "E", "W", form.east)) {
        return Refused("EW must be E or W");
    }
    if (!ReadFlag(fields[kNorthSouth], "S", "N", form.south)) {
        return Refused("NS must be N or S");
    }
    if (!ReadFlag(fields[kDst], "1", "0", form.dst)) {
        return Refused("dst must be 0 or 1");
    }
    form.monthIndex = month - 1;
    form.dayIndex = day - 1;
    if (const auto failure = CheckDayOfMonth(year, form.monthIndex, form.dayIndex)) {
        return Refused(failure->message);
    }

    form.yearText = fields[kYear];
    form.hourText = fields[kHour];
    form.minuteText = fields[kMinute];
    const ZoneState zone = exactOffset ? ZoneStateForOffset(*exactOffset) : *LookUpZone(zoneIndex);
    return BatchLineOutcome{ComputeReading(FillBirthRecord(form, zone), zone, hour, signs), {}};
}

namespace {

void AppendNumber(int value, std::string& out) {
    char digits[16];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    out.append(digits, result.ptr);
}

}  // namespace

void AppendOutputLine(const BatchLineOutcome& outcome, std::string& out) {
    if (outcome.reading) {
        const Reading& reading = *outcome.reading;
        AppendNumber(static_cast<int>(reading.chart.sun), out);
        out += ',';
        AppendNumber(static_cast<int>(reading.chart.moon), out);
        out += ',';
        AppendNumber(reading.chart.ascendant, out);
        out += ',';
        AppendNumber(reading.fortune.degrees, out);
        out += ',';
        out += reading.fortune.caption;
    } else if (!outcome.refusal.empty()) {
        out += "error";
    }
    out += '\n';
}

}  // namespace fortunix::batch
