// The whole calculation pipeline for one person against a Swiss Ephemeris
// chart of the same moment (Sun to Saturn, mean node, ascendant and
// midheaven, Lahiri sidereal), over the same random births, in one run. The
// ratio of the two is printed at the end; the goal is at least 20.

#include "reading/calculation.h"
#include "reading/pair_match.h"
#include "engine/described_chart.h"
#include "engine/precise_engine.h"
#include "kundli/dasha.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <random>
#include <string>
#include <swephexp.h>
#include <vector>

namespace {

struct Birth {
    tirovane::BirthDetails Details;
    tirovane::engine::EngineInput Input;
    double JdUt;
    double Latitude;
    double EastLongitude;
};

const std::vector<Birth>& Births() {
    static const std::vector<Birth> births = [] {
        std::mt19937 random(42);
        std::vector<Birth> list;
        for (int n = 0; n < 4096; ++n) {
            tirovane::BirthDetails d;
            d.Name = "Bench";
            d.Year = std::uniform_int_distribution(1901, 2050)(random);
            d.Month = std::uniform_int_distribution(1, 12)(random);
            d.Day = std::uniform_int_distribution(1, 28)(random);
            d.Hour = std::uniform_int_distribution(0, 23)(random);
            d.Minute = std::uniform_int_distribution(0, 59)(random);
            tirovane::SelectZoneRow(d, 29); // Greenwich: local time is universal time
            d.LatitudeDegrees = std::uniform_int_distribution(0, 60)(random);
            d.LatitudeMinutes = std::uniform_int_distribution(0, 59)(random);
            d.South = n % 3 == 0;
            d.LongitudeDegrees = std::uniform_int_distribution(0, 179)(random);
            d.LongitudeMinutes = std::uniform_int_distribution(0, 59)(random);
            d.East = n % 2 == 0;
            d.City = d.State = d.Country = "Bench";
            const double jd =
                swe_julday(d.Year, d.Month, d.Day, d.Hour + d.Minute / 60.0, SE_GREG_CAL);
            const double lat = (d.South ? -1 : 1) * (d.LatitudeDegrees + d.LatitudeMinutes / 60.0);
            const double lon = (d.East ? 1 : -1) * (d.LongitudeDegrees + d.LongitudeMinutes / 60.0);
            list.push_back({d, tirovane::MakeEngineInput(d), jd, lat, lon});
        }
        return list;
    }();
    return births;
}

void TirovanePipeline(benchmark::State& state) {
    const auto& births = Births();
    std::size_t n = 0;
    for (auto _ : state) {
        const Birth& birth = births[n++ % births.size()];
        benchmark::DoNotOptimize(
            tirovane::CalculateChart(tirovane::MakeEngineInput(birth.Details)));
    }
}

// The pipeline with the Navamsa signs and the Vimshottari dasha (its nine
// mahadashas and 81 antardashas) added, as the CLI's chart writes them.
void TirovanePipelineWithKundli(benchmark::State& state) {
    const auto& births = Births();
    std::size_t n = 0;
    for (auto _ : state) {
        const Birth& birth = births[n++ % births.size()];
        const tirovane::engine::EngineInput input = tirovane::MakeEngineInput(birth.Details);
        const tirovane::PersonChart chart = tirovane::CalculateChart(input);
        benchmark::DoNotOptimize(chart);
        benchmark::DoNotOptimize(
            tirovane::kundli::KundliOf(chart.Sidereal.Longitudes, input.Instant));
    }
}

// The engine alone (ascendant, Moon, planets and nodes), without the marks,
// the Manglik evaluations and the chart cells the pipeline adds.
void TirovaneEngine(benchmark::State& state) {
    const auto& births = Births();
    std::size_t n = 0;
    for (auto _ : state) {
        const tirovane::engine::EngineInput input =
            tirovane::MakeEngineInput(births[n++ % births.size()].Details);
        benchmark::DoNotOptimize(
            tirovane::engine::ComputeDescribedChart(input.Instant, input.Place));
    }
}

// One candidate of a match against many: the candidate's whole chart, then
// the 36-point match and the match lines against a person computed once.
void TirovaneMatchCandidate(benchmark::State& state) {
    const auto& births = Births();
    const tirovane::PersonChart first =
        tirovane::CalculateChart(tirovane::MakeEngineInput(births.front().Details));
    std::size_t n = 1;
    for (auto _ : state) {
        const tirovane::PersonChart candidate = tirovane::CalculateChart(
            tirovane::MakeEngineInput(births[n++ % births.size()].Details));
        benchmark::DoNotOptimize(tirovane::MatchPair(first, candidate));
    }
}

void SwissEphemerisChart(benchmark::State& state) {
    const auto& births = Births();
    std::size_t n = 0;
    const int flags = SEFLG_SWIEPH | SEFLG_SIDEREAL;
    for (auto _ : state) {
        const Birth& birth = births[n++ % births.size()];
        double xx[6];
        char error[256];
        for (int body = SE_SUN; body <= SE_SATURN; ++body) {
            swe_calc_ut(birth.JdUt, body, flags, xx, error);
            benchmark::DoNotOptimize(xx);
        }
        swe_calc_ut(birth.JdUt, SE_MEAN_NODE, flags, xx, error);
        double cusps[13];
        double ascmc[10];
        swe_houses_ex(birth.JdUt, flags, birth.Latitude, birth.EastLongitude, 'P', cusps, ascmc);
        benchmark::DoNotOptimize(ascmc);
    }
}

// The precise engine's chart: the same bodies from the same library, with
// speeds (for the retrograde marks), the ayanamsa and equal-house angles.
void PreciseEngineChart(benchmark::State& state) {
    const auto& births = Births();
    std::size_t n = 0;
    for (auto _ : state) {
        const Birth& birth = births[n++ % births.size()];
        benchmark::DoNotOptimize(
            tirovane::engine::ComputePreciseChart(birth.Input.Instant, birth.Input.Place));
    }
}

// The pipeline with the precise engine: chart, text forms, cells, Manglik.
void PrecisePipeline(benchmark::State& state) {
    const auto& births = Births();
    std::size_t n = 0;
    for (auto _ : state) {
        const Birth& birth = births[n++ % births.size()];
        benchmark::DoNotOptimize(
            tirovane::CalculateChart(birth.Input, tirovane::ChartEngineChoice::Precise));
    }
}

// Each benchmark runs five times; the ratios take each one's best run, as
// the machines these run on are shared and a single run of either side can
// be slowed by a neighbour.
BENCHMARK(PreciseEngineChart)->Repetitions(5)->MinWarmUpTime(0.2);
BENCHMARK(PrecisePipeline)->Repetitions(5)->MinWarmUpTime(0.2);
BENCHMARK(TirovanePipeline)->Repetitions(5)->MinWarmUpTime(0.2);
BENCHMARK(TirovanePipelineWithKundli)->Repetitions(5)->MinWarmUpTime(0.2);
BENCHMARK(TirovaneEngine)->Repetitions(5)->MinWarmUpTime(0.2);
BENCHMARK(TirovaneMatchCandidate)->Repetitions(5)->MinWarmUpTime(0.2);
BENCHMARK(SwissEphemerisChart)->Repetitions(5)->MinWarmUpTime(0.2);

// Keeps each benchmark's best time per iteration for the closing ratios.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration) {
                const double time = run.GetAdjustedRealTime();
                const auto [slot, added] =
                    perIteration.emplace(run.run_name.function_name, time);
                if (!added && time < slot->second) {
                    slot->second = time;
                }
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> perIteration;
};

} // namespace

int main(int argc, char** argv) {
    static char path[] = TIROVANE_SWE_EPHE_DIR;
    swe_set_ephe_path(path);
    swe_set_sid_mode(SE_SIDM_LAHIRI, 0, 0);
    Births();

    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    swe_close();

    const auto ours = reporter.perIteration.find("TirovanePipeline");
    const auto engine = reporter.perIteration.find("TirovaneEngine");
    const auto swiss = reporter.perIteration.find("SwissEphemerisChart");
    if (ours != reporter.perIteration.end() && swiss != reporter.perIteration.end()) {
        const double ratio = swiss->second / ours->second;
        std::printf("\nSwiss Ephemeris chart / Tirovane pipeline: %.1f times (goal: at least 20)\n",
                    ratio);
    }
    if (engine != reporter.perIteration.end() && swiss != reporter.perIteration.end()) {
        std::printf("Swiss Ephemeris chart / Tirovane engine alone: %.1f times\n",
                    swiss->second / engine->second);
    }
    const auto kundli = reporter.perIteration.find("TirovanePipelineWithKundli");
    if (kundli != reporter.perIteration.end() && ours != reporter.perIteration.end()) {
        std::printf("Navamsa and dasha added to the pipeline: %+.1f %% (goal: at most +10 %%)\n",
                    100 * (kundli->second / ours->second - 1));
    }
    const auto match = reporter.perIteration.find("TirovaneMatchCandidate");
    if (match != reporter.perIteration.end() && swiss != reporter.perIteration.end()) {
        std::printf("Match candidate / Swiss Ephemeris chart: %.3f (goal: at most 0.05)\n",
                    match->second / swiss->second);
    }
    const auto precise = reporter.perIteration.find("PreciseEngineChart");
    if (precise != reporter.perIteration.end() && swiss != reporter.perIteration.end()) {
        std::printf(
            "Precise engine chart / Swiss Ephemeris chart: %.2f times (goal: at most 1.2)\n",
            precise->second / swiss->second);
    }
    return 0;
}
