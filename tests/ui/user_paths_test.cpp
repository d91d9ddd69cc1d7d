// The windows as a user meets them: menu entries opened from the menu bar
// and clicked, toolbar buttons clicked, the keyboard's Tab and Enter, what a
// screen reader is told, and pages on which nothing overlaps or is cut off.

#include "tests/ui/ui_fixture.h"
#include "ui/rashi_chart.h"

#include <QAccessible>
#include <QDialog>
#include <QGroupBox>
#include <QImage>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTabBar>
#include <QTest>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>
#include <filesystem>
#include <set>
#include <unistd.h>

namespace tirovane::test {
namespace {

void ProcessDeferredDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

class UserPathTest : public UiTest {};

// New and Back from the frame's own menu (and New from its toolbar) close
// the window that is handling the click: it must outlive that click.
TEST_F(UserPathTest, NewAndBackFromTheMenuAndToolbarNeverDeleteTheWindowInItsOwnClick) {
    struct Path {
        const char* Name;
        bool Toolbar;
    };
    for (const Path path : {Path{"mnuNew", false}, Path{"mnuBack", false}, Path{"TB_New", true}}) {
        SCOPED_TRACE(path.Name);
        Reading(Person{}, MumbaiPerson());
        QPointer<FrameWindow> frame = app->ExistingFrame();
        ASSERT_NE(frame, nullptr);
        bool destroyedInClick = false;
        bool clicking = true;
        QObject::connect(frame, &QObject::destroyed, [&] { destroyedInClick = clicking; });
        if (path.Toolbar) {
            auto* toolBar = frame->findChild<QToolBar*>(QStringLiteral("TB"));
            QWidget* button = toolBar->widgetForAction(FrameAction(path.Name));
            ASSERT_NE(button, nullptr);
            QTest::mouseClick(button, Qt::LeftButton);
        } else {
            ClickMenuEntry(*frame, FrameAction(path.Name));
        }
        clicking = false;
        EXPECT_FALSE(destroyedInClick);
        EXPECT_EQ(app->ExistingFrame(), nullptr);
        EXPECT_TRUE(Input().isVisible());
        ProcessDeferredDeletes();
        EXPECT_TRUE(frame.isNull()) << "the closed window is deleted by the event loop";
        // The reading goes on: the partner's frame is in front.
        EXPECT_EQ(Input().FrameInFront(), Partner);
        Calculate();
        ASSERT_NE(app->ExistingFrame(), nullptr);
        EXPECT_TRUE(app->ExistingFrame()->isVisible());
    }
}

// After New or the Back menu the result is made afresh: the pair on screen
// must still be the pair the match lines speak of.
TEST_F(UserPathTest, AFreshResultWindowShowsTheFirstPersonAsComputed) {
    Reading(Person{}, MumbaiPerson());
    const char* const labels[] = {
        "lblName_Male",      "Planet_Male_4",       "lblLagna_Male",
        "lblNakshatra_Male", "lblResult_Male_0",    "lblResult_Male_5",
        "lblPlanets_Male_0", "lblInterpretation_0", "lblInterpretation_2"};
    std::map<std::string, std::string> before;
    for (const char* name : labels) {
        before[name] = Label(QString::fromLatin1(name));
        EXPECT_NE(before[name], "-") << name;
    }
    for (const char* entry : {"mnuBack", "mnuNew"}) {
        ClickMenuEntry(Frame(), FrameAction(entry));
        ProcessDeferredDeletes();
        Calculate();
        for (const char* name : labels) {
            EXPECT_EQ(Label(QString::fromLatin1(name)), before[name]) << entry << " " << name;
        }
    }
}

TEST_F(UserPathTest, ThePartnersFrameHasAWayBackToTheFirstPerson) {
    Fill(0, Person{});
    Next();
    ASSERT_EQ(Input().FrameInFront(), Partner);
    auto* back = Form<QPushButton>("cmdPrevious");
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->text(), "&Back");
    QTest::mouseClick(back, Qt::LeftButton);
    EXPECT_EQ(Input().FrameInFront(), FirstPerson);
    EXPECT_EQ(Form<QLineEdit>("txtName_0")->text(), "Example");
    EXPECT_TRUE(platform.Messages.empty());
}

// Every visible menu entry and toolbar button of both windows, picked with
// the mouse: each does its one thing and the program carries on.
TEST_F(UserPathTest, EveryMenuEntryAndToolbarButtonWorksFromTheMouse) {
    struct Case {
        const char* Name;
        std::function<void()> Check;
    };
    const Case frameCases[] = {
        {"mnuSaveAsText", [this] { EXPECT_EQ(platform.SaveRequests.size(), 1u); }},
        {"mnuSaveAsJpeg", [this] { EXPECT_EQ(platform.SaveRequests.size(), 1u); }},
        {"mnuExportReport", [this] { EXPECT_EQ(platform.SaveRequests.size(), 1u); }},
        {"mnuPrint", [this] { EXPECT_EQ(platform.PreviewRequests, 1); }},
        {"mnuToolBar",
         [this] { EXPECT_FALSE(Frame().findChild<QToolBar*>("TB")->isVisibleTo(&Frame())); }},
        {"mnuOnline", [this] { EXPECT_EQ(platform.Addresses, std::vector<std::string>{"help:"}); }},
        {"mnuVisit", [this] { EXPECT_EQ(platform.Addresses, std::vector<std::string>{"home:"}); }},
        {"mnuUpdate",
         [this] { EXPECT_EQ(platform.Addresses, std::vector<std::string>{"download:"}); }},
        {"mnuDonate",
         [this] { EXPECT_EQ(platform.Addresses, std::vector<std::string>{"donate:"}); }},
        {"mnuAbout",
         [this] {
             auto* about = Frame().findChild<QDialog*>("frmAbout");
             ASSERT_NE(about, nullptr);
             EXPECT_TRUE(about->isVisible());
             about->findChild<QAbstractButton*>("cmdOK")->click();
         }},
        {"TB_Save", [this] { EXPECT_EQ(platform.SaveRequests.size(), 1u); }},
        {"TB_Print", [this] { EXPECT_EQ(platform.PreviewRequests, 1); }},
        {"TB_Help", [this] { EXPECT_EQ(platform.Addresses, std::vector<std::string>{"help:"}); }},
    };
    for (const Case& c : frameCases) {
        SCOPED_TRACE(c.Name);
        Reading(Person{}, MumbaiPerson());
        platform.SaveRequests.clear();
        platform.PreviewRequests = 0;
        platform.Addresses.clear();
        QAction* action = FrameAction(c.Name);
        ASSERT_NE(action, nullptr);
        if (QString::fromLatin1(c.Name).startsWith(QLatin1String("TB_"))) {
            QTest::mouseClick(Frame().findChild<QToolBar*>("TB")->widgetForAction(action),
                              Qt::LeftButton);
        } else {
            ClickMenuEntry(Frame(), action);
        }
        ProcessDeferredDeletes();
        c.Check();
        EXPECT_TRUE(platform.Messages.empty());
        // The window still answers: the tabs switch pages.
        ASSERT_NE(app->ExistingFrame(), nullptr);
        Result<QTabBar>("TS")->setCurrentIndex(2);
        EXPECT_EQ(app->Result().PageInFront(), 2);
    }

    // The input form's entries.
    Fill(0, Person{});
    Next();
    const Case inputCases[] = {
        {"mnuOnline", [this] { EXPECT_EQ(platform.Addresses, std::vector<std::string>{"help:"}); }},
        {"mnuDonate",
         [this] { EXPECT_EQ(platform.Addresses, std::vector<std::string>{"donate:"}); }},
    };
    for (const Case& c : inputCases) {
        SCOPED_TRACE(c.Name);
        platform.Addresses.clear();
        ClickMenuEntry(Input(), Input().findChild<QAction*>(QString::fromLatin1(c.Name)));
        c.Check();
    }
}

TEST_F(UserPathTest, GetMyRasiChartFromTheInputMenuComputesThePartner) {
    Fill(0, Person{});
    Next();
    Fill(1, MumbaiPerson());
    ClickMenuEntry(Input(), Input().findChild<QAction*>("mnuCalculate"));
    ASSERT_NE(app->ExistingFrame(), nullptr);
    EXPECT_TRUE(app->ExistingFrame()->isVisible());
    EXPECT_EQ(Label("lblName_Female"), "Name: Second");
}

// View > Chart Style > North Indian, picked with the mouse, draws both
// people's charts as the diamond; every house holds what the South Indian
// cell of its sign held, the first house the ascendant's sign; the choice
// stays for the next result window, the picture and the next start.
TEST_F(UserPathTest, TheChartStyleMenuRedrawsBothChartsAndIsRemembered) {
    Reading(Person{}, MumbaiPerson());
    const auto shows = [this](ChartStyle style) {
        for (int person : {0, 1}) {
            const QString n = QString::number(person);
            // Hidden or not (only the page in front is visible).
            EXPECT_EQ(Result(QStringLiteral("picNorthRasi_") + n)->isHidden(),
                      style != ChartStyle::North);
            EXPECT_EQ(Result(QStringLiteral("picSouthRasi_") + n)->isHidden(),
                      style != ChartStyle::South);
        }
        EXPECT_EQ(FrameAction("mnuNorth")->isChecked(), style == ChartStyle::North);
        EXPECT_EQ(FrameAction("mnuSouth")->isChecked(), style == ChartStyle::South);
    };
    shows(ChartStyle::South);
    ClickMenuEntry(Frame(), FrameAction("mnuNorth"));
    shows(ChartStyle::North);
    EXPECT_TRUE(platform.NorthIndianChart);

    for (const char* person : {"Male", "Female"}) {
        SCOPED_TRACE(person);
        int ascendantCell = -1;
        for (int k = 0; k < 12; ++k) {
            if (Label(QStringLiteral("lblPlanets_%1_%2").arg(person).arg(k)).rfind("Asc", 0) == 0) {
                ascendantCell = k;
            }
        }
        ASSERT_GE(ascendantCell, 0);
        std::set<int> signs;
        for (int h = 0; h < 12; ++h) {
            const int sign =
                std::stoi(Label(QStringLiteral("lblNorthSign_%1_%2").arg(person).arg(h))) - 1;
            signs.insert(sign);
            // Houses follow the zodiac from the ascendant's sign.
            EXPECT_EQ(sign, (ascendantCell + h) % 12) << "house " << h + 1;
            EXPECT_EQ(Label(QStringLiteral("lblNorthHouse_%1_%2").arg(person).arg(h)),
                      Label(QStringLiteral("lblPlanets_%1_%2").arg(person).arg(sign)))
                << "house " << h + 1;
        }
        EXPECT_EQ(signs.size(), 12u);
    }
    for (int page = 0; page < 3; ++page) {
        Result<QTabBar>("TS")->setCurrentIndex(page);
        QCoreApplication::processEvents();
        for (const std::string& fault : LayoutFaults(&app->Result())) {
            ADD_FAILURE() << "page " << page << ": " << fault;
        }
    }

    // The picture shows the window as it is: the diamond's centre.
    const auto dir = std::filesystem::temp_directory_path() /
                     ("tirovane-chart-style-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    platform.Folder = TIROVANE_CONVERTER_DIR;
    platform.Files.reset();
    Result<QTabBar>("TS")->setCurrentIndex(0);
    QCoreApplication::processEvents();
    platform.SavePaths.push_back((dir / "north.jpg").string());
    ClickMenuEntry(Frame(), FrameAction("mnuSaveAsJpeg"));
    const QImage picture(QString::fromStdString((dir / "north.jpg").string()), "JPG");
    std::filesystem::remove_all(dir);
    ASSERT_FALSE(picture.isNull()) << LastMessage();
    QWidget* north = Result(QStringLiteral("picNorthRasi_0"));
    const QPoint centre = north->mapTo(&app->Result(), north->rect().center());
    const QColor seen = picture.pixelColor(centre);
    EXPECT_GT(seen.red(), seen.blue() + 60) << "the lines cross in the middle";

    // A new result window, and the next start, draw the diamond too.
    Click(Frame(), "cmdBack");
    ProcessDeferredDeletes();
    Calculate();
    shows(ChartStyle::North);
    app.reset();
    app = std::make_unique<TirovaneApp>(platform, addresses);
    app->Start();
    Reading(Person{}, MumbaiPerson());
    shows(ChartStyle::North);
    ClickMenuEntry(Frame(), FrameAction("mnuSouth"));
    shows(ChartStyle::South);
    EXPECT_FALSE(platform.NorthIndianChart);
}

TEST_F(UserPathTest, ExitFromTheFrameMenuClosesEverything) {
    Reading(Person{}, MumbaiPerson());
    QPointer<FrameWindow> frame = app->ExistingFrame();
    ClickMenuEntry(*frame, FrameAction("mnuExit"));
    ProcessDeferredDeletes();
    EXPECT_FALSE(Input().isVisible());
    EXPECT_TRUE(frame.isNull() || !frame->isVisible());
}

// The keyboard alone: Tab walks the form from top to bottom and Enter
// presses the focused button.
TEST_F(UserPathTest, TabFollowsTheFormAndEnterPressesTheFocusedButton) {
    Input().show();
    QApplication::setActiveWindow(&Input());
    auto* name = Form<QLineEdit>("txtName_0");
    name->setFocus();
    const char* const expected[] = {"txtName_0",    "cboSex_0",    "cboDate_0",   "cboMonth_0",  "cboYear_0",
                                    "cboHour_0",    "cboMinute_0", "txtCity_0",   "txtState_0",
                                    "txtCountry_0", "txtLatDeg_0", "txtLatMin_0", "optLat_0",
                                    "txtLonDeg_0",  "txtLonMin_0", "optLong_0",   "cboTimeZone_0",
                                    "chkDST_0",     "Command1",    "cmdNext"};
    for (const char* want : expected) {
        QWidget* focused = QApplication::focusWidget();
        ASSERT_NE(focused, nullptr) << want;
        EXPECT_EQ(focused->objectName().toStdString(), want);
        QTest::keyClick(focused, Qt::Key_Tab);
    }

    Fill(0, Person{});
    auto* next = Form<QPushButton>("cmdNext");
    next->setFocus();
    QTest::keyClick(next, Qt::Key_Return);
    EXPECT_EQ(Input().FrameInFront(), Partner);
    EXPECT_EQ(app->State().People.People[0].Name, "Example");
}

// What a screen reader is told: panels by their own captions, values by
// their text with a description of what they are.
TEST_F(UserPathTest, ScreenReadersHearEachPanelAndValueByWhatItIs) {
    Reading(Person{}, MumbaiPerson());
    const auto accessible = [](QWidget* w, QAccessible::Text which) {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
        return face ? face->text(which).toStdString() : std::string("<none>");
    };
    struct Expectation {
        const char* Widget;
        const char* Name; // empty: the label's own text
        const char* Description;
    };
    const Expectation cases[] = {
        {"Frame1_3", "Ascendant (Lagna)", ""},
        {"Frame1_2", "Moon Sign (Rashi)", ""},
        {"Frame1_4", "Ascendant (Lagna)", ""},
        {"Frame1_5", "Moon Sign (Rashi)", ""},
        {"Frame1_0", "Manglik Interpretation", ""},
        {"Frame4", "Effects & Remedies", ""},
        {"lblLagna_Male", "", "Lagna / Asc"},
        {"lblNakshatra_Female", "", "Nakshatra"},
        {"Planet_Male_4", "", "Mangala / Mars"},
        {"lblResult_Male_0", "", "Ascendant (Lagna)"},
        {"lblResult_Female_4", "", "Moon Sign (Rashi)"},
        {"lblInterpretation_2", "", "Lagna Manglik Interpretation"},
        {"lblPlanets_Male_4", "", "Sign 5, Leo"},
        {"lblPlanets_Female_11", "", "Sign 12, Pisces"},
    };
    for (const Expectation& e : cases) {
        QWidget* w = Result(QString::fromLatin1(e.Widget));
        ASSERT_NE(w, nullptr) << e.Widget;
        std::string name = e.Name;
        if (name.empty()) {
            name = qobject_cast<QLabel*>(w)->text().toStdString();
        }
        EXPECT_EQ(accessible(w, QAccessible::Name), name) << e.Widget;
        if (*e.Description) {
            EXPECT_EQ(accessible(w, QAccessible::Description), e.Description) << e.Widget;
        }
    }
    // Every box and list of the input form has a name of its own.
    for (int i = 0; i < 2; ++i) {
        std::set<std::string> names;
        for (const char* field : {"txtName", "cboDate", "cboMonth", "cboYear", "cboHour",
                                  "cboMinute", "txtCity", "txtState", "txtCountry", "txtLatDeg",
                                  "txtLatMin", "txtLonDeg", "txtLonMin", "cboTimeZone"}) {
            QWidget* w = Form(QStringLiteral("%1_%2").arg(QLatin1String(field)).arg(i));
            // A list is announced by its entry; its description names it.
            const bool list = QLatin1String(field).startsWith(QLatin1String("cbo"));
            const std::string name =
                accessible(w, list ? QAccessible::Description : QAccessible::Name);
            EXPECT_FALSE(name.empty()) << field;
            EXPECT_TRUE(names.insert(name).second) << "two boxes called " << name;
        }
    }
}

TEST_F(UserPathTest, EffectsAndRemediesOpensAtItsFirstHeading) {
    Reading(Person{}, MumbaiPerson());
    ResultForm& result = app->Result();
    result.resize(result.width(), 420);
    Click(result, "Command4");
    auto* text = Result<QTextEdit>("RichTextBox2");
    QCoreApplication::processEvents();
    ASSERT_GT(text->verticalScrollBar()->maximum(), 0)
        << "the text is longer than the box";
    EXPECT_EQ(text->verticalScrollBar()->value(), 0);
    // A second press appends a second copy and shows it from its heading.
    const int firstLength = text->document()->characterCount();
    Click(result, "Command4");
    QCoreApplication::processEvents();
    QTextCursor second(text->document());
    second.setPosition(firstLength - 1);
    EXPECT_NEAR(text->cursorRect(second).top(), 0, text->fontMetrics().lineSpacing());
    EXPECT_TRUE(text->toPlainText().startsWith(QStringLiteral("Remedies for Manglik")));
}

TEST_F(UserPathTest, NoPageOverlapsOrCutsOffAnythingForAnyReading) {
    QRandomGenerator random(20261208);
    const char* const months[] = {"January",   "February", "March",    "April",
                                  "May",       "June",     "July",     "August",
                                  "September", "October",  "November", "December"};
    const auto word = [&](int length) {
        std::string w;
        for (int k = 0; k < length; ++k) {
            w += static_cast<char>((k == 0 ? 'A' : 'a') + random.bounded(26));
        }
        return w;
    };
    const auto person = [&](int n) {
        Person p;
        // Short names, several words, and now and then one very long word.
        p.Name = n % 10 == 0 ? word(38)
                             : word(2 + random.bounded(10)) + " " + word(3 + random.bounded(12));
        p.Day = 1 + random.bounded(28);
        p.Month = months[random.bounded(12)];
        p.Year = 1901 + random.bounded(150);
        p.Hour = random.bounded(24);
        p.Minute = random.bounded(60);
        p.ZoneRow = random.bounded(71);
        p.LatDeg = std::to_string(random.bounded(90));
        p.LatMin = std::to_string(random.bounded(60));
        p.South = random.bounded(2) == 1;
        p.LonDeg = std::to_string(random.bounded(180));
        p.LonMin = std::to_string(random.bounded(60));
        p.East = random.bounded(2) == 1;
        p.Dst = random.bounded(2) == 1;
        p.City = word(3 + random.bounded(20));
        p.State = word(3 + random.bounded(20));
        p.Country = word(3 + random.bounded(20));
        return p;
    };
    int checked = 0;
    for (int n = 0; n < 240; ++n) {
        Reading(person(2 * n), person(2 * n + 1));
        ASSERT_TRUE(platform.Messages.empty()) << LastMessage();
        ResultForm& result = app->Result();
        for (int page = 0; page < 3; ++page) {
            Result<QTabBar>("TS")->setCurrentIndex(page);
            QCoreApplication::processEvents(); // lays the page out, as it is shown
            for (const std::string& fault : LayoutFaults(&result)) {
                ADD_FAILURE() << "reading " << n << ", page " << page << ": " << fault;
            }
            ++checked;
        }
        if (n % 40 == 0) {
            // The effects panel takes the interpretation's place.
            Click(result, "Command2");
            Result<QTabBar>("TS")->setCurrentIndex(1);
            QCoreApplication::processEvents();
            for (const std::string& fault : LayoutFaults(&result)) {
                ADD_FAILURE() << "reading " << n << ", effects: " << fault;
            }
            Click(result, "Command1");
        }
        if (HasFailure()) {
            break;
        }
        Click(*app->ExistingFrame(), "cmdBack");
        if (n == 119) {
            // The second half in the North Indian style.
            Calculate();
            ClickMenuEntry(*app->ExistingFrame(),
                           app->ExistingFrame()->findChild<QAction*>("mnuNorth"));
            ASSERT_EQ(app->ChartStyleChoice(), ChartStyle::North);
            Click(*app->ExistingFrame(), "cmdBack");
        }
    }
    EXPECT_EQ(checked, 720);
}

TEST_F(UserPathTest, TheInputFormAndAboutBoxShowEverything) {
    for (int frame : {0, 1}) {
        Input().BringFrameToFront(frame);
        Input().layout()->activate();
        for (const std::string& fault : LayoutFaults(&Input())) {
            ADD_FAILURE() << "frame " << frame << ": " << fault;
        }
    }
    // Both people's date and time lists are equally wide.
    for (const char* list : {"cboDate", "cboMonth", "cboYear", "cboHour", "cboMinute"}) {
        EXPECT_EQ(Form(QStringLiteral("%1_0").arg(QLatin1String(list)))->sizeHint().width(),
                  Form(QStringLiteral("%1_1").arg(QLatin1String(list)))->sizeHint().width())
            << list;
    }
    // The link labels of the input form keep to one line each.
    for (const char* link : {"lblHomePage", "lblFullBrand", "lblCobrand"}) {
        auto* label = Form<QLabel>(QString::fromLatin1(link));
        EXPECT_LE(label->height(), 2 * label->fontMetrics().lineSpacing()) << link;
    }

    ClickMenuEntry(Input(), Input().findChild<QAction*>("mnuAbout"));
    auto* about = Input().findChild<QDialog*>("frmAbout");
    ASSERT_NE(about, nullptr);
    about->layout()->activate();
    for (const std::string& fault : LayoutFaults(about)) {
        ADD_FAILURE() << "about box: " << fault;
    }
    auto* description = about->findChild<QLabel*>("lblDescription");
    ASSERT_NE(description, nullptr);
    EXPECT_TRUE(description->text().endsWith(QStringLiteral("later.")));
    about->close();
}

} // namespace
} // namespace tirovane::test
