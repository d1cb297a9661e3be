#include "ephemeris/Calendar.h"

#include <cmath>

namespace fortunix {

double RemoveWholeTurns(double degrees) {
    // Should the rounded quotient ever be a whole number off, one turn puts it right.
    double remainder = degrees - 360 * Int(degrees / 360);
    if (remainder < 0) {
        remainder = remainder + 360;
    } else if (remainder >= 360) {
        remainder = remainder - 360;
    }
    return remainder;
}

double DayNumber(int month, int day, int year) {
    const double m = 12.0 * (year + 4800) + month - 3;
    double j = (2.0 * (m - 12.0 * Int(m / 12.0)) + 7.0 + 365.0 * m) / 12.0;
    j = Int(j) + day + Int(m / 48.0) - 32083.0;
    if (j > 2299171.0) {
        j = j + Int(m / 4800.0) - Int(m / 1200.0) + 38.0;
    }
    return j;
}

double DayNumberJ2000(int year, int month, int day, int hour, int minute) {
    const double y = year;
    const double m = month;
    return 367.0 * y - Int(7.0 * (y + Int((m + 9.0) / 12.0)) / 4.0) + Int(275.0 * m / 9.0) + day -
           730531.5 + (hour + minute / 60.0) / 24.0;
}

double Atan2(double y, double x) {
    const double signY = (y > 0) - (y < 0);
    if (x > 0) {
        return std::atan(y / x);
    }
    if (x < 0) {
        return signY * (kPi - std::atan(std::fabs(y / x)));
    }
    return y == 0 ? 0.0 : signY * kPi / 2.0;
}

namespace {

// Days since 1970-01-01 of a proleptic Gregorian date (H. Hinnant's algorithm).
long long DaysFromCivil(int year, int month, int day) {
    const long long y = static_cast<long long>(year) - (month <= 2 ? 1 : 0);
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yearOfEra = y - era * 400;
    const long long dayOfYear = (153LL * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const long long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

void CivilFromDays(long long days, int& year, int& month, int& day) {
    days += 719468;
    const long long era = (days >= 0 ? days : days - 146096) / 146097;
    const long long dayOfEra = days - era * 146097;
    const long long yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const long long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const long long mp = (5 * dayOfYear + 2) / 153;
    day = static_cast<int>(dayOfYear - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
}

}  // namespace

CivilMoment AddMinutes(const CivilMoment& moment, long long minutes) {
    constexpr long long kMinutesPerDay = 24 * 60;
    const long long total = DaysFromCivil(moment.year, moment.month, moment.day) * kMinutesPerDay +
                            moment.hour * 60LL + moment.minute + minutes;
    long long days = total / kMinutesPerDay;
    long long minuteOfDay = total % kMinutesPerDay;
    if (minuteOfDay < 0) {
        minuteOfDay += kMinutesPerDay;
        --days;
    }
    CivilMoment result;
    CivilFromDays(days, result.year, result.month, result.day);
    result.hour = static_cast<int>(minuteOfDay / 60);
    result.minute = static_cast<int>(minuteOfDay % 60);
    return result;
}

std::string_view MonthName(int month) {
    static constexpr std::string_view kMonths[] = {"January",   "February", "March",    "April",
                                                   "May",       "June",     "July",     "August",
                                                   "September", "October",  "November", "December"};
    return month >= 1 && month <= 12 ? kMonths[month - 1] : std::string_view();
}

}  // namespace fortunix
