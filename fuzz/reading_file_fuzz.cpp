// Fuzz target: the saved-reading reader on any bytes, then what the program
// does with the form it fills: the checks, and the chart when they pass.

#include "app/calculation.h"
#include "app/person_form.h"
#include "app/saved_reading.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto forms = tirovane::ApplyReadingFile(bytes, {});
    std::array<tirovane::BirthDetails, 2> people;
    for (int i = 0; i < 2; ++i) {
        people[i] = tirovane::DetailsOf(forms[i]);
        if (!tirovane::ValidateInput(tirovane::FieldsOf(forms[i]))) {
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
    return 0;
}
