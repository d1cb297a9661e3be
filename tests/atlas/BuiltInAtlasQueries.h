#pragma once

#include <QString>
#include <cstddef>

#include "atlas/BuiltInAtlas.h"
#include "atlas/PlaceSearch.h"

// What the tests of the look-up against the real atlas share.

namespace fortunix::atlas {

inline constexpr std::size_t kListed = 20;  // as many as the place choice lists

inline PlaceQuery Query(const char* city, const char* state, const char* country) {
    return {QString::fromUtf8(city), QString::fromUtf8(state), QString::fromUtf8(country)};
}

// "Munich DE (München)": the first place's main name, country code and the other name shown.
inline QString FirstPlace(const PlaceLookup& lookup) {
    if (lookup.places.empty()) {
        return QStringLiteral("nothing");
    }
    const Atlas& atlas = BuiltInAtlas();
    const RankedPlace& first = lookup.places.front();
    QString text =
        atlas.placeName(first.place) + u' ' + atlas.country(atlas.place(first.place).country).code;
    if (first.otherName != kMainName) {
        text += QStringLiteral(" (") + atlas.otherName(first.otherName) + u')';
    }
    return text;
}

}  // namespace fortunix::atlas
