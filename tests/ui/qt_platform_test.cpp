// The Qt platform's settings store: what is kept between runs, and a store
// that cannot be written says so.

#include "platform/qt_platform.h"

#include <QSettings>
#include <QStandardPaths>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

namespace tirovane {
namespace {

TEST(QtPlatformSettings, AStoreThatCannotBeWrittenSaysSo) {
    using namespace std::chrono;
    const year_month_day date{year(2026), month(12), day(8)};
    const auto folder = std::filesystem::temp_directory_path() /
                        ("tirovane-settings-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    QtPlatform platform("");

    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QString::fromStdString(folder.string()));
    EXPECT_TRUE(platform.SetReminderDate(date));
    EXPECT_EQ(platform.ReminderDate(), date);

    // The chart style: South Indian until North Indian is chosen, and kept
    // for the next run (a platform made afresh reads the store again).
    EXPECT_FALSE(platform.NorthIndianChartChosen());
    platform.SetNorthIndianChartChosen(true);
    EXPECT_TRUE(QtPlatform("").NorthIndianChartChosen());
    platform.SetNorthIndianChartChosen(false);
    EXPECT_FALSE(QtPlatform("").NorthIndianChartChosen());

    // Below a file no folder can be made, whoever runs the test (root too).
    std::ofstream(folder / "file") << "x";
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QString::fromStdString((folder / "file").string()));
    EXPECT_FALSE(platform.SetReminderDate(date));

    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    std::filesystem::remove_all(folder);
}

} // namespace
} // namespace tirovane
