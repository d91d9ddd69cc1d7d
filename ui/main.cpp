// Tirovane: the Manglik compatibility of two people.

#include "output/qt_words.h"
#include "output/text_fonts.h"
#include "platform/qt_platform.h"
#include "system/web_links.h"
#include "ui/application.h"
#include "ui/widgets.h"

#include <QApplication>
#include <QIcon>
#include <QLocale>
#include <QPixmap>
#include <QSocketNotifier>
#include <QTimer>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

#ifndef TIROVANE_SEARCH_ADDRESS
#define TIROVANE_SEARCH_ADDRESS "https://duckduckgo.com/?q="
#endif

namespace {

// SIGTERM (a session ending, a service manager) ends the program the way
// closing its windows does, at any moment: also while a message box or a
// dialog runs its own event loop, and before the main event loop started
// (the update question comes first). The handler only notes the request
// and writes to a pipe; whichever event loop runs reads it.
int TerminationPipe[2] = {-1, -1};
volatile std::sig_atomic_t TerminationRequested = 0;

void OnTermination(int) {
    TerminationRequested = 1;
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(TerminationPipe[1], &byte, 1);
}

// The code after "--language" (or in "--language=CODE"); empty when the
// command line names none.
QString RequestedLanguage(int argc, char** argv) {
    for (int k = 1; k < argc; ++k) {
        if (std::strcmp(argv[k], "--language") == 0 && k + 1 < argc) {
            return QString::fromLocal8Bit(argv[k + 1]);
        }
        if (std::strncmp(argv[k], "--language=", 11) == 0) {
            return QString::fromLocal8Bit(argv[k] + 11);
        }
    }
    return {};
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Tirovane"));
    QApplication::setApplicationName(QStringLiteral("Tirovane"));
    QApplication::setApplicationVersion(QStringLiteral("1.15"));
    tirovane::QuietFontFallback();
    // A bitmap icon (the SVG engine is only loaded when the toolbar needs
    // it), read as PNG outright and set once the event loop runs: reading
    // an image first looks through the image plugins, which the first
    // window does not need in order to show.
    QTimer::singleShot(0, &application, [] {
        QApplication::setWindowIcon(
            QIcon(QPixmap(QStringLiteral(":/icons/tirovane-48.png"), "PNG")));
    });

    tirovane::QtPlatform platform(TIROVANE_SEARCH_ADDRESS);
    // The language: asked for on the command line (for this run only), else
    // the one chosen last, else the system's.
    QString unknown;
    const QString language = tirovane::StartLanguage(
        RequestedLanguage(argc, argv), QString::fromStdString(platform.LanguageChosen()),
        QLocale::system().name(), &unknown);
    if (!unknown.isEmpty()) {
        std::fprintf(stderr, "tirovane: no translation for the language \"%s\"; English is used.\n",
                     unknown.toLocal8Bit().constData());
    }
    tirovane::InstallLanguage(language);
    // Western digits in every widget whatever the system's locale (Bengali
    // and Marathi locales would show their own digits in spin boxes and
    // progress bars), as every text of the program writes them.
    QLocale::setDefault(QLocale::c());
    QApplication::setFont(tirovane::WindowFont());
    tirovane::TirovaneApp app(platform, tirovane::WebAddresses::BuiltIn(platform.ProgramFolder()));
    if (::pipe2(TerminationPipe, O_CLOEXEC | O_NONBLOCK) == 0) {
        auto* notifier = new QSocketNotifier(TerminationPipe[0], QSocketNotifier::Read, &app);
        QObject::connect(notifier, &QSocketNotifier::activated, &app, [&app, &platform] {
            char bytes[16];
            while (::read(TerminationPipe[0], bytes, sizeof bytes) > 0) {
            }
            // No further box or dialog is shown; the windows close and
            // every running event loop, modal ones included, ends.
            platform.EndSession();
            app.ExitProgram();
            QCoreApplication::exit(0);
        });
        struct sigaction action {};
        action.sa_handler = OnTermination;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        ::sigaction(SIGTERM, &action, nullptr);
    }
    app.Start();
    // A request that came during the start (the update question) ends the
    // program here: the main event loop would start afresh and forget it.
    if (TerminationRequested != 0) {
        platform.EndSession();
        app.ExitProgram();
        return 0;
    }
    return QApplication::exec();
}
