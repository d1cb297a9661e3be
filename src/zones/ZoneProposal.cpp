#include "zones/ZoneProposal.h"

#include <array>
#include <cmath>
#include <initializer_list>
#include <string_view>

#include "reading/TimeZoneTable.h"

namespace fortunix::zones {

namespace {

constexpr int kOneHour = 3600;

// The tz abbreviations of the region each row names, standard and summer alike. Where several
// rows hold an offset, the one whose region the birthplace's clock names comes first.
struct RowRegion {
    int row;
    std::initializer_list<std::string_view> abbreviations;
};

const RowRegion kRowRegions[] = {
    {1, {"AHST", "AHDT", "HST", "HDT", "HWT", "HPT"}},  // Alaska-Hawaii, -10:00
    {3, {"AST", "ADT", "AWT", "APT"}},
    {6, {"ACST", "ACDT"}},
    {8, {"AEST", "AEDT"}},
    {10, {"AWST", "AWDT"}},
    {15, {"BDST"}},
    {16, {"BST", "IST"}},  // British and Irish Standard Time, 1968-71, all year
    {20, {"CET", "CEST", "CEMT"}},
    {21, {"CST", "CDT", "CWT", "CPT"}},
    {23, {"CST", "HKT", "HKST", "CDT"}},  // China coast, +8:00
    {26, {"EET", "EEST"}},
    {27, {"EST", "EDT", "EWT", "EPT"}},
    {29, {"GMT", "BST", "IST"}},  // London and Dublin: British and Irish summer time
    {30, {"ChST", "GST"}},
    {32, {"HST", "HDT", "HWT", "HPT"}},  // Hawaii, -10:30 until 1947
    {34, {"IST"}},                       // India
    {38, {"JST", "JDT"}},
    {41, {"MET", "MEST"}},
    {44, {"MST", "MDT", "MWT", "MPT"}},
    {47, {"NZST", "NZDT"}},
    {49, {"NZMT"}},
    {50, {"NST", "NDT", "NWT", "NPT"}},
    {54, {"PST", "PDT", "PWT", "PPT"}},
    {69, {"YST", "YDT", "YWT", "YPT", "AKST", "AKDT"}},
};

bool NamesRegion(int row, QStringView abbreviation) {
    for (const RowRegion& region : kRowRegions) {
        if (region.row != row) {
            continue;
        }
        for (const std::string_view name : region.abbreviations) {
            if (abbreviation == QLatin1StringView(name.data(), qsizetype(name.size()))) {
                return true;
            }
        }
    }
    return false;
}

// How well a row suits a clock: the region's row, then a standard row, then a summer one.
int RankOf(int row, QStringView abbreviation) {
    if (NamesRegion(row, abbreviation)) {
        return 3;
    }
    return kTimeZoneTable[static_cast<std::size_t>(row)].summer ? 1 : 2;
}

int OffsetMinutesOfRow(int row) {
    const ZoneState& correction = kTimeZoneTable[static_cast<std::size_t>(row)].correction;
    return -(correction.hours * 60 + correction.minutes);
}

// The best row holding `offsetSeconds`, or -1: the region's row, then a standard row, then
// any, each in list order.
int RowHolding(qint32 offsetSeconds, QStringView abbreviation) {
    if (offsetSeconds % 60 != 0) {
        return -1;
    }
    const int minutes = offsetSeconds / 60;
    int best = -1;
    int bestRank = 0;
    for (int row = 0; row < kTimeZoneCount; ++row) {
        if (OffsetMinutesOfRow(row) != minutes) {
            continue;
        }
        const int rank = RankOf(row, abbreviation);
        if (rank > bestRank) {
            best = row;
            bestRank = rank;
        }
    }
    return best;
}

int RoundedMinutes(qint32 seconds) {
    return static_cast<int>(std::lround(seconds / 60.0));
}

}  // namespace

ZoneProposal ProposeZone(const ClockOffset& offset, QStringView abbreviation) {
    if (offset.localMeanTime) {
        return {kBirthplaceTimeRow, false, RoundedMinutes(offset.offset)};
    }
    const bool oneHourSummer = offset.summer == kOneHour;
    const qint32 listed = oneHourSummer ? offset.offset - kOneHour : offset.offset;
    const int row = RowHolding(listed, abbreviation);
    if (row >= 0) {
        return {row, oneHourSummer, 0};
    }
    return {kBirthplaceTimeRow, oneHourSummer, RoundedMinutes(listed)};
}

std::optional<ZoneState> CorrectionOf(const ZoneProposal& proposal) {
    if (proposal.row == kBirthplaceTimeRow) {
        return ZoneStateForOffset(proposal.exactOffsetMinutes);
    }
    return LookUpZone(proposal.row);
}

ZoneProposal ProposeZone(const ZoneHistory& history, const BirthZone& zone, bool laterOfRepeated) {
    const bool second = laterOfRepeated && zone.kind == BirthZone::Kind::Repeated;
    const ClockOffset& offset = zone.offsets[second ? 1 : 0];
    return ProposeZone(offset, history.abbreviation(offset.abbreviation));
}

}  // namespace fortunix::zones
