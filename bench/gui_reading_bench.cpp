// The whole reading as the windows compute it, offscreen, for two people:
// the input form read, each person charted, checked against the precise
// ephemeris, evaluated and written into the result form, then the result
// shown. The goal is at most 20 ms for the pair.

#include "reading/person_form.h"
#include "output/text_fonts.h"
#include "platform/scripted_platform.h"
#include "ui/application.h"
#include "ui/input_form.h"
#include "ui/widgets.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <memory>
#include <random>
#include <vector>

namespace {

using namespace tirovane;

std::vector<PersonForm> People() {
    std::mt19937 random(7);
    std::vector<PersonForm> people;
    for (int n = 0; n < 256; ++n) {
        BirthDetails d;
        d.Name = n % 2 ? "Partner" : "Person";
        d.Year = std::uniform_int_distribution(1901, 2050)(random);
        d.Month = std::uniform_int_distribution(1, 12)(random);
        d.Day = std::uniform_int_distribution(1, 28)(random);
        d.Hour = std::uniform_int_distribution(0, 23)(random);
        d.Minute = std::uniform_int_distribution(0, 59)(random);
        SelectZoneRow(d, std::uniform_int_distribution(0, 70)(random));
        d.LatitudeDegrees = std::uniform_int_distribution(0, 60)(random);
        d.LongitudeDegrees = std::uniform_int_distribution(0, 179)(random);
        d.East = n % 3 != 0;
        d.City = "City";
        d.State = "State";
        d.Country = "Country";
        people.push_back(FormOf(d));
    }
    return people;
}

// The program with its windows, on a scripted platform.
struct Program {
    Program() {
        platform.Folder = ".";
        platform.Files = std::set<std::string>{"./libBmp2Jpeg.so"};
        platform.Reminder = platform.Clock.Date;
        app = std::make_unique<TirovaneApp>(
            platform,
            WebAddresses{"help:", "home:", "download:", "donate:", "resell:", "cobrand:"});
        app->Start();
    }
    ScriptedPlatform platform;
    std::unique_ptr<TirovaneApp> app;
};

void GuiReadingWithCrossCheck(benchmark::State& state) {
    Program program;
    TirovaneApp& app = *program.app;
    const std::vector<PersonForm> people = People();
    std::size_t n = 0;
    for (auto _ : state) {
        InputForm& input = app.Input();
        input.WriteForm(0, people[n++ % people.size()]);
        input.WriteForm(1, people[n++ % people.size()]);
        app.CalculatePerson(0);
        app.CalculatePerson(1);
        QApplication::processEvents();
        state.PauseTiming();
        app.Back();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(GuiReadingWithCrossCheck)->Unit(benchmark::kMillisecond);

// Switching the language with a whole reading on show: every window's
// captions and the result's texts rebuilt from the reading, laid out again.
// The goal is at most 50 ms.
void SwitchLanguageWithAReadingOnShow(benchmark::State& state) {
    Program program;
    TirovaneApp& app = *program.app;
    const std::vector<PersonForm> people = People();
    app.Input().WriteForm(0, people[0]);
    app.Input().WriteForm(1, people[1]);
    app.CalculatePerson(0);
    app.CalculatePerson(1);
    QApplication::processEvents();
    bool hindi = false;
    for (auto _ : state) {
        hindi = !hindi;
        app.SetLanguage(hindi ? QStringLiteral("hi") : QStringLiteral("en"));
        QApplication::processEvents();
    }
    app.SetLanguage(QStringLiteral("en"));
}
BENCHMARK(SwitchLanguageWithAReadingOnShow)->Unit(benchmark::kMillisecond);

// Switching the chart style with a whole reading on show: both people's
// charts drawn again and the result fitted. The goal is at most 50 ms.
void SwitchChartStyleWithAReadingOnShow(benchmark::State& state) {
    Program program;
    TirovaneApp& app = *program.app;
    const std::vector<PersonForm> people = People();
    app.Input().WriteForm(0, people[0]);
    app.Input().WriteForm(1, people[1]);
    app.CalculatePerson(0);
    app.CalculatePerson(1);
    QApplication::processEvents();
    bool north = false;
    for (auto _ : state) {
        north = !north;
        app.SetChartStyle(north ? ChartStyle::North : ChartStyle::South);
        QApplication::processEvents();
    }
}
BENCHMARK(SwitchChartStyleWithAReadingOnShow)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    // The program's faces, as its start sets them.
    QuietFontFallback();
    QApplication::setFont(WindowFont());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
