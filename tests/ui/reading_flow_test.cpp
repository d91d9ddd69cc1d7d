// The whole reading through the real windows. Expected values come from
// the published worked example (12 April 1992, 00:00 GMT, 0 degrees, 51
// degrees 30 minutes north): ascendant 25 Sco 23, Moon 19 Can 24 in
// Aslesha (lord Mercury, pada 4), Sun 28 Pis 41, Mercury 05 Pis 24, Mars
// 17 Aqu 55. Mars in Aquarius is house 4 from the Scorpio ascendant and
// house 8 from the Cancer Moon, cancelled in both by its sign.

#include "tests/ui/ui_fixture.h"

#include <QRadioButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QTextEdit>
#include <QTreeWidget>
#include <map>

namespace tirovane::test {
namespace {

const char* const Cancelled =
    "Your Mangal Dosha has been cancelled due to other placements in your chart. ";

TEST_F(UiTest, NextComputesTheFirstPersonAndShowsThePartnersFrame) {
    Fill(0, Person{});
    Next();
    EXPECT_TRUE(platform.Messages.empty()) << LastMessage();
    EXPECT_EQ(Input().FrameInFront(), 1);
    EXPECT_TRUE(Input().isVisible());
    ASSERT_NE(app->ExistingFrame(), nullptr);
    EXPECT_FALSE(app->ExistingFrame()->isVisible());
    EXPECT_EQ(Label("lblName_Male"), "Name: Example");
    EXPECT_EQ(Label("lblResult_Male_0"), "Position of Mars from Lagna is 4");
    EXPECT_EQ(Label("lblResult_Female_0"), "-");
    EXPECT_EQ(Label("lblInterpretation_2"),
              "Mangal Dosha has not been nullified. Please consult an astrologer for further "
              "details.");
}

TEST_F(UiTest, TheWholeReadingOnEveryPage) {
    Person partner;
    partner.Name = "Partner";
    partner.Hour = 9;
    partner.Minute = 5;
    partner.Dst = true; // 09:05 summer time in the Greenwich zone is 08:05 universal time
    partner.LatDeg = "28";
    partner.LatMin = "6";
    partner.City = "Leeds";
    Person first;
    Reading(first, partner);
    ASSERT_TRUE(platform.Messages.empty()) << LastMessage();
    EXPECT_FALSE(Input().isVisible());
    ASSERT_NE(app->ExistingFrame(), nullptr);
    EXPECT_TRUE(app->ExistingFrame()->isVisible());

    EXPECT_EQ(Label("lblName_Male"), "Name: Example");
    EXPECT_EQ(Label("lblDOB_Male"), "Date of Birth: April 12, 1992");
    EXPECT_EQ(Label("lblTOB_Male"), "Time of Birth: 0 HH 0 MM ");
    EXPECT_EQ(Label("lblLatitude_Male"), "Latitude: 51 Degree 30 Minute");
    EXPECT_EQ(Label("lblLongitude_Male"), "Longitude: 0 Degree 0 Minute");
    EXPECT_EQ(Label("lblCity_Male"), "City: London");
    EXPECT_EQ(Label("lblState_Male"), "State: England");
    EXPECT_EQ(Label("lblCountry_Male"), "Country: United Kingdom");
    EXPECT_EQ(Label("lblTOB_Female"), "Time of Birth: 9 HH 5 MM ");
    EXPECT_EQ(Label("lblLatitude_Female"), "Latitude: 28 Degree 6 Minute");
    EXPECT_EQ(Label("lblCity_Female"), "City: Leeds");

    EXPECT_EQ(Label("lblAyanamsha_Male").rfind("23\u00B0 45' ", 0), 0u);
    EXPECT_EQ(Label("lblLagna_Male"), "Vrishcika");
    EXPECT_EQ(Label("lblNakshatra_Male"), "Aslesha");
    EXPECT_EQ(Label("lblRashi_Male"), "Kataka");
    EXPECT_EQ(Label("lblPada_Male"), "4");
    EXPECT_EQ(Label("lblLord_Male"), "Mercury");
    EXPECT_EQ(Label("lblLagnaPosition_0"), " ");
    EXPECT_EQ(Label("Planet_Male_0"), "28 Pis 41");
    EXPECT_EQ(Label("Planet_Male_1"), "19 Can 24");
    EXPECT_EQ(Label("Planet_Male_2"), "05 Pis 24");
    EXPECT_EQ(Label("Planet_Male_4"), "17 Aqu 55");
    EXPECT_EQ(Label("PlanetName_4"), "Mangala / Mars");
    EXPECT_EQ(Label("PlanetName_27"), "Mangala / Mars");

    EXPECT_EQ(Label("lblPlanets_Male_7").rfind("Asc", 0), 0u);
    EXPECT_EQ(Label("lblPlanets_Male_11").rfind("Surya\nBudha", 0), 0u);
    EXPECT_NE(Label("lblPlanets_Male_10").find("Mangala"), std::string::npos);
    EXPECT_NE(Label("lblPlanets_Male_3").find("Chandra"), std::string::npos);
    EXPECT_EQ(Label("lblSouthPosition_0"), "1");
    EXPECT_EQ(Label("lblSouthPosition_23"), "12");

    const char* male[] = {
        "Position of Mars from Lagna is 4",   Cancelled, "The person is Non Manglik",
        "Position of Mars from Chandra is 8", Cancelled, "The person is Non Manglik"};
    for (int k = 0; k < 6; ++k) {
        EXPECT_EQ(Label(QStringLiteral("lblResult_Male_%1").arg(k)), male[k]) << k;
    }
    EXPECT_EQ(Label("lblResult_Male_6"), "P.S. Please consult an astrologer for further detailed "
                                         "consultations for solving of Mangal Dosha.");
    EXPECT_EQ(Label("lblInterpretation_0"), "Hello Example you are The person is Non Manglik");
    EXPECT_EQ(Label("lblInterpretation_3"), "Hello Example you are The person is Non Manglik");
    EXPECT_EQ(Label("lblInterpretation_1").rfind("Your partner Partner is The person is ", 0), 0u);
    EXPECT_EQ(Label("lblInterpretation_4").rfind("Your partner Partner is The person is ", 0), 0u);
    EXPECT_EQ(Label("lblResult_Female_0").rfind("Position of Mars from Lagna is ", 0), 0u);

    auto* tabs = Result<QTabBar>("TS");
    EXPECT_EQ(tabs->currentIndex(), 0);
    EXPECT_EQ(app->Result().PageInFront(), 0);
    EXPECT_EQ(tabs->tabText(0), "Your Details");
    EXPECT_EQ(tabs->tabText(1), "Your Partner's Details");
    EXPECT_EQ(tabs->tabText(2), "Manglik Matching");
}

TEST_F(UiTest, ThePartnersFieldsAreReadOnlyWhenNextIsPressed) {
    Fill(0, Person{});
    Next();
    Form<QLineEdit>("txtName_0")->setText("Changed");
    Person partner;
    partner.Name = "Partner";
    Fill(1, partner);
    Calculate();
    EXPECT_EQ(Label("lblName_Male"), "Name: Example");
    EXPECT_EQ(Label("lblInterpretation_0"), "Hello Example you are The person is Non Manglik");
}

TEST_F(UiTest, BackResetsTheLinesAndARepeatGivesTheSameResult) {
    Reading(Person{}, Person{});
    const std::string lagna = Label("lblInterpretation_2");
    EXPECT_EQ(lagna, "You do not have Manglik Dosha.");
    Click(*app->ExistingFrame(), "cmdBack");
    EXPECT_TRUE(Input().isVisible());
    EXPECT_EQ(Input().FrameInFront(), 0);
    EXPECT_FALSE(app->ExistingFrame()->isVisible());
    for (int k = 0; k < 6; ++k) {
        EXPECT_EQ(Label(QStringLiteral("lblResult_Male_%1").arg(k)), "-");
        EXPECT_EQ(Label(QStringLiteral("lblResult_Female_%1").arg(k)), "-");
        EXPECT_EQ(Label(QStringLiteral("lblInterpretation_%1").arg(k)), "-");
    }
    EXPECT_EQ(Label("lblName_Male"), "Name: Example") << "other labels are kept";
    EXPECT_EQ(Form<QLineEdit>("txtName_0")->text(), "Example") << "typed fields survive";
    Next();
    Calculate();
    EXPECT_EQ(Label("lblInterpretation_2"), lagna);
    EXPECT_EQ(Label("lblResult_Male_0"), "Position of Mars from Lagna is 4");
}

TEST_F(UiTest, MenuBackClosesTheFrameAndTheNextResultStartsFresh) {
    Reading(Person{}, Person{});
    app->ExistingFrame()->findChild<QAction*>("mnuBack")->trigger();
    EXPECT_EQ(app->ExistingFrame(), nullptr);
    EXPECT_TRUE(Input().isVisible());
    EXPECT_EQ(Input().FrameInFront(), 1);
    Calculate();
    // A new result form shows the first person as computed before, since
    // the partner's evaluation matches against the first person's flag.
    EXPECT_EQ(Label("lblResult_Male_0"), "Position of Mars from Lagna is 4");
    EXPECT_EQ(Label("lblName_Male"), "Name: Example");
    EXPECT_EQ(Label("lblResult_Female_0"), "Position of Mars from Lagna is 4");
    EXPECT_EQ(Label("lblInterpretation_2"), "You do not have Manglik Dosha.");
    EXPECT_EQ(Label("lblInterpretation_5"), "You do not have Manglik Dosha.");
}

// What the result pages show: every named label's text and whether it is
// hidden, by name.
std::map<QString, std::pair<QString, bool>> PagesShown(QWidget& result) {
    std::map<QString, std::pair<QString, bool>> shown;
    for (const QLabel* label : result.findChildren<QLabel*>()) {
        if (!label->objectName().isEmpty()) {
            shown[label->objectName()] = {label->text(), label->isHidden()};
        }
    }
    return shown;
}

// A window made afresh after File > Back or File > New shows the first
// person's page as the window that computed it did: the cancellations under
// the Manglik lines and the cross-check notice included.
TEST_F(UiTest, EveryPathShowsTheSamePages) {
    // The worked example's Mars in Aquarius is cancelled by its sign; the
    // second birth is one on which the engines disagree.
    for (const Person& first : {Person{}, EnginesDisagree()}) {
        Reading(first, MumbaiPerson());
        const auto before = PagesShown(app->Result());
        ASSERT_FALSE(Label("lblCancelledBy_Male_0").empty() && Label("lblCrossCheck_Male").empty())
            << "each reading shows an explanation or a notice";
        for (const char* entry : {"mnuBack", "mnuNew"}) {
            SCOPED_TRACE(entry);
            ClickMenuEntry(Frame(), FrameAction(entry));
            QApplication::processEvents();
            ASSERT_EQ(app->ExistingFrame(), nullptr);
            Calculate();
            const auto after = PagesShown(app->Result());
            for (const auto& [name, text] : before) {
                EXPECT_EQ(after.at(name), text) << name.toStdString();
            }
        }
    }
}

TEST_F(UiTest, NewShowsTheInputFormAndKeepsTheFrameInFront) {
    Reading(Person{}, Person{});
    app->ExistingFrame()->findChild<QAction*>("mnuNew")->trigger();
    EXPECT_EQ(app->ExistingFrame(), nullptr);
    EXPECT_TRUE(Input().isVisible());
    EXPECT_EQ(Input().FrameInFront(), 1);
    EXPECT_EQ(Form<QLineEdit>("txtName_1")->text(), "Example");
}

TEST_F(UiTest, ExitFromTheFrameOrTheInputFormClosesEveryWindow) {
    Reading(Person{}, Person{});
    Click(*app->ExistingFrame(), "cmdExit");
    EXPECT_FALSE(Input().isVisible());
    EXPECT_TRUE(app->ExistingFrame() == nullptr || !app->ExistingFrame()->isVisible());
}

TEST_F(UiTest, ClosingTheInputFormEndsTheProgram) {
    Fill(0, Person{});
    Next();
    Input().findChild<QAction*>("mnuExit")->trigger();
    EXPECT_FALSE(Input().isVisible());
    EXPECT_TRUE(app->ExistingFrame() == nullptr || !app->ExistingFrame()->isVisible());
}

TEST_F(UiTest, TabsBringTheirPageToTheFront) {
    Reading(Person{}, Person{});
    auto* tabs = Result<QTabBar>("TS");
    tabs->setCurrentIndex(2);
    EXPECT_EQ(app->Result().PageInFront(), 2);
    tabs->setCurrentIndex(1);
    EXPECT_EQ(app->Result().PageInFront(), 1);
    tabs->setCurrentIndex(0);
    EXPECT_EQ(app->Result().PageInFront(), 0);
    EXPECT_EQ(Label("lblName_Male"), "Name: Example");
}

TEST_F(UiTest, EffectsAndRemediesInsertTheTextOnEveryPress) {
    Reading(Person{}, Person{});
    ResultForm& result = app->Result();
    EXPECT_TRUE(Result("Frame4")->isHidden());
    Click(result, "Command4");
    EXPECT_FALSE(Result("Frame4")->isHidden());
    EXPECT_TRUE(Result("Frame1_0")->isHidden());
    const QString once = Result<QTextEdit>("RichTextBox2")->toPlainText();
    EXPECT_TRUE(once.startsWith(QStringLiteral("Remedies for Manglik\n\nHere are some ways")));
    EXPECT_TRUE(once.contains(QStringLiteral("fianc\u00E9\u2019s horoscopes")));
    EXPECT_TRUE(once.contains(QStringLiteral("1) Chant Hanuman Chalisa regularly. \n3) Refrain")));
    EXPECT_TRUE(once.endsWith(QStringLiteral("6) Persisting clash with the family\n")));
    Click(result, "Command3");
    EXPECT_FALSE(Result("Frame1_0")->isHidden());
    EXPECT_TRUE(Result("Frame4")->isHidden());
    Click(result, "Command4");
    EXPECT_EQ(Result<QTextEdit>("RichTextBox2")->toPlainText(), once + once);
    EXPECT_TRUE(Result<QTextEdit>("RichTextBox1")->toPlainText().isEmpty());
    // The first heading is bold, the list after it is not.
    QTextCursor cursor(Result<QTextEdit>("RichTextBox2")->document());
    cursor.setPosition(3);
    EXPECT_EQ(cursor.charFormat().fontWeight(), QFont::Bold);
    cursor.setPosition(once.indexOf(QStringLiteral("Chant Hanuman")) + 2);
    EXPECT_EQ(cursor.charFormat().fontWeight(), QFont::Normal);
}

// The Navamsa chart and the dasha, the user's way: the menu entry, the
// switch under the chart and the tab. Mumbai's partner (3 February 1983,
// 22:10 Indian time) by hand: Mars at 20°04' Aquarius is 320.07°, its
// ninth part Int(320.07 × 9 / 30) = 96, 96 mod 12 = 0: Aries. The Moon at
// 7°32' Libra (187.53°) is in Swati (186.67° to 200°, lord Rahu) with
// 1 − 0.86 / 13.33 = 0.935 of it left: 0.935 × 18 = 16.8 years of Rahu,
// then Jupiter to 32.8 years and Saturn to 51.8. On the clock's 8 December
// 2026 he is 43.85: in Saturn, whose antardashas of Saturn (3.01 years),
// Mercury (2.69), Ketu (1.11), Venus (3.17) and the Sun (0.95) end at
// 43.76, so the Moon's runs.
TEST_F(UiTest, TheNavamsaChartAndTheDashaOfBothPeople) {
    Reading(Person{}, MumbaiPerson());
    ResultForm& result = app->Result();
    EXPECT_EQ(result.findChild<QWidget*>("picSouthNavamsa_1"), nullptr) << "made when first shown";

    ClickMenuEntry(Frame(), FrameAction("mnuSub_Navamsa"));
    EXPECT_TRUE(FrameAction("mnuSub_Navamsa")->isChecked());
    Result<QTabBar>("TS")->setCurrentIndex(1);
    EXPECT_TRUE(Result("picSouthNavamsa_1")->isVisibleTo(&result));
    EXPECT_FALSE(Result("picSouthRasi_1")->isVisibleTo(&result));
    EXPECT_TRUE(Result<QRadioButton>("optNavamsa_1")->isChecked());
    EXPECT_TRUE(Label("lblNavamsa_Female_0").find("Mangala") != std::string::npos);

    // The switch under the chart brings both Rashi charts back.
    QTest::mouseClick(Result<QRadioButton>("optRashi_1"), Qt::LeftButton);
    EXPECT_FALSE(FrameAction("mnuSub_Navamsa")->isChecked());
    EXPECT_TRUE(Result("picSouthRasi_1")->isVisibleTo(&result));
    EXPECT_TRUE(Result<QRadioButton>("optRashi_0")->isChecked());
    // In the North Indian style the Navamsa is counted from its own
    // ascendant, drawn in the North Indian chart.
    ClickMenuEntry(Frame(), FrameAction("mnuNorth"));
    QTest::mouseClick(Result<QRadioButton>("optNavamsa_0"), Qt::LeftButton);
    EXPECT_TRUE(Result("picNorthNavamsa_1")->isVisibleTo(&result));
    EXPECT_FALSE(Result("picNorthRasi_1")->isVisibleTo(&result));
    EXPECT_FALSE(Result("picSouthNavamsa_1")->isVisibleTo(&result));

    auto* tabs = Result<QTabBar>("TS");
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(ResultForm::DashaTab).center());
    ASSERT_EQ(result.PageInFront(), ResultForm::DashaTab);
    EXPECT_TRUE(Label("lblDashaBalance_1").starts_with("Rahu dasha: 16 years 9 months "));
    EXPECT_TRUE(Label("lblDashaBalance_1").ends_with(" left at birth"));
    EXPECT_TRUE(Label("lblYearLength").find("365.25 days") != std::string::npos);
    auto* tree = Result<QTreeWidget>("treDasha_1");
    ASSERT_EQ(tree->topLevelItemCount(), 9);
    const QStringList lords = {"Rahu",  "Jupiter", "Saturn", "Mercury", "Ketu",
                               "Venus", "Sun",     "Moon",   "Mars"};
    for (int m = 0; m < 9; ++m) {
        EXPECT_EQ(tree->topLevelItem(m)->text(0), lords[m]);
        EXPECT_EQ(tree->topLevelItem(m)->childCount(), 9);
        EXPECT_EQ(tree->topLevelItem(m)->child(0)->text(0), lords[m]) << "its own first";
        EXPECT_EQ(tree->topLevelItem(m)->text(5), m == 2 ? "Running" : "") << m;
    }
    QTreeWidgetItem* saturn = tree->topLevelItem(2);
    EXPECT_TRUE(saturn->isExpanded());
    EXPECT_EQ(tree->currentItem(), saturn->child(5));
    EXPECT_EQ(saturn->child(5)->text(0), "Moon");
    EXPECT_EQ(saturn->child(5)->text(5), "Running");
    EXPECT_TRUE(saturn->child(5)->font(0).bold());
    EXPECT_EQ(tree->topLevelItem(0)->text(3), "before birth");
    EXPECT_EQ(tree->topLevelItem(0)->text(2), tree->topLevelItem(1)->text(1));
    EXPECT_TRUE(Result("picDashaTimeline")->isVisibleTo(&result));
    for (const std::string& fault : LayoutFaults(&result)) {
        ADD_FAILURE() << fault;
    }
}

} // namespace
} // namespace tirovane::test
