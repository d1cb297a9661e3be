#include "ephemeris/Calendar.h"

#include <chrono>
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

constexpr long long kMinutesPerDay = 24 * 60;

// The moment's date as a day count; months 1..12, days past the month's end carried on.
std::chrono::sys_days DateOf(const CivilMoment& moment) {
    using namespace std::chrono;
    return sys_days(year(moment.year) / month(static_cast<unsigned>(moment.month)) / 1) +
           days(moment.day - 1);
}

long long MinutesSince1970(const CivilMoment& moment) {
    return DaysSince1970(moment) * kMinutesPerDay + moment.hour * 60LL + moment.minute;
}

constexpr long long kDayNumberOf1970 = 2440588;       // 1970-01-01, Julian day number
constexpr double kDaysFrom1970ToJ2000 = 10957 + 0.5;  // to 2000-01-01 12:00

}  // namespace

long long DaysSince1970(const CivilMoment& moment) {
    return DateOf(moment).time_since_epoch().count();
}

double DayNumber(int month, int day, int year) {
    return static_cast<double>(kDayNumberOf1970 + DaysSince1970({year, month, day}));
}

double DayNumberJ2000(const CivilMoment& universal) {
    // A whole number of days less a half is exact, so the clock time's fraction is rounded
    // once, as when the days were counted from the epoch's own day number.
    return (static_cast<double>(DaysSince1970(universal)) - kDaysFrom1970ToJ2000) +
           (universal.hour + universal.minute / 60.0) / 24.0;
}

CivilMoment AddMinutes(const CivilMoment& moment, long long minutes) {
    const long long total = MinutesSince1970(moment) + minutes;
    long long days = total / kMinutesPerDay;
    long long minuteOfDay = total % kMinutesPerDay;
    if (minuteOfDay < 0) {
        minuteOfDay += kMinutesPerDay;
        --days;
    }
    const std::chrono::year_month_day date{std::chrono::sys_days(std::chrono::days(days))};
    return {static_cast<int>(date.year()), static_cast<int>(static_cast<unsigned>(date.month())),
            static_cast<int>(static_cast<unsigned>(date.day())), static_cast<int>(minuteOfDay / 60),
            static_cast<int>(minuteOfDay % 60)};
}

long long SecondsSince1970(const CivilMoment& moment) {
    return MinutesSince1970(moment) * 60;
}

std::string_view MonthName(int month) {
    static constexpr std::string_view kMonths[] = {"January",   "February", "March",    "April",
                                                   "May",       "June",     "July",     "August",
                                                   "September", "October",  "November", "December"};
    return month >= 1 && month <= 12 ? kMonths[month - 1] : std::string_view();
}

}  // namespace fortunix
