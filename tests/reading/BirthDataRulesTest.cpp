#include "reading/BirthDataRules.h"

#include <gtest/gtest.h>

#include <string>

namespace fortunix {
namespace {

// Exact texts of the form's messages, as the user reads them.
constexpr const char* kName = "Please Enter Name";
constexpr const char* kLonDeg = "Please Enter Value Between 0 And 179 in the Degree of Longitude";
constexpr const char* kLonMin = "Please Enter Value Between 0 And 59 in the  Minute of Longitude";
constexpr const char* kLatDeg = "Please Enter Value Between 0 And 89 in the Degree of Latitude";
constexpr const char* kLatMin = "Please Enter Value Between 0 And 59 in the  Minute of Latitude";
constexpr const char* kFebruary = "Please Enter Correct Date Or Month!";
constexpr const char* kThirtyDays = "Please Enter Correct Date Or Month !";

// A complete, valid form: 15 July 1990, 51 30 N, 0 7 W.
BirthFormInput ValidForm() {
    BirthFormInput input;
    input.name = "ADA";
    input.lonDeg = "0";
    input.lonMin = "7";
    input.latDeg = "51";
    input.latMin = "30";
    input.yearText = "1990";
    input.monthIndex = 6;
    input.dayIndex = 14;
    return input;
}

struct Expected {
    const char* message;  // nullptr: the form passes
    MessageIcon icon;
    BirthField focus;
};
constexpr Expected kPasses{nullptr, MessageIcon::Error, BirthField::None};

void ExpectVerdict(const BirthFormInput& input, const Expected& expected, const char* name) {
    const auto failure = CheckBirthForm(input);
    if (expected.message == nullptr) {
        EXPECT_FALSE(failure.has_value()) << name << ": " << failure->message;
        return;
    }
    ASSERT_TRUE(failure.has_value()) << name;
    EXPECT_EQ(failure->message, expected.message) << name;
    EXPECT_EQ(failure->icon, expected.icon) << name;
    EXPECT_EQ(failure->focus, expected.focus) << name;
}

TEST(CheckBirthForm, NameAndCoordinateBoxes) {
    using F = BirthFormInput;
    struct Row {
        const char* name;
        std::string F::*field;
        const char* text;
        Expected expected;
    };
    const Expected name{kName, MessageIcon::Error, BirthField::Name};
    const Expected lonDeg{kLonDeg, MessageIcon::Error, BirthField::LonDeg};
    const Expected lonMin{kLonMin, MessageIcon::Error, BirthField::LonMin};
    const Expected latDeg{kLatDeg, MessageIcon::Error, BirthField::LatDeg};
    const Expected latMin{kLatMin, MessageIcon::Error, BirthField::LatMin};
    const Row rows[] = {
        {"valid form", &F::name, "ADA", kPasses},
        {"empty name", &F::name, "", name},
        {"name of spaces", &F::name, "   ", name},
        {"longitude 179", &F::lonDeg, "179", kPasses},
        {"longitude 180", &F::lonDeg, "180", lonDeg},
        {"longitude empty", &F::lonDeg, "", lonDeg},
        {"longitude of spaces", &F::lonDeg, "  ", lonDeg},
        {"longitude with spaces around", &F::lonDeg, " 12 ", kPasses},
        {"longitude pasted with a letter", &F::lonDeg, "12a", lonDeg},
        {"longitude pasted negative", &F::lonDeg, "-5", lonDeg},
        {"longitude pasted with a point", &F::lonDeg, "1.5", lonDeg},
        {"longitude minutes 59", &F::lonMin, "59", kPasses},
        {"longitude minutes 60", &F::lonMin, "60", lonMin},
        {"longitude minutes 00", &F::lonMin, "00", kPasses},
        {"longitude minutes empty", &F::lonMin, "", lonMin},
        {"longitude minutes pasted text", &F::lonMin, "3x", lonMin},
        {"latitude 89", &F::latDeg, "89", kPasses},
        {"latitude 90", &F::latDeg, "90", latDeg},
        {"latitude 0", &F::latDeg, "0", kPasses},
        {"latitude empty", &F::latDeg, "", latDeg},
        {"latitude pasted text", &F::latDeg, "N51", latDeg},
        {"latitude minutes 59", &F::latMin, "59", kPasses},
        {"latitude minutes 60", &F::latMin, "60", latMin},
        {"latitude minutes empty", &F::latMin, "", latMin},
        {"latitude minutes pasted tab", &F::latMin, "3\t", latMin},
    };
    for (const Row& row : rows) {
        BirthFormInput input = ValidForm();
        input.*row.field = row.text;
        ExpectVerdict(input, row.expected, row.name);
    }
}

TEST(CheckBirthForm, ChecksRunInOrderAndStopAtTheFirstFailure) {
    struct Row {
        const char* name;
        BirthFormInput input;
        const char* message;
    };
    BirthFormInput noNameBadDate = ValidForm();
    noNameBadDate.name = " ";
    noNameBadDate.monthIndex = 1;
    noNameBadDate.dayIndex = 30;
    BirthFormInput allBoxesBad = ValidForm();
    allBoxesBad.lonDeg = "999";
    allBoxesBad.lonMin = "99";
    allBoxesBad.latDeg = "99";
    allBoxesBad.latMin = "99";
    BirthFormInput lastThreeBoxesBad = allBoxesBad;
    lastThreeBoxesBad.lonDeg = "10";
    BirthFormInput latitudeBoxesBad = lastThreeBoxesBad;
    latitudeBoxesBad.lonMin = "10";
    BirthFormInput minutesAndDateBad = ValidForm();
    minutesAndDateBad.latMin = "60";
    minutesAndDateBad.monthIndex = 3;
    minutesAndDateBad.dayIndex = 30;
    const Row rows[] = {
        {"name before date", noNameBadDate, kName},
        {"longitude degrees first of the boxes", allBoxesBad, kLonDeg},
        {"longitude minutes before latitude degrees", lastThreeBoxesBad, kLonMin},
        {"latitude degrees before latitude minutes", latitudeBoxesBad, kLatDeg},
        {"boxes before the date", minutesAndDateBad, kLatMin},
    };
    for (const Row& row : rows) {
        const auto failure = CheckBirthForm(row.input);
        ASSERT_TRUE(failure.has_value()) << row.name;
        EXPECT_EQ(failure->message, row.message) << row.name;
    }
}

// February has its own message; the 31st of a 30-day month another (note the space).
TEST(CheckBirthForm, DaysOfFebruaryAndOfThirtyDayMonths) {
    const Expected february{kFebruary, MessageIcon::Information, BirthField::None};
    const Expected thirtyDays{kThirtyDays, MessageIcon::Information, BirthField::None};
    struct Row {
        const char* name;
        const char* year;
        int monthIndex, dayIndex;
        Expected expected;
    };
    const Row rows[] = {
        {"29 February 1904", "1904", 1, 28, kPasses},
        {"29 February 1996", "1996", 1, 28, kPasses},
        {"29 February 2000", "2000", 1, 28, kPasses},
        {"29 February 2048", "2048", 1, 28, kPasses},
        {"29 February 1901", "1901", 1, 28, february},
        {"29 February 1999", "1999", 1, 28, february},
        {"29 February 2050", "2050", 1, 28, february},
        {"28 February 1901", "1901", 1, 27, kPasses},
        {"30 February 2000", "2000", 1, 29, february},
        {"31 February 1904", "1904", 1, 30, february},
        {"31 February 2050", "2050", 1, 30, february},
        {"31 January", "1990", 0, 30, kPasses},
        {"31 March", "1990", 2, 30, kPasses},
        {"30 April", "1990", 3, 29, kPasses},
        {"31 April", "1990", 3, 30, thirtyDays},
        {"31 May", "1990", 4, 30, kPasses},
        {"31 June", "1990", 5, 30, thirtyDays},
        {"31 July", "1990", 6, 30, kPasses},
        {"31 August", "1990", 7, 30, kPasses},
        {"31 September", "1990", 8, 30, thirtyDays},
        {"31 October", "1990", 9, 30, kPasses},
        {"31 November", "1990", 10, 30, thirtyDays},
        {"31 December", "1990", 11, 30, kPasses},
    };
    for (const Row& row : rows) {
        BirthFormInput input = ValidForm();
        input.yearText = row.year;
        input.monthIndex = row.monthIndex;
        input.dayIndex = row.dayIndex;
        ExpectVerdict(input, row.expected, row.name);
    }
}

// A refused key is discarded (code 0) and its message shown.
TEST(KeyFilters, AcceptTheirKeysAndRefuseTheRestWithTheirMessage) {
    struct Row {
        const char* name;
        KeyVerdict (*filter)(int);
        int code;
        int inserted;  // 0: refused
    };
    const Row rows[] = {
        {"digit 0", FilterNumericKey, '0', '0'},
        {"digit 9", FilterNumericKey, '9', '9'},
        {"backspace", FilterNumericKey, 8, 8},
        {"slash below 0", FilterNumericKey, '/', 0},
        {"colon above 9", FilterNumericKey, ':', 0},
        {"letter", FilterNumericKey, 'a', 0},
        {"minus sign", FilterNumericKey, '-', 0},
        {"point", FilterNumericKey, '.', 0},
        {"Enter in a number", FilterNumericKey, 13, 0},
        {"Escape", FilterNumericKey, 27, 0},
        {"space in a number", FilterNumericKey, ' ', 0},
        {"Ctrl+V in a number", FilterNumericKey, 22, 0},
        {"capital A", FilterNameKey, 'A', 'A'},
        {"capital Z", FilterNameKey, 'Z', 'Z'},
        {"small a", FilterNameKey, 'a', 'A'},
        {"small z", FilterNameKey, 'z', 'Z'},
        {"space", FilterNameKey, ' ', ' '},
        {"Enter", FilterNameKey, 13, 13},
        {"backspace in the name", FilterNameKey, 8, 8},
        {"at sign below A", FilterNameKey, '@', 0},
        {"bracket above Z", FilterNameKey, '[', 0},
        {"backquote below a", FilterNameKey, '`', 0},
        {"brace above z", FilterNameKey, '{', 0},
        {"hyphen", FilterNameKey, '-', 0},
        {"apostrophe", FilterNameKey, '\'', 0},
        {"digit in the name", FilterNameKey, '5', 0},
        {"Ctrl+V", FilterNameKey, 22, 0},
    };
    for (const Row& row : rows) {
        const bool numeric = row.filter == FilterNumericKey;
        const KeyVerdict verdict = row.filter(row.code);
        EXPECT_EQ(verdict.code, row.inserted) << row.name;
        if (row.inserted != 0) {
            EXPECT_FALSE(verdict.message.has_value()) << row.name;
            continue;
        }
        ASSERT_TRUE(verdict.message.has_value()) << row.name;
        EXPECT_EQ(verdict.message->message,
                  numeric ? "Only Numbers Are Accepted" : "Please Enter only Letters")
            << row.name;
        EXPECT_EQ(verdict.message->icon, numeric ? MessageIcon::Error : MessageIcon::Information)
            << row.name;
    }
}

}  // namespace
}  // namespace fortunix
