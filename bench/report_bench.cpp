// The PDF report of a whole reading: the model made from the computed
// reading, and the model laid out and written as PDF bytes in memory, in
// either chart style. The goal is under a second for the whole report and
// under 1 MB for the file (the "bytes" counter).

#include "reading/reading.h"
#include "output/report_model.h"
#include "output/report_pdf.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

namespace {

using namespace tirovane;

BirthDetails Person(const char* name, int day, int month, int year, int zoneRow) {
    BirthDetails d;
    d.Name = name;
    d.Day = day;
    d.Month = month;
    d.Year = year;
    d.Hour = 6;
    d.Minute = 30;
    SelectZoneRow(d, zoneRow);
    d.LatitudeDegrees = 28;
    d.LatitudeMinutes = 36;
    d.LongitudeDegrees = 77;
    d.LongitudeMinutes = 12;
    d.East = true;
    d.City = "New Delhi";
    d.State = "Delhi";
    d.Country = "India";
    return d;
}

ReadingState Reading() {
    ReadingState state;
    state.CrossCheckEnabled = true;
    ComputePerson(state, FirstPerson, Person("Asha", 15, 8, 1985, 34));
    ComputePerson(state, Partner, Person("Ravi", 3, 2, 1983, 34));
    return state;
}

const LocalTime Made{std::chrono::year_month_day{std::chrono::year(2026), std::chrono::month(12),
                                                 std::chrono::day(8)},
                     10, 30, 0, 0};

void ReportModelFromReading(benchmark::State& state) {
    const ReadingState reading = Reading();
    for (auto _ : state) {
        benchmark::DoNotOptimize(BuildReport(reading, ChartStyle::South, Made));
    }
}
BENCHMARK(ReportModelFromReading)->Unit(benchmark::kMicrosecond);

void ReportPdf(benchmark::State& state) {
    const ReadingState reading = Reading();
    const auto style = state.range(0) == 0 ? ChartStyle::South : ChartStyle::North;
    std::size_t bytes = 0;
    for (auto _ : state) {
        const auto pdf = ReportPdfBytes(BuildReport(reading, style, Made));
        if (!pdf) {
            state.SkipWithError("the report could not be made");
            return;
        }
        bytes = pdf->size();
    }
    state.counters["bytes"] = static_cast<double>(bytes);
    state.SetLabel(style == ChartStyle::South ? "South Indian" : "North Indian");
}
BENCHMARK(ReportPdf)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
