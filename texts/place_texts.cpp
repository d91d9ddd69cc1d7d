#include "texts/place_texts.h"

#include "reading/reference_tables.h"
#include "texts/names.h"
#include "texts/result_texts.h"

#include <cstdlib>

namespace tirovane::texts {

namespace {

constexpr const char* Context = "Places";

std::string T(const Words& words, const char* source) {
    return words.Translate(Context, source);
}

// "1 May 1943".
std::string DateText(const PlaceTime& time, const Words& words) {
    return Fill(
        T(words, QT_TRANSLATE_NOOP("Places", "%1 %2 %3")),
        {std::to_string(time.Day), MonthName(time.Month, words), std::to_string(time.Year)});
}

// "5:07".
std::string ClockText(int hour, int minute) {
    return std::to_string(hour) + ":" + (minute < 10 ? "0" : "") + std::to_string(minute);
}

// "less than a minute", "1 minute", "4 minutes".
std::string MinutesText(int seconds, const Words& words) {
    const int minutes = (std::abs(seconds) + 30) / 60;
    if (minutes == 0) {
        return T(words, QT_TRANSLATE_NOOP("Places", "less than a minute"));
    }
    if (minutes == 1) {
        return T(words, QT_TRANSLATE_NOOP("Places", "1 minute"));
    }
    return Fill(T(words, QT_TRANSLATE_NOOP("Places", "%1 minutes")), {std::to_string(minutes)});
}

} // namespace

std::string PlaceTimeSummary(const PlaceTime& time, const Words& words) {
    const char* pattern = nullptr;
    switch (time.Clock) {
    case ClockKind::Standard:
        pattern = QT_TRANSLATE_NOOP("Places", "%1, %2 on %3: standard time");
        break;
    case ClockKind::DaylightSaving:
        pattern = QT_TRANSLATE_NOOP("Places", "%1, %2 on %3: daylight saving time");
        break;
    case ClockKind::WarTime:
        pattern = QT_TRANSLATE_NOOP("Places", "%1, %2 on %3: war time");
        break;
    case ClockKind::LocalMean:
        pattern = QT_TRANSLATE_NOOP("Places", "%1, %2 on %3: local mean time");
        break;
    }
    return Fill(T(words, pattern),
                {time.TimeZone, FormatUtcOffset(time.UtcOffsetSeconds), DateText(time, words)});
}

std::string PlaceTimeNote(const PlaceTime& time, const Words& words) {
    std::string note;
    const auto add = [&note](const std::string& sentence) {
        note += (note.empty() ? "" : " ") + sentence;
    };
    const std::string when = DateText(time, words);
    const std::string clock = ClockText(time.Hour, time.Minute);
    if (time.Kind == atlas::LocalTimeKind::Skipped) {
        add(Fill(T(words, QT_TRANSLATE_NOOP("Places",
                                            "%1 on %2 did not exist in %3: the clocks went forward "
                                            "from %4 to %5; it is taken as %4.")),
                 {clock, when, time.TimeZone, FormatUtcOffset(time.TakenOffsetSeconds),
                  FormatUtcOffset(time.OtherOffsetSeconds)}));
    } else if (time.Kind == atlas::LocalTimeKind::Repeated) {
        add(Fill(T(words, QT_TRANSLATE_NOOP("Places", "%1 on %2 came twice in %3 (%4, then %5); "
                                                      "the first is taken.")),
                 {clock, when, time.TimeZone, FormatUtcOffset(time.TakenOffsetSeconds),
                  FormatUtcOffset(time.OtherOffsetSeconds)}));
    }
    if (time.Choice.ErrorSeconds != 0) {
        const char* pattern =
            time.Choice.ErrorSeconds > 0
                ? QT_TRANSLATE_NOOP("Places", "No zone in the list has %1: with \"%2\" the birth "
                                              "instant is %3 late.")
                : QT_TRANSLATE_NOOP("Places", "No zone in the list has %1: with \"%2\" the birth "
                                              "instant is %3 early.");
        add(Fill(T(words, pattern),
                 {FormatUtcOffset(time.UtcOffsetSeconds), ZoneLabel(time.Choice.Row, words),
                  MinutesText(time.Choice.ErrorSeconds, words)}));
    }
    return note;
}

} // namespace tirovane::texts
