// Tirovane: the Manglik compatibility of two people.

#include "platform/qt_platform.h"
#include "system/web_links.h"
#include "ui/application.h"
#include "ui/widgets.h"

#include <QApplication>
#include <QSocketNotifier>
#include <csignal>
#include <unistd.h>

#ifndef TIROVANE_SEARCH_ADDRESS
#define TIROVANE_SEARCH_ADDRESS "https://duckduckgo.com/?q="
#endif

namespace {

// SIGTERM (a session ending, a service manager) ends the program the way
// closing its windows does. The handler only writes to a pipe; the event
// loop reads it and exits.
int TerminationPipe[2] = {-1, -1};

void OnTermination(int) {
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
    if (::pipe(TerminationPipe) == 0) {
        auto* notifier = new QSocketNotifier(TerminationPipe[0], QSocketNotifier::Read, &app);
        QObject::connect(notifier, &QSocketNotifier::activated, &app,
                         [&app] { app.ExitProgram(); });
        std::signal(SIGTERM, OnTermination);
    }
    app.Start();
    return QApplication::exec();
}
