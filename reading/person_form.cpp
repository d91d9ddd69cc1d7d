#include "reading/person_form.h"

#include "engine/text_forms.h"

#include <charconv>

namespace tirovane {

namespace {

// The decimal value of a digits text, 0 for anything else.
int Number(const std::string& text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() ? value : 0;
}

std::string Trimmed(const std::string& text) {
    return std::string(engine::TrimBlanks(text));
}

} // namespace

BirthDetails DetailsOf(const PersonForm& form) {
    BirthDetails d;
    d.Name = form.Name;
    d.Day = form.DayIndex + 1;
    d.Month = form.MonthIndex + 1;
    d.Year = FirstYear + form.YearIndex;
    d.Hour = form.HourIndex;
    d.Minute = form.MinuteIndex;
    SelectZoneRow(d, form.ZoneRow);
    d.LatitudeDegrees = Number(form.LatitudeDegrees);
    d.LatitudeMinutes = Number(form.LatitudeMinutes);
    d.South = form.South.value_or(false);
    d.LongitudeDegrees = Number(form.LongitudeDegrees);
    d.LongitudeMinutes = Number(form.LongitudeMinutes);
    d.East = form.East.value_or(false);
    d.DaylightSaving = form.DaylightSaving;
    d.PersonSex = form.PersonSex;
    d.City = Trimmed(form.City);
    d.State = Trimmed(form.State);
    d.Country = Trimmed(form.Country);
    return d;
}

PersonForm FormOf(const BirthDetails& d) {
    PersonForm form;
    form.Name = d.Name;
    form.City = d.City;
    form.State = d.State;
    form.Country = d.Country;
    form.LatitudeDegrees = std::to_string(d.LatitudeDegrees);
    form.LatitudeMinutes = std::to_string(d.LatitudeMinutes);
    form.LongitudeDegrees = std::to_string(d.LongitudeDegrees);
    form.LongitudeMinutes = std::to_string(d.LongitudeMinutes);
    form.DayIndex = d.Day - 1;
    form.MonthIndex = d.Month - 1;
    form.YearIndex = d.Year - FirstYear;
    form.HourIndex = d.Hour;
    form.MinuteIndex = d.Minute;
    form.ZoneRow = d.ZoneRow;
    form.South = d.South;
    form.East = d.East;
    form.DaylightSaving = d.DaylightSaving;
    form.PersonSex = d.PersonSex;
    return form;
}

} // namespace tirovane
