#include "ephemeris/Calendar.h"

#include <gtest/gtest.h>

#include <cmath>
#include <utility>
#include <vector>

namespace fortunix {
namespace {

TEST(DayNumber, JulianDayNumbersOfKnownDates) {
    struct Row {
        const char* name;
        int month, day, year;
        double expected;
    };
    const Row rows[] = {
        {"J2000 epoch", 1, 1, 2000, 2451545},
        {"1900 January 0", 12, 31, 1899, 2415020},
        {"4 July 1990", 7, 4, 1990, 2448077},
        {"first day offered", 1, 1, 1901, 2415386},
        {"last day offered", 12, 31, 2050, 2470172},
        {"leap day 2000", 2, 29, 2000, 2451604},
        {"day after 1900-02-28 (no leap day)", 3, 1, 1900, 2415080},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(DayNumber(row.month, row.day, row.year), row.expected) << row.name;
    }
}

TEST(DayNumberJ2000, DaysFromNoonOfFirstJanuary2000) {
    struct Row {
        const char* name;
        int year, month, day, hour, minute;
        double expected;
    };
    const Row rows[] = {
        {"the epoch itself", 2000, 1, 1, 12, 0, 0.0},
        {"midnight before the epoch", 2000, 1, 1, 0, 0, -0.5},
        {"4 July 1990 05:30", 1990, 7, 4, 5, 30, -3468.2708333333333},
        {"21 March 1980 00:00", 1980, 3, 21, 0, 0, -7225.5},
        {"leap day 2000 noon", 2000, 2, 29, 12, 0, 59.0},
        {"first year offered", 1901, 1, 1, 12, 0, -36159.0},
        {"last day offered", 2050, 12, 31, 12, 0, 18627.0},
    };
    for (const Row& row : rows) {
        EXPECT_NEAR(DayNumberJ2000({row.year, row.month, row.day, row.hour, row.minute}),
                    row.expected, 1e-9)
            << row.name;
    }
}

TEST(DayNumberJ2000, AgreesWithJulianDayNumberOverTheYearsOffered) {
    // Both count days; noon of any date lies DayNumber - 2451545 days from the epoch.
    for (int year = 1901; year <= 2050; year += 7) {
        for (int month = 1; month <= 12; ++month) {
            EXPECT_EQ(DayNumberJ2000({year, month, 28, 12, 0}),
                      DayNumber(month, 28, year) - 2451545)
                << year << "-" << month;
        }
    }
}

TEST(Atan2, QuadrantsAndAxes) {
    constexpr double pi = 3.14159265358979;
    struct Row {
        const char* name;
        double y, x, expected;
    };
    const Row rows[] = {
        {"origin", 0, 0, 0},
        {"positive y axis", 1, 0, pi / 2},
        {"negative y axis", -1, 0, -pi / 2},
        {"first quadrant", 1, 1, pi / 4},
        {"second quadrant", 1, -1, 3 * pi / 4},
        {"third quadrant", -1, -1, -3 * pi / 4},
        {"fourth quadrant", -1, 1, -pi / 4},
        {"positive x axis", 0, 2, 0},
        {"negative x axis yields 0, not pi", 0, -2, 0},
    };
    for (const Row& row : rows) {
        EXPECT_NEAR(Atan2(row.y, row.x), row.expected, 1e-14) << row.name;
    }
}

TEST(Int, IsTheFloor) {
    for (const auto& [x, expected] : {std::pair{2.7, 2}, {-2.2, -3}, {-3.0, -3}}) {
        EXPECT_EQ(Int(x), expected) << x;
    }
}

TEST(RemoveWholeTurns, ExactlyTheRemainderOfADivisionBy360) {
    // std::fmod is exact, so it is the reference, also for values a last place away from a
    // whole turn, where the rounded quotient is one too large.
    std::vector<double> values = {360, 720, 359.99999999999994, 481486.19780146, 54000.25};
    for (int turns = 1; turns < 4000; turns += 37) {
        const double whole = 360.0 * turns;
        values.push_back(std::nextafter(whole, 0.0));
        values.push_back(std::nextafter(whole, 1e9));
        values.push_back(whole + 0.1 * turns);
    }
    for (const double x : values) {
        if (x < 360) {
            continue;
        }
        EXPECT_EQ(RemoveWholeTurns(x), std::fmod(x, 360.0)) << std::hexfloat << x;
        const double mirrored = RemoveWholeTurns(-x);
        const double expected = std::fmod(-x, 360.0) + 360.0;
        EXPECT_EQ(mirrored, expected == 360.0 ? 0.0 : expected) << std::hexfloat << -x;
        EXPECT_GE(mirrored, 0) << -x;
        EXPECT_LT(mirrored, 360) << -x;
    }
}

TEST(AddMinutes, CarriesAcrossDaysMonthsAndYears) {
    struct Row {
        const char* name;
        CivilMoment from;
        long long minutes;
        CivilMoment expected;
    };
    const Row rows[] = {
        {"back into the previous month", {1990, 7, 4, 5, 0}, -630, {1990, 7, 3, 18, 30}},
        {"forward into the new year", {1999, 12, 31, 23, 30}, 300, {2000, 1, 1, 4, 30}},
        {"back into the old year", {2000, 1, 1, 0, 30}, -60, {1999, 12, 31, 23, 30}},
        {"back onto a leap day", {2000, 3, 1, 1, 0}, -120, {2000, 2, 29, 23, 0}},
        {"back over 1900, no leap day", {1900, 3, 1, 0, 0}, -1, {1900, 2, 28, 23, 59}},
        {"out of a 30-day month", {1995, 4, 30, 20, 0}, 780, {1995, 5, 1, 9, 0}},
        {"within the day", {1995, 4, 30, 20, 0}, 30, {1995, 4, 30, 20, 30}},
        {"last minute of a leap year", {2000, 12, 31, 23, 59}, 1, {2001, 1, 1, 0, 0}},
        {"onto a leap day", {2000, 2, 28, 23, 59}, 1, {2000, 2, 29, 0, 0}},
        {"over 28 February, no leap day", {2001, 2, 28, 23, 59}, 1, {2001, 3, 1, 0, 0}},
        {"a day the month lacks carries on", {2001, 2, 31, 12, 0}, 0, {2001, 3, 3, 12, 0}},
        {"a whole leap year", {2000, 1, 1, 0, 0}, 366 * 1440, {2001, 1, 1, 0, 0}},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(AddMinutes(row.from, row.minutes), row.expected) << row.name;
    }
}

// Expected values from `date -u -d '2000-02-29 12:00' +%s` and the like.
TEST(SecondsSince1970, OfCivilMoments) {
    struct Row {
        const char* name;
        CivilMoment moment;
        long long expected;
    };
    const Row rows[] = {
        {"the epoch", {1970, 1, 1, 0, 0}, 0},
        {"the minute before it", {1969, 12, 31, 23, 59}, -60},
        {"a leap day", {2000, 2, 29, 12, 0}, 951825600},
        {"after 1900's February, no leap day", {1900, 3, 1, 0, 0}, -2203891200},
        {"the first year of the form", {1901, 1, 1, 0, 0}, -2177452800},
        {"the form's last minute", {2050, 12, 31, 23, 59}, 2556143940},
        {"31 February is 3 March", {2001, 2, 31, 0, 0}, 983577600},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(SecondsSince1970(row.moment), row.expected) << row.name;
    }
}

TEST(MonthName, EnglishNamesForOneToTwelveOnly) {
    EXPECT_EQ(MonthName(1), "January");
    EXPECT_EQ(MonthName(2), "February");
    EXPECT_EQ(MonthName(12), "December");
    EXPECT_EQ(MonthName(0), "");
    EXPECT_EQ(MonthName(13), "");
    EXPECT_EQ(MonthName(-1), "");
}

}  // namespace
}  // namespace fortunix
