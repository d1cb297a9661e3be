// Cost of one reading: the three engines, the sign lookup and the Part of Fortune with its
// caption and paragraph. Target: median of BM_FullReading at most 1.5 times that of
// BM_FortySinesAndCosines in the same run. About half of a reading is spent in the 16 calls
// of libm that remain (ten sincos, two tan, two atan, one atan2, one sin): the Moon's series
// takes four sines and cosines and builds its 25 terms by angle addition, and the Sun is the
// Earth's heliocentric longitude turned half round. The whole degrees a reading shows are
// the same either way.
//
//   fortunix_bench --benchmark_filter='BM_FullReading/|BM_FortySinesAndCosines'

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <vector>

#include "BatchLine.h"
#include "ephemeris/Ascendant.h"
#include "ephemeris/MoonPosition.h"
#include "ephemeris/SunPosition.h"
#include "reading/ReadingChain.h"
#include "reading/TimeZoneTable.h"

namespace {

using fortunix::BirthRecord;
using fortunix::ZoneState;

struct Birth {
    BirthRecord record;
    ZoneState zone;
    int hour = 0;
};

// A spread of dates, hours, zones and places, so that no branch or cache is always warm.
std::vector<Birth> VariedBirths() {
    const auto i16 = [](int value) { return static_cast<std::int16_t>(value); };
    std::vector<Birth> births;
    for (int i = 0; i < 256; ++i) {
        Birth birth;
        BirthRecord& r = birth.record;
        r.year = i16(1901 + i * 37 % 150);
        r.month = i16(1 + i % 12);
        r.day = i16(1 + i * 11 % 28);
        r.hour = i16(i * 7 % 24);
        r.minute = i16(i * 13 % 60);
        r.lonDeg = i16(i * 53 % 180);
        r.lonMin = i16(i * 17 % 60);
        r.latDeg = i16(i * 29 % 90);
        r.latMin = i16(i * 31 % 60);
        r.isEast = i % 2 == 0 ? fortunix::kTrue16 : fortunix::kFalse16;
        r.isSouth = i % 3 == 0 ? fortunix::kTrue16 : fortunix::kFalse16;
        r.isDst = i % 5 < 2 ? fortunix::kTrue16 : fortunix::kFalse16;
        birth.zone = *fortunix::LookUpZone(i * 29 % fortunix::kTimeZoneCount);
        birth.hour = r.hour;
        births.push_back(birth);
    }
    return births;
}

void BM_FullReading(benchmark::State& state) {
    const std::vector<Birth> births = VariedBirths();
    const fortunix::DegreeSignTable& signs = fortunix::BuiltDegreeSignTable();
    std::size_t next = 0;
    for (auto _ : state) {
        const Birth& birth = births[next++ % births.size()];
        fortunix::Reading reading =
            fortunix::ComputeReading(birth.record, birth.zone, birth.hour, signs);
        benchmark::DoNotOptimize(reading);
    }
}
BENCHMARK(BM_FullReading)->Repetitions(9)->ReportAggregatesOnly(true);

// The yardstick of BM_FullReading: forty sines and cosines, as many as a reading once took,
// of arguments that change unpredictably at every call, as the engines' do: angles drawn over
// the range the Moon's series meets (up to some 8,000 radians either way). A reading should
// take at most 1.5 times as long.
void BM_FortySinesAndCosines(benchmark::State& state) {
    std::vector<double> angles(4096);
    std::uint32_t draw = 12345;
    for (double& angle : angles) {
        draw = draw * 1664525u + 1013904223u;  // a fixed linear congruential sequence
        angle = (static_cast<double>(draw) / 4294967296.0 - 0.5) * 16000;
    }
    std::size_t next = 0;
    for (auto _ : state) {
        double sum = 0;
        for (int i = 0; i < 20; ++i) {
            sum += std::sin(angles[next]) + std::cos(angles[next + 1]);
            next = (next + 2) % angles.size();
        }
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_FortySinesAndCosines)->Repetitions(9)->ReportAggregatesOnly(true);

// The same birth over and over: the branch predictors learn the paths through sin and cos,
// which varied births deny them. The gap between the two is that learning, not our code.
void BM_FullReadingSameBirth(benchmark::State& state) {
    const Birth birth = VariedBirths().front();
    const fortunix::DegreeSignTable& signs = fortunix::BuiltDegreeSignTable();
    for (auto _ : state) {
        fortunix::Reading reading =
            fortunix::ComputeReading(birth.record, birth.zone, birth.hour, signs);
        benchmark::DoNotOptimize(reading);
    }
}
BENCHMARK(BM_FullReadingSameBirth)->Repetitions(9)->ReportAggregatesOnly(true);

template <typename Engine>
void RunEngine(benchmark::State& state, Engine engine) {
    const std::vector<Birth> births = VariedBirths();
    std::size_t next = 0;
    for (auto _ : state) {
        const Birth& birth = births[next++ % births.size()];
        auto result = engine(birth.record, birth.zone);
        benchmark::DoNotOptimize(result);
    }
}

void BM_SunPosition(benchmark::State& state) {
    RunEngine(state, [](const BirthRecord& birth, const ZoneState& zone) {
        return fortunix::ComputeSunPosition(birth, zone);
    });
}
BENCHMARK(BM_SunPosition);

void BM_Ascendant(benchmark::State& state) {
    RunEngine(state, [](const BirthRecord& birth, const ZoneState& zone) {
        return fortunix::ComputeAscendant(birth, zone);
    });
}
BENCHMARK(BM_Ascendant);

void BM_MoonPosition(benchmark::State& state) {
    RunEngine(state, [](const BirthRecord& birth, const ZoneState& zone) {
        return fortunix::ComputeMoonPosition(birth, zone);
    });
}
BENCHMARK(BM_MoonPosition);

void BM_PartOfFortune(benchmark::State& state) {
    const fortunix::DegreeSignTable& signs = fortunix::BuiltDegreeSignTable();
    int step = 0;
    for (auto _ : state) {
        step = (step + 7) % 360;
        const fortunix::ChartPositions chart{static_cast<double>(step), 123,
                                             static_cast<std::int16_t>(359 - step)};
        auto result = fortunix::EvaluatePartOfFortune(step % 24, chart, signs);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_PartOfFortune);

// One line of fortunix-batch without the stream: parse, check, compute, format.
void BM_BatchLine(benchmark::State& state) {
    const fortunix::DegreeSignTable& signs = fortunix::BuiltDegreeSignTable();
    const std::string lines[] = {"2000,1,1,12,0,29,0,0,W,51,30,N,0",
                                 "1990,7,4,10,0,34,77,13,E,28,37,N,1",
                                 "1985,12,24,19,45,8,151,13,E,33,52,S,1"};
    std::string out;
    std::size_t next = 0;
    for (auto _ : state) {
        out.clear();
        fortunix::batch::AppendOutputLine(fortunix::batch::ReadBatchLine(lines[next++ % 3], signs),
                                          out);
        benchmark::DoNotOptimize(out.data());
    }
}
BENCHMARK(BM_BatchLine);

}  // namespace

BENCHMARK_MAIN();
