#include "reading/BirthRecordFilling.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace fortunix {
namespace {

// The record as a tuple of its 16-bit fields, in the order of BirthRecord, for one comparison.
std::string Fields(const BirthRecord& birth) {
    std::string text = birth.name;
    for (const std::int16_t value :
         {birth.month, birth.day, birth.year, birth.hour, birth.minute, birth.zoneHours,
          birth.zoneMinutes, birth.lonDeg, birth.lonMin, birth.latDeg, birth.latMin, birth.isEast,
          birth.isSouth, birth.isDst}) {
        text += ' ' + std::to_string(value);
    }
    return text;
}

// The worked example as the form holds it: 1 January 2000, 12:00, 0°0' West, 51°30' North.
BirthFormInput WorkedExample() {
    BirthFormInput form;
    form.name = "JOHN";
    form.lonDeg = "0";
    form.lonMin = "0";
    form.latDeg = "51";
    form.latMin = "30";
    form.yearText = "2000";
    form.monthIndex = 0;
    form.dayIndex = 0;
    form.hourText = "12";
    form.minuteText = "0";
    return form;
}

// Expected fields written out by hand: name, month, day, year, hour, minute, zone hours and
// minutes (magnitudes), lonDeg, lonMin, latDeg, latMin, east, south, dst (-1 true, 0 false).
TEST(FillBirthRecord, EveryFieldOfTheFormReachesTheRecord) {
    struct Row {
        const char* name;
        BirthFormInput form;
        ZoneState zone;
        const char* expected;
    };
    const auto with = [](auto change) {
        BirthFormInput form = WorkedExample();
        change(form);
        return form;
    };
    const Row rows[] = {
        {"worked example", WorkedExample(), {0, 0}, "JOHN 1 1 2000 12 0 0 0 0 0 51 30 0 0 0"},
        {"first entries of every list",
         with([](BirthFormInput& f) {
             f.yearText = "1901";
             f.hourText = "0";
         }),
         {0, 0},
         "JOHN 1 1 1901 0 0 0 0 0 0 51 30 0 0 0"},
        {"last minute of the last year",
         with([](BirthFormInput& f) {
             f.yearText = "2050";
             f.monthIndex = 11;
             f.dayIndex = 30;
             f.hourText = "23";
             f.minuteText = "59";
         }),
         {0, 0},
         "JOHN 12 31 2050 23 59 0 0 0 0 51 30 0 0 0"},
        {"29 February of a leap year",
         with([](BirthFormInput& f) {
             f.yearText = "2000";
             f.monthIndex = 1;
             f.dayIndex = 28;
         }),
         {0, 0},
         "JOHN 2 29 2000 12 0 0 0 0 0 51 30 0 0 0"},
        {"28 February, the last day of 1901's February",
         with([](BirthFormInput& f) {
             f.yearText = "1901";
             f.monthIndex = 1;
             f.dayIndex = 27;
         }),
         {0, 0},
         "JOHN 2 28 1901 12 0 0 0 0 0 51 30 0 0 0"},
        {"31 December",
         with([](BirthFormInput& f) {
             f.monthIndex = 11;
             f.dayIndex = 30;
         }),
         {0, 0},
         "JOHN 12 31 2000 12 0 0 0 0 0 51 30 0 0 0"},
        {"zone ahead of UT: magnitudes",
         WorkedExample(),
         {-5, -45},
         "JOHN 1 1 2000 12 0 5 45 0 0 51 30 0 0 0"},
        {"zone behind UT: magnitudes",
         WorkedExample(),
         {3, 30},
         "JOHN 1 1 2000 12 0 3 30 0 0 51 30 0 0 0"},
        {"largest coordinates, east, north, summer time",
         with([](BirthFormInput& f) {
             f.lonDeg = "179";
             f.lonMin = "59";
             f.latDeg = "89";
             f.latMin = "59";
             f.east = true;
             f.dst = true;
         }),
         {-12, 0},
         "JOHN 1 1 2000 12 0 12 0 179 59 89 59 -1 0 -1"},
        {"west, south, summer time",
         with([](BirthFormInput& f) {
             f.south = true;
             f.dst = true;
         }),
         {-1, 0},
         "JOHN 1 1 2000 12 0 1 0 0 0 51 30 0 -1 -1"},
        {"spaces and leading zeros in the boxes, the name as typed",
         with([](BirthFormInput& f) {
             f.name = " ANN ";
             f.lonDeg = " 007 ";
             f.lonMin = "05";
             f.latDeg = "  9";
             f.latMin = "0 ";
         }),
         {0, 0},
         " ANN  1 1 2000 12 0 0 0 7 5 9 0 0 0 0"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(Fields(FillBirthRecord(row.form, row.zone)), row.expected) << row.name;
    }
}

TEST(CheckedNumber, DigitsWithSpacesAroundAtMost) {
    const struct {
        const char* text;
        int expected;
    } rows[] = {{"0", 0}, {"179", 179}, {"007", 7}, {" 51 ", 51}, {"", 0}, {"   ", 0}};
    for (const auto& row : rows) {
        EXPECT_EQ(CheckedNumber(row.text), row.expected) << '"' << row.text << '"';
    }
}

}  // namespace
}  // namespace fortunix
