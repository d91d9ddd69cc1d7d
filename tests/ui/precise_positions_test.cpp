// The precise ephemeris in the windows: the cross-check notice beside a
// person's Manglik lines with the way to the precise chart, and the View
// entry that switches the whole reading to the precise engine and is
// remembered in the settings.

#include "reading/calculation.h"
#include "reading/cross_check.h"
#include "tests/ui/ui_fixture.h"
#include "texts/cross_check_texts.h"
#include "texts/manglik_texts.h"
#include "texts/precise_texts.h"

#include <QAction>
#include <QDialog>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace tirovane::test {
namespace {

class PrecisePositionsTest : public UiTest {
protected:
    QAction* PreciseEntry() {
        auto* entry = app->ExistingFrame()->findChild<QAction*>("mnuPrecisePositions");
        EXPECT_NE(entry, nullptr);
        return entry;
    }
    QWidget* Shown(const char* name) { return Result(QString::fromLatin1(name)); }
    // The chart of a person as the app layer computes it with one engine.
    PersonChart Chart(int person, ChartEngineChoice engine) {
        return CalculateChart(MakeEngineInput(app->State().People.People[person]), engine);
    }
};

TEST_F(PrecisePositionsTest, NoticeWhereTheEnginesDisagreeAndNoneWhereTheyAgree) {
    Reading(EnginesDisagree(), Person{});
    const CrossCheck expected =
        CompareCharts(Chart(0, ChartEngineChoice::Described), Chart(0, ChartEngineChoice::Precise));
    ASSERT_FALSE(expected.Agrees);
    QWidget* notice = Shown("lblCrossCheck_Male");
    EXPECT_TRUE(notice->isVisibleTo(&app->Result()));
    EXPECT_EQ(Label("lblCrossCheck_Male"), texts::CrossCheckNotice(expected));
    EXPECT_EQ(Label("lblCrossCheck_Male").rfind("A precise ephemeris places ", 0), 0u);
    // The worked example agrees on all seven: nothing extra.
    EXPECT_TRUE(
        CompareCharts(Chart(1, ChartEngineChoice::Described), Chart(1, ChartEngineChoice::Precise))
            .Agrees);
    EXPECT_FALSE(Shown("lblCrossCheck_Female")->isVisibleTo(&app->Result()));
    EXPECT_FALSE(Shown("cmdPreciseChart_Female")->isVisibleTo(&app->Result()));
    // The described results themselves are unchanged, and no engine is named.
    EXPECT_EQ(Label("Planet_Male_4"), Chart(0, ChartEngineChoice::Described).ChartPositions[4]);
    EXPECT_FALSE(Shown("lblEngine")->isVisibleTo(&app->Result()));

    // The button opens the precise chart.
    auto* button = In<QPushButton>(app->Result(), QStringLiteral("cmdPreciseChart_Male"));
    ASSERT_TRUE(button->isVisibleTo(&app->Result()));
    QTest::mouseClick(button, Qt::LeftButton);
    auto* view = app->ExistingFrame()->findChild<QDialog*>("frmPreciseChart");
    ASSERT_NE(view, nullptr);
    const std::string text =
        view->findChild<QPlainTextEdit*>("txtPreciseChart")->toPlainText().toStdString();
    EXPECT_EQ(text, texts::PreciseChartText(Chart(0, ChartEngineChoice::Precise)));
    EXPECT_NE(text.find("Swiss Ephemeris"), std::string::npos);
    view->close();

    // "Back" clears the notices with the Manglik lines.
    Click(*app->ExistingFrame(), "cmdBack");
    EXPECT_FALSE(Shown("lblCrossCheck_Male")->isVisibleTo(&app->Result()));
}

TEST_F(PrecisePositionsTest, ViewEntrySwitchesTheReadingAndIsRemembered) {
    Reading(EnginesDisagree(), Person{});
    QAction* entry = PreciseEntry();
    ASSERT_TRUE(entry->isCheckable());
    EXPECT_EQ(entry->text(), "&Precise Positions (Swiss Ephemeris)");
    EXPECT_FALSE(entry->isChecked());

    entry->trigger();
    EXPECT_TRUE(entry->isChecked());
    EXPECT_TRUE(platform.PrecisePositions);
    const PersonChart precise = Chart(0, ChartEngineChoice::Precise);
    for (int b = 0; b < 7; ++b) {
        EXPECT_EQ(Label(QStringLiteral("Planet_Male_%1").arg(b)), precise.ChartPositions[b]) << b;
    }
    EXPECT_EQ(Label("lblLagna_Male"), precise.LagnaName);
    EXPECT_EQ(Label("lblResult_Male_2"),
              texts::VerdictText(manglik::VerdictOf(precise.LagnaChart)));
    EXPECT_EQ(Label("lblResult_Male_5"),
              texts::VerdictText(manglik::VerdictOf(precise.RashiChart)));
    EXPECT_TRUE(Shown("lblEngine")->isVisibleTo(&app->Result()));
    EXPECT_NE(Label("lblEngine").find("Swiss Ephemeris"), std::string::npos);
    // The results are the precise ones: nothing to warn about.
    EXPECT_FALSE(Shown("lblCrossCheck_Male")->isVisibleTo(&app->Result()));
    // The export takes them too: the partner, computed last.
    EXPECT_EQ(app->State().LastChart.Engine, ChartEngineChoice::Precise);
    EXPECT_EQ(app->State().LastPerson, Partner);

    entry->trigger();
    EXPECT_FALSE(platform.PrecisePositions);
    const PersonChart described = Chart(0, ChartEngineChoice::Described);
    EXPECT_EQ(Label("Planet_Male_4"), described.ChartPositions[4]);
    EXPECT_FALSE(Shown("lblEngine")->isVisibleTo(&app->Result()));
    EXPECT_TRUE(Shown("lblCrossCheck_Male")->isVisibleTo(&app->Result()));
}

TEST_F(PrecisePositionsTest, ChosenEngineComesBackAtTheNextStart) {
    platform.PrecisePositions = true;
    app = std::make_unique<TirovaneApp>(platform, addresses);
    app->Start();
    Reading(EnginesDisagree(), Person{});
    EXPECT_TRUE(PreciseEntry()->isChecked());
    EXPECT_EQ(Label("Planet_Male_4"), Chart(0, ChartEngineChoice::Precise).ChartPositions[4]);
    EXPECT_TRUE(Shown("lblEngine")->isVisibleTo(&app->Result()));
}

// On a 1280x720 screen the notice and its button lie inside the
// interpretation frame, over nothing else, with room for the whole text.
TEST_F(PrecisePositionsTest, NoticeFitsBesideTheManglikLines) {
    Person first = EnginesDisagree();
    first.Name = "Bartholomew Featherstonehaugh-Cholmondeley";
    Reading(first, Person{});
    FrameWindow* frame = app->ExistingFrame();
    frame->showNormal();
    frame->resize(1280, 720 - 30);
    QApplication::processEvents();
    auto* group = Result<QGroupBox>("Frame1_0");
    auto* notice = Result<QLabel>("lblCrossCheck_Male");
    auto* button = Result<QPushButton>("cmdPreciseChart_Male");
    ASSERT_TRUE(group && notice && button);
    ASSERT_TRUE(notice->isVisible() && button->isVisible());
    EXPECT_LE(notice->heightForWidth(notice->width()), notice->height());
    EXPECT_LE(button->sizeHint().width(), button->width());
    const QList<QWidget*> siblings = group->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* w : {static_cast<QWidget*>(notice), static_cast<QWidget*>(button)}) {
        EXPECT_TRUE(group->rect().contains(w->geometry())) << w->objectName().toStdString();
        for (QWidget* other : siblings) {
            if (other != w && other->isVisible()) {
                EXPECT_FALSE(w->geometry().intersects(other->geometry()))
                    << w->objectName().toStdString() << " over "
                    << other->objectName().toStdString();
            }
        }
    }
    // The frame itself stays within its page.
    QWidget* page = Result<QWidget>("fraFrame_0");
    EXPECT_TRUE(page->rect().contains(QRect(group->mapTo(page, QPoint(0, 0)), group->size())));
}

} // namespace
} // namespace tirovane::test
