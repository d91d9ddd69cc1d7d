// One person ranked against 100,000 in the window, offscreen: the library
// read, every candidate matched, the table model filled and then sorted by
// the total, as Match Against All... and a click on the Points heading do
// it. The goal is at most 0.2 s.

#include "output/text_fonts.h"
#include "people/library.h"
#include "platform/scripted_platform.h"
#include "ui/application.h"
#include "ui/people_window.h"
#include "ui/widgets.h"

#include <QApplication>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>

using namespace tirovane;

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QuietFontFallback();
    QApplication::setFont(WindowFont());
    const int count = argc > 1 ? std::atoi(argv[1]) : 100000;

    QTemporaryDir data;
    ScriptedPlatform platform;
    platform.Data = data.path().toStdString();
    platform.Reminder = platform.Clock.Date;
    TirovaneApp app(platform, WebAddresses{});

    // The people, born anywhere between 1901 and 2050, half of each sex.
    std::mt19937 random(5);
    std::vector<people::Person> everyone;
    everyone.reserve(static_cast<std::size_t>(count));
    for (int n = 0; n < count; ++n) {
        people::Person p;
        BirthDetails& d = p.Details;
        d.Name = "Person " + std::to_string(n);
        d.Year = std::uniform_int_distribution(1901, 2050)(random);
        d.Month = std::uniform_int_distribution(1, 12)(random);
        d.Day = std::uniform_int_distribution(1, 28)(random);
        d.Hour = std::uniform_int_distribution(0, 23)(random);
        d.Minute = std::uniform_int_distribution(0, 59)(random);
        SelectZoneRow(d, 34);
        d.LatitudeDegrees = std::uniform_int_distribution(8, 35)(random);
        d.LongitudeDegrees = std::uniform_int_distribution(68, 97)(random);
        d.East = true;
        d.City = "City";
        d.State = "State";
        d.Country = "India";
        d.PersonSex = n % 2 ? Sex::Male : Sex::Female;
        everyone.push_back(std::move(p));
    }
    people::Library* library = app.PeopleLibrary();
    if (library == nullptr || !std::holds_alternative<std::vector<people::Library::Added>>(
                                  library->Add(everyone, "2026-12-09T00:00:00Z"))) {
        std::fprintf(stderr, "the library could not be filled\n");
        return 1;
    }
    auto first = library->Get(1);
    // Five windows, one after another; the best time is reported, as the
    // machines these run on are shared, with the slowest beside it.
    std::vector<double> times;
    int shown = 0;
    for (int run = 0; run < 5; ++run) {
        const auto start = std::chrono::steady_clock::now();
        RankingWindow window(app, std::get<people::Person>(first));
        window.Model().sort(3, Qt::DescendingOrder);
        times.push_back(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        shown = window.Model().Shown();
    }
    std::sort(times.begin(), times.end());
    std::printf("Ranking one against %d in the window (filled and sorted): %.3f s at best, "
                "%.3f s at worst of 5 (goal: at most 0.2 s), %d candidates shown\n",
                count, times.front(), times.back(), shown);
    return 0;
}
