// The people library through the windows, the user's way: File > People...
// from the input form's menu, the buttons, the search typed, the ranking
// window and its double-click.

#include "people/ranking.h"
#include "reading/birth_instant.h"
#include "reading/calculation.h"
#include "tests/ui/ui_fixture.h"
#include "texts/match_texts.h"
#include "ui/people_window.h"

#include <QApplication>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>

namespace tirovane::test {
namespace {

class PeopleWindowTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        platform.Data = data.path().toStdString();
    }
    PeopleWindow* People() {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* p = qobject_cast<PeopleWindow*>(w); p != nullptr && p->isVisible()) {
                return p;
            }
        }
        return nullptr;
    }
    QAction* InputAction(const char* name) {
        return Input().findChild<QAction*>(QString::fromLatin1(name));
    }
    QTemporaryDir data;
};

TEST_F(PeopleWindowTest, AddSearchRankOpenAndDelete) {
    Person asha;
    asha.Name = "Asha";
    Person ravi = MumbaiPerson();
    ravi.Name = "Ravi";
    Fill(0, asha);
    Fill(1, ravi);

    ClickMenuEntry(Input(), InputAction("mnuPeople"));
    PeopleWindow* window = People();
    ASSERT_NE(window, nullptr) << "File > People... opens the window";
    EXPECT_TRUE(QFile::exists(data.filePath(QStringLiteral("people.sqlite"))));
    EXPECT_EQ(window->Model().rowCount(), 0);
    EXPECT_FALSE(In<QPushButton>(*window, QStringLiteral("cmdMatchAll"))->isEnabled())
        << "nobody chosen";

    Click(*window, "cmdAddFirst");
    Click(*window, "cmdAddPartner");
    ASSERT_EQ(window->Model().rowCount(), 2);
    EXPECT_EQ(window->Model().PersonAt(0).Details.Name, "Asha");
    EXPECT_EQ(window->Model().PersonAt(1).Details.City, "Mumbai");
    Click(*window, "cmdAddFirst");
    EXPECT_EQ(LastMessage(), "Asha is already in the library (Id 1).");
    EXPECT_EQ(window->Model().rowCount(), 2);

    // A person whose details fail the form's checks is not kept.
    Form<QLineEdit>(QStringLiteral("txtName_0"))->setText(QStringLiteral("Asha 2"));
    Click(*window, "cmdAddFirst");
    EXPECT_EQ(LastMessage(), "Please enter only letters");
    EXPECT_EQ(window->Model().rowCount(), 2);

    // Typed into the search, the list follows.
    auto* search = In<QLineEdit>(*window, QStringLiteral("txtSearch"));
    QTest::keyClicks(search, QStringLiteral("MUMB"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->Model().rowCount() == 1; }, 2000));
    EXPECT_EQ(window->Model().PersonAt(0).Details.Name, "Ravi");
    search->clear();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->Model().rowCount() == 2; }, 2000));

    // Asha against all: Ravi, the same match the whole charts give.
    auto* table = In<QTableView>(*window, QStringLiteral("tblPeople"));
    table->setCurrentIndex(window->Model().index(0, 0));
    Click(*window, "cmdMatchAll");
    RankingWindow* ranking = window->Ranking();
    ASSERT_NE(ranking, nullptr);
    ASSERT_EQ(ranking->Model().rowCount(), 1);
    const PersonChart first = CalculateChart(MakeEngineInput(window->Model().PersonAt(0).Details));
    const PersonChart second = CalculateChart(MakeEngineInput(window->Model().PersonAt(1).Details));
    const PairMatch whole = MatchPair(first, second);
    EXPECT_EQ(ranking->Model().data(ranking->Model().index(0, 3), Qt::DisplayRole).toString(),
              QString::fromStdString(texts::PointsText(whole.Match.Points.Total)));
    EXPECT_EQ(ranking->Model().data(ranking->Model().index(0, 0), Qt::DisplayRole).toString(),
              "Ravi");
    // A minimum above the total hides him.
    auto* minimum = In<QDoubleSpinBox>(*ranking, QStringLiteral("spnMinPoints"));
    minimum->setValue(whole.Match.Points.Total + 0.5);
    EXPECT_EQ(ranking->Model().rowCount(), 0);
    EXPECT_EQ(In<QLabel>(*ranking, QStringLiteral("lblShown"))->text(), "Candidates shown: 0 of 1");
    minimum->setValue(0);
    // Exported as a PDF table: the title and the candidate are its text.
    const QString pdf = data.filePath(QStringLiteral("ranking.pdf"));
    platform.SavePaths.push_back(pdf.toStdString());
    Click(*ranking, "cmdExportPdf");
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished(10000));
    const QString extracted = QString::fromUtf8(text.readAllStandardOutput());
    EXPECT_TRUE(extracted.contains(QStringLiteral("Matches for Asha"))) << extracted.toStdString();
    EXPECT_TRUE(extracted.contains(QStringLiteral("Ravi")));
    EXPECT_TRUE(extracted.contains(QStringLiteral("Points")));
    EXPECT_TRUE(extracted.contains(QStringLiteral("Rajju")));
    // Double-clicked, the pair's reading opens in the result window.
    auto* rankingTable = In<QTableView>(*ranking, QStringLiteral("tblRanking"));
    const QRect cell = rankingTable->visualRect(ranking->Model().index(0, 0));
    // A double-click is a click and a second press that Qt sees as a
    // double-click.
    QTest::mouseClick(rankingTable->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(rankingTable->viewport(), Qt::LeftButton, {}, cell.center());
    ASSERT_NE(app->ExistingFrame(), nullptr) << LastMessage();
    EXPECT_TRUE(app->State().Charts[Partner].has_value());
    EXPECT_EQ(app->State().People.People[Partner].Name, "Ravi");
    EXPECT_EQ(app->State().People.People[FirstPerson].Name, "Asha");

    // Delete asks first: No keeps him, Yes removes him.
    table->setCurrentIndex(window->Model().index(1, 0));
    platform.Answers.push_back(MessageAnswer::No);
    Click(*window, "cmdDelete");
    EXPECT_EQ(LastMessage(), "Delete Ravi from the library?");
    EXPECT_EQ(window->Model().rowCount(), 2);
    platform.Answers.push_back(MessageAnswer::Yes);
    Click(*window, "cmdDelete");
    EXPECT_EQ(window->Model().rowCount(), 1);
}

TEST_F(PeopleWindowTest, ImportListsBadLinesAndAsksExportWritesEveryone) {
    ClickMenuEntry(Input(), InputAction("mnuPeople"));
    PeopleWindow* window = People();
    ASSERT_NE(window, nullptr);
    const QString csv = data.filePath(QStringLiteral("people.csv"));
    {
        QFile file(csv);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("Name,Date,Time,Place,Sex\n"
                   "Meera,1990-05-04,07:15,Chennai,female\n"
                   "R2D2,1990-05-04,07:15,Chennai,\n"
                   "Kiran,1988-11-30,23:05,Bengaluru,male\n");
    }
    // Asked whether to import the good lines: No imports nothing.
    platform.OpenPaths.push_back(csv.toStdString());
    platform.Answers.push_back(MessageAnswer::No);
    Click(*window, "cmdImport");
    EXPECT_NE(LastMessage().find("1 line of the file cannot be imported."), std::string::npos)
        << LastMessage();
    EXPECT_NE(LastMessage().find("Line 3: Please enter only letters"), std::string::npos);
    EXPECT_EQ(window->Model().rowCount(), 0);
    // Yes imports the other two.
    platform.OpenPaths.push_back(csv.toStdString());
    platform.Answers.push_back(MessageAnswer::Yes);
    Click(*window, "cmdImport");
    EXPECT_EQ(LastMessage(), "Added: 2. Already in the library: 0.");
    ASSERT_EQ(window->Model().rowCount(), 2);
    EXPECT_EQ(window->Model().PersonAt(1).Details.Name, "Kiran");
    EXPECT_EQ(window->Model().PersonAt(1).Zone, "Asia/Kolkata");

    const QString out = data.filePath(QStringLiteral("out.csv"));
    platform.SavePaths.push_back(out.toStdString());
    Click(*window, "cmdExport");
    QFile file(out);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray written = file.readAll();
    EXPECT_TRUE(written.startsWith("Name,Day,Month,Year,"));
    EXPECT_EQ(written.count('\n'), 3) << "the header and both people";
}

TEST_F(PeopleWindowTest, AFileThatIsNoLibraryIsToldAndLeftAlone) {
    const QString notes = data.filePath(QStringLiteral("notes.sqlite"));
    {
        QFile file(notes);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("not a library\n");
    }
    platform.OpenPaths.push_back(notes.toStdString());
    ClickMenuEntry(Input(), InputAction("mnuOpenPeopleLibrary"));
    EXPECT_EQ(LastMessage(), notes.toStdString() + " is not a people library; it was left as it "
                                                   "was.");
    QFile file(notes);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("not a library\n"));
    EXPECT_EQ(People(), nullptr);
}

} // namespace
} // namespace tirovane::test
