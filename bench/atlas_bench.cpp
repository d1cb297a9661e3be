// Speed and memory of the atlas behind the latitude/longitude look-up.
// Budgets, with the other names of every script: the first look-up, loading included, under
// 10 ms; later look-ups, in any script, under 5 ms, and the closest spellings under 10 ms;
// reading the zone history under 5 ms; the zone of one birth moment under 1 µs. The atlas is
// an image mapped from the program (atlas_MB counts it whole): rss_growth_MB is what loading
// it makes resident.

#include <benchmark/benchmark.h>

#include <unistd.h>
#include <fstream>
#include <string>

#include "atlas/BuiltInAtlas.h"
#include "atlas/LookupQuery.h"
#include "atlas/PlaceLine.h"
#include "atlas/PlaceSearch.h"
#include "zones/BirthZone.h"
#include "zones/ZoneHistory.h"
#include "zones/ZoneProposal.h"

namespace {

using fortunix::atlas::Atlas;
using fortunix::atlas::PlaceQuery;

constexpr std::size_t kListed = 20;

// Resident memory of this process, from /proc (Linux).
double ResidentMegabytes() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0;
    long resident = 0;
    statm >> pages >> resident;
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / 1.0e6;
}

const PlaceQuery kQueries[] = {
    {"Paris", "IDF", "France"},
    {"New York", "NY", "USA"},
    {"Sao Paulo", "SP", "Brazil"},
    {"San", "", ""},                        // thousands of names start with "San"
    {"Xyzzyville", "Nowhere", "Atlantis"},  // nothing, not even a close spelling
    {"München", "Bayern", "Deutschland"},   // other names of the city and the country
    {"Lodnon", "England", "UK"},            // a slip: the closest spellings instead
    {"Москва", "", "Россия"},               // the city and the country in their own script
    {"東京", "", "日本"},
    {"Моксва", "", "Россия"},  // slips in other scripts: the closest spellings
    {"Αθνήα", "", "Ελλάδα"},
};

// Runs first so that the measured growth is the atlas and nothing else.
void BM_LoadedAtlasMemory(benchmark::State& state) {
    for (auto _ : state) {
        const double before = ResidentMegabytes();
        const Atlas atlas = fortunix::atlas::LoadBuiltInAtlas();
        const fortunix::zones::ZoneHistory zones = fortunix::zones::LoadBuiltInZoneHistory();
        const double after = ResidentMegabytes();
        state.counters["rss_growth_MB"] = after - before;
        state.counters["atlas_MB"] = static_cast<double>(atlas.memoryBytes()) / 1.0e6;
        state.counters["zones_MB"] = static_cast<double>(zones.memoryBytes()) / 1.0e6;
        state.counters["places"] = static_cast<double>(atlas.placeCount());
        state.counters["other_names"] = static_cast<double>(atlas.otherNameCount());
    }
}
BENCHMARK(BM_LoadedAtlasMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

// The first click: read the atlas from the resources, search, describe the places found.
void BM_FirstSearchIncludingLoad(benchmark::State& state) {
    for (auto _ : state) {
        const Atlas atlas = fortunix::atlas::LoadBuiltInAtlas();
        for (const auto& ranked : LookUpPlace(atlas, kQueries[0], kListed).places) {
            benchmark::DoNotOptimize(DescribePlace(atlas, ranked.place, ranked.otherName));
        }
    }
}
BENCHMARK(BM_FirstSearchIncludingLoad)->Unit(benchmark::kMillisecond);

void BM_LaterSearch(benchmark::State& state) {
    const Atlas& atlas = fortunix::atlas::BuiltInAtlas();
    const PlaceQuery& query = kQueries[state.range(0)];
    state.SetLabel(query.city.toStdString());
    for (auto _ : state) {
        for (const auto& ranked : LookUpPlace(atlas, query, kListed).places) {
            benchmark::DoNotOptimize(DescribePlace(atlas, ranked.place, ranked.otherName));
        }
    }
}
BENCHMARK(BM_LaterSearch)->DenseRange(0, std::size(kQueries) - 1)->Unit(benchmark::kMillisecond);

// Taking the joined query text apart again, when the form's fields are not at hand.
void BM_SplitLookupQuery(benchmark::State& state) {
    const Atlas& atlas = fortunix::atlas::BuiltInAtlas();
    const QString query = QStringLiteral("Rio de Janeiro Rio de Janeiro Brazil Latitude Longitude");
    for (auto _ : state) {
        benchmark::DoNotOptimize(SplitLookupQuery(atlas, query));
    }
}
BENCHMARK(BM_SplitLookupQuery)->Unit(benchmark::kMillisecond);

// The longest text a box takes, 32,767 characters: "a a a ..." (the case to watch), only
// spaces, and a real place with its country at the ends of 32,000 spaces. The cuts into city,
// state and country are bounded by the longest names in the atlas. Target: under 50 ms.
QString LongestText(int kind) {
    constexpr qsizetype kLength = 32767;
    switch (kind) {
        case 0:
            return QStringLiteral("a ").repeated(kLength / 2 + 1).chopped(1);
        case 1:
            return QString(kLength, u' ');
        default:
            return QStringLiteral("Paris") + QString(kLength - 11, u' ') + QStringLiteral("France");
    }
}

void BM_SplitLookupQueryOfTheLongestText(benchmark::State& state) {
    const Atlas& atlas = fortunix::atlas::BuiltInAtlas();
    const QString query = LongestText(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(SplitLookupQuery(atlas, query));
    }
    state.SetLabel(query.left(12).toStdString() + "... (" + std::to_string(query.size()) +
                   " characters)");
}
BENCHMARK(BM_SplitLookupQueryOfTheLongestText)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

// Reading the zone history from the resources, decompression included.
void BM_LoadZoneHistory(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(fortunix::zones::LoadBuiltInZoneHistory());
    }
}
BENCHMARK(BM_LoadZoneHistory)->Unit(benchmark::kMillisecond);

// The zone of one birth moment, and the row it proposes, over births spread across the
// years and the day in New York's long history (263 periods).
void BM_BirthZone(benchmark::State& state) {
    const fortunix::zones::ZoneHistory& history = fortunix::zones::BuiltInZoneHistory();
    const auto periods = history.periods(history.findZone(QStringLiteral("America/New_York")));
    std::vector<fortunix::CivilMoment> moments;
    for (int i = 0; i < 1024; ++i) {
        moments.push_back({1901 + i * 37 % 150, 1 + i % 12, 1 + i * 7 % 28, i * 5 % 24, i % 60});
    }
    std::size_t next = 0;
    for (auto _ : state) {
        const auto zone = FindBirthZone(periods, -74.006, moments[next++ % moments.size()]);
        benchmark::DoNotOptimize(
            ProposeZone(zone.offsets[0], history.abbreviation(zone.offsets[0].abbreviation)));
    }
}
BENCHMARK(BM_BirthZone)->Unit(benchmark::kNanosecond);

}  // namespace

BENCHMARK_MAIN();
