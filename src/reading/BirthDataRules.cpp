#include "reading/BirthDataRules.h"

#include <cctype>
#include <cstdlib>
#include <string>

namespace fortunix {

namespace {

constexpr int kBackspace = 8;
constexpr int kEnter = 13;
constexpr int kSpace = 32;

// Largest degree or minute of each box, and what a failure says.
struct CoordinateBox {
    const std::string BirthFormInput::*text;
    double limit;
    std::string_view message;
    BirthField field;
};

constexpr CoordinateBox kCoordinateBoxes[] = {
    {&BirthFormInput::lonDeg, 179, messages::kLonDegRange, BirthField::LonDeg},
    {&BirthFormInput::lonMin, 59, messages::kLonMinRange, BirthField::LonMin},
    {&BirthFormInput::latDeg, 89, messages::kLatDegRange, BirthField::LatDeg},
    {&BirthFormInput::latMin, 59, messages::kLatMinRange, BirthField::LatMin},
};

}  // namespace

std::string_view TrimSpaces(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

double LeadingNumber(std::string_view text) {
    std::size_t start = 0;
    while (start < text.size() && (text[start] == ' ' || text[start] == '\t')) {
        ++start;
    }
    std::size_t end = start;
    if (end < text.size() && (text[end] == '+' || text[end] == '-')) {
        ++end;
    }
    bool seenDot = false;
    while (end < text.size() && (std::isdigit(static_cast<unsigned char>(text[end])) ||
                                 (text[end] == '.' && !seenDot))) {
        seenDot = seenDot || text[end] == '.';
        ++end;
    }
    const std::string number(text.substr(start, end - start));
    return std::strtod(number.c_str(), nullptr);  // 0 when nothing numeric was read
}

bool IsAllDigits(std::string_view text) {
    if (text.empty()) {
        return false;
    }
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return false;
        }
    }
    return true;
}

bool IsLeapYear(int year) {
    return year % 4 == 0;
}

std::optional<RuleFailure> CheckName(std::string_view name) {
    if (TrimSpaces(name).empty()) {
        return RuleFailure{messages::kEnterName, MessageIcon::Error, BirthField::Name};
    }
    return std::nullopt;
}

std::optional<RuleFailure> CheckCoordinates(const BirthFormInput& input) {
    for (const CoordinateBox& box : kCoordinateBoxes) {
        const std::string_view value = TrimSpaces(input.*box.text);
        if (!IsAllDigits(value) || LeadingNumber(value) > box.limit) {
            return RuleFailure{box.message, MessageIcon::Error, box.field};
        }
    }
    return std::nullopt;
}

std::optional<RuleFailure> CheckDayOfMonth(int year, int monthIndex, int dayIndex) {
    constexpr int kFebruary = 1;
    if (monthIndex == kFebruary) {
        const int firstBadDayIndex = IsLeapYear(year) ? 29 : 28;
        if (dayIndex >= firstBadDayIndex) {
            return RuleFailure{messages::kFebruaryDate, MessageIcon::Information, BirthField::None};
        }
    }
    const bool thirtyDayMonth =
        monthIndex == 3 || monthIndex == 5 || monthIndex == 8 || monthIndex == 10;
    if (thirtyDayMonth && dayIndex == 30) {
        return RuleFailure{messages::kThirtyDayMonthDate, MessageIcon::Information,
                           BirthField::None};
    }
    return std::nullopt;
}

std::optional<RuleFailure> CheckBirthForm(const BirthFormInput& input) {
    if (auto failure = CheckName(input.name)) {
        return failure;
    }
    if (auto failure = CheckCoordinates(input)) {
        return failure;
    }
    const int year = static_cast<int>(LeadingNumber(input.yearText));
    return CheckDayOfMonth(year, input.monthIndex, input.dayIndex);
}

KeyVerdict FilterNumericKey(int code) {
    if ((code >= '0' && code <= '9') || code == kBackspace) {
        return {code, std::nullopt};
    }
    return {0, RuleFailure{messages::kOnlyNumbers, MessageIcon::Error, BirthField::None}};
}

KeyVerdict FilterNameKey(int code) {
    if (code >= 'A' && code <= 'Z') {
        return {code, std::nullopt};
    }
    if (code >= 'a' && code <= 'z') {
        return {code - 32, std::nullopt};
    }
    if (code == kSpace || code == kEnter || code == kBackspace) {
        return {code, std::nullopt};
    }
    return {0, RuleFailure{messages::kOnlyLetters, MessageIcon::Information, BirthField::None}};
}

}  // namespace fortunix
