#pragma once

#include <QString>

#include "atlas/Atlas.h"
#include "atlas/PlaceSearch.h"

namespace fortunix::atlas {

// The text that the look-up button of the main window searches for:
// city + " " + state + " " + country + " Latitude Longitude".
QString LookupQueryText(const PlaceQuery& fields);

// Takes that text apart again. The three fields were joined with single spaces and may hold
// spaces themselves ("New York NY USA"), so every way of cutting the words into a city, a
// state and a country is tried against the atlas and the cut whose best place ranks highest
// wins. Without any match the whole text is the city.
PlaceQuery SplitLookupQuery(const Atlas& atlas, const QString& query);

}  // namespace fortunix::atlas
