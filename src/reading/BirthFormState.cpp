#include "reading/BirthFormState.h"

#include <algorithm>

namespace fortunix {

bool AsksForSameReading(const BirthFormState& a, const BirthFormState& b) {
    return a.fields == b.fields && a.zoneRow == b.zoneRow &&
           a.birthplaceTimeMinutes == b.birthplaceTimeMinutes;
}

void AddRecentBirth(std::vector<BirthFormState>& births, const BirthFormState& state,
                    std::size_t limit) {
    std::erase_if(births,
                  [&state](const BirthFormState& kept) { return AsksForSameReading(kept, state); });
    births.insert(births.begin(), state);
    if (births.size() > limit) {
        births.resize(limit);
    }
}

}  // namespace fortunix
