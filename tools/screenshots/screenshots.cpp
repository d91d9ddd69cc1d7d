// Opens the program's windows on a sample reading and saves pictures of
// them, for the README and for checking the layout by eye:
//
//   screenshots OUTPUT_FOLDER [LANGUAGE]
//
// (LANGUAGE a shipped language's code: the windows in that language, the
// names and places in its script)
// writes input.png, result.png, partner.png and match.png, then
// result-north.png and partner-north.png with the North Indian charts,
// partner-navamsa-north.png and result-navamsa.png with the Navamsa charts,
// dasha.png, then people.png and ranking.png. Run it on a real
// display (or Xvfb) to see the platform's own window decorations.

#include "output/qt_words.h"
#include "output/text_fonts.h"
#include "platform/scripted_platform.h"
#include "ui/application.h"
#include "ui/frame_window.h"
#include "ui/input_form.h"
#include "ui/result_form.h"
#include "ui/widgets.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QScreen>
#include <QTabBar>
#include <QTemporaryDir>
#include <QThread>

using namespace tirovane;

namespace {

void Fill(InputForm& form, int i, const char* name, int day, int month, int year, int hour,
          int minute, int zone, const char* lat, const char* latMin, const char* lon,
          const char* lonMin, bool east, const char* city, const char* state, const char* country) {
    const auto text = [&](const char* field, const char* value) {
        form.findChild<QLineEdit*>(QStringLiteral("%1_%2").arg(QLatin1String(field)).arg(i))
            ->setText(QString::fromUtf8(value));
    };
    const auto list = [&](const char* field, int index) {
        form.findChild<QComboBox*>(QStringLiteral("%1_%2").arg(QLatin1String(field)).arg(i))
            ->setCurrentIndex(index);
    };
    text("txtName", name);
    list("cboDate", day - 1);
    list("cboMonth", month - 1);
    list("cboYear", year - 1901);
    list("cboHour", hour);
    list("cboMinute", minute);
    list("cboTimeZone", zone);
    text("txtLatDeg", lat);
    text("txtLatMin", latMin);
    text("txtLonDeg", lon);
    text("txtLonMin", lonMin);
    text("txtCity", city);
    text("txtState", state);
    text("txtCountry", country);
    form.findChild<QRadioButton*>(QStringLiteral("optLong_%1").arg(2 * i + (east ? 0 : 1)))
        ->setChecked(true);
}

void Settle() {
    for (int n = 0; n < 20; ++n) {
        QApplication::processEvents();
        QThread::msleep(25);
    }
}

void Save(const QString& folder, const char* name) {
    Settle();
    QScreen* screen = QGuiApplication::primaryScreen();
    screen->grabWindow(0).save(folder + u'/' + QLatin1String(name));
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QuietFontFallback();
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    const bool hindi = argc > 2 && QString::fromLocal8Bit(argv[2]) == QLatin1String("hi");
    if (argc > 2) {
        InstallLanguage(QString::fromLocal8Bit(argv[2]));
    }
    QApplication::setFont(WindowFont());

    ScriptedPlatform platform;
    platform.Folder = QCoreApplication::applicationDirPath().toStdString();
    platform.Files = std::set<std::string>{platform.Folder + "/" + ConverterFileName};
    platform.Reminder = platform.Clock.Date;
    // A people library of the pictures' own, thrown away afterwards.
    QTemporaryDir data;
    platform.Data = data.path().toStdString();
    TirovaneApp app(platform, WebAddresses::BuiltIn(platform.Folder));
    app.Start();
    InputForm& input = app.Input();
    input.move(40, 30);
    if (hindi) {
        Fill(input, 0, "\u0906\u0936\u093E \u0936\u0930\u094D\u092E\u093E", 15, 8, 1985, 6, 30, 34,
             "28", "36", "77", "12", true, "\u0928\u0908 \u0926\u093F\u0932\u094D\u0932\u0940",
             "\u0926\u093F\u0932\u094D\u0932\u0940", "\u092D\u093E\u0930\u0924");
    } else {
        Fill(input, 0, "Asha", 15, 8, 1985, 6, 30, 34, "28", "36", "77", "12", true, "New Delhi",
             "Delhi", "India");
    }
    // She says she is female; her partner's sex is left unsaid.
    input.findChild<QComboBox*>(QStringLiteral("cboSex_0"))->setCurrentIndex(2);
    Save(folder, "input.png");
    input.findChild<QAbstractButton*>(QStringLiteral("cmdNext"))->click();
    if (hindi) {
        Fill(input, 1, "\u0930\u0935\u093F \u0915\u0941\u092E\u093E\u0930", 3, 2, 1983, 22, 10, 34,
             "19", "4", "72", "52", true, "\u092E\u0941\u0902\u092C\u0908",
             "\u092E\u0939\u093E\u0930\u093E\u0937\u094D\u091F\u094D\u0930",
             "\u092D\u093E\u0930\u0924");
    } else {
        Fill(input, 1, "Ravi", 3, 2, 1983, 22, 10, 34, "19", "4", "72", "52", true, "Mumbai",
             "Maharashtra", "India");
    }
    input.findChild<QAbstractButton*>(QStringLiteral("cmdCalculate"))->click();
    Save(folder, "result.png");
    auto* tabs = app.Result().findChild<QTabBar*>(QStringLiteral("TS"));
    tabs->setCurrentIndex(1);
    Save(folder, "partner.png");
    tabs->setCurrentIndex(2);
    Save(folder, "match.png");
    // The same reading with the charts in the North Indian style.
    app.SetChartStyle(ChartStyle::North);
    tabs->setCurrentIndex(0);
    Save(folder, "result-north.png");
    tabs->setCurrentIndex(1);
    Save(folder, "partner-north.png");
    // The Navamsa charts in both styles, then the Dasha tab.
    app.SetNavamsaShown(true);
    Save(folder, "partner-navamsa-north.png");
    app.SetChartStyle(ChartStyle::South);
    tabs->setCurrentIndex(0);
    Save(folder, "result-navamsa.png");
    tabs->setCurrentIndex(3);
    Save(folder, "dasha.png");
    // The people window with both people added from the form, and the
    // ranking of the first against the other.
    app.ShowPeople();
    QWidget* people = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QLatin1String("frmPeople")) {
            people = window;
        }
    }
    people->move(60, 40);
    people->findChild<QAbstractButton*>(QStringLiteral("cmdAddFirst"))->click();
    people->findChild<QAbstractButton*>(QStringLiteral("cmdAddPartner"))->click();
    Save(folder, "people.png");
    people->findChild<QAbstractButton*>(QStringLiteral("cmdMatchAll"))->click();
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QLatin1String("frmRanking")) {
            window->move(100, 80);
        }
    }
    Save(folder, "ranking.png");
    return platform.Messages.empty() ? 0 : 1;
}
