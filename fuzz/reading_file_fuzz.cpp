// Fuzz target: the saved-reading reader on any bytes, then what the program
// does with the form it fills: the checks, and the chart when they pass.

#include "reading/calculation.h"
#include "reading/person_form.h"
#include "files/saved_reading.h"
#include "reading/validation.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto forms = tirovane::ApplyReadingFile(bytes, {});
    std::array<tirovane::BirthDetails, 2> people;
    for (int i = 0; i < 2; ++i) {
        people[i] = tirovane::DetailsOf(forms[i]);
        if (!tirovane::ValidateInput(forms[i])) {
            (void)tirovane::CalculateChart(tirovane::MakeEngineInput(people[i]));
        }
    }
    // What was read can be written again and reads back the same.
    const std::string again =
        tirovane::ReadingFileBytes(people, {forms[0].ZoneRow, forms[1].ZoneRow});
    const auto reread = tirovane::ApplyReadingFile(again, {});
    if (reread[0].ZoneRow != forms[0].ZoneRow || reread[1].MonthIndex != forms[1].MonthIndex) {
        __builtin_trap();
    }
    // A file without an unusable line sets every list and choice itself:
    // what the form held before makes no difference.
    if (!tirovane::FindUnreadableLine(bytes)) {
        std::array<tirovane::PersonForm, 2> other;
        for (auto& form : other) {
            form.MonthIndex = form.DayIndex = form.YearIndex = 5;
            form.HourIndex = form.MinuteIndex = form.ZoneRow = 5;
            form.East = form.South = std::nullopt;
            form.DaylightSaving = true;
        }
        const auto fromOther = tirovane::ApplyReadingFile(bytes, other);
        for (int i = 0; i < 2; ++i) {
            const auto& a = forms[i];
            const auto& b = fromOther[i];
            if (a.MonthIndex != b.MonthIndex || a.DayIndex != b.DayIndex ||
                a.YearIndex != b.YearIndex || a.HourIndex != b.HourIndex ||
                a.MinuteIndex != b.MinuteIndex || a.ZoneRow != b.ZoneRow || a.East != b.East ||
                a.South != b.South || a.DaylightSaving != b.DaylightSaving) {
                __builtin_trap();
            }
        }
    }
    return 0;
}
