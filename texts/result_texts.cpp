#include "texts/result_texts.h"

namespace tirovane::texts {

namespace {

constexpr const char* Context = "Result";

const std::array<const char*, 12> Months = {
    QT_TRANSLATE_NOOP("Months", "January"),   QT_TRANSLATE_NOOP("Months", "February"),
    QT_TRANSLATE_NOOP("Months", "March"),     QT_TRANSLATE_NOOP("Months", "April"),
    QT_TRANSLATE_NOOP("Months", "May"),       QT_TRANSLATE_NOOP("Months", "June"),
    QT_TRANSLATE_NOOP("Months", "July"),      QT_TRANSLATE_NOOP("Months", "August"),
    QT_TRANSLATE_NOOP("Months", "September"), QT_TRANSLATE_NOOP("Months", "October"),
    QT_TRANSLATE_NOOP("Months", "November"),  QT_TRANSLATE_NOOP("Months", "December")};

// The lines of a block, each translated and ended by CR LF.
std::string Lines(const Words& words, std::initializer_list<const char*> lines) {
    std::string text;
    for (const char* line : lines) {
        text += words.Translate(Context, line);
        text += "\r\n";
    }
    return text;
}

} // namespace

std::string MonthName(int month, const Words& words) {
    return month >= 1 && month <= 12
               ? words.Translate("Months", Months[static_cast<std::size_t>(month - 1)])
               : std::string();
}

std::string Caption(const char* source, const Words& words) {
    return words.Translate(Context, source);
}

PersonalDetailTexts PersonalDetails(const BirthDetails& d, const Words& words) {
    const auto n = [](int value) { return std::to_string(value); };
    const auto t = [&words](const char* source) { return words.Translate(Context, source); };
    return {
        Fill(t(QT_TRANSLATE_NOOP("Result", "Name: %1")), {d.Name}),
        Fill(t(QT_TRANSLATE_NOOP("Result", "Date of Birth: %1 %2, %3")),
             {MonthName(d.Month, words), n(d.Day), n(d.Year)}),
        Fill(t(QT_TRANSLATE_NOOP("Result", "Time of Birth: %1 HH %2 MM ")),
             {n(d.Hour), n(d.Minute)}),
        Fill(t(QT_TRANSLATE_NOOP("Result", "Latitude: %1 Degree %2 Minute")),
             {n(d.LatitudeDegrees), n(d.LatitudeMinutes)}),
        Fill(t(QT_TRANSLATE_NOOP("Result", "Longitude: %1 Degree %2 Minute")),
             {n(d.LongitudeDegrees), n(d.LongitudeMinutes)}),
        Fill(t(QT_TRANSLATE_NOOP("Result", "City: %1")), {d.City}),
        Fill(t(QT_TRANSLATE_NOOP("Result", "State: %1")), {d.State}),
        Fill(t(QT_TRANSLATE_NOOP("Result", "Country: %1")), {d.Country}),
    };
}

std::string EngineNotice(const PersonChart& chart, const Words& words) {
    if (chart.Engine != ChartEngineChoice::Precise) {
        return {};
    }
    return words.Translate(
        Context,
        chart.AnalyticFallback
            ? QT_TRANSLATE_NOOP("Result", "Positions from the Swiss Ephemeris (Lahiri ayanamsa). "
                                          "The Swiss Ephemeris files were not found, so its less "
                                          "precise analytic theory was used.")
            : QT_TRANSLATE_NOOP("Result", "Positions from the Swiss Ephemeris (Lahiri ayanamsa)."));
}

std::vector<TextBlock> EffectsAndRemedies(const Words& words) {
    const auto t = [&words](const char* source) { return words.Translate(Context, source); };
    return {
        {true, t(QT_TRANSLATE_NOOP("Result", "Remedies for Manglik")) + "\r\n\r\n" +
                   t(QT_TRANSLATE_NOOP("Result", "Here are some ways to avoid or escape the "
                                                 "ill-effects of being a manglik.")) +
                   "\r\n\r\n"},
        {false,
         Lines(words,
               {QT_TRANSLATE_NOOP("Result", "1) Chant Hanuman Chalisa regularly. "),
                QT_TRANSLATE_NOOP("Result", "3) Refrain from eating on Tuesdays."),
                QT_TRANSLATE_NOOP("Result", "4) Chant the Gayatri Mantra for 108 times everyday."),
                QT_TRANSLATE_NOOP("Result", "5) Recite Sunderkand from Tulsi Ramcharitmanas for "
                                            "40 days. Start from a Tuesday."),
                QT_TRANSLATE_NOOP("Result", "6) Donate red-colored cloth to those who work in "
                                            "mines or donate it to ironsmiths."),
                QT_TRANSLATE_NOOP("Result", "7) Perform Hanuman Sadhna at home by a learned Vedic "
                                            "Astrologer."),
                QT_TRANSLATE_NOOP("Result", "8) Give out sindoor, sweets and a lighted ghee lamp "
                                            "to people around temples.")}) +
             "\r\n\r\n"},
        {true, t(QT_TRANSLATE_NOOP("Result", "Effects of being A Manglik")) + "\r\n\r\n"},
        {false,
         t(QT_TRANSLATE_NOOP(
             "Result",
             "Manglik dosh or Mangal Dosha is probably one of the most talked about topic in "
             "Vedic Astrology in recent times. It is imperative to test whether you are a manglik "
             "before marriage through matching you and your fiancé’s horoscopes. One becomes a "
             "manglik when the planet Mars sits on any of the following houses: 1st, 4th, 7th, "
             "8th and 12th. The effects of being a manglik can be long-term and deadly. Of "
             "course, there are other things that play a great part in augmenting or reducing "
             "the influence of mangal, but they are not present in everyone’s horoscope so be "
             "prepared for the ill-effects of mangal dosha:")) +
             "\r\n\r\n"},
        {false,
         Lines(words, {QT_TRANSLATE_NOOP("Result", "1) Extreme delay in marriage procedures."),
                       QT_TRANSLATE_NOOP("Result", "2) Troubled married life"),
                       QT_TRANSLATE_NOOP("Result", "3) Incompatibility between partners."),
                       QT_TRANSLATE_NOOP("Result", "4) Divorce."),
                       QT_TRANSLATE_NOOP("Result", "5) Death of the spouse."),
                       QT_TRANSLATE_NOOP("Result", "6) Complications in Childbirth.")}) +
             "\r\n\r\n"},
        {true, t(QT_TRANSLATE_NOOP("Result", "Other than the marriage related problems, there "
                                             "could be problems arising in various areas of your "
                                             "life such as")) +
                   "\r\n\r\n"},
        {false, Lines(words, {QT_TRANSLATE_NOOP(
                                  "Result", "1) Problems in the professional life such as a late "
                                            "start of the career"),
                              QT_TRANSLATE_NOOP("Result", "2) Irregularity in education"),
                              QT_TRANSLATE_NOOP("Result", "3) Financial crisis"),
                              QT_TRANSLATE_NOOP("Result", "4) Anxiety and stress"),
                              QT_TRANSLATE_NOOP("Result", "5) Sexual dissatisfaction"),
                              QT_TRANSLATE_NOOP("Result", "6) Persisting clash with the family")})},
    };
}

} // namespace tirovane::texts
