#pragma once

#include <chrono>
#include <functional>
#include <optional>
#include <string>

class QPrinter;

// Everything the operating system does for the program, behind one
// interface: the program's windows use QtPlatform, the tests a scripted
// platform that records what was asked and answers from a script.

namespace tirovane {

enum class MessageKind { Error, Information };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

struct FileDialogRequest {
    std::string Title;
    // "Description (*.ext)|*.ext" pairs separated by "|".
    std::string Filter;
    std::string DefaultExtension; // without the dot
    std::string InitialName;
    bool OverwritePrompt = false;
};

// A local date and time of day, to the millisecond.
struct LocalTime {
    std::chrono::year_month_day Date;
    int Hour = 0;
    int Minute = 0;
    int Second = 0;
    int Millisecond = 0;
    // How far the local clock runs ahead of universal time.
    int UtcOffsetSeconds = 0;
};

// The Julian Day (universal time) of a local time.
inline double JulianDayUT(const LocalTime& time) {
    const auto days = std::chrono::sys_days(time.Date).time_since_epoch().count();
    const double seconds = time.Hour * 3600.0 + time.Minute * 60.0 + time.Second +
                           time.Millisecond / 1000.0 - time.UtcOffsetSeconds;
    return 2440587.5 + static_cast<double>(days) + seconds / 86400;
}

class Platform {
public:
    virtual ~Platform() = default;

    // A modal message box; "\r" in the text starts a new line.
    virtual MessageAnswer ShowMessage(const std::string& text, const std::string& title,
                                      MessageKind kind, MessageButtons buttons) = 0;

    // The chosen path, or nothing when the user cancelled.
    virtual std::optional<std::string> ChooseSaveFile(const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> ChooseOpenFile(const FileDialogRequest& request) = 0;

    // A preview of the pages `paint` paints on `printer`, from which the
    // user prints them (the preview's print button brings the print dialog)
    // or closes it.
    virtual void PreviewPrint(QPrinter& printer, std::function<void(QPrinter&)> paint) = 0;

    // Opens an address in the default browser.
    virtual void OpenAddress(const std::string& address) = 0;

    // Presents a web search for `phrase` (the birth place's coordinates).
    virtual void SearchWeb(const std::string& phrase, const std::string& siteAddress) = 0;

    // The update reminder's date in the per-user settings.
    virtual std::optional<std::chrono::year_month_day> ReminderDate() = 0;
    // False when the settings could not be written.
    virtual bool SetReminderDate(std::chrono::year_month_day date) = 0;

    // Whether the results come from the precise ephemeris, in the per-user
    // settings; false until the user chose it.
    virtual bool PrecisePositionsChosen() = 0;
    virtual void SetPrecisePositionsChosen(bool chosen) = 0;

    // Whether the charts are drawn in the North Indian style, in the
    // per-user settings; false (the South Indian style) until chosen.
    virtual bool NorthIndianChartChosen() = 0;
    virtual void SetNorthIndianChartChosen(bool chosen) = 0;

    // The code of the language the user chose last ("hi"), in the per-user
    // settings; empty until one was chosen.
    virtual std::string LanguageChosen() = 0;
    virtual void SetLanguageChosen(const std::string& code) = 0;

    // Which matching tables the match page shows ("points", "poruthams" or
    // "both"), in the per-user settings; empty until one was chosen.
    virtual std::string MatchingChosen() = 0;
    virtual void SetMatchingChosen(const std::string& code) = 0;

    virtual LocalTime Now() = 0;

    virtual bool FileExists(const std::string& path) = 0;

    // The folder of the running program, without a trailing separator.
    virtual std::string ProgramFolder() = 0;
    // The folder of the user's data, where the people library lives
    // (~/.local/share/Tirovane).
    virtual std::string DataFolder() = 0;
};

// The title of the program's own message boxes.
inline constexpr const char* MessageTitle = "Tirovane";

} // namespace tirovane
