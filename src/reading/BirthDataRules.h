#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "ephemeris/Translatable.h"

namespace fortunix {

// The checks of the birth-data form, free of any window so that the main window and the
// batch tool apply the same rules.

enum class MessageIcon { Information, Error };

// The field a failed check sends the focus to.
enum class BirthField { None, Name, LonDeg, LonMin, LatDeg, LatMin };

struct RuleFailure {
    std::string_view message;
    MessageIcon icon = MessageIcon::Error;
    BirthField focus = BirthField::None;
    friend bool operator==(const RuleFailure&, const RuleFailure&) = default;
};

namespace messages {
inline constexpr std::string_view kEnterName =
    FORTUNIX_TRANSLATABLE("Fortunix", "Please Enter Name");
inline constexpr std::string_view kLonDegRange = FORTUNIX_TRANSLATABLE(
    "Fortunix", "Please Enter Value Between 0 And 179 in the Degree of Longitude");
inline constexpr std::string_view kLonMinRange = FORTUNIX_TRANSLATABLE(
    "Fortunix", "Please Enter Value Between 0 And 59 in the  Minute of Longitude");
inline constexpr std::string_view kLatDegRange = FORTUNIX_TRANSLATABLE(
    "Fortunix", "Please Enter Value Between 0 And 89 in the Degree of Latitude");
inline constexpr std::string_view kLatMinRange = FORTUNIX_TRANSLATABLE(
    "Fortunix", "Please Enter Value Between 0 And 59 in the  Minute of Latitude");
inline constexpr std::string_view kFebruaryDate =
    FORTUNIX_TRANSLATABLE("Fortunix", "Please Enter Correct Date Or Month!");
inline constexpr std::string_view kThirtyDayMonthDate =
    FORTUNIX_TRANSLATABLE("Fortunix", "Please Enter Correct Date Or Month !");
inline constexpr std::string_view kOnlyNumbers =
    FORTUNIX_TRANSLATABLE("Fortunix", "Only Numbers Are Accepted");
inline constexpr std::string_view kOnlyLetters =
    FORTUNIX_TRANSLATABLE("Fortunix", "Please Enter only Letters");
}  // namespace messages

inline constexpr int kFirstYear = 1901;
inline constexpr int kLastYear = 2050;

// The most characters the coordinate boxes take: three for the degrees of longitude, two for
// the others.
inline constexpr int kLonDegLength = 3;
inline constexpr int kCoordinateLength = 2;

// The fields of the birth-data form, as the form holds them: texts of the boxes and lists,
// month and day as list indexes (0 = January, 0 = day 1), the three choices as flags. The
// checks read the name, the coordinates, the year, the month and the day; a reading reads
// them all (FillBirthRecord).
struct BirthFormInput {
    std::string name;
    std::string lonDeg;
    std::string lonMin;
    std::string latDeg;
    std::string latMin;
    std::string yearText;
    int monthIndex = 0;
    int dayIndex = 0;
    std::string hourText;
    std::string minuteText;
    bool east = false;
    bool south = false;
    bool dst = false;
    friend bool operator==(const BirthFormInput&, const BirthFormInput&) = default;
};

// Leading and trailing spaces (code 32 only) removed.
std::string_view TrimSpaces(std::string_view text);

// The number at the start of `text`, after leading blanks; 0 when there is none.
double LeadingNumber(std::string_view text);

// True for a non-empty text of the digits 0-9 only.
bool IsAllDigits(std::string_view text);

// Every year divisible by 4 counts as a leap year; over 1901..2050 that is the calendar.
bool IsLeapYear(int year);

std::optional<RuleFailure> CheckName(std::string_view name);

// Degrees and minutes of longitude, then of latitude. A box must hold digits only (after
// trimming) and lie within its range; pasted text that is not a number is refused with the
// box's own range message.
std::optional<RuleFailure> CheckCoordinates(const BirthFormInput& input);

// February and the 30-day months. The focus stays where it is.
std::optional<RuleFailure> CheckDayOfMonth(int year, int monthIndex, int dayIndex);

// All checks in the form's order; the first failure, or nothing when the input may be used.
std::optional<RuleFailure> CheckBirthForm(const BirthFormInput& input);

// What a key filter does with one typed character code.
struct KeyVerdict {
    int code = 0;  // the code to insert; 0 discards the key
    std::optional<RuleFailure> message;
};

// Latitude and longitude boxes: digits and backspace only.
KeyVerdict FilterNumericKey(int code);

// Name box: letters (lower case turned to capitals), space, Enter and backspace.
KeyVerdict FilterNameKey(int code);

}  // namespace fortunix
