#pragma once

// Drives the program's real windows through the scripted platform.

#include "platform/scripted_platform.h"
#include "ui/application.h"
#include "ui/frame_window.h"
#include "ui/input_form.h"
#include "ui/rashi_chart.h"
#include "ui/result_form.h"
#include "ui/widgets.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QTest>
#include <QTextEdit>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace tirovane::test {

struct Person {
    std::string Name = "Example";
    int Day = 12;
    const char* Month = "April";
    int Year = 1992;
    int Hour = 0;
    int Minute = 0;
    int ZoneRow = 29; // Greenwich Mean Time
    std::string LatDeg = "51", LatMin = "30";
    bool South = false;
    std::string LonDeg = "0", LonMin = "0";
    bool East = false;
    bool Dst = false;
    std::string City = "London", State = "England", Country = "United Kingdom";
};

// Opens the menu that holds `action` from the window's menu bar and clicks
// the entry, as a user does with the mouse.
inline void ClickMenuEntry(QMainWindow& window, QAction* action) {
    QMenuBar* bar = window.menuBar();
    ASSERT_NE(action, nullptr);
    if (bar->actions().contains(action)) {
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(action).center());
        return;
    }
    for (QAction* top : bar->actions()) {
        QMenu* menu = top->menu();
        if (menu == nullptr) {
            continue;
        }
        // The entry itself, or the submenu that holds it.
        QAction* step = nullptr;
        QMenu* sub = nullptr;
        for (QAction* a : menu->actions()) {
            if (a == action) {
                step = a;
            } else if (a->menu() != nullptr && a->menu()->actions().contains(action)) {
                step = a;
                sub = a->menu();
            }
        }
        if (step == nullptr) {
            continue;
        }
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(top).center());
        ASSERT_TRUE(menu->isVisible()) << top->text().toStdString();
        const QRect entry = menu->actionGeometry(step);
        ASSERT_FALSE(entry.isEmpty()) << step->objectName().toStdString();
        QTest::mouseClick(menu, Qt::LeftButton, {}, entry.center());
        if (sub != nullptr) {
            // A submenu opens a moment after its entry is clicked.
            ASSERT_TRUE(QTest::qWaitFor([sub] { return sub->isVisible(); }, 2000))
                << step->text().toStdString();
            const QRect inner = sub->actionGeometry(action);
            ASSERT_FALSE(inner.isEmpty()) << action->objectName().toStdString();
            QTest::mouseClick(sub, Qt::LeftButton, {}, inner.center());
        }
        return;
    }
    FAIL() << "no menu holds " << action->objectName().toStdString();
}

// A second birth, for the partner: Mumbai 19°04' N 72°52' E, 3 February
// 1983 at 22:10 Indian Time.
inline Person MumbaiPerson() {
    Person p;
    p.Name = "Second";
    p.Day = 3;
    p.Month = "February";
    p.Year = 1983;
    p.Hour = 22;
    p.Minute = 10;
    p.ZoneRow = 34;
    p.LatDeg = "19";
    p.LatMin = "4";
    p.LonDeg = "72";
    p.LonMin = "52";
    p.East = true;
    p.City = "Mumbai";
    p.State = "Maharashtra";
    p.Country = "India";
    return p;
}

// London, 20 December 1972, 12:24 GMT: Mars at the end of Libra in the
// precise ephemeris and in Scorpio in the described engine (found by running
// births through both; the tests need only that they differ), so the window
// shows the cross-check notice.
inline Person EnginesDisagree() {
    Person p;
    p.Name = "Boundary";
    p.Day = 20;
    p.Month = "December";
    p.Year = 1972;
    p.Hour = 12;
    p.Minute = 24;
    return p;
}

class UiTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform.Folder = "/opt/tirovane";
        platform.Files = std::set<std::string>{"/opt/tirovane/libBmp2Jpeg.so"};
        platform.Reminder = platform.Clock.Date;
        addresses = {"help:", "home:", "download:", "donate:", "resell:", "cobrand:"};
        app = std::make_unique<TirovaneApp>(platform, addresses);
        app->Start();
    }
    void TearDown() override { app.reset(); }

    InputForm& Input() { return app->Input(); }
    // The result's frame window (there must be one) and its menu entries.
    FrameWindow& Frame() { return *app->ExistingFrame(); }
    QAction* FrameAction(const char* name) {
        QAction* action = Frame().findChild<QAction*>(QString::fromLatin1(name));
        EXPECT_NE(action, nullptr) << name;
        return action;
    }

    template <typename T = QWidget> T* In(QWidget& window, const QString& name) {
        T* w = window.findChild<T*>(name);
        EXPECT_NE(w, nullptr) << name.toStdString();
        return w;
    }
    template <typename T = QWidget> T* Form(const QString& name) { return In<T>(Input(), name); }
    template <typename T = QWidget> T* Result(const QString& name) {
        return In<T>(app->Result(), name);
    }
    std::string Label(const QString& name) {
        QLabel* label = Result<QLabel>(name);
        return label ? label->text().toStdString() : std::string("<missing>");
    }

    void Fill(int i, const Person& p) {
        const auto text = [&](const char* name, const std::string& value) {
            Form<QLineEdit>(QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(i))
                ->setText(QString::fromStdString(value));
        };
        const auto list = [&](const char* name, const QString& value) {
            auto* box = Form<QComboBox>(QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(i));
            box->setCurrentIndex(box->findText(value));
        };
        text("txtName", p.Name);
        list("cboDate", QString::number(p.Day));
        // The month by its place in the list, whatever the language shown.
        static const QStringList months = {
            QStringLiteral("January"), QStringLiteral("February"), QStringLiteral("March"),
            QStringLiteral("April"),   QStringLiteral("May"),      QStringLiteral("June"),
            QStringLiteral("July"),    QStringLiteral("August"),   QStringLiteral("September"),
            QStringLiteral("October"), QStringLiteral("November"), QStringLiteral("December")};
        Form<QComboBox>(QStringLiteral("cboMonth_%1").arg(i))
            ->setCurrentIndex(static_cast<int>(months.indexOf(QString::fromLatin1(p.Month))));
        list("cboYear", QString::number(p.Year));
        list("cboHour", QString::number(p.Hour));
        list("cboMinute", QString::number(p.Minute));
        Form<QComboBox>(QStringLiteral("cboTimeZone_%1").arg(i))->setCurrentIndex(p.ZoneRow);
        text("txtLatDeg", p.LatDeg);
        text("txtLatMin", p.LatMin);
        text("txtLonDeg", p.LonDeg);
        text("txtLonMin", p.LonMin);
        text("txtCity", p.City);
        text("txtState", p.State);
        text("txtCountry", p.Country);
        Form<QRadioButton>(QStringLiteral("optLat_%1").arg(2 * i + (p.South ? 1 : 0)))
            ->setChecked(true);
        Form<QRadioButton>(QStringLiteral("optLong_%1").arg(2 * i + (p.East ? 0 : 1)))
            ->setChecked(true);
        Form<QAbstractButton>(QStringLiteral("chkDST_%1").arg(i))->setChecked(p.Dst);
    }

    void Click(QWidget& window, const char* name) {
        In<QAbstractButton>(window, QString::fromLatin1(name))->click();
    }
    void Next() { Click(Input(), "cmdNext"); }
    void Calculate() { Click(Input(), "cmdCalculate"); }

    void Reading(const Person& first, const Person& partner) {
        Fill(0, first);
        Next();
        Fill(1, partner);
        Calculate();
    }

    std::string LastMessage() const {
        return platform.Messages.empty() ? std::string() : platform.Messages.back().Text;
    }

    ScriptedPlatform platform;
    WebAddresses addresses;
    std::unique_ptr<TirovaneApp> app;
};

// Everything a page shows lies within its parent and beside, not over, its
// siblings, and every label has room for its whole text.
inline std::vector<std::string> LayoutFaults(QWidget* root) {
    std::vector<std::string> faults;
    const auto name = [](const QWidget* w) {
        return (w->objectName().isEmpty() ? std::string(w->metaObject()->className())
                                          : w->objectName().toStdString());
    };
    const auto counts = [](const QWidget* w) {
        return (qobject_cast<const QLabel*>(w) || qobject_cast<const QGroupBox*>(w) ||
                qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QTextEdit*>(w) ||
                qobject_cast<const QTabBar*>(w) || qobject_cast<const QStackedWidget*>(w) ||
                qobject_cast<const RashiChartWidget*>(w) || w->inherits("QLineEdit") ||
                w->inherits("QComboBox")) &&
               !w->objectName().startsWith(QLatin1String("qt_"));
    };
    for (QWidget* w : root->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(root) || !counts(w) || w->parentWidget() == nullptr) {
            continue;
        }
        const QWidget* parent = w->parentWidget();
        if (qobject_cast<const QToolButton*>(w) && qobject_cast<const QTabBar*>(parent)) {
            continue; // the tab bar's own scroll buttons
        }
        // A widget of no size (an empty house of a chart) shows nothing
        // that could be cut off.
        if (!w->geometry().isEmpty() && !parent->rect().contains(w->geometry())) {
            const auto* label = qobject_cast<const QLabel*>(w);
            faults.push_back(name(w) + " is cut off by " + name(parent) +
                             (label ? " (\"" + label->text().toStdString() + "\")" : ""));
        }
        for (QWidget* other : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (other != w && other->isVisibleTo(root) && counts(other) &&
                w->geometry().intersects(other->geometry()) && name(w) < name(other)) {
                faults.push_back(name(w) + " overlaps " + name(other));
            }
        }
        if (const auto* label = qobject_cast<const QLabel*>(w); label && !label->text().isEmpty()) {
            const QSize need = label->wordWrap() ? QSize(label->minimumSizeHint().width(),
                                                         label->heightForWidth(label->width()))
                                                 : label->sizeHint();
            if (need.width() > label->width() || need.height() > label->height()) {
                faults.push_back(
                    name(w) + " cannot show its whole text \"" +
                    label->text().left(40).toStdString() + "\" (needs " +
                    std::to_string(need.width()) + "x" + std::to_string(need.height()) + ", has " +
                    std::to_string(label->width()) + "x" + std::to_string(label->height()) + ")");
            }
        }
    }
    return faults;
}

} // namespace tirovane::test
