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
    struct Row {
        const char* name;
        std::string BirthFormInput::*field;
        const char* text;
        Expected expected;
    };
    const Expected lonDeg{kLonDeg, MessageIcon::Error, BirthField::LonDeg};
    const Expected lonMin{kLonMin, MessageIcon::Error, BirthField::LonMin};
    const Expected latDeg{kLatDeg, MessageIcon::Error, BirthField::LatDeg};
    const Expected latMin{kLatMin, MessageIcon::Error, BirthField::LatMin};
    const Row rows[] = {
        {"valid form", &BirthFormInput::name, "ADA", kPasses},
        {"empty name", &BirthFormInput::name, "", {kName, MessageIcon::Error, BirthField::Name}},
        {"name of spaces",
         &BirthFormInput::name,
         "   ",
         {kName, MessageIcon::Error, BirthField::Name}},
        {"longitude 179", &BirthFormInput::lonDeg, "179", kPasses},
        {"longitude 180", &BirthFormInput::lonDeg, "180", lonDeg},
        {"longitude empty", &BirthFormInput::lonDeg, "", lonDeg},
        {"longitude of spaces", &BirthFormInput::lonDeg, "  ", lonDeg},
        {"longitude with spaces around", &BirthFormInput::lonDeg, " 12 ", kPasses},
        {"longitude pasted with a letter", &BirthFormInput::lonDeg, "12a", lonDeg},
        {"longitude pasted negative", &BirthFormInput::lonDeg, "-5", lonDeg},
        {"longitude pasted with a point", &BirthFormInput::lonDeg, "1.5", lonDeg},
        {"longitude minutes 59", &BirthFormInput::lonMin, "59", kPasses},
        {"longitude minutes 60", &BirthFormInput::lonMin, "60", lonMin},
        {"longitude minutes 00", &BirthFormInput::lonMin, "00", kPasses},
        {"longitude minutes empty", &BirthFormInput::lonMin, "", lonMin},
        {"longitude minutes pasted text", &BirthFormInput::lonMin, "3x", lonMin},
        {"latitude 89", &BirthFormInput::latDeg, "89", kPasses},
        {"latitude 90", &BirthFormInput::latDeg, "90", latDeg},
        {"latitude 0", &BirthFormInput::latDeg, "0", kPasses},
        {"latitude empty", &BirthFormInput::latDeg, "", latDeg},
        {"latitude pasted text", &BirthFormInput::latDeg, "N51", latDeg},
        {"latitude minutes 59", &BirthFormInput::latMin, "59", kPasses},
        {"latitude minutes 60", &BirthFormInput::latMin, "60", latMin},
        {"latitude minutes empty", &BirthFormInput::latMin, "", latMin},
        {"latitude minutes pasted tab", &BirthFormInput::latMin, "3\t", latMin},
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
    BirthFormInput latitudeBoxesBad = allBoxesBad;
    latitudeBoxesBad.lonDeg = "10";
    latitudeBoxesBad.lonMin = "10";
    BirthFormInput minutesAndDateBad = ValidForm();
    minutesAndDateBad.latMin = "60";
    minutesAndDateBad.monthIndex = 3;
    minutesAndDateBad.dayIndex = 30;
    const Row rows[] = {
        {"name before date", noNameBadDate, kName},
        {"longitude degrees first of the boxes", allBoxesBad, kLonDeg},
        {"latitude degrees before latitude minutes", latitudeBoxesBad, kLatDeg},
        {"boxes before the date", minutesAndDateBad, kLatMin},
    };
    for (const Row& row : rows) {
        const auto failure = CheckBirthForm(row.input);
        ASSERT_TRUE(failure.has_value()) << row.name;
        EXPECT_EQ(failure->message, row.message) << row.name;
    }
}

TEST(CheckBirthForm, TwentyNinthOfFebruaryInLeapYearsOnly) {
    struct Row {
        const char* year;
        bool passes;
    };
    const Row rows[] = {{"1904", true},  {"1996", true},  {"2000", true}, {"2048", true},
                        {"1901", false}, {"1999", false}, {"2050", false}};
    for (const Row& row : rows) {
        BirthFormInput input = ValidForm();
        input.yearText = row.year;
        input.monthIndex = 1;
        input.dayIndex = 28;
        ExpectVerdict(
            input,
            row.passes ? kPasses : Expected{kFebruary, MessageIcon::Information, BirthField::None},
            row.year);
    }
}

TEST(CheckDayOfMonth, FebruaryThirtiethAndThirtyFirstAlwaysFail) {
    for (const int year : {1901, 1904, 2000, 2050}) {
        for (const int dayIndex : {29, 30}) {
            const auto failure = CheckDayOfMonth(year, 1, dayIndex);
            ASSERT_TRUE(failure.has_value()) << year << " day " << dayIndex + 1;
            EXPECT_EQ(*failure,
                      (RuleFailure{kFebruary, MessageIcon::Information, BirthField::None}));
        }
        EXPECT_FALSE(CheckDayOfMonth(year, 1, 27).has_value()) << year << " day 28";
    }
}

TEST(CheckDayOfMonth, ThirtyFirstOnlyInLongMonths) {
    const char* const monthNames[] = {"January",   "February", "March",    "April",
                                      "May",       "June",     "July",     "August",
                                      "September", "October",  "November", "December"};
    const bool thirtyDays[] = {false, false, false, true,  false, true,
                               false, false, true,  false, true,  false};
    for (int month = 0; month < 12; ++month) {
        if (month == 1) {
            continue;  // February has its own message
        }
        const auto failure = CheckDayOfMonth(1990, month, 30);
        if (thirtyDays[month]) {
            ASSERT_TRUE(failure.has_value()) << monthNames[month];
            EXPECT_EQ(*failure,
                      (RuleFailure{kThirtyDays, MessageIcon::Information, BirthField::None}));
        } else {
            EXPECT_FALSE(failure.has_value()) << monthNames[month];
        }
        EXPECT_FALSE(CheckDayOfMonth(1990, month, 29).has_value()) << monthNames[month] << " 30";
    }
}

TEST(FilterNumericKey, DigitsAndBackspaceOnly) {
    struct Row {
        const char* name;
        int code;
        bool accepted;
    };
    const Row rows[] = {
        {"0", '0', true},
        {"9", '9', true},
        {"backspace", 8, true},
        {"slash below 0", '/', false},
        {"colon above 9", ':', false},
        {"letter", 'a', false},
        {"minus sign", '-', false},
        {"point", '.', false},
        {"Enter", 13, false},
        {"Escape", 27, false},
        {"space", ' ', false},
        {"Ctrl+V", 22, false},
    };
    for (const Row& row : rows) {
        const KeyVerdict verdict = FilterNumericKey(row.code);
        if (row.accepted) {
            EXPECT_EQ(verdict.code, row.code) << row.name;
            EXPECT_FALSE(verdict.message.has_value()) << row.name;
        } else {
            EXPECT_EQ(verdict.code, 0) << row.name;
            ASSERT_TRUE(verdict.message.has_value()) << row.name;
            EXPECT_EQ(verdict.message->message, "Only Numbers Are Accepted") << row.name;
            EXPECT_EQ(verdict.message->icon, MessageIcon::Error) << row.name;
        }
    }
}

TEST(FilterNameKey, CapitalLettersSpaceEnterAndBackspace) {
    struct Row {
        const char* name;
        int code;
        int inserted;  // 0: refused with a message
    };
    const Row rows[] = {
        {"capital A", 'A', 'A'},       {"capital Z", 'Z', 'Z'},     {"small a", 'a', 'A'},
        {"small z", 'z', 'Z'},         {"space", ' ', ' '},         {"Enter", 13, 13},
        {"backspace", 8, 8},           {"at sign below A", '@', 0}, {"bracket above Z", '[', 0},
        {"backquote below a", '`', 0}, {"brace above z", '{', 0},   {"hyphen", '-', 0},
        {"apostrophe", '\'', 0},       {"digit", '5', 0},           {"Ctrl+V", 22, 0},
    };
    for (const Row& row : rows) {
        const KeyVerdict verdict = FilterNameKey(row.code);
        EXPECT_EQ(verdict.code, row.inserted) << row.name;
        if (row.inserted != 0) {
            EXPECT_FALSE(verdict.message.has_value()) << row.name;
        } else {
            ASSERT_TRUE(verdict.message.has_value()) << row.name;
            EXPECT_EQ(verdict.message->message, "Please Enter only Letters") << row.name;
            EXPECT_EQ(verdict.message->icon, MessageIcon::Information) << row.name;
        }
    }
}

}  // namespace
}  // namespace fortunix
