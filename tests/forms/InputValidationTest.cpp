#include "forms/FormTestSupport.h"

namespace fortunix::formtests {
namespace {

using InputValidation = FormTest;

constexpr MessageIcon kError = MessageIcon::Error;
constexpr MessageIcon kInformation = MessageIcon::Information;

// Valid input with one field changed.
struct ValidationCase {
    const char* name;
    void (*change)(BirthInput&);
    const char* message;  // nullptr when the input passes
    MessageIcon icon;
    const char* focus;  // the box the focus moves to; nullptr when it stays
};

void Check(fakes::FakePlatform& fake, const ValidationCase& row) {
    frmMain& form = windows::Main();
    BirthInput input;
    row.change(input);
    Fill(form, input);
    QWidget* before = Child<QComboBox>(&form, "cboDate");
    before->setFocus();
    fake.messages.shown.clear();

    const bool accepted = form.Input_Validation();

    if (row.message == nullptr) {
        EXPECT_TRUE(accepted) << row.name;
        EXPECT_TRUE(fake.messages.shown.empty()) << row.name;
        return;
    }
    EXPECT_FALSE(accepted) << row.name;
    ASSERT_EQ(fake.messages.shown.size(), 1u) << row.name;
    EXPECT_EQ(fake.messages.shown[0].text, row.message) << row.name;
    EXPECT_EQ(fake.messages.shown[0].icon, row.icon) << row.name;
    QWidget* expectedFocus = row.focus == nullptr ? before : Child<QLineEdit>(&form, row.focus);
    EXPECT_EQ(QApplication::focusWidget(), expectedFocus) << row.name;
}

constexpr char kLonDeg[] = "Please Enter Value Between 0 And 179 in the Degree of Longitude";
constexpr char kLonMin[] = "Please Enter Value Between 0 And 59 in the  Minute of Longitude";
constexpr char kLatDeg[] = "Please Enter Value Between 0 And 89 in the Degree of Latitude";
constexpr char kLatMin[] = "Please Enter Value Between 0 And 59 in the  Minute of Latitude";

TEST_F(InputValidation, ChecksNameAndCoordinatesWithTheirMessagesAndFocus) {
    ShownMainWindow();
    const ValidationCase cases[] = {
        {"worked example passes", [](BirthInput&) {}, nullptr, kError, nullptr},
        {"empty name", [](BirthInput& in) { in.name = ""; }, "Please Enter Name", kError,
         "txtName"},
        {"name of spaces", [](BirthInput& in) { in.name = "   "; }, "Please Enter Name", kError,
         "txtName"},
        {"longitude 179", [](BirthInput& in) { in.lonDeg = "179"; }, nullptr, kError, nullptr},
        {"longitude 180", [](BirthInput& in) { in.lonDeg = "180"; }, kLonDeg, kError, "txtLonD"},
        {"longitude empty", [](BirthInput& in) { in.lonDeg = ""; }, kLonDeg, kError, "txtLonD"},
        {"longitude minutes 59", [](BirthInput& in) { in.lonMin = "59"; }, nullptr, kError,
         nullptr},
        {"longitude minutes 60", [](BirthInput& in) { in.lonMin = "60"; }, kLonMin, kError,
         "txtLonM"},
        {"longitude minutes empty", [](BirthInput& in) { in.lonMin = ""; }, kLonMin, kError,
         "txtLonM"},
        {"latitude 89", [](BirthInput& in) { in.latDeg = "89"; }, nullptr, kError, nullptr},
        {"latitude 90", [](BirthInput& in) { in.latDeg = "90"; }, kLatDeg, kError, "txtLatD"},
        {"latitude empty", [](BirthInput& in) { in.latDeg = ""; }, kLatDeg, kError, "txtLatD"},
        {"latitude minutes 00", [](BirthInput& in) { in.latMin = "00"; }, nullptr, kError, nullptr},
        {"latitude minutes 60", [](BirthInput& in) { in.latMin = "60"; }, kLatMin, kError,
         "txtLatM"},
        {"latitude minutes empty", [](BirthInput& in) { in.latMin = ""; }, kLatMin, kError,
         "txtLatM"},
        {"pasted letter in latitude", [](BirthInput& in) { in.latDeg = "4x"; }, kLatDeg, kError,
         "txtLatD"},
        {"pasted sign in longitude minutes", [](BirthInput& in) { in.lonMin = "-1"; }, kLonMin,
         kError, "txtLonM"},
        {"empty name before a bad date",
         [](BirthInput& in) {
             in.name = "";
             in.monthIndex = 1;
             in.dayIndex = 30;
         },
         "Please Enter Name", kError, "txtName"},
        {"longitude before latitude",
         [](BirthInput& in) {
             in.lonDeg = "200";
             in.latDeg = "95";
         },
         kLonDeg, kError, "txtLonD"},
        {"coordinates before a bad date",
         [](BirthInput& in) {
             in.latMin = "75";
             in.monthIndex = 3;
             in.dayIndex = 30;
         },
         kLatMin, kError, "txtLatM"},
    };
    for (const ValidationCase& row : cases) {
        Check(fake, row);
    }
}

TEST_F(InputValidation, FebruaryTwentyNinthPassesOnlyInLeapYears) {
    ShownMainWindow();
    frmMain& form = windows::Main();
    const struct {
        const char* year;
        bool leap;
    } years[] = {{"1904", true},  {"1996", true},  {"2000", true}, {"2048", true},
                 {"1901", false}, {"1999", false}, {"2050", false}};
    for (const auto& row : years) {
        BirthInput input;
        input.year = row.year;
        input.monthIndex = 1;
        for (int dayIndex : {27, 28, 29, 30}) {  // days 28 to 31
            input.dayIndex = dayIndex;
            Fill(form, input);
            fake.messages.shown.clear();
            const bool expected = dayIndex == 27 || (dayIndex == 28 && row.leap);
            EXPECT_EQ(form.Input_Validation(), expected) << row.year << " day " << dayIndex + 1;
            if (!expected) {
                ASSERT_EQ(fake.messages.shown.size(), 1u);
                EXPECT_EQ(fake.messages.shown[0].text, "Please Enter Correct Date Or Month!");
                EXPECT_EQ(fake.messages.shown[0].icon, kInformation);
            }
        }
    }
}

TEST_F(InputValidation, ThirtyFirstFailsInThirtyDayMonthsOnly) {
    ShownMainWindow();
    frmMain& form = windows::Main();
    for (int monthIndex = 0; monthIndex < 12; ++monthIndex) {
        if (monthIndex == 1) {
            continue;  // February has its own check
        }
        BirthInput input;
        input.monthIndex = monthIndex;
        input.dayIndex = 30;
        Fill(form, input);
        fake.messages.shown.clear();
        const bool thirtyDays =
            monthIndex == 3 || monthIndex == 5 || monthIndex == 8 || monthIndex == 10;
        EXPECT_EQ(form.Input_Validation(), !thirtyDays) << "month " << monthIndex + 1;
        if (thirtyDays) {
            ASSERT_EQ(fake.messages.shown.size(), 1u);
            EXPECT_EQ(fake.messages.shown[0].text, "Please Enter Correct Date Or Month !");
            EXPECT_EQ(fake.messages.shown[0].icon, kInformation);
        }
    }
}

}  // namespace
}  // namespace fortunix::formtests
