// Tirovane: the Manglik compatibility of two people.

#include "platform/qt_platform.h"
#include "system/web_links.h"
#include "ui/application.h"
#include "ui/widgets.h"

#include <QApplication>

#ifndef TIROVANE_SEARCH_ADDRESS
#define TIROVANE_SEARCH_ADDRESS "https://duckduckgo.com/?q="
#endif

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Tirovane"));
    QApplication::setApplicationName(QStringLiteral("Tirovane"));
    QApplication::setApplicationVersion(QStringLiteral("1.15"));
    QApplication::setFont(tirovane::WindowFont());
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/tirovane.svg")));

    tirovane::QtPlatform platform(TIROVANE_SEARCH_ADDRESS);
    tirovane::TirovaneApp app(platform, tirovane::WebAddresses::BuiltIn(platform.ProgramFolder()));
    app.Start();
    return QApplication::exec();
}
