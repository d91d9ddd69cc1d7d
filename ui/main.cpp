// Tirovane: the Manglik compatibility of two people.

#include "platform/qt_platform.h"
#include "system/web_links.h"
#include "ui/application.h"
#include "ui/widgets.h"

#include <QApplication>
#include <QSocketNotifier>
#include <csignal>
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

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Tirovane"));
    QApplication::setApplicationName(QStringLiteral("Tirovane"));
    QApplication::setApplicationVersion(QStringLiteral("1.15"));
    QApplication::setFont(tirovane::WindowFont());
    // A bitmap icon: the SVG engine is only loaded when the toolbar needs it.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/tirovane-48.png")));

    tirovane::QtPlatform platform(TIROVANE_SEARCH_ADDRESS);
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
