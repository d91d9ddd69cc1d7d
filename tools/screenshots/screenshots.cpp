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
#include <algorithm>

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

// The pair as a reader of each language writes it: name, city, state and
// country of the first person born in New Delhi, then of the partner born
// in Mumbai.
struct PairInScript {
    const char* Code;
    const char* Name1;
    const char* City1;
    const char* State1;
    const char* Country;
    const char* Name2;
    const char* City2;
    const char* State2;
};

const PairInScript Pairs[] = {
    {"en", "Asha", "New Delhi", "Delhi", "India", "Ravi", "Mumbai", "Maharashtra"},
    {"hi", "\u0906\u0936\u093E \u0936\u0930\u094D\u092E\u093E",
     "\u0928\u0908 \u0926\u093F\u0932\u094D\u0932\u0940", "\u0926\u093F\u0932\u094D\u0932\u0940",
     "\u092D\u093E\u0930\u0924", "\u0930\u0935\u093F \u0915\u0941\u092E\u093E\u0930",
     "\u092E\u0941\u0902\u092C\u0908",
     "\u092E\u0939\u093E\u0930\u093E\u0937\u094D\u091F\u094D\u0930"},
    {"mr", "\u0906\u0936\u093E \u0936\u0930\u094D\u092E\u093E",
     "\u0928\u0935\u0940 \u0926\u093F\u0932\u094D\u0932\u0940",
     "\u0926\u093F\u0932\u094D\u0932\u0940", "\u092D\u093E\u0930\u0924",
     "\u0930\u0935\u0940 \u0915\u0941\u092E\u093E\u0930", "\u092E\u0941\u0902\u092C\u0908",
     "\u092E\u0939\u093E\u0930\u093E\u0937\u094D\u091F\u094D\u0930"},
    {"bn", "\u0986\u09B6\u09BE", "\u09A8\u09A4\u09C1\u09A8 \u09A6\u09BF\u09B2\u09CD\u09B2\u09BF",
     "\u09A6\u09BF\u09B2\u09CD\u09B2\u09BF", "\u09AD\u09BE\u09B0\u09A4",
     "\u09B0\u09AC\u09BF \u0995\u09C1\u09AE\u09BE\u09B0",
     "\u09AE\u09C1\u09AE\u09CD\u09AC\u09BE\u0987",
     "\u09AE\u09B9\u09BE\u09B0\u09BE\u09B7\u09CD\u099F\u09CD\u09B0"},
    {"ta", "\u0B86\u0BB7\u0BBE", "\u0BAA\u0BC1\u0BA4\u0BC1 \u0BA4\u0BBF\u0BB2\u0BCD\u0BB2\u0BBF",
     "\u0BA4\u0BBF\u0BB2\u0BCD\u0BB2\u0BBF", "\u0B87\u0BA8\u0BCD\u0BA4\u0BBF\u0BAF\u0BBE",
     "\u0BB0\u0BB5\u0BBF \u0B95\u0BC1\u0BAE\u0BBE\u0BB0\u0BCD",
     "\u0BAE\u0BC1\u0BAE\u0BCD\u0BAA\u0BC8",
     "\u0BAE\u0B95\u0BBE\u0BB0\u0BBE\u0BB7\u0BCD\u0B9F\u0BBF\u0BB0\u0BBE"},
    {"te", "\u0C06\u0C36\u0C3E", "\u0C28\u0C4D\u0C2F\u0C42 \u0C22\u0C3F\u0C32\u0C4D\u0C32\u0C40",
     "\u0C22\u0C3F\u0C32\u0C4D\u0C32\u0C40", "\u0C2D\u0C3E\u0C30\u0C24\u0C26\u0C47\u0C36\u0C02",
     "\u0C30\u0C35\u0C3F \u0C15\u0C41\u0C2E\u0C3E\u0C30\u0C4D", "\u0C2E\u0C41\u0C02\u0C2C\u0C48",
     "\u0C2E\u0C39\u0C3E\u0C30\u0C3E\u0C37\u0C4D\u0C1F\u0C4D\u0C30"},
    {"kn", "\u0C86\u0CB6\u0CBE", "\u0CA8\u0CB5\u0CA6\u0CC6\u0CB9\u0CB2\u0CBF",
     "\u0CA6\u0CC6\u0CB9\u0CB2\u0CBF", "\u0CAD\u0CBE\u0CB0\u0CA4",
     "\u0CB0\u0CB5\u0CBF \u0C95\u0CC1\u0CAE\u0CBE\u0CB0\u0CCD", "\u0CAE\u0CC1\u0C82\u0CAC\u0CC8",
     "\u0CAE\u0CB9\u0CBE\u0CB0\u0CBE\u0CB7\u0CCD\u0C9F\u0CCD\u0CB0"},
    {"ml", "\u0D06\u0D36", "\u0D28\u0D4D\u0D2F\u0D42\u0D21\u0D7D\u0D39\u0D3F",
     "\u0D21\u0D7D\u0D39\u0D3F", "\u0D07\u0D28\u0D4D\u0D24\u0D4D\u0D2F",
     "\u0D30\u0D35\u0D3F \u0D15\u0D41\u0D2E\u0D3E\u0D7C", "\u0D2E\u0D41\u0D02\u0D2C\u0D48",
     "\u0D2E\u0D39\u0D3E\u0D30\u0D3E\u0D37\u0D4D\u0D1F\u0D4D\u0D30"},
};

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QuietFontFallback();
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    const QString code = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("en");
    InstallLanguage(code);
    const PairInScript* pair = &Pairs[0];
    for (const PairInScript& p : Pairs) {
        if (code == QLatin1String(p.Code)) {
            pair = &p;
        }
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
    Fill(input, 0, pair->Name1, 15, 8, 1985, 6, 30, 34, "28", "36", "77", "12", true, pair->City1,
         pair->State1, pair->Country);
    // She says she is female; her partner's sex is left unsaid.
    input.findChild<QComboBox*>(QStringLiteral("cboSex_0"))->setCurrentIndex(2);
    Save(folder, "input.png");
    input.findChild<QAbstractButton*>(QStringLiteral("cmdNext"))->click();
    Fill(input, 1, pair->Name2, 3, 2, 1983, 22, 10, 34, "19", "4", "72", "52", true, pair->City2,
         pair->State2, pair->Country);
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
            // Where a window manager would put it: on the screen, even when
            // its columns make it wide.
            const int screenWidth = QGuiApplication::primaryScreen()->geometry().width();
            window->move(std::max(0, std::min(100, screenWidth - window->frameGeometry().width())),
                         80);
        }
    }
    Save(folder, "ranking.png");
    return platform.Messages.empty() ? 0 : 1;
}
