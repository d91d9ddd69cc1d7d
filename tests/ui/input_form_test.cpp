#include "tests/ui/ui_fixture.h"

#include <QClipboard>
#include <QTest>

namespace tirovane::test {
namespace {

TEST_F(UiTest, FormLoadFillsTheListsAndSetsTheDefaults) {
    auto* zones = Form<QComboBox>("cboTimeZone_1");
    ASSERT_EQ(zones->count(), 71);
    EXPECT_EQ(zones->itemText(70), "Yukon War Time,YWT,-8.0");
    EXPECT_EQ(zones->itemText(34), "Indian Time, IST, +5.3");
    EXPECT_EQ(zones->currentIndex(), 0);
    EXPECT_EQ(Form<QComboBox>("cboDate_0")->count(), 31);
    EXPECT_EQ(Form<QComboBox>("cboMonth_0")->itemText(11), "December");
    EXPECT_EQ(Form<QComboBox>("cboYear_1")->itemText(0), "1901");
    EXPECT_EQ(Form<QComboBox>("cboYear_1")->itemText(149), "2050");
    EXPECT_EQ(Form<QComboBox>("cboHour_0")->itemText(23), "23");
    EXPECT_EQ(Form<QComboBox>("cboMinute_0")->itemText(59), "59");
    EXPECT_TRUE(Form<QRadioButton>("optLat_0")->isChecked());
    EXPECT_TRUE(Form<QRadioButton>("optLat_2")->isChecked());
    EXPECT_TRUE(Form<QRadioButton>("optLong_0")->isChecked());
    EXPECT_TRUE(Form<QRadioButton>("optLong_2")->isChecked());
    EXPECT_EQ(Form<QRadioButton>("optLat_3")->text(), "South");
    EXPECT_EQ(Form<QLineEdit>("txtLatDeg_0")->maxLength(), 3);
    EXPECT_EQ(Form<QLineEdit>("txtLonMin_1")->maxLength(), 3);
    EXPECT_EQ(Input().FrameInFront(), 0);
    EXPECT_EQ(Input().windowTitle(), "Tirovane v1.15");
    EXPECT_EQ(Form<QAbstractButton>("Command1")->text(),
              "Click here to find Latitude && Longitude");
    EXPECT_EQ(Form<QAbstractButton>("cmdOpen")->text(), "&Open Previously Saved Reading");
    auto* makeMoney = Input().findChild<QAction*>("mnuMakeMoney");
    ASSERT_NE(makeMoney, nullptr);
    EXPECT_FALSE(makeMoney->isVisible());
    EXPECT_FALSE(makeMoney->isEnabled());
}

TEST_F(UiTest, ValidationMessagesIconsAndFollowUps) {
    Input().activateWindow();
    struct Case {
        const char* What;
        std::function<void(Person&)> Change;
        const char* Message;
        MessageKind Kind;
        const char* Focus;
    };
    const Case cases[] = {
        {"empty name", [](Person& p) { p.Name.clear(); }, "Please Enter Name", MessageKind::Error,
         "txtName_0"},
        {"empty name and city",
         [](Person& p) {
             p.Name.clear();
             p.City.clear();
         },
         "Please Enter Name", MessageKind::Error, "txtName_0"},
        {"no latitude minutes", [](Person& p) { p.LatMin.clear(); },
         "Please Enter Minutes of Latitude", MessageKind::Error, "txtLatMin_0"},
        {"no state", [](Person& p) { p.State.clear(); }, "Please Enter State name",
         MessageKind::Error, "txtState_0"},
        {"latitude beyond the pole", [](Person& p) { p.LatDeg = "95"; },
         "Please Enter Correct Latitude", MessageKind::Error, "txtLatDeg_0"},
        {"longitude minutes", [](Person& p) { p.LonMin = "60"; }, "Please Enter Correct Longitude",
         MessageKind::Error, "txtLonDeg_0"},
        {"29 February 1903",
         [](Person& p) {
             p.Month = "February";
             p.Day = 29;
             p.Year = 1903;
         },
         "Please Enter Correct Date Or Month!", MessageKind::Information, nullptr},
        {"31 April", [](Person& p) { p.Day = 31; }, "Please Enter Correct Date Or Month !",
         MessageKind::Information, nullptr},
    };
    for (const Case& c : cases) {
        Person person;
        c.Change(person);
        Fill(0, person);
        Form("txtCountry_0")->setFocus();
        platform.Messages.clear();
        Next();
        ASSERT_EQ(platform.Messages.size(), 1u) << c.What;
        EXPECT_EQ(platform.Messages[0].Text, c.Message) << c.What;
        EXPECT_EQ(platform.Messages[0].Title, "Tirovane") << c.What;
        EXPECT_EQ(platform.Messages[0].Kind, c.Kind) << c.What;
        EXPECT_EQ(Input().FrameInFront(), 0) << c.What << ": nothing was computed";
        EXPECT_EQ(app->ExistingFrame(), nullptr) << c.What;
        if (c.Focus != nullptr) {
            EXPECT_EQ(Input().focusWidget(), Form(QString::fromLatin1(c.Focus))) << c.What;
        }
    }
}

TEST_F(UiTest, AMissingConverterStopsEveryCalculation) {
    platform.Files = std::set<std::string>{};
    Fill(0, Person{});
    Next();
    EXPECT_EQ(LastMessage(), "Required File Is Missing. Please Reinstall The Software.");
    EXPECT_EQ(platform.Messages.back().Kind, MessageKind::Error);
    EXPECT_EQ(Input().FrameInFront(), 0);
}

TEST_F(UiTest, KeyFiltersRefuseCharactersWithTheirMessages) {
    Input().activateWindow();
    auto* degrees = Form<QLineEdit>("txtLatDeg_0");
    degrees->setFocus();
    QTest::keyClicks(degrees, "1-2.");
    EXPECT_EQ(degrees->text(), "12");
    ASSERT_EQ(platform.Messages.size(), 2u);
    EXPECT_EQ(platform.Messages[0].Text, "Please enter only numbers");
    EXPECT_EQ(platform.Messages[0].Kind, MessageKind::Error);

    platform.Messages.clear();
    auto* name = Form<QLineEdit>("txtName_0");
    name->setFocus();
    QTest::keyClicks(name, "Ra 9vi");
    EXPECT_EQ(name->text(), "Ra vi");
    ASSERT_EQ(platform.Messages.size(), 1u);
    EXPECT_EQ(platform.Messages[0].Text, "Please enter only letters");
    EXPECT_EQ(Input().focusWidget(), name);
    // Backspace is a character the filters let through.
    QTest::keyClick(name, Qt::Key_Backspace);
    EXPECT_EQ(name->text(), "Ra v");
    EXPECT_EQ(platform.Messages.size(), 1u);
    // Four digits do not fit a three-character box.
    auto* minutes = Form<QLineEdit>("txtLonMin_0");
    QTest::keyClicks(minutes, "1234");
    EXPECT_EQ(minutes->text(), "123");
}

TEST_F(UiTest, PastedTextGoesThroughTheSameFilter) {
    auto* city = Form<QLineEdit>("txtCity_0");
    city->setText("Ne");
    city->setCursorPosition(2);
    QApplication::clipboard()->setText(QStringLiteral("w Del!h?i"));
    city->paste();
    EXPECT_EQ(city->text(), "New Delhi");
    ASSERT_EQ(platform.Messages.size(), 1u) << "the message is shown once";
    EXPECT_EQ(platform.Messages[0].Text, "Please enter only letters");

    platform.Messages.clear();
    auto* degrees = Form<QLineEdit>("txtLonDeg_0");
    QApplication::clipboard()->setText(QStringLiteral("7.7"));
    degrees->paste();
    EXPECT_EQ(degrees->text(), "77");
    ASSERT_EQ(platform.Messages.size(), 1u);
    EXPECT_EQ(platform.Messages[0].Text, "Please enter only numbers");
}

// Types a text character by character as a keyboard (or an input method
// sending one character a key) does: QTest's key clicks know ASCII only.
void TypeText(QWidget* box, const QString& text) {
    for (const char32_t c : text.toUcs4()) {
        const QString character = QString::fromUcs4(&c, 1);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, character);
        QApplication::sendEvent(box, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, character);
        QApplication::sendEvent(box, &release);
    }
}

// Names and places in every script go in key by key and by pasting, with
// the full stop, apostrophe and hyphen of real names; digits and other
// signs stay out, whatever the script.
TEST_F(UiTest, NamesInEveryScriptAreTypedAndPasted) {
    struct Case {
        const char* Box;
        QString Typed;
        QString Kept;
    };
    const Case cases[] = {
        {"txtName_0", QStringLiteral(u"\u0906\u0936\u093E \u0936\u0930\u094D\u092E\u093E"),
         QStringLiteral(u"\u0906\u0936\u093E \u0936\u0930\u094D\u092E\u093E")},
        {"txtName_0", QStringLiteral(u"K. Karthik O'Brien"), QStringLiteral(u"K. Karthik O'Brien")},
        {"txtCity_0", QStringLiteral(u"\u0B9A\u0BC6\u0BA9\u0BCD\u0BA9\u0BC8"),
         QStringLiteral(u"\u0B9A\u0BC6\u0BA9\u0BCD\u0BA9\u0BC8")},
        {"txtState_0", QStringLiteral(u"\u0C24\u0C46\u0C32\u0C02\u0C17\u0C3E\u0C23"),
         QStringLiteral(u"\u0C24\u0C46\u0C32\u0C02\u0C17\u0C3E\u0C23")},
        {"txtCountry_0", QStringLiteral(u"Saint-Denis \u0141\u00F3d\u017A"),
         QStringLiteral(u"Saint-Denis \u0141\u00F3d\u017A")},
        // A Devanagari digit and the danda are no letters.
        {"txtCity_1", QStringLiteral(u"\u092D\u0967\u0964\u0930"), QStringLiteral(u"\u092D\u0930")},
    };
    for (const Case& c : cases) {
        platform.Messages.clear();
        auto* box = Form<QLineEdit>(c.Box);
        box->clear();
        TypeText(box, c.Typed);
        EXPECT_EQ(box->text(), c.Kept) << c.Box;
        EXPECT_EQ(platform.Messages.size(), c.Typed == c.Kept ? 0u : 2u) << c.Box;
    }
    // Malayalam's chillu with the zero-width joiner, pasted.
    platform.Messages.clear();
    auto* name = Form<QLineEdit>("txtName_0");
    name->clear();
    QApplication::clipboard()->setText(QStringLiteral(u"\u0D05\u0D30\u0D41\u0D23\u0D4D\u200D"));
    name->paste();
    EXPECT_EQ(name->text(), QStringLiteral(u"\u0D05\u0D30\u0D41\u0D23\u0D4D\u200D"));
    EXPECT_TRUE(platform.Messages.empty());
}

TEST_F(UiTest, PlaceLookUpChecksThePlaceThenSearches) {
    Fill(1, Person{});
    Form<QLineEdit>("txtState_1")->clear();
    Click(Input(), "Command3");
    EXPECT_EQ(LastMessage(), "Please Enter State");
    EXPECT_TRUE(platform.Searches.empty());
    Form<QLineEdit>("txtState_1")->setText(" England");
    Click(Input(), "Command3");
    ASSERT_EQ(platform.Searches.size(), 1u);
    EXPECT_EQ(platform.Searches[0].first, "London  England United Kingdom Latitude Longitude");
    Form<QLineEdit>("txtCity_0")->clear();
    Click(Input(), "Command1");
    EXPECT_EQ(LastMessage(), "Please Enter City");
    EXPECT_EQ(Form<QLineEdit>("txtState_1")->text(), " England") << "fields are not changed";
}

TEST_F(UiTest, TheMenuCalculatesThePartnerAlone) {
    Person partner;
    partner.Name = "Partner";
    Fill(1, partner);
    Input().findChild<QAction*>("mnuCalculate")->trigger();
    ASSERT_NE(app->ExistingFrame(), nullptr);
    EXPECT_TRUE(app->ExistingFrame()->isVisible());
    EXPECT_EQ(Label("lblName_Female"), "Name: Partner");
    EXPECT_EQ(Label("lblResult_Male_0"), "-");
    EXPECT_EQ(Label("lblInterpretation_2"),
              "Mangal Dosha has not been nullified. Please consult an astrologer for further "
              "details.");
}

} // namespace
} // namespace tirovane::test
