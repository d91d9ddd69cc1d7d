// The UI tests run the real windows offscreen, one QApplication for all.

#include "output/text_fonts.h"
#include "ui/widgets.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("TirovaneTests"));
    QApplication::setApplicationName(QStringLiteral("TirovaneTests"));
    // The program's own faces, as its start sets them: the machine's default
    // sans-serif face (whatever fontconfig picks) would lay the windows out
    // with other line heights.
    tirovane::QuietFontFallback();
    QApplication::setFont(tirovane::WindowFont());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
