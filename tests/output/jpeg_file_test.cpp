#include "output/jpeg_file.h"
#include "platform/scripted_platform.h"

#include <QImage>
#include <QPainter>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace tirovane {
namespace {

ScriptedPlatform WithFiles(std::set<std::string> files) {
    ScriptedPlatform platform;
    platform.Folder = "/opt/tirovane";
    platform.Files = std::move(files);
    return platform;
}

TEST(UniqueJpegPath, FreeNamesAndNumberedCopies) {
    struct Case {
        std::set<std::string> Existing;
        std::string Folder, File, Expected;
    };
    const Case cases[] = {
        {{}, "/home/a", "chart.jpg", "/home/a/chart.jpg"},
        {{"/home/a/chart.jpg", "/home/a/chart_001.jpg"},
         "/home/a/",
         "chart.jpg",
         "/home/a/chart_002.jpg"},
        {{}, "/home/a", "chart", "/home/a/chart.jpg"},
        {{}, "/home/a", "chart.bmp", "/home/a/chart.jpg"},
        {{}, "/home//a", "chart.jpg", "/home/a/chart.jpg"},
        {{}, "", "chart.jpg", "/opt/tirovane/chart.jpg"},
        {{}, "/home/a", "", "/home/a/20261208.jpg"},
        {{"/home/a.b/c.d.jpg"}, "/home/a.b", "c.d.jpg", "/home/a.b/c_001.d_001.jpg"},
    };
    for (const Case& c : cases) {
        ScriptedPlatform platform = WithFiles(c.Existing);
        EXPECT_EQ(UniqueJpegPath(platform, c.Folder, c.File), c.Expected) << c.File;
        EXPECT_TRUE(platform.Messages.empty());
    }
}

TEST(UniqueJpegPath, AllCopiesTakenOrOnlyTheLastFree) {
    std::set<std::string> taken{"/p/chart.jpg"};
    char name[32];
    for (int n = 1; n <= 998; ++n) {
        std::snprintf(name, sizeof name, "/p/chart_%03d.jpg", n);
        taken.insert(name);
    }
    ScriptedPlatform lastFree = WithFiles(taken);
    EXPECT_EQ(UniqueJpegPath(lastFree, "/p", "chart.jpg"), "/p/chart_999.jpg");
    EXPECT_TRUE(lastFree.Messages.empty());

    taken.insert("/p/chart_999.jpg");
    ScriptedPlatform full = WithFiles(taken);
    EXPECT_EQ(UniqueJpegPath(full, "/p", "chart.jpg"), "");
    ASSERT_EQ(full.Messages.size(), 1u);
    EXPECT_EQ(full.Messages[0].Text, "There are too many Copies of this file  chart.jpg");
    EXPECT_EQ(full.Messages[0].Title, " UNABLE  TO  CREATE  NEW  FILEchart.jpg");
    EXPECT_EQ(full.Messages[0].Kind, MessageKind::Error);
}

TEST(TimestampName, SeventeenDigitsOrTheDate) {
    LocalTime t{std::chrono::year_month_day{std::chrono::year(2026), std::chrono::month(3),
                                            std::chrono::day(9)},
                7, 5, 3, 42};
    EXPECT_EQ(TimestampName(t, false), "20260309070503042");
    EXPECT_EQ(TimestampName(t, true), "20260309");
}

TEST(SplitPath, AtTheLastSeparator) {
    std::string folder = "kept";
    std::string file = "kept";
    SplitPath("chart.jpg", folder, file);
    EXPECT_EQ(folder, "kept");
    EXPECT_EQ(file, "kept");
    SplitPath("/a.b/c/chart.x.jpg", folder, file);
    EXPECT_EQ(folder, "/a.b/c");
    EXPECT_EQ(file, "chart.x.jpg");
}

class JpegTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = std::filesystem::temp_directory_path() /
              ("tirovane-jpeg-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(dir);
        platform.Folder = TIROVANE_CONVERTER_DIR;
        picture = QImage(320, 200, QImage::Format_RGB32);
        picture.fill(QColor(255, 128, 0));
        QPainter painter(&picture);
        painter.fillRect(0, 0, 160, 100, Qt::white);
    }
    void TearDown() override { std::filesystem::remove_all(dir); }
    std::string In(const char* name) const { return (dir / name).string(); }
    int FileCount() const {
        return static_cast<int>(std::distance(std::filesystem::directory_iterator(dir), {}));
    }

    std::filesystem::path dir;
    ScriptedPlatform platform;
    QImage picture;
};

TEST_F(JpegTest, ARealJpegUnderAFreeNameAndNoBmpLeft) {
    for (const char* existing : {"chart.jpg", "chart_001.jpg"}) {
        std::ofstream(dir / existing) << "taken";
    }
    const auto saved = SaveAsJpeg(platform, picture, In("chart.jpg"));
    ASSERT_TRUE(saved.has_value()) << (platform.Messages.empty() ? "" : platform.Messages[0].Text);
    EXPECT_EQ(saved->Path, In("chart_002.jpg"));
    EXPECT_EQ(saved->FileName, "chart.jpg");
    EXPECT_EQ(saved->Folder, dir.string());
    EXPECT_FALSE(std::filesystem::exists(dir / "chart_002.bmp"));
    EXPECT_EQ(FileCount(), 3);
    QImage decoded(QString::fromStdString(saved->Path), "JPG");
    ASSERT_FALSE(decoded.isNull());
    EXPECT_EQ(decoded.size(), picture.size());
    // Quality 100 keeps the colours close.
    const QColor corner = decoded.pixelColor(300, 180);
    EXPECT_NEAR(corner.red(), 255, 3);
    EXPECT_NEAR(corner.green(), 128, 3);
    EXPECT_NEAR(decoded.pixelColor(10, 10).blue(), 255, 3);
}

TEST_F(JpegTest, TheExtensionIsReplacedAtTheFirstDotOfTheName) {
    std::filesystem::create_directories(dir / "my.folder");
    ASSERT_TRUE(SaveAsJpeg(platform, picture, In("chart.png")));
    EXPECT_TRUE(std::filesystem::exists(dir / "chart.jpg"));
    ASSERT_TRUE(SaveAsJpeg(platform, picture, In("my.chart.jpg")));
    EXPECT_TRUE(std::filesystem::exists(dir / "my.jpg"));
    ASSERT_TRUE(SaveAsJpeg(platform, picture, (dir / "my.folder" / "plain").string()));
    EXPECT_TRUE(std::filesystem::exists(dir / "my.folder" / "plain.jpg"));
}

TEST_F(JpegTest, AFailureIsReportedAndLeavesNothing) {
    platform.Folder = dir.string(); // no converter here
    EXPECT_FALSE(SaveAsJpeg(platform, picture, In("chart.jpg")).has_value());
    ASSERT_EQ(platform.Messages.size(), 1u);
    EXPECT_EQ(platform.Messages[0].Text.rfind("The picture could not be saved as ", 0), 0u);
    EXPECT_EQ(FileCount(), 0);

    platform.Messages.clear();
    platform.Folder = TIROVANE_CONVERTER_DIR;
    EXPECT_FALSE(SaveAsJpeg(platform, picture, In("no/such/folder/chart.jpg")).has_value());
    ASSERT_EQ(platform.Messages.size(), 1u);
    EXPECT_EQ(platform.Messages[0].Text.rfind("The picture could not be written to ", 0), 0u);
}

TEST_F(JpegTest, NoUserFileIsTouchedButTheChosenOne) {
    // A bitmap of the user's own beside the chosen name.
    std::ofstream(dir / "chart.bmp") << "the user's bitmap";
    // Folders whose names hold ".jpg", and a twin folder with ".bmp".
    std::filesystem::create_directories(dir / "photos.jpg");
    std::filesystem::create_directories(dir / "y.jpg.d");
    std::filesystem::create_directories(dir / "y.bmp.d");
    std::ofstream(dir / "y.bmp.d" / "chart.jpg") << "the user's picture";
    // A link to a file that does not exist yet: saving must not make it.
    std::filesystem::create_symlink(dir / "victim", dir / "linked.jpg");

    struct Case {
        std::string Chosen, Expected;
    };
    const Case cases[] = {
        {In("chart.jpg"), In("chart.jpg")},
        {(dir / "photos.jpg" / "chart.jpg").string(), (dir / "photos.jpg" / "chart.jpg").string()},
        {(dir / "y.jpg.d" / "chart.jpg").string(), (dir / "y.jpg.d" / "chart.jpg").string()},
        {In("linked.jpg"), In("linked_001.jpg")},
    };
    for (const Case& c : cases) {
        platform.Messages.clear();
        const auto saved = SaveAsJpeg(platform, picture, c.Chosen);
        ASSERT_TRUE(saved.has_value())
            << c.Chosen << ": " << (platform.Messages.empty() ? "" : platform.Messages[0].Text);
        EXPECT_EQ(saved->Path, c.Expected);
        EXPECT_TRUE(platform.Messages.empty());
        EXPECT_FALSE(QImage(QString::fromStdString(c.Expected), "JPG").isNull()) << c.Expected;
    }
    const auto read = [](const std::filesystem::path& path) {
        std::ifstream in(path);
        std::string text;
        std::getline(in, text);
        return text;
    };
    EXPECT_EQ(read(dir / "chart.bmp"), "the user's bitmap");
    EXPECT_EQ(read(dir / "y.bmp.d" / "chart.jpg"), "the user's picture");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir / "y.bmp.d"), {}), 1);
    EXPECT_FALSE(std::filesystem::exists(dir / "victim"));
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "linked.jpg"));
    // Nothing else was made: no temporary left anywhere.
    EXPECT_EQ(FileCount(), 7);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir / "photos.jpg"), {}), 1);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir / "y.jpg.d"), {}), 1);
}

} // namespace
} // namespace tirovane
