// The 36-point match on the "Manglik Matching" page and the explained
// cancellation lines, through the real windows. The worked example's Moon stands in Cancer,
// Aslesha; a day later in Leo, Magha. Counted by hand: Cancer/Aslesha (Brahmin, Jalachara, Cat,
// Moon, Rakshasa, Antya) with Leo/Magha (Kshatriya, Vanachara, Rat, Sun,
// Rakshasa, Antya): Varna 1, Vashya 1, Tara 3, Yoni 0, Graha Maitri 5,
// Gana 6, Bhakoot 0 (cancelled: Moon and Sun are friends), Nadi 0
// (present): 16.

#include "tests/ui/ui_fixture.h"

#include <QComboBox>
#include <QGroupBox>
#include <QStackedWidget>
#include <QTabBar>
#include <QTest>

namespace tirovane::test {
namespace {

class MatchTableTest : public UiTest {
protected:
    void PairReading() {
        Person partner;
        partner.Name = "Partner";
        partner.Day = 13;
        Reading(Person{}, partner);
        ASSERT_TRUE(platform.Messages.empty()) << LastMessage();
    }
    void ShowMatchTab() {
        auto* tabs = Result<QTabBar>("TS");
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(2).center());
        ASSERT_EQ(app->Result().PageInFront(), 2);
    }
};

TEST_F(MatchTableTest, EveryPartWithBothPeopleAndThePoints) {
    PairReading();
    ShowMatchTab();
    const struct {
        const char* Koota;
        const char* First;
        const char* Partner;
        const char* Points;
        const char* Maximum;
    } rows[] = {
        {"Varna", "Brahmin", "Kshatriya", "1", "1"}, {"Vashya", "Jalachara", "Vanachara", "1", "2"},
        {"Tara", "Aslesha", "Magha", "3", "3"},      {"Yoni", "Cat", "Rat", "0", "4"},
        {"Graha Maitri", "Moon", "Sun", "5", "5"},   {"Gana", "Rakshasa", "Rakshasa", "6", "6"},
        {"Bhakoot", "Cancer", "Leo", "0", "7"},      {"Nadi", "Antya", "Antya", "0", "8"},
    };
    for (int k = 0; k < 8; ++k) {
        SCOPED_TRACE(rows[k].Koota);
        EXPECT_EQ(Label(QStringLiteral("lblMatchKoota_%1").arg(k)), rows[k].Koota);
        EXPECT_EQ(Label(QStringLiteral("lblMatchFirst_%1").arg(k)), rows[k].First);
        EXPECT_EQ(Label(QStringLiteral("lblMatchPartner_%1").arg(k)), rows[k].Partner);
        EXPECT_EQ(Label(QStringLiteral("lblMatchPoints_%1").arg(k)), rows[k].Points);
        EXPECT_EQ(Label(QStringLiteral("lblMatchMaximum_%1").arg(k)), rows[k].Maximum);
    }
    EXPECT_EQ(Label("lblMatchTotal"), "16");
    EXPECT_EQ(Label("lblMatchTotalMaximum"), "36");
    EXPECT_EQ(Label("lblMatchVerdict"), "Not recommended: fewer than 18 of 36 points");
    EXPECT_EQ(Label("lblNadiDosha"), "Nadi dosha: present");
    EXPECT_EQ(Label("lblBhakootDosha"), "Bhakoot dosha: cancelled");
    EXPECT_EQ(Label("lblMatchRoles"), "Points are counted with the first person on the groom's "
                                      "side and the partner on the bride's side.");
    auto* table = Result<QGroupBox>("fraAshtakoota");
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->title(), "36-Point Match");
    // On the match page, so it is shown and printed with that tab.
    EXPECT_TRUE(Result<QWidget>("fraFrame_2")->isAncestorOf(table));
    EXPECT_TRUE(table->isVisible());
    // The described lines of the page are unchanged.
    EXPECT_EQ(Label("lblInterpretation_2"), "You do not have Manglik Dosha.");
}

TEST_F(MatchTableTest, AWomanWhoTypesFirstChoosesFemaleAndTheSidesFollow) {
    // She types her own details first and picks Female from the keyboard;
    // her partner leaves his sex unsaid and is taken as the groom. Counted
    // by hand with Leo/Magha as the groom and Cancer/Aslesha as the bride:
    // Varna 0, Vashya 1, Tara 3, Yoni 0, Graha Maitri 5, Gana 6, Bhakoot 0
    // (Leo to Cancer is the 12th), Nadi 0: 15.
    Fill(0, Person{});
    auto* sex = Form<QComboBox>("cboSex_0");
    EXPECT_EQ(sex->currentText(), "Not given");
    sex->setFocus();
    QTest::keyClick(sex, Qt::Key_Down);
    QTest::keyClick(sex, Qt::Key_Down);
    ASSERT_EQ(sex->currentText(), "Female");
    Next();
    Person partner;
    partner.Name = "Partner";
    partner.Day = 13;
    Fill(1, partner);
    Calculate();
    ASSERT_TRUE(platform.Messages.empty()) << LastMessage();
    ShowMatchTab();
    EXPECT_EQ(Label("lblMatchTotal"), "15");
    EXPECT_EQ(Label("lblMatchFirst_0"), "Brahmin") << "her column stays the first";
    EXPECT_EQ(Label("lblMatchPartner_0"), "Kshatriya");
    EXPECT_EQ(Label("lblMatchRoles"), "Points are counted with the partner on the groom's side "
                                      "and the first person on the bride's side.");
    // From Ashlesha to Magha is the 2nd star; both stand in the Pada band.
    EXPECT_EQ(Label("lblPorutham_0"), "Dina");
    EXPECT_EQ(Label("lblPoruthamGrade_0"), "Uttamam");
    EXPECT_EQ(Label("lblPoruthamReason_0"), "Count from the bride's star to the groom's: 2.");
    EXPECT_EQ(Label("lblPoruthamGrade_8"), "Adhamam");
    EXPECT_EQ(Label("lblPoruthamReason_8"), "Both are in Pada rajju: wandering.");
    EXPECT_EQ(Label("lblPoruthamVerdict"), "Verdict: Adhamam");
    EXPECT_EQ(Label("lblPoruthamDoshas"), "Doshas: Rajju");

    // View > Matching shows either table or both, and remembers it.
    auto* points = Result<QGroupBox>("fraAshtakoota");
    auto* poruthams = Result<QGroupBox>("fraPorutham");
    EXPECT_TRUE(points->isVisible());
    EXPECT_TRUE(poruthams->isVisible());
    ClickMenuEntry(Frame(), FrameAction("mnuMatchingPoruthams"));
    EXPECT_FALSE(points->isVisible());
    EXPECT_TRUE(poruthams->isVisible());
    EXPECT_EQ(platform.Matching, "poruthams");
    EXPECT_TRUE(FrameAction("mnuMatchingPoruthams")->isChecked());
    EXPECT_FALSE(FrameAction("mnuMatchingBoth")->isChecked());
    ClickMenuEntry(Frame(), FrameAction("mnuMatchingPoints"));
    EXPECT_TRUE(points->isVisible());
    EXPECT_FALSE(poruthams->isVisible());
    EXPECT_EQ(platform.Matching, "points");

    // Back on the form her choice is still there.
    Click(Frame(), "cmdBack");
    EXPECT_EQ(Form<QComboBox>("cboSex_0")->currentText(), "Female");
}

TEST_F(MatchTableTest, TheMatchingChoiceIsRememberedForTheNextStart) {
    platform.Matching = "poruthams";
    app = std::make_unique<TirovaneApp>(platform, addresses);
    app->Start();
    PairReading();
    ShowMatchTab();
    EXPECT_FALSE(Result<QGroupBox>("fraAshtakoota")->isVisible());
    EXPECT_TRUE(Result<QGroupBox>("fraPorutham")->isVisible());
    EXPECT_TRUE(FrameAction("mnuMatchingPoruthams")->isChecked());
}

TEST_F(MatchTableTest, OnlyAfterBothPeopleAndClearedByBack) {
    Fill(0, Person{});
    Next();
    EXPECT_EQ(Label("lblMatchTotal"), "-") << "no partner yet";
    EXPECT_EQ(Label("lblMatchPoints_0"), "-");
    Person partner;
    partner.Day = 13;
    Fill(1, partner);
    Calculate();
    EXPECT_EQ(Label("lblMatchTotal"), "16");

    Click(*app->ExistingFrame(), "cmdBack");
    for (int k = 0; k < 8; ++k) {
        EXPECT_EQ(Label(QStringLiteral("lblMatchPoints_%1").arg(k)), "-");
        EXPECT_EQ(Label(QStringLiteral("lblMatchFirst_%1").arg(k)), "-");
    }
    EXPECT_EQ(Label("lblMatchVerdict"), "-");
    EXPECT_EQ(Label("lblNadiDosha"), "-");

    // The same person on both sides: everything but Nadi, 28.
    Fill(1, Person{});
    Next();
    Calculate();
    EXPECT_EQ(Label("lblMatchTotal"), "28");
    EXPECT_EQ(Label("lblMatchVerdict"), "Good match");
    EXPECT_EQ(Label("lblBhakootDosha"), "Bhakoot dosha: none");
}

TEST_F(MatchTableTest, NothingOverlapsOrClipsOnTheMatchPage) {
    Person first;
    first.Name = "Wolfeschlegelsteinhausenbergerdorff Maximiliana Bartholomew";
    Person partner;
    partner.Name = "Venkatanarasimharajuvaripeta Subrahmanyam Lakshminarayana";
    partner.Day = 13;
    Reading(first, partner);
    ShowMatchTab();
    FrameWindow* frame = app->ExistingFrame();
    frame->showNormal();
    frame->resize(1280, 720 - 30); // a 1280x720 screen less a title bar
    QApplication::processEvents();

    QWidget* page = Result<QWidget>("fraFrame_2");
    auto* table = Result<QGroupBox>("fraAshtakoota");
    ASSERT_TRUE(page && table);
    const QRect pageArea = page->rect();
    const QRect tableArea(table->mapTo(page, QPoint(0, 0)), table->size());
    EXPECT_TRUE(pageArea.contains(tableArea)) << "the table lies inside its page";
    EXPECT_GE(tableArea.top(), Result<QWidget>("fraMatch_1")->mapTo(page, QPoint(0, 0)).y() +
                                   Result<QWidget>("fraMatch_1")->height())
        << "below the described frames";

    const QList<QLabel*> labels = table->findChildren<QLabel*>();
    ASSERT_GE(labels.size(), 50);
    for (QLabel* a : labels) {
        SCOPED_TRACE(a->objectName().toStdString());
        ASSERT_TRUE(a->isVisible());
        const QRect ra(a->mapTo(table, QPoint(0, 0)), a->size());
        EXPECT_TRUE(table->rect().contains(ra));
        if (!a->wordWrap()) {
            EXPECT_LE(a->sizeHint().width(), a->width()) << a->text().toStdString();
            EXPECT_LE(a->sizeHint().height(), a->height());
        } else {
            EXPECT_LE(a->heightForWidth(a->width()), a->height()) << a->text().toStdString();
        }
        for (QLabel* b : labels) {
            if (a == b) {
                continue;
            }
            const QRect rb(b->mapTo(table, QPoint(0, 0)), b->size());
            EXPECT_FALSE(ra.intersects(rb)) << b->objectName().toStdString();
        }
    }
}

TEST_F(MatchTableTest, TheCancellationLineIsExplainedBesideIt) {
    // The worked example's Mars in Aquarius (house 4 from Lagna, 8 from
    // Chandra) is cancelled by its sign alone, for both people.
    PairReading();
    auto* tabs = Result<QTabBar>("TS");
    for (const int person : {0, 1}) {
        const char* suffix = person == 0 ? "_Male" : "_Female";
        SCOPED_TRACE(suffix);
        // The person's own tab, so that the page is laid out as shown.
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(person).center());
        QApplication::processEvents();
        for (const int k : {0, 1}) {
            const QString name =
                QStringLiteral("lblCancelledBy%1_%2").arg(QLatin1String(suffix)).arg(k);
            EXPECT_EQ(Label(name), "Cancelled: Mars in Aquarius");
            // The described line keeps its text; the explanation sits
            // right under it, above the verdict, in the same frame.
            const int line = 3 * k + 1;
            EXPECT_EQ(Label(QStringLiteral("lblResult%1_%2").arg(QLatin1String(suffix)).arg(line)),
                      "Your Mangal Dosha has been cancelled due to other placements in your "
                      "chart. ");
            auto* why = Result<QLabel>(name);
            auto* detail = Result<QLabel>(
                QStringLiteral("lblResult%1_%2").arg(QLatin1String(suffix)).arg(line));
            auto* verdict = Result<QLabel>(
                QStringLiteral("lblResult%1_%2").arg(QLatin1String(suffix)).arg(line + 1));
            ASSERT_TRUE(why && detail && verdict);
            EXPECT_EQ(why->parentWidget(), detail->parentWidget());
            EXPECT_GE(why->y(), detail->y() + detail->height());
            EXPECT_LE(why->y() + why->height(), verdict->y());
        }
    }
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(0).center());
    auto* shown = Result<QLabel>("lblCancelledBy_Male_0");
    EXPECT_TRUE(shown->isVisible());
    EXPECT_LE(shown->heightForWidth(shown->width()), shown->height());

    Click(*app->ExistingFrame(), "cmdBack");
    EXPECT_TRUE(Result<QLabel>("lblCancelledBy_Male_0")->text().isEmpty());
    EXPECT_TRUE(Result<QLabel>("lblCancelledBy_Female_1")->isHidden());
}

} // namespace
} // namespace tirovane::test
