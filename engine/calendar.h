#pragma once

// Calendar and time arithmetic of the engine.

namespace tirovane::engine {

// Julian Day Number (the Julian Date of noon) of a civil date, Gregorian from
// 15 October 1582 and Julian before, as a whole-valued double.
double JulianDayNumber(int month, int day, int year);

// Days from 2000 January 1, 12 h universal time, of a universal date-time.
// Counts every fourth year as a leap year: exact from 1901 to 2099.
double DaysFromJ2000(int year, int month, int day, int hour, int minute);

// Universal time in hours of the local clock time h. signedZone is the zone
// row's offset in hours to add to local time (west hours plus west minutes
// / 60, negative east of Greenwich); a daylight-saving clock runs one hour
// ahead of its zone. The result is not folded into 0..24.
double UniversalHours(double h, double signedZone, bool daylightSaving);

// A civil (proleptic Gregorian) date and time of day to the minute.
struct CivilDateTime {
    int Year = 2000;
    int Month = 1;
    int Day = 1;
    int Hour = 0;
    int Minute = 0;

    friend bool operator==(const CivilDateTime&, const CivilDateTime&) = default;
};

// Adds a number of minutes (either sign) with carries into the hour, day,
// month and year. Days beyond the end of the month are carried too.
CivilDateTime AddMinutes(const CivilDateTime& moment, long long minutes);

// Days since 1970-01-01 of a proleptic Gregorian date (negative before).
long long DaysFromCivil(int year, int month, int day);

} // namespace tirovane::engine
