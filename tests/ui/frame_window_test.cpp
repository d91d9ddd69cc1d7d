#include "tests/ui/ui_fixture.h"

#include <QDialog>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QToolBar>

namespace tirovane::test {
namespace {

// A word-wrapped label's kept heights give way to a new text, font or
// margin: each answer is the one a label made afresh gives.
TEST(TextLabel, HeightsFollowTheTextFontMarginsAndWidth) {
    TextLabel kept;
    kept.setWordWrap(true);
    const auto fresh = [&kept](int width) {
        QLabel label(kept.text());
        label.setWordWrap(true);
        label.setFont(kept.font());
        label.setContentsMargins(kept.contentsMargins());
        label.setMargin(kept.margin());
        return label.heightForWidth(width);
    };
    const QString shortText = QStringLiteral("Mars in the seventh house");
    const QString longText = QString(shortText + QLatin1Char(' ')).repeated(12);
    kept.setText(shortText);
    const int oneLine = kept.heightForWidth(600);
    EXPECT_EQ(oneLine, fresh(600));
    // More widths than are kept, asked twice over.
    for (int round = 0; round < 2; ++round) {
        for (int width = 60; width <= 900; width += 40) {
            ASSERT_EQ(kept.heightForWidth(width), fresh(width)) << width;
        }
    }
    kept.setText(longText);
    EXPECT_GT(kept.heightForWidth(600), oneLine) << "a longer text wraps to more lines";
    EXPECT_EQ(kept.heightForWidth(600), fresh(600));
    QFont larger = kept.font();
    larger.setPointSize(larger.pointSize() * 2);
    kept.setFont(larger);
    EXPECT_EQ(kept.heightForWidth(600), fresh(600));
    kept.setMargin(20);
    EXPECT_EQ(kept.heightForWidth(600), fresh(600));
    kept.setContentsMargins(5, 30, 5, 30);
    EXPECT_EQ(kept.heightForWidth(600), fresh(600));
    kept.setText(shortText);
    EXPECT_EQ(kept.heightForWidth(600), fresh(600));
}

class FrameTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        Reading(Person{}, Person{});
        ASSERT_NE(app->ExistingFrame(), nullptr);
    }
    QAction* Action(const char* name) { return FrameAction(name); }
};

TEST_F(FrameTest, MenusCaptionsVisibilityAndCheckMarks) {
    EXPECT_EQ(Frame().windowTitle(), "Tirovane v1.15");
    struct Entry {
        const char* Name;
        const char* Caption;
        bool Visible;
        bool Checked;
    };
    const Entry entries[] = {
        {"mnuNew", "&New", true, false},
        {"mnuSaveAsText", "Save &As", true, false},
        {"mnuSaveAsJpeg", "Save As &JPEG", true, false},
        {"mnuExport", "&Export Chart As Text", false, false},
        {"mnuPrint", "&Print", true, false},
        {"mnuBack", "&Back", true, false},
        {"mnuExit", "E&xit", true, false},
        {"mnuToolBar", "&Toolbar", true, true},
        {"mnuStatusBar", "&Status Bar", false, true},
        {"mnuSouth", "&South Indian", true, true},
        {"mnuNorth", "&North Indian", true, false},
        {"mnuNatal", "&Natal Indian", false, false},
        {"mnuColorOff", "O&ff", true, true},
        {"mnuChart", "&Chart", false, true},
        {"mnuSub_Navamsa", "&Navamsa", true, false},
        {"mnuSub_Dasamsa", "&D&asamsa", false, false},
        {"mnuOnline", "&Online Help", true, false},
        {"mnuUpdate", "Check for Software &Update", true, false},
        {"mnuAbout", "&About Software", true, false},
        {"mnuDonate", "&Donate", true, false},
        {"mnuMakeMoney", "Make Money &Online", false, false},
    };
    for (const Entry& e : entries) {
        QAction* a = Action(e.Name);
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->text(), e.Caption) << e.Name;
        EXPECT_EQ(a->isVisible(), e.Visible) << e.Name;
        EXPECT_EQ(a->isChecked(), e.Checked) << e.Name;
    }
    EXPECT_FALSE(Action("mnuExport")->isEnabled());
    EXPECT_FALSE(Action("mnuMakeMoney")->isEnabled());
    EXPECT_TRUE(Frame().findChild<QMenu*>("mnuChartStyle")->menuAction()->isVisible());
    EXPECT_TRUE(Frame().findChild<QMenu*>("mnuDivisionalCharts")->menuAction()->isVisible());
    EXPECT_FALSE(Frame().findChild<QWidget*>("cmdSaveAsJPEG")->isVisibleTo(&Frame()));
}

TEST_F(FrameTest, CheckMarkChoices) {
    Action("mnuNorth")->trigger();
    EXPECT_TRUE(Action("mnuNorth")->isChecked());
    EXPECT_FALSE(Action("mnuSouth")->isChecked());
    EXPECT_FALSE(Action("mnuNatal")->isChecked());
    Action("mnuSub_Navamsa")->trigger();
    EXPECT_TRUE(Action("mnuSub_Navamsa")->isChecked());
    EXPECT_FALSE(Action("mnuChart")->isChecked());
    Action("mnuSub_Hora")->trigger();
    EXPECT_FALSE(Action("mnuSub_Navamsa")->isChecked());
    Action("mnuChart")->trigger();
    EXPECT_TRUE(Action("mnuChart")->isChecked());
    EXPECT_FALSE(Action("mnuSub_Hora")->isChecked());
    Action("mnuStatusBar")->trigger();
    EXPECT_FALSE(Action("mnuStatusBar")->isChecked());
    Action("mnuStatusBar")->trigger();
    EXPECT_TRUE(Action("mnuStatusBar")->isChecked());
}

TEST_F(FrameTest, TheToolbarEntryHidesAndShowsTheToolbar) {
    auto* toolBar = Frame().findChild<QToolBar*>("TB");
    ASSERT_NE(toolBar, nullptr);
    ASSERT_EQ(toolBar->actions().size(), 4);
    EXPECT_EQ(toolBar->actions()[2]->toolTip(), "Print");
    const int bandTop = Frame().findChild<QWidget*>("picTop")->height();
    Action("mnuToolBar")->trigger();
    EXPECT_FALSE(Action("mnuToolBar")->isChecked());
    EXPECT_FALSE(toolBar->isVisibleTo(&Frame()));
    EXPECT_EQ(Frame().findChild<QWidget*>("picTop")->height(), bandTop);
    Action("mnuToolBar")->trigger();
    EXPECT_TRUE(Action("mnuToolBar")->isChecked());
    EXPECT_TRUE(toolBar->isVisibleTo(&Frame()));
}

TEST_F(FrameTest, ButtonsStayRightAlignedInTwips) {
    auto* band = qobject_cast<ButtonBand*>(Frame().findChild<QWidget*>("Picture1"));
    ASSERT_NE(band, nullptr);
    for (const int width : {1000, 1280, 150}) {
        band->resize(width, band->height());
        band->ArrangeButtons();
        QWidget* exit = band->findChild<QWidget*>("cmdExit");
        QWidget* back = band->findChild<QWidget*>("cmdBack");
        QWidget* save = band->findChild<QWidget*>("cmdSave");
        // 300 twips are 20 pixels, 100 twips 6.67 pixels.
        const double exitLeft = width - exit->width() - 20.0;
        const double backLeft = exitLeft - back->width() - 100.0 / 15;
        const double saveLeft = backLeft - save->width() - 100.0 / 15;
        EXPECT_NEAR(exit->x(), exitLeft, 0.5) << width;
        EXPECT_NEAR(back->x(), backLeft, 0.5) << width;
        EXPECT_NEAR(save->x(), saveLeft, 0.5) << width;
    }
    // Narrower than the buttons: they move out on the left.
    EXPECT_LT(band->findChild<QWidget*>("cmdSave")->x(), 0);
}

TEST_F(FrameTest, EveryOpenerOpensItsPage) {
    struct Case {
        std::function<void()> Open;
        const char* Address;
    };
    const auto trigger = [](QWidget& window, const char* name) {
        return
            [&window, name] { window.findChild<QAction*>(QString::fromLatin1(name))->trigger(); };
    };
    const auto click = [](QWidget& window, const char* name) {
        return [&window, name] {
            auto* link = window.findChild<LinkLabel*>(QString::fromLatin1(name));
            ASSERT_NE(link, nullptr) << name;
            emit link->clicked();
        };
    };
    auto* toolBar = Frame().findChild<QToolBar*>("TB");
    const Case cases[] = {
        {trigger(Frame(), "mnuOnline"), "help:"},
        {[toolBar] { toolBar->actions()[3]->trigger(); }, "help:"},
        {trigger(Frame(), "mnuVisit"), "home:"},
        {trigger(Frame(), "mnuUpdate"), "download:"},
        {trigger(Frame(), "mnuDonate"), "donate:"},
        {[this] {
             Frame().findChild<QAction*>("mnuMakeMoney")->setEnabled(true);
             Frame().findChild<QAction*>("mnuMakeMoney")->trigger();
         },
         "resell:"},
        {click(Frame(), "lblURL"), "home:"},
        {click(Frame(), "Label1"), "home:"},
        {click(Frame(), "lblFullBrand"), "resell:"},
        {click(Frame(), "lblCobrand"), "cobrand:"},
        {click(app->Result(), "lblHomePage_0"), "home:"},
        {click(app->Result(), "lblHomePage_1"), "home:"},
        {click(app->Result(), "lblHomePage_2"), "home:"},
        {trigger(Input(), "mnuOnline"), "help:"},
        {trigger(Input(), "mnuVisit"), "home:"},
        {trigger(Input(), "mnuUpdate"), "download:"},
        {trigger(Input(), "mnuDonate"), "donate:"},
        {click(Input(), "lblHomePage"), "home:"},
        {click(Input(), "lblFullBrand"), "resell:"},
        {click(Input(), "lblCobrand"), "cobrand:"},
    };
    int n = 0;
    for (const Case& c : cases) {
        platform.Addresses.clear();
        c.Open();
        ASSERT_EQ(platform.Addresses.size(), 1u) << "case " << n;
        EXPECT_EQ(platform.Addresses[0], c.Address) << "case " << n;
        ++n;
    }
}

TEST_F(FrameTest, TheAboutBoxIsModalAndClosesWithOk) {
    Action("mnuAbout")->trigger();
    auto* about = Frame().findChild<QDialog*>("frmAbout");
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->isVisible());
    EXPECT_EQ(about->windowModality(), Qt::ApplicationModal);
    EXPECT_EQ(about->windowTitle(), "Tirovane v1.15");
    platform.Addresses.clear();
    emit about->findChild<LinkLabel*>("lblMoreDetails")->clicked();
    EXPECT_EQ(platform.Addresses, std::vector<std::string>{"resell:"});
    about->findChild<QAbstractButton*>("cmdOK")->click();
    EXPECT_FALSE(about->isVisible());
}

TEST_F(FrameTest, TheResultFitsA1280By720WorkAreaWithATitleBar) {
    // Every page, with the longest texts of this reading, beside the bands
    // above it; a window manager's title bar takes up to 30 pixels.
    constexpr int TitleBar = 30;
    const QSize result = app->Result().sizeHint();
    const int bands = Frame().menuBar()->sizeHint().height() +
                      Frame().findChild<QToolBar*>("TB")->sizeHint().height() +
                      Frame().findChild<QWidget*>("picTop")->height() +
                      Frame().findChild<QWidget*>("Picture1")->height();
    EXPECT_LE(result.width(), 1280);
    EXPECT_LE(TitleBar + bands + result.height(), 720)
        << "bands " << bands << ", result " << result.height();
}

} // namespace
} // namespace tirovane::test
