// The "Birth place" search of the input form, driven by the keyboard as a
// user drives it: type, arrow down, Enter.

#include "tests/ui/ui_fixture.h"
#include "ui/place_finder.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QCompleter>
#include <QFormLayout>
#include <QTest>

namespace tirovane::test {
namespace {

class PlaceFinderTest : public UiTest {
protected:
    PlaceFinder* Finder(int i) {
        return Form<PlaceFinder>(QStringLiteral("txtBirthPlace_%1").arg(i));
    }
    std::string Text(const char* name, int i) {
        auto* box = Form<QLineEdit>(QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(i));
        return box ? box->text().toStdString() : "<missing>";
    }
    std::string ZoneLine(int i) {
        return Form<QLabel>(QStringLiteral("lblPlaceZone_%1").arg(i))->text().toStdString();
    }
    int ZoneRow(int i) {
        return Form<QComboBox>(QStringLiteral("cboTimeZone_%1").arg(i))->currentIndex();
    }
    bool Dst(int i) { return Form<QCheckBox>(QStringLiteral("chkDST_%1").arg(i))->isChecked(); }
    void Select(const char* name, int i, const QString& value) {
        auto* box = Form<QComboBox>(QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(i));
        box->setCurrentIndex(box->findText(value));
    }

    // Types the text into the search and picks the k-th entry of the list
    // with the arrow keys and Enter.
    void TypeAndPick(int i, const QString& typed, int k = 0) {
        PlaceFinder* finder = Finder(i);
        ASSERT_NE(finder, nullptr);
        Input().show();
        finder->setFocus();
        QTest::keyClicks(finder, typed);
        QAbstractItemView* popup = finder->Completer()->popup();
        ASSERT_TRUE(popup->isVisible()) << typed.toStdString();
        for (int step = 0; step <= k; ++step) {
            QTest::keyClick(popup, Qt::Key_Down);
        }
        QTest::keyClick(popup, Qt::Key_Return);
    }
};

TEST_F(PlaceFinderTest, EachFrameHasANamedSearchWithALabel) {
    for (int i = 0; i < 2; ++i) {
        PlaceFinder* finder = Finder(i);
        ASSERT_NE(finder, nullptr);
        EXPECT_EQ(finder->accessibleName(), "Birth place");
        EXPECT_TRUE(finder->isEnabled());
        EXPECT_EQ(ZoneLine(i), "");
    }
}

TEST_F(PlaceFinderTest, TheOldNameListsTheTownWithItsRegionAndCountry) {
    Input().show();
    Finder(0)->setFocus();
    QTest::keyClicks(Finder(0), QStringLiteral("Madras"));
    const QAbstractItemView* popup = Finder(0)->Completer()->popup();
    ASSERT_TRUE(popup->isVisible());
    ASSERT_GT(popup->model()->rowCount(), 0);
    EXPECT_EQ(popup->model()->index(0, 0).data().toString().toStdString(),
              "Chennai, Tamil Nadu, India");
}

TEST_F(PlaceFinderTest, PickingATownFillsThePlaceZoneAndDaylightSaving) {
    Person first;
    Fill(0, first);
    Select("cboDate", 0, QStringLiteral("1"));
    Select("cboMonth", 0, QStringLiteral("May"));
    Select("cboYear", 0, QStringLiteral("1943"));
    Select("cboHour", 0, QStringLiteral("12"));
    TypeAndPick(0, QStringLiteral("Calcutta"));

    EXPECT_EQ(Text("txtCity", 0), "Kolkata");
    EXPECT_EQ(Text("txtState", 0), "West Bengal");
    EXPECT_EQ(Text("txtCountry", 0), "India");
    // Kolkata: 22°34' N, 88°22' E.
    EXPECT_EQ(Text("txtLatDeg", 0), "22");
    EXPECT_NEAR(std::stoi(Text("txtLatMin", 0)), 34, 1);
    EXPECT_TRUE(Form<QRadioButton>("optLat_0")->isChecked());
    EXPECT_EQ(Text("txtLonDeg", 0), "88");
    EXPECT_NEAR(std::stoi(Text("txtLonMin", 0)), 22, 1);
    EXPECT_TRUE(Form<QRadioButton>("optLong_0")->isChecked());
    // India's war time: Indian Time with daylight saving.
    EXPECT_EQ(ZoneRow(0), 34);
    EXPECT_TRUE(Dst(0));
    EXPECT_EQ(ZoneLine(0), "Asia/Kolkata, UTC+6:30 on 1 May 1943: war time");
    EXPECT_EQ(Finder(0)->text().toStdString(), "Kolkata, West Bengal, India");

    // Another date: the zone follows it.
    Select("cboYear", 0, QStringLiteral("1970"));
    EXPECT_EQ(ZoneRow(0), 34);
    EXPECT_FALSE(Dst(0));
    EXPECT_EQ(ZoneLine(0), "Asia/Kolkata, UTC+5:30 on 1 May 1970: standard time");
}

TEST_F(PlaceFinderTest, AZoneSetByHandStaysWhenTheDateChanges) {
    Fill(0, Person{});
    Select("cboYear", 0, QStringLiteral("1990"));
    Select("cboMonth", 0, QStringLiteral("January"));
    Select("cboDate", 0, QStringLiteral("15"));
    TypeAndPick(0, QStringLiteral("Auckland"));
    EXPECT_EQ(ZoneRow(0), 47);
    EXPECT_TRUE(Dst(0));
    // The user clears the box with the keyboard, then changes the month.
    auto* dst = Form<QCheckBox>("chkDST_0");
    dst->setFocus();
    QTest::keyClick(dst, Qt::Key_Space);
    EXPECT_FALSE(Dst(0));
    Select("cboMonth", 0, QStringLiteral("February"));
    EXPECT_FALSE(Dst(0));
    EXPECT_EQ(ZoneRow(0), 47);
}

TEST_F(PlaceFinderTest, NepalsOffsetIsSaidUnderTheZoneList) {
    Fill(0, Person{});
    Select("cboYear", 0, QStringLiteral("1990"));
    TypeAndPick(0, QStringLiteral("Kathmandu"));
    EXPECT_EQ(ZoneRow(0), 34);
    EXPECT_FALSE(Dst(0));
    EXPECT_EQ(ZoneLine(0), "Asia/Kathmandu, UTC+5:45 on 12 April 1990: standard time\n"
                           "No zone in the list has UTC+5:45: with \"Indian Time, IST, +5.3\" the "
                           "birth instant is 15 minutes late.");
}

TEST_F(PlaceFinderTest, AReadingFromTownNamesEqualsTheSameReadingTypedByHand) {
    // Typed by hand: Mumbai 19°04' N 72°53' E, Indian Time, 6 March 1975
    // 05:40; the partner in Chicago 41°51' N 87°39' W, 1 July 1960 14:10,
    // Central Standard Time with daylight saving.
    Person first;
    first.Name = "Asha";
    first.Day = 6;
    first.Month = "March";
    first.Year = 1975;
    first.Hour = 5;
    first.Minute = 40;
    first.ZoneRow = 34;
    first.LatDeg = "19";
    first.LatMin = "4";
    first.LonDeg = "72";
    first.LonMin = "53";
    first.East = true;
    first.City = "Mumbai";
    first.State = "Maharashtra";
    first.Country = "India";
    Person partner;
    partner.Name = "Ravi";
    partner.Day = 1;
    partner.Month = "July";
    partner.Year = 1960;
    partner.Hour = 14;
    partner.Minute = 10;
    partner.ZoneRow = 21;
    partner.Dst = true;
    partner.LatDeg = "41";
    partner.LatMin = "51";
    partner.LonDeg = "87";
    partner.LonMin = "39";
    partner.East = false;
    partner.City = "Chicago";
    partner.State = "Illinois";
    partner.Country = "United States";
    Reading(first, partner);
    ASSERT_TRUE(platform.Messages.empty()) << LastMessage();
    const std::vector<QString> labels = {"lblLagna_Male",    "lblNakshatra_Male",
                                         "lblLagna_Female",  "lblNakshatra_Female",
                                         "lblResult_Male_0", "lblInterpretation_2"};
    std::vector<std::string> byHand;
    for (const QString& name : labels) {
        byHand.push_back(Label(name));
    }

    // Again from the start, with only names, dates and times typed.
    app = std::make_unique<TirovaneApp>(platform, addresses);
    app->Start();
    Person nameOnly = first;
    nameOnly.ZoneRow = 0;
    nameOnly.LatDeg = nameOnly.LatMin = nameOnly.LonDeg = nameOnly.LonMin = "";
    nameOnly.City = nameOnly.State = nameOnly.Country = "";
    Fill(0, nameOnly);
    TypeAndPick(0, QStringLiteral("bomb"));
    EXPECT_EQ(Text("txtCity", 0), "Mumbai");
    EXPECT_EQ(Text("txtLatDeg", 0), "19");
    EXPECT_EQ(Text("txtLatMin", 0), "4");
    EXPECT_EQ(Text("txtLonDeg", 0), "72");
    EXPECT_EQ(Text("txtLonMin", 0), "53");
    Next();
    ASSERT_TRUE(platform.Messages.empty()) << LastMessage();
    Person partnerNameOnly = partner;
    partnerNameOnly.ZoneRow = 0;
    partnerNameOnly.Dst = false;
    partnerNameOnly.LatDeg = partnerNameOnly.LatMin = partnerNameOnly.LonDeg =
        partnerNameOnly.LonMin = "";
    partnerNameOnly.City = partnerNameOnly.State = partnerNameOnly.Country = "";
    Fill(1, partnerNameOnly);
    TypeAndPick(1, QStringLiteral("Chicago, Illinois"));
    EXPECT_EQ(ZoneRow(1), 21);
    EXPECT_TRUE(Dst(1));
    EXPECT_EQ(Text("txtLatDeg", 1), "41");
    EXPECT_EQ(Text("txtLatMin", 1), "51");
    EXPECT_EQ(Text("txtLonDeg", 1), "87");
    EXPECT_EQ(Text("txtLonMin", 1), "39");
    EXPECT_TRUE(Form<QRadioButton>("optLong_3")->isChecked());
    Calculate();
    ASSERT_TRUE(platform.Messages.empty()) << LastMessage();
    for (std::size_t k = 0; k < labels.size(); ++k) {
        EXPECT_EQ(Label(labels[k]), byHand[k]) << labels[k].toStdString();
    }
    EXPECT_EQ(Label("lblCity_Male"), "City: Mumbai");
    EXPECT_EQ(Label("lblCity_Female"), "City: Chicago");
}

TEST_F(PlaceFinderTest, OpeningASavedReadingForgetsTheChosenPlace) {
    Fill(0, Person{});
    TypeAndPick(0, QStringLiteral("Sydney"));
    ASSERT_FALSE(ZoneLine(0).empty());
    PersonForm form = Input().ReadForm(0);
    Input().WriteForm(0, form);
    EXPECT_EQ(ZoneLine(0), "");
    EXPECT_TRUE(Finder(0)->text().isEmpty());
    // The date no longer moves the zone.
    const int row = ZoneRow(0);
    Select("cboMonth", 0, QStringLiteral("July"));
    EXPECT_EQ(ZoneRow(0), row);
}

} // namespace
} // namespace tirovane::test
