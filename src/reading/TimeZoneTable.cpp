#include "reading/TimeZoneTable.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>

#include "ephemeris/Translatable.h"

namespace fortunix {

// The correction of each row is its displayed offset negated; a fractional digit of 5 or 3
// both mean 30 minutes. Summer rows are the daylight, summer and war times.
constexpr bool kSummer = true;
constexpr bool kStandard = false;

// clang-format off
const std::array<TimeZoneRow, kTimeZoneCount> kTimeZoneTable = {{
    {FORTUNIX_TRANSLATABLE("TimeZone", "Alaska/Hawaii Daylight Time,AHDT,-9.0"), {9, 0}, kSummer},
    {FORTUNIX_TRANSLATABLE("TimeZone", "Alaska/Hawaii Standard Time,AHST,-10.0"), {10, 0}, kStandard},
    {FORTUNIX_TRANSLATABLE("TimeZone", "Alaska/Hawaii War Time,AHWT,-9.0"), {9, 0}, kSummer},
    {FORTUNIX_TRANSLATABLE("TimeZone", "Atlantic Standard Time,AST,-4.0"), {4, 0}, kStandard},
    {FORTUNIX_TRANSLATABLE("TimeZone", "Atlantic War Time,AWT,-3.0"), {3, 0}, kSummer},
    {FORTUNIX_TRANSLATABLE("TimeZone", "Australian Central Daylight Time,ACDT,+10.5"), {-10, -30}, kSummer},
    {FORTUNIX_TRANSLATABLE("TimeZone", "Australian Central Standard Time,ACST,+9.5"), {-9, -30}, kStandard},
    {FORTUNIX_TRANSLATABLE("TimeZone", "Australian Eastern Daylight Time,AEDT,+11.0"), {-11, 0}, kSummer},
    {FORTUNIX_TRANSLATABLE("TimeZone", "Australian Eastern Standard Time,AEST,+10.0"), {-10, 0}, kStandard},
    {FORTUNIX_TRANSLATABLE("TimeZone", "Australian Western Daylight Time,AWDT,+9.0"), {-9, 0}, kSummer},
    {FORTUNIX_TRANSLATABLE("TimeZone", "Australian Western Standard Time,AWST,+8.0"), {-8, 0}, kStandard},
    {FORTUNIX_TRANSLATABLE("TimeZone", "Azores Time, AT, -2.0"), {2, 0}, kStandard},
    {FORTUNIX_TRANSLATABLE("TimeZone", "Baghdad Time, BAT, +3.0"), {-3, 0}, kStandard},
    {FORTUNIX_TRANSLATABLE("TimeZone", "Bering Standard Time,BET,-11.0"), {11, 0}, kStandard},
    {FORTUNIX_TRANSLATABLE("TimeZone", "Brazil Zone 2,BZT2,-3.0"), {3, 0}, kStandard},
    {FORTUNIX_TRANSLATABLE("TimeZone", "British Double Summer Time,BDST,+2.0"), {-2, 0}, kSummer},
    {FORTUNIX_TRANSLATABLE("TimeZone", "British Summer Time,BST,+1.0"), {-1, 0}, kSummer},
    {FORTUNIX_TRANSLATABLE("TimeZone", "British War Time,BWT,+2.0"), {-2, 0}, kSummer},
    {FORTUNIX_TRANSLATABLE("TimeZone", "Central Daylight Time,CDT,-5.0"), {5, 0}, kSummer},
    {FORTUNIX_TRANSLATABLE("TimeZone", "Central European Daylight,CED,+2.0"), {-2, 0}, kSummer},
    {FORTUNIX_TRANSLATABLE("TimeZone", "Central European Time,CET,+1.0"), {-1, 0}, kStandard},
    {FORTUNIX_TRANSLATABLE("TimeZone", "Central Standard Time,CST,-6.0"), {6, 0}, kStandard},
    {FORTUNIX_TRANSLATABLE("TimeZone", "Central War Time,CWT,-5.0"), {5, 0}, kSummer},
    {FORTUNIX_TRANSLATABLE("TimeZone", "China Coast Time,CCT,+8.0"), {-8, 0}, kStandard},
    {FORTUNIX_TRANSLATABLE("TimeZone", "Eastern Daylight Time,EDT,-4.0"), {4, 0}, kSummer},
    {FORTUNIX_TRANSLATABLE("TimeZone", "Eastern European Daylight Time,EED,+3.0"), {-3, 0}, kSummer},
    {FORTUNIX_TRANSLATABLE("TimeZone", "Eastern European Time,EET,+2.0"), {-2, 0}, kStandard},
    {FORTUNIX_TRANSLATABLE("TimeZone", "Eastern Standard Time,EST,-5.0"), {5, 0}, kStandard},
    {FORTUNIX_TRANSLATABLE("TimeZone", "Eastern War Time,EWT,-4.0"), {4, 0}, kSummer},
    {FORTUNIX_TRANSLATABLE("TimeZone", "Greenwich Mean Time,GMT,0.0"), {0, 0}, kStandard},
    {FORTUNIX_TRANSLATABLE("TimeZone", "Guam Standard Time,GST,+10.0"), {-10, 0}, kStandard},
    {FORTUNIX_TRANSLATABLE("TimeZone", "Hawaiian Daylight Time,HDT,-9.5"), {9, 30}, kSummer},
    {FORTUNIX_TRANSLATABLE("TimeZone", "Hawaiian Standard Time,HST,-10.5"), {10, 30}, kStandard},
    {FORTUNIX_TRANSLATABLE("TimeZone", "Hawaiian War Time,HWT,-9.5"), {9, 30}, kSummer},
    {FORTUNIX_TRANSLATABLE("TimeZone", "Indian Time, IST, +5.3"), {-5, -30}, kStandard},
    {FORTUNIX_TRANSLATABLE("TimeZone", "Int'l Date Line East,IDLE,+12.0"), {-12, 0}, kStandard},
    {FORTUNIX_TRANSLATABLE("TimeZone", "Int'l Date Line West,IDLW,-12.0"), {12, 0}, kStandard},
    {FORTUNIX_TRANSLATABLE("TimeZone", "Iran Time, IT, +3.5"), {-3, -30}, kStandard},
    {FORTUNIX_TRANSLATABLE("TimeZone", "Japan Standard Time,JST,+9.0"), {-9, 0}, kStandard},
    {FORTUNIX_TRANSLATABLE("TimeZone", "Java Time, JT, +7.5"), {-7, -30}, kStandard},
    {FORTUNIX_TRANSLATABLE("TimeZone", "Middle European Daylight Time,MED,+2.0"), {-2, 0}, kSummer},
    {FORTUNIX_TRANSLATABLE("TimeZone", "Middle European Time,MET,+1.0"), {-1, 0}, kStandard},
    {FORTUNIX_TRANSLATABLE("TimeZone", "Moluccas Time, MT, +8.5"), {-8, -30}, kStandard},
    {FORTUNIX_TRANSLATABLE("TimeZone", "Mountain Daylight Time,MDT,-6.0"), {6, 0}, kSummer},
    {FORTUNIX_TRANSLATABLE("TimeZone", "Mountain Standard Time,MST,-7.0"), {7, 0}, kStandard},
    {FORTUNIX_TRANSLATABLE("TimeZone", "Mountain War Time,MWT,-6.0"), {6, 0}, kSummer},
    {FORTUNIX_TRANSLATABLE("TimeZone", "New Zealand Std Summer Time,NZST,+13.0"), {-13, 0}, kSummer},
    {FORTUNIX_TRANSLATABLE("TimeZone", "New Zealand Std Time,NZT,+12.0"), {-12, 0}, kStandard},
    {FORTUNIX_TRANSLATABLE("TimeZone", "New Zealand Summer Time,NZS,+12.5"), {-12, -30}, kSummer},
    {FORTUNIX_TRANSLATABLE("TimeZone", "New Zealand Time,NZ,+11.5"), {-11, -30}, kStandard},
    {FORTUNIX_TRANSLATABLE("TimeZone", "Newfoundland Standard Time,NST,-3.5"), {3, 30}, kStandard},
    {FORTUNIX_TRANSLATABLE("TimeZone", "Nome Time, NT, -11.0"), {11, 0}, kStandard},
    {FORTUNIX_TRANSLATABLE("TimeZone", "North Sumatra Time,NST,+6.5"), {-6, -30}, kStandard},
    {FORTUNIX_TRANSLATABLE("TimeZone", "Pacific Daylight Time,PDT,-7.0"), {7, 0}, kSummer},
    {FORTUNIX_TRANSLATABLE("TimeZone", "Pacific Standard Time,PST,-8.0"), {8, 0}, kStandard},
    {FORTUNIX_TRANSLATABLE("TimeZone", "Pacific War Time,PWT,-7.0"), {7, 0}, kSummer},
    {FORTUNIX_TRANSLATABLE("TimeZone", "South Australia Daylight Time,SAD,+10.5"), {-10, -30}, kSummer},
    {FORTUNIX_TRANSLATABLE("TimeZone", "South Australia Daylight Time,SDT,+10.5"), {-10, -30}, kSummer},
    {FORTUNIX_TRANSLATABLE("TimeZone", "South Australia Standard Time,SAST,+9.5"), {-9, -30}, kStandard},
    {FORTUNIX_TRANSLATABLE("TimeZone", "South Australia Standard Time,SAT,+9.5"), {-9, -30}, kStandard},
    {FORTUNIX_TRANSLATABLE("TimeZone", "South Sumatra Time,SST,+7.0"), {-7, 0}, kStandard},
    {FORTUNIX_TRANSLATABLE("TimeZone", "Universal Time, UT, 0.0"), {0, 0}, kStandard},
    {FORTUNIX_TRANSLATABLE("TimeZone", "USSR Zone 10,UZ10,+11.0"), {-11, 0}, kStandard},
    {FORTUNIX_TRANSLATABLE("TimeZone", "USSR Zone 3,USZ3,+4.0"), {-4, 0}, kStandard},
    {FORTUNIX_TRANSLATABLE("TimeZone", "USSR Zone 4,USZ4,+5.0"), {-5, 0}, kStandard},
    {FORTUNIX_TRANSLATABLE("TimeZone", "USSR Zone 5,USZ5,+6.0"), {-6, 0}, kStandard},
    {FORTUNIX_TRANSLATABLE("TimeZone", "USSR Zone 6,USZ6,+7.0"), {-7, 0}, kStandard},
    {FORTUNIX_TRANSLATABLE("TimeZone", "West Africa Time,WAT,-1.0"), {1, 0}, kStandard},
    {FORTUNIX_TRANSLATABLE("TimeZone", "Yukon Daylight Time,YDT,-8.0"), {8, 0}, kSummer},
    {FORTUNIX_TRANSLATABLE("TimeZone", "Yukon Standard Time,YST,-9.0"), {9, 0}, kStandard},
    {FORTUNIX_TRANSLATABLE("TimeZone", "Yukon War Time,YWT,-8.0"), {8, 0}, kSummer},
}};
// clang-format on

std::optional<ZoneState> LookUpZone(int index) {
    if (index < 0 || index >= kTimeZoneCount) {
        return std::nullopt;
    }
    return kTimeZoneTable[static_cast<std::size_t>(index)].correction;
}

ZoneState ZoneStateForOffset(int offsetMinutes) {
    const int correction = -offsetMinutes;  // both parts keep the sign of the whole
    return {static_cast<std::int16_t>(correction / 60), static_cast<std::int16_t>(correction % 60)};
}

std::string FormatUtcOffset(int offsetSeconds, std::string_view prefix, std::string_view minus) {
    offsetSeconds = std::clamp(offsetSeconds, kLeastUtcOffset * 60, kGreatestUtcOffset * 60);
    const int magnitude = std::abs(offsetSeconds);
    std::string text(prefix);
    text += offsetSeconds < 0 ? minus : "+";
    const auto twoDigits = [&text](int part) {
        text += static_cast<char>('0' + part / 10);
        text += static_cast<char>('0' + part % 10);
    };
    twoDigits(magnitude / 3600);
    text += ':';
    twoDigits(magnitude / 60 % 60);
    if (magnitude % 60 != 0) {
        text += ':';
        twoDigits(magnitude % 60);
    }
    return text;
}

std::optional<int> ParseUtcOffset(std::string_view text) {
    if (text.size() != 9 || text.substr(0, 3) != "UTC" || (text[3] != '+' && text[3] != '-') ||
        text[6] != ':') {
        return std::nullopt;
    }
    const auto twoDigits = [&](std::size_t at, int last) -> std::optional<int> {
        int value = 0;
        const char* first = text.data() + at;
        const auto [end, error] = std::from_chars(first, first + 2, value);
        if (error != std::errc{} || end != first + 2 || first[0] < '0' || value > last) {
            return std::nullopt;
        }
        return value;
    };
    const auto hours = twoDigits(4, 14);
    const auto minutes = twoDigits(7, 59);
    if (!hours || !minutes) {
        return std::nullopt;
    }
    const int magnitude = *hours * 60 + *minutes;
    const int offset = text[3] == '-' ? -magnitude : magnitude;
    if (offset < kLeastUtcOffset || offset > kGreatestUtcOffset) {
        return std::nullopt;
    }
    return offset;
}

}  // namespace fortunix
