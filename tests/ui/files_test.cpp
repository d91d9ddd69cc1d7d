// Saving and opening readings, the text export and Save As JPEG through the
// windows' own commands.

#include "files/saved_reading.h"
#include "tests/ui/ui_fixture.h"

#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <atomic>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace tirovane::test {
namespace {

class FilesTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        dir = std::filesystem::temp_directory_path() /
              ("tirovane-ui-files-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(dir);
    }
    void TearDown() override {
        UiTest::TearDown();
        std::filesystem::remove_all(dir);
    }
    std::string In(const char* name) const { return (dir / name).string(); }
    static std::string Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    // The Mumbai birth as Ravi, with a southern latitude and daylight
    // saving, so that every field of the form differs from the first person.
    static Person Partner() {
        Person p = MumbaiPerson();
        p.Name = "Ravi";
        p.South = true;
        p.Dst = true;
        return p;
    }
    std::vector<std::string> ResultLabels() {
        std::vector<std::string> texts;
        for (QLabel* label : app->Result().findChildren<QLabel*>()) {
            if (!label->objectName().isEmpty() && label->objectName() != "Picture1") {
                texts.push_back(label->objectName().toStdString() + "=" +
                                label->text().toStdString());
            }
        }
        return texts;
    }

    std::filesystem::path dir;
};

TEST_F(FilesTest, ASavedReadingOpensToTheSameFieldsAndResult) {
    Reading(Person{}, Partner());
    const std::vector<std::string> before = ResultLabels();
    platform.SavePaths.push_back(In("pair.tvr"));
    app->ExistingFrame()->findChild<QAbstractButton*>("cmdSave")->click();
    ASSERT_EQ(platform.SaveRequests.size(), 1u);
    EXPECT_EQ(platform.SaveRequests[0].Filter, "Tirovane (*.tvr)|*.tvr");
    EXPECT_EQ(platform.SaveRequests[0].DefaultExtension, "tvr");
    EXPECT_EQ(platform.SaveRequests[0].Title, "Tirovane");
    EXPECT_TRUE(platform.SaveRequests[0].OverwritePrompt);
    ASSERT_TRUE(std::filesystem::exists(In("pair.tvr")));
    EXPECT_EQ(Read(In("pair.tvr")).rfind(Scramble("Example") + "\r\n" + Scramble("4") + "\r\n", 0),
              0u);

    // A fresh start, the fields changed: opening brings everything back.
    app->ExistingFrame()->findChild<QAction*>("mnuNew")->trigger();
    Fill(0, Partner());
    Fill(1, Person{});
    platform.OpenPaths.push_back(In("pair.tvr"));
    Click(Input(), "cmdOpen");
    ASSERT_EQ(platform.OpenRequests.size(), 1u);
    EXPECT_EQ(platform.OpenRequests[0].Title, "Select the source file");
    EXPECT_EQ(platform.OpenRequests[0].InitialName, "");
    EXPECT_TRUE(platform.Messages.empty()) << LastMessage();
    EXPECT_EQ(Form<QLineEdit>("txtName_0")->text(), "Example");
    EXPECT_EQ(Form<QLineEdit>("txtName_1")->text(), "Ravi");
    EXPECT_TRUE(Form<QRadioButton>("optLat_3")->isChecked()) << "the partner's South";
    EXPECT_TRUE(Form<QAbstractButton>("chkDST_1")->isChecked());
    EXPECT_EQ(Form<QComboBox>("cboTimeZone_1")->currentIndex(), 34);
    EXPECT_EQ(Form<QComboBox>("cboMonth_1")->currentText(), "February");
    EXPECT_EQ(Form<QComboBox>("cboHour_1")->currentText(), "22");
    ASSERT_NE(app->ExistingFrame(), nullptr);
    EXPECT_TRUE(app->ExistingFrame()->isVisible());
    EXPECT_EQ(ResultLabels(), before);
}

// A Hindi reader's names, typed by key in Devanagari, and places from other
// scripts, saved through the window and opened again: nothing lost.
TEST_F(FilesTest, NamesInEveryScriptAreSavedAndOpenedWhole) {
    Person first = Person{};
    first.City = "K\u00F6ln";
    Person partner = Partner();
    partner.Name = "";
    partner.State = "\u0BA4\u0BAE\u0BBF\u0BB4\u0BCD\u0BA8\u0BBE\u0B9F\u0BC1"; // Tamil Nadu
    Fill(0, first);
    Next();
    Fill(1, partner);
    const QString name = QStringLiteral(u"\u0930\u0935\u093F \u0915\u0941\u092E\u093E\u0930");
    auto* box = Form<QLineEdit>("txtName_1");
    for (const char32_t c : name.toUcs4()) {
        const QString character = QString::fromUcs4(&c, 1);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, character);
        QApplication::sendEvent(box, &press);
    }
    ASSERT_EQ(box->text(), name);
    Calculate();
    ASSERT_TRUE(platform.Messages.empty()) << LastMessage();
    const std::vector<std::string> before = ResultLabels();

    platform.SavePaths.push_back(In("scripts.tvr"));
    app->ExistingFrame()->findChild<QAbstractButton*>("cmdSave")->click();
    EXPECT_EQ(Read(In("scripts.tvr")).rfind("Tirovane reading, UTF-8\r\nExample\r\n", 0), 0u);

    app->ExistingFrame()->findChild<QAction*>("mnuNew")->trigger();
    Fill(0, Partner());
    Fill(1, Person{});
    platform.OpenPaths.push_back(In("scripts.tvr"));
    Click(Input(), "cmdOpen");
    EXPECT_TRUE(platform.Messages.empty()) << LastMessage();
    EXPECT_EQ(Form<QLineEdit>("txtName_1")->text(), name);
    EXPECT_EQ(Form<QLineEdit>("txtCity_0")->text(), QStringLiteral(u"K\u00F6ln"));
    EXPECT_EQ(Form<QLineEdit>("txtState_1")->text().toStdString(), partner.State);
    EXPECT_EQ(ResultLabels(), before);
}

TEST_F(FilesTest, CancellingWritesNothingAndCapitalsAreRefused) {
    Reading(Person{}, Person{});
    platform.SavePaths.push_back(In("first.tvr"));
    app->ExistingFrame()->findChild<QAction*>("mnuSaveAsText")->trigger();
    platform.SavePaths.push_back(std::nullopt);
    app->ExistingFrame()->findChild<QAction*>("mnuSaveAsText")->trigger();
    ASSERT_EQ(platform.SaveRequests.size(), 2u);
    EXPECT_EQ(platform.SaveRequests[1].InitialName, In("first.tvr")) << "the last name is offered";
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 1);

    std::filesystem::copy_file(In("first.tvr"), In("FIRST.TVR"));
    Form<QLineEdit>("txtName_0")->setText("Changed");
    platform.OpenPaths.push_back(In("FIRST.TVR"));
    Click(Input(), "cmdOpen");
    EXPECT_EQ(LastMessage(), "Please Check The File.");
    EXPECT_EQ(platform.Messages.back().Kind, MessageKind::Error);
    EXPECT_EQ(Form<QLineEdit>("txtName_0")->text(), "Changed");
}

TEST_F(FilesTest, AFileThatCannotBeReadLeavesTheFormAsItWas) {
    Fill(0, Person{});
    platform.OpenPaths.push_back(In("missing.tvr"));
    Click(Input(), "cmdOpen");
    EXPECT_EQ(LastMessage().rfind("The file " + In("missing.tvr") + " could not be opened: ", 0),
              0u);
    EXPECT_EQ(Form<QLineEdit>("txtName_0")->text(), "Example");
}

TEST_F(FilesTest, APipeNamedLikeAReadingIsRefusedAtOnce) {
    const std::string pipe = In("x.tvr");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0644), 0);
    Fill(0, Person{});
    // Should opening wait for a writer, this one ends the wait after 5 s so
    // that the test fails instead of hanging.
    std::atomic<bool> done = false;
    std::thread rescue([pipe, &done] {
        for (int i = 0; i < 50 && !done; ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        const int writer = ::open(pipe.c_str(), O_WRONLY | O_NONBLOCK);
        if (writer >= 0) {
            ::close(writer);
        }
    });
    const auto started = std::chrono::steady_clock::now();
    platform.OpenPaths.push_back(pipe);
    Click(Input(), "cmdOpen");
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(4));
    done = true;
    rescue.join();
    EXPECT_EQ(LastMessage(), "The file " + pipe +
                                 " could not be opened: it is not an ordinary file (a device, a "
                                 "pipe or a socket).");
    EXPECT_EQ(Form<QLineEdit>("txtName_0")->text(), "Example");
}

TEST_F(FilesTest, AShortFileEmptiesTheBoxesAndTheChecksSayWhatIsMissing) {
    std::ofstream(In("short.tvr"), std::ios::binary) << Scramble("Only") << "\r\n";
    Fill(0, Person{});
    Fill(1, Person{});
    platform.OpenPaths.push_back(In("short.tvr"));
    Click(Input(), "cmdOpen");
    EXPECT_EQ(Form<QLineEdit>("txtName_0")->text(), "Only");
    EXPECT_EQ(Form<QLineEdit>("txtCity_0")->text(), "");
    EXPECT_EQ(Form<QComboBox>("cboMonth_0")->currentText(), "April") << "lists keep their choice";
    ASSERT_EQ(platform.Messages.size(), 2u) << "one check fails for each person";
    EXPECT_EQ(platform.Messages[0].Text, "Please Enter Degree of Latitude");
    EXPECT_EQ(platform.Messages[1].Text, "Please Enter Name");
}

TEST_F(FilesTest, AFailedSaveIsReportedAndKeepsTheOldFile) {
    Reading(Person{}, Person{});
    const std::string folder = In("taken");
    std::filesystem::create_directories(folder);
    platform.SavePaths.push_back(folder); // a folder cannot be replaced by a file
    app->ExistingFrame()->findChild<QAction*>("mnuSaveAsText")->trigger();
    EXPECT_EQ(LastMessage().rfind("The file " + folder + " could not be written: ", 0), 0u);
    EXPECT_TRUE(std::filesystem::is_directory(folder));
}

TEST_F(FilesTest, TheExportWritesThePersonComputedLast) {
    Fill(0, Person{});
    Next();
    platform.SavePaths.push_back(In("first.txt"));
    app->Frame().mnuExport_Click();
    ASSERT_EQ(platform.SaveRequests.size(), 1u);
    EXPECT_EQ(platform.SaveRequests[0].Title, "Select the destination text file ");
    EXPECT_EQ(platform.SaveRequests[0].Filter, "Export Chart As Text (*.txt)|*.txt");
    EXPECT_EQ(platform.SaveRequests[0].DefaultExtension, "txt");
    EXPECT_EQ(Read(In("first.txt")).rfind("Name: Example\r\n", 0), 0u);

    Person partner = Partner();
    Fill(1, partner);
    Calculate();
    platform.SavePaths.push_back(In("partner.txt"));
    app->Frame().mnuExport_Click();
    const std::string text = Read(In("partner.txt"));
    EXPECT_EQ(text.rfind("Name: Ravi\r\nDate of Birth: February 3, 1983\r\n"
                         "Time of Birth: 22 Hour 10 Minute\r\nLatitude: 19 Degree 4 Minute \r\n",
                         0),
              0u);
    EXPECT_NE(text.find("Country: India\r\n\r\r\nPlanetary Position\r\nSun "), std::string::npos);
    EXPECT_EQ(platform.SaveRequests[1].InitialName, In("first.txt"));
}

TEST_F(FilesTest, SaveAsJpegWritesThePictureOfTheResult) {
    platform.Folder = TIROVANE_CONVERTER_DIR;
    platform.Files.reset();
    Reading(Person{}, Person{});
    platform.SavePaths.push_back(In("reading.png"));
    app->ExistingFrame()->findChild<QAction*>("mnuSaveAsJpeg")->trigger();
    ASSERT_EQ(platform.SaveRequests.size(), 1u);
    EXPECT_EQ(platform.SaveRequests[0].Filter, "JPEG Image (*.jpg)|*.jpg");
    EXPECT_TRUE(platform.Messages.empty()) << LastMessage();
    QImage picture(QString::fromStdString(In("reading.jpg")), "JPG");
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.size(), app->Result().size());
    EXPECT_EQ(app->State().LastPictureFile, "reading.jpg");
    EXPECT_EQ(app->State().LastPictureFolder, dir.string());
    EXPECT_FALSE(std::filesystem::exists(In("reading.bmp")));

    platform.SavePaths.push_back(std::nullopt);
    app->ExistingFrame()->findChild<QAction*>("mnuSaveAsJpeg")->trigger();
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 1);
}

} // namespace
} // namespace tirovane::test
