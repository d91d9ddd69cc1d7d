// Writes the retrograde station tables of Mercury, Venus, Mars, Jupiter and
// Saturn as C++ source, from the Swiss Ephemeris.
//
//   generate_station_tables > retrograde/station_tables.cpp
//
// A station is a sign change of the planet's geocentric tropical longitude
// speed, found on a one-day grid and bisected to well under a minute. Rows
// are "month,day,year,hour,minute," in universal time, the minute rounded.
// A period (retrograde station, then the next direct station) belongs to a
// table when its retrograde station falls in 1900-01-01 .. 2050-12-31. The
// first and last period of each table are the rows the program has always
// shipped, which differ from this ephemeris by minutes; they are kept as
// they are.

#include <swephexp.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Planet {
    const char* Name;
    const char* Variable;
    int Body;
    // The first and the last period as the program ships them.
    const char* FirstStart;
    const char* FirstEnd;
    const char* LastStart;
    const char* LastEnd;
};

const Planet Planets[] = {
    {"Mercury", "MercuryStations", SE_MERCURY, "3,15,1900,13,19,", "4,7,1900,18,42,",
     "12,1,2050,17,17,", "12,21,2050,11,33,"},
    {"Venus", "VenusStations", SE_VENUS, "6,16,1900,22,56,", "7,30,1900,2,44,", "9,25,2050,22,15,",
     "11,6,2050,19,4,"},
    {"Mars", "MarsStations", SE_MARS, "1,13,1901,6,16,", "4,4,1901,7,21,", "7,15,2050,5,50,",
     "9,13,2050,9,41,"},
    {"Jupiter", "JupiterStations", SE_JUPITER, "3,27,1900,20,39,", "7,29,1900,1,35,",
     "12,21,2050,13,21,", "4,21,2051,23,46,"},
    {"Saturn", "SaturnStations", SE_SATURN, "4,14,1900,6,2,", "9,2,1900,14,39,",
     "5,18,2050,13,6,", "10,6,2050,11,5,"},
};

[[noreturn]] void Fail(const std::string& message) {
    std::fprintf(stderr, "generate_station_tables: %s\n", message.c_str());
    std::exit(1);
}

// Longitude speed in degrees per day at a universal Julian day.
double Speed(int body, double jdUt) {
    double xx[6];
    char error[AS_MAXCH] = "";
    const int flags = SEFLG_SWIEPH | SEFLG_SPEED;
    const int got = swe_calc_ut(jdUt, body, flags, xx, error);
    if (got < 0) {
        Fail(error);
    }
    // Without its files the library falls back to an analytic theory of
    // lower accuracy; the tables must not be made from that.
    if ((got & SEFLG_SWIEPH) == 0) {
        Fail("the ephemeris files were not found in " TIROVANE_SWE_EPHE_DIR);
    }
    return xx[3];
}

// The moment in (a, b] where the speed changes sign, to about a second.
double Bisect(int body, double a, double b) {
    const bool positiveAtA = Speed(body, a) > 0;
    while (b - a > 1.0 / 86400) {
        const double mid = (a + b) / 2;
        if ((Speed(body, mid) > 0) == positiveAtA) {
            a = mid;
        } else {
            b = mid;
        }
    }
    return (a + b) / 2;
}

std::string Row(double jdUt) {
    // Round to the minute first, so that 59.6 minutes carries into the hour.
    const double minutes = std::round(jdUt * 1440.0);
    int year = 0;
    int month = 0;
    int day = 0;
    double hours = 0;
    swe_revjul(minutes / 1440.0, SE_GREG_CAL, &year, &month, &day, &hours);
    const long minuteOfDay = std::lround(hours * 60);
    char text[64];
    std::snprintf(text, sizeof text, "%d,%d,%d,%ld,%ld,", month, day, year, minuteOfDay / 60,
                  minuteOfDay % 60);
    return text;
}

struct Period {
    std::string Start;
    std::string End;
};

std::vector<Period> Periods(const Planet& planet) {
    const double first = swe_julday(1900, 1, 1, 0, SE_GREG_CAL);
    const double last = swe_julday(2051, 1, 1, 0, SE_GREG_CAL); // retrograde stations before this
    const double scanEnd = swe_julday(2052, 1, 1, 0, SE_GREG_CAL);
    std::vector<Period> periods;
    double retrogradeStation = 0;
    bool open = false;
    double previous = Speed(planet.Body, first);
    for (double t = first + 1; t <= scanEnd; t += 1) {
        const double speed = Speed(planet.Body, t);
        if (previous > 0 && speed <= 0) {
            const double station = Bisect(planet.Body, t - 1, t);
            if (station >= last) {
                break;
            }
            retrogradeStation = station;
            open = true;
        } else if (previous <= 0 && speed > 0 && open) {
            periods.push_back({Row(retrogradeStation), Row(Bisect(planet.Body, t - 1, t))});
            open = false;
        }
        previous = speed;
    }
    if (open) {
        Fail(std::string(planet.Name) + ": no direct station found after the last retrograde one");
    }
    if (periods.size() < 2) {
        Fail(std::string(planet.Name) + ": too few periods");
    }
    periods.front() = {planet.FirstStart, planet.FirstEnd};
    periods.back() = {planet.LastStart, planet.LastEnd};
    return periods;
}

void WriteList(const char* what, const std::vector<Period>& periods, bool start) {
    std::printf("    // %s stations\n    {{\n", what);
    for (const Period& p : periods) {
        std::printf("        \"%s\",\n", (start ? p.Start : p.End).c_str());
    }
    std::printf("    }},\n");
}

} // namespace

int main() {
    static char path[] = TIROVANE_SWE_EPHE_DIR;
    swe_set_ephe_path(path);

    std::printf("// Generated by tools/station_tables/generate_station_tables from the Swiss\n"
                "// Ephemeris; do not edit. To remake it:\n"
                "//   generate_station_tables > retrograde/station_tables.cpp\n\n"
                "// clang-format off\n"
                "#include \"retrograde/station_tables.h\"\n\n"
                "namespace tirovane::retrograde {\n");
    for (const Planet& planet : Planets) {
        const std::vector<Period> periods = Periods(planet);
        std::printf("\nconst StationTable<%zu> %s = {\n", periods.size(), planet.Variable);
        WriteList("retrograde", periods, true);
        WriteList("direct", periods, false);
        std::printf("};\n");
    }
    std::printf("\n} // namespace tirovane::retrograde\n// clang-format on\n");
    swe_close();
    return 0;
}
