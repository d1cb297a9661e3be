#include "reading/BirthRecordFilling.h"

#include <charconv>
#include <cstdlib>

namespace fortunix {

namespace {

std::int16_t Int16(int value) {
    return static_cast<std::int16_t>(value);
}

}  // namespace

std::int16_t CheckedNumber(std::string_view text) {
    const std::string_view digits = TrimSpaces(text);
    int value = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return Int16(value);
}

BirthRecord FillBirthRecord(const BirthFormInput& form, const ZoneState& zone) {
    BirthRecord birth;
    birth.name = form.name;
    birth.month = Int16(form.monthIndex + 1);
    birth.day = Int16(form.dayIndex + 1);  // the day list holds 1..31 in order
    birth.year = CheckedNumber(form.yearText);
    birth.hour = CheckedNumber(form.hourText);
    birth.minute = CheckedNumber(form.minuteText);
    birth.zoneHours = Int16(std::abs(zone.hours));
    birth.zoneMinutes = Int16(std::abs(zone.minutes));
    birth.lonDeg = CheckedNumber(form.lonDeg);
    birth.lonMin = CheckedNumber(form.lonMin);
    birth.latDeg = CheckedNumber(form.latDeg);
    birth.latMin = CheckedNumber(form.latMin);
    birth.isEast = Flag16(form.east);
    birth.isSouth = Flag16(form.south);
    birth.isDst = Flag16(form.dst);
    return birth;
}

}  // namespace fortunix
