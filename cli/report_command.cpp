#include "cli/report_command.h"

#include "files/file_io.h"
#include "cli/reading_command.h"
#include "output/qt_words.h"
#include "output/report_model.h"
#include "output/report_pdf.h"

#include <QGuiApplication>
#include <cstdio>
#include <ctime>
#include <memory>

namespace tirovane::cli {

namespace {

// The local date and time of the system clock.
LocalTime SystemNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    LocalTime time;
    time.Date = std::chrono::year_month_day{std::chrono::year(local.tm_year + 1900),
                                            std::chrono::month(unsigned(local.tm_mon + 1)),
                                            std::chrono::day(unsigned(local.tm_mday))};
    time.Hour = local.tm_hour;
    time.Minute = local.tm_min;
    time.Second = local.tm_sec;
    return time;
}

// Laying out text needs Qt's font machinery, which lives in a GUI
// application; the tool never shows a window, so it runs without a display.
// Qt's own notes (a missing runtime folder, a font substituted) are not
// the tool's to tell: its standard error carries only its own messages.
void QuietQtNotes(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::fprintf(stderr, "tirovane-cli: %s\n", qPrintable(message));
    }
}

std::unique_ptr<QGuiApplication> StartFonts() {
    if (QCoreApplication::instance() != nullptr) {
        return nullptr;
    }
    qInstallMessageHandler(QuietQtNotes);
    static int argc = 3;
    static char name[] = "tirovane-cli";
    static char option[] = "-platform";
    static char platform[] = "offscreen";
    static char* argv[] = {name, option, platform, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

int Fail(std::ostream& err, const Json& error) {
    std::string message = error.value("error", std::string("the report could not be made"));
    if (error.contains("person")) {
        message = (error["person"] == 0 ? "the first person: " : "the partner: ") + message;
    }
    err << "tirovane-cli: " << message << '\n';
    return 1;
}

} // namespace

int RunReport(std::istream& in, std::ostream& err, const std::string& target,
              const std::optional<std::string>& reading, const EngineOptions& options,
              ChartStyle style, const std::string& language) {
    const PeopleOrError people = PeopleFrom(reading, in);
    if (const auto* error = std::get_if<Json>(&people)) {
        return Fail(err, *error);
    }
    const ComputedReading computed = ComputeReading(std::get<0>(people), options);
    if (const auto failed = PreciseFailure(computed, options)) {
        return Fail(err, *failed);
    }
    const auto application = StartFonts();
    // The report speaks the language asked for; the tool's messages stay
    // English.
    InstallLanguage(QString::fromStdString(language));
    const auto bytes =
        ReportPdfBytes(BuildReport(computed.State, style, SystemNow(), CurrentWords()));
    if (!bytes) {
        return Fail(err, ErrorJson("The report could not be made."));
    }
    if (const auto failure = WriteFileAtomically(target, *bytes)) {
        return Fail(err,
                    ErrorJson("The file " + target + " could not be written: " + *failure + "."));
    }
    return 0;
}

} // namespace tirovane::cli
