#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "reading/BirthDataRules.h"
#include "reading/TimeZoneTable.h"

namespace fortunix {

// The atlas place that gave the birth-data form its coordinates.
struct AtlasPlaceName {
    std::string name;      // "Kathmandu"
    std::string division;  // "Bagmati Province"; empty when the atlas names none
    std::string country;   // "Nepal"
    std::string zone;      // its time zone, "Asia/Kathmandu"; empty when the atlas knows none
    double longitude = 0;  // degrees, east positive, as the atlas holds it (for local mean time)
    friend bool operator==(const AtlasPlaceName&, const AtlasPlaceName&) = default;
};

// Every control of the birth-data form at one moment: the fields a reading reads, and what
// else the user set or chose. The form takes it when a reading is asked for; the reading sheet
// shows it and the recent births keep it, so that the form can be filled again as it was.
struct BirthFormState {
    BirthFormInput fields;
    int secondIndex = 0;                       // the seconds list, which no reading reads
    int zoneRow = kDefaultTimeZoneIndex;       // a row of the list, or kBirthplaceTimeRow
    std::optional<int> birthplaceTimeMinutes;  // offset east of UT of that entry
    std::string city, state, country;          // the look-up boxes, as typed
    std::optional<AtlasPlaceName> place;       // while the coordinates are the place's
    bool zoneFollowsPlace = false;             // the zone still follows the place
    friend bool operator==(const BirthFormState&, const BirthFormState&) = default;
};

// Two states that ask for the same reading of the same person: the fields a reading reads and
// the zone. What only the form shows (seconds, the look-up boxes) may differ.
bool AsksForSameReading(const BirthFormState& a, const BirthFormState& b);

inline constexpr std::size_t kRecentBirthsKept = 20;

// Puts `state` at the front of `births` (newest first), removing an older entry that asks for
// the same reading, and drops the oldest beyond `limit`.
void AddRecentBirth(std::vector<BirthFormState>& births, const BirthFormState& state,
                    std::size_t limit = kRecentBirthsKept);

}  // namespace fortunix
