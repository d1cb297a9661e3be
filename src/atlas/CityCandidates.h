#pragma once

#include <QStringView>
#include <vector>

#include "atlas/Atlas.h"
#include "atlas/NameMatch.h"

namespace fortunix::atlas {

// A place that the typed city may mean, by its best name.
struct CityCandidate {
    qsizetype place;
    NameMatch name;
    qsizetype otherName = kMainName;  // the other name that matched, if not the main name
    int letterEdits = 0;              // for a close spelling: how far from the typed city
};

// Every place with a name (main or other) that matches the typed city at all, each once,
// by its best name: the main name before another name that matches as well, and among
// other names the one spelled as typed ("Munchen" rather than "München" for "munchen").
std::vector<CityCandidate> FindCityCandidates(const Atlas& atlas, QStringView city);

// The candidates of a city that the typed city continues with more words ("rio" ->
// "rio de janeiro"): a name that matches the longer city matches its first words too, so the
// few candidates of the shorter one are searched instead of the whole atlas.
std::vector<CityCandidate> NarrowCityCandidates(const Atlas& atlas,
                                                const std::vector<CityCandidate>& candidates,
                                                QStringView longerCity);

// Places whose whole name is one or two letters away from the typed city: one letter for a
// city of up to four letters, where two would reach almost any short name.
std::vector<CityCandidate> FindCloseSpellings(const Atlas& atlas, QStringView city);

}  // namespace fortunix::atlas
