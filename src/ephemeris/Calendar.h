#pragma once

#include <cmath>
#include <string_view>

namespace fortunix {

// Constants of the ephemeris, as the engines have always used them.
inline constexpr double kPi = 3.14159265358979;
inline constexpr double kTwoPi = 6.28318530717958;
inline constexpr double kDegToRad = 0.0174532925199433;
inline constexpr double kRadToDeg = 57.2957795130823;

// Int(x) of the engines: the largest whole number not greater than x.
inline double Int(double x) {
    return std::floor(x);
}

// `degrees` modulo 360, 0 <= result < 360, for 360 <= |degrees| < 2^52: exact, so for a
// positive angle the same value std::fmod gives, at a fraction of its cost. Every whole
// multiple of 360 is a multiple of the last place of `degrees`, so no step rounds.
double RemoveWholeTurns(double degrees);

// Angle of the point (x, y) in radians, -pi..pi; 0 for the origin. For x < 0 and y = 0
// it yields 0, not pi; callers normalise their results and never meet that case.
double Atan2(double y, double x);

// A civil date and clock time to the minute: the birth moment as the form holds it, local or,
// once its zone is applied, universal. The one date-time type of the program; its day count is
// the standard library's (<chrono>), proleptic Gregorian. A day past the end of its month
// (31 February, which the form lets one pick) counts on into the next month.
struct CivilMoment {
    int year = 0;
    int month = 0;  // 1..12
    int day = 0;    // 1..31
    int hour = 0;   // 0..23
    int minute = 0;
    friend bool operator==(const CivilMoment&, const CivilMoment&) = default;
};

// Days from 1970-01-01 to the date of `moment`: the program's one day count, which the day
// numbers of the engines and the seconds of the zone history are read from.
long long DaysSince1970(const CivilMoment& moment);

// Julian day number (an integral value) of a civil date, as the ascendant and Moon engines
// count: the day count above from its own epoch, Julian day 2440588.
double DayNumber(int month, int day, int year);

// Days since 2000-01-01 12:00 of a universal moment, with the fraction of its clock time.
double DayNumberJ2000(const CivilMoment& universal);

// `moment` moved by a signed number of minutes, carrying across days, months and years.
CivilMoment AddMinutes(const CivilMoment& moment, long long minutes);

// Seconds from 1970-01-01 00:00 to `moment`, both on the same clock.
long long SecondsSince1970(const CivilMoment& moment);

// "January" .. "December" for 1..12; empty for any other month.
std::string_view MonthName(int month);

}  // namespace fortunix
