#include "forms/FormTestSupport.h"

namespace fortunix::formtests {
namespace {

constexpr MessageIcon kError = MessageIcon::Error;
constexpr MessageIcon kInformation = MessageIcon::Information;

class InputValidation : public FormTest {
  protected:
    // Validates `input` with the focus on the day list; `message` nullptr when it passes,
    // `focus` nullptr when the focus stays.
    void Check(const std::string& name, const BirthInput& input, const char* message,
               MessageIcon icon = kError, const char* focus = nullptr) {
        frmMain& form = windows::Main();
        Fill(form, input);
        QWidget* before = Child<QComboBox>(&form, "cboDate");
        before->setFocus();
        fake.messages.shown.clear();

        const bool accepted = form.Input_Validation();

        EXPECT_EQ(accepted, message == nullptr) << name;
        if (message == nullptr) {
            EXPECT_TRUE(fake.messages.shown.empty()) << name;
            return;
        }
        ExpectOneMessage(message, icon, name);
        QWidget* expectedFocus = focus == nullptr ? before : Child<QLineEdit>(&form, focus);
        EXPECT_EQ(QApplication::focusWidget(), expectedFocus) << name;
    }
};

constexpr char kName[] = "Please Enter Name";
constexpr char kLonDeg[] = "Please Enter Value Between 0 And 179 in the Degree of Longitude";
constexpr char kLonMin[] = "Please Enter Value Between 0 And 59 in the  Minute of Longitude";
constexpr char kLatDeg[] = "Please Enter Value Between 0 And 89 in the Degree of Latitude";
constexpr char kLatMin[] = "Please Enter Value Between 0 And 59 in the  Minute of Latitude";

TEST_F(InputValidation, ChecksNameAndCoordinatesWithTheirMessagesAndFocus) {
    ShownMainWindow();
    const struct {
        const char* name;
        BirthInput input;
        const char* message;
        const char* focus;
    } cases[] = {
        {"worked example passes", {}, nullptr, nullptr},
        {"empty name", {.name = ""}, kName, "txtName"},
        {"name of spaces", {.name = "   "}, kName, "txtName"},
        {"longitude 179", {.lonDeg = "179"}, nullptr, nullptr},
        {"longitude 180", {.lonDeg = "180"}, kLonDeg, "txtLonD"},
        {"longitude empty", {.lonDeg = ""}, kLonDeg, "txtLonD"},
        {"longitude minutes 59", {.lonMin = "59"}, nullptr, nullptr},
        {"longitude minutes 60", {.lonMin = "60"}, kLonMin, "txtLonM"},
        {"longitude minutes empty", {.lonMin = ""}, kLonMin, "txtLonM"},
        {"latitude 89", {.latDeg = "89"}, nullptr, nullptr},
        {"latitude 90", {.latDeg = "90"}, kLatDeg, "txtLatD"},
        {"latitude empty", {.latDeg = ""}, kLatDeg, "txtLatD"},
        {"latitude minutes 00", {.latMin = "00"}, nullptr, nullptr},
        {"latitude minutes 60", {.latMin = "60"}, kLatMin, "txtLatM"},
        {"latitude minutes empty", {.latMin = ""}, kLatMin, "txtLatM"},
        {"pasted letter in latitude", {.latDeg = "4x"}, kLatDeg, "txtLatD"},
        {"pasted sign in longitude minutes", {.lonMin = "-1"}, kLonMin, "txtLonM"},
        {"empty name before a bad date",
         {.name = "", .monthIndex = 1, .dayIndex = 30},
         kName,
         "txtName"},
        {"longitude before latitude", {.lonDeg = "200", .latDeg = "95"}, kLonDeg, "txtLonD"},
        {"coordinates before a bad date",
         {.monthIndex = 3, .dayIndex = 30, .latMin = "75"},
         kLatMin,
         "txtLatM"},
    };
    for (const auto& row : cases) {
        Check(row.name, row.input, row.message, kError, row.focus);
    }
}

// February's message and that of the 30-day months differ by one space.
TEST_F(InputValidation, DayMustExistInTheMonthAndYear) {
    ShownMainWindow();
    const struct {
        const char* year;
        bool leap;
    } years[] = {{"1904", true},  {"1996", true},  {"2000", true}, {"2048", true},
                 {"1901", false}, {"1999", false}, {"2050", false}};
    for (const auto& [year, leap] : years) {
        BirthInput input;
        input.year = year;
        input.monthIndex = 1;
        for (int day = 28; day <= 31; ++day) {
            input.dayIndex = day - 1;
            const bool exists = day == 28 || (day == 29 && leap);
            Check(std::string(year) + " February " + std::to_string(day), input,
                  exists ? nullptr : "Please Enter Correct Date Or Month!", kInformation);
        }
    }
    for (int month = 1; month <= 12; ++month) {
        if (month == 2) {
            continue;
        }
        BirthInput input;
        input.monthIndex = month - 1;
        input.dayIndex = 30;
        const bool thirtyDays = month == 4 || month == 6 || month == 9 || month == 11;
        Check("31st of month " + std::to_string(month), input,
              thirtyDays ? "Please Enter Correct Date Or Month !" : nullptr, kInformation);
    }
}

}  // namespace
}  // namespace fortunix::formtests
