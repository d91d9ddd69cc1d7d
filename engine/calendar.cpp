#include "engine/calendar.h"

#include "engine/angles.h"

namespace tirovane::engine {

double JulianDayNumber(int month, int day, int year) {
    const double a = 12.0 * (year + 4800) + month - 3;
    const double b = (365 * a + 2 * (a - 12 * Int(a / 12)) + 7) / 12;
    double j = day + Int(b) + Int(a / 48) - 32083;
    if (j >= 2299171) {
        j = j + Int(a / 4800) - Int(a / 1200) + 38;
    }
    return j;
}

double DaysFromJ2000(int year, int month, int day, int hour, int minute) {
    return 367.0 * year - Int(7 * (year + Int((month + 9) / 12.0)) / 4.0) + Int(275.0 * month / 9) +
           day - 730531.5 + (hour + minute / 60.0) / 24;
}

double UniversalHours(double h, double signedZone, bool daylightSaving) {
    return h + signedZone - (daylightSaving ? 1.0 : 0.0);
}

long long DaysFromCivil(int year, int month, int day) {
    // Counts whole 400-year eras from 1 March of year 0 (H. Hinnant's method).
    const long long y = static_cast<long long>(year) - (month <= 2 ? 1 : 0);
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yearOfEra = y - era * 400;
    const long long dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const long long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

namespace {

CivilDateTime CivilFromDays(long long days) {
    days += 719468;
    const long long era = (days >= 0 ? days : days - 146096) / 146097;
    const long long dayOfEra = days - era * 146097;
    const long long yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const long long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const long long mp = (5 * dayOfYear + 2) / 153;
    CivilDateTime result;
    result.Day = static_cast<int>(dayOfYear - (153 * mp + 2) / 5 + 1);
    result.Month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    result.Year = static_cast<int>(yearOfEra + era * 400 + (result.Month <= 2 ? 1 : 0));
    return result;
}

} // namespace

CivilDateTime AddMinutes(const CivilDateTime& moment, long long minutes) {
    const long long total = DaysFromCivil(moment.Year, moment.Month, moment.Day) * 1440 +
                            moment.Hour * 60LL + moment.Minute + minutes;
    long long days = total / 1440;
    long long minuteOfDay = total % 1440;
    if (minuteOfDay < 0) {
        minuteOfDay += 1440;
        --days;
    }
    CivilDateTime result = CivilFromDays(days);
    result.Hour = static_cast<int>(minuteOfDay / 60);
    result.Minute = static_cast<int>(minuteOfDay % 60);
    return result;
}

} // namespace tirovane::engine
