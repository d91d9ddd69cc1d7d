#include "platform/scripted_platform.h"
#include "system/web_links.h"

#include <gtest/gtest.h>

namespace tirovane {
namespace {

using namespace std::chrono;

constexpr year_month_day Today{year(2026), month(12), day(8)};

struct Reminder {
    ScriptedPlatform Platform;
    WebLinks Links{Platform, {"help:", "home:", "download:", "donate:", "resell:", "cobrand:"}};

    explicit Reminder(std::optional<year_month_day> stored) {
        Platform.Clock.Date = Today;
        Platform.Reminder = stored;
    }
};

year_month_day DaysFromToday(int days) {
    return year_month_day(sys_days(Today) + std::chrono::days(days));
}

TEST(RemindUpdate, FirstStartStoresTodayWithoutAQuestion) {
    Reminder r(std::nullopt);
    RemindUpdate(r.Platform, r.Links);
    EXPECT_TRUE(r.Platform.Messages.empty());
    EXPECT_EQ(r.Platform.Reminder, Today);
}

TEST(RemindUpdate, AskesOnlyBeyondFourteenDaysEitherWay) {
    struct Case {
        int Days;
        bool Asks;
    };
    const Case cases[] = {{-14, false}, {-15, true}, {0, false},
                          {14, false},  {15, true},  {-400, true}};
    for (const Case& c : cases) {
        Reminder r(DaysFromToday(c.Days));
        RemindUpdate(r.Platform, r.Links);
        ASSERT_EQ(r.Platform.Messages.size(), c.Asks ? 1u : 0u) << c.Days;
        if (c.Asks) {
            const auto& m = r.Platform.Messages[0];
            EXPECT_EQ(m.Text, "There maybe an update to this software available\r"
                              "Do you want to check for an update?");
            EXPECT_EQ(m.Kind, MessageKind::Information);
            EXPECT_EQ(m.Buttons, MessageButtons::YesNo);
            EXPECT_EQ(r.Platform.Reminder, Today) << c.Days;
        } else {
            EXPECT_EQ(r.Platform.Reminder, DaysFromToday(c.Days)) << "unchanged";
        }
        EXPECT_TRUE(r.Platform.Addresses.empty()) << "No was the answer";
    }
}

TEST(RemindUpdate, SettingsThatCannotBeWrittenBringNoQuestionAtAnyStart) {
    Reminder r(DaysFromToday(-30));
    r.Platform.SettingsWritable = false;
    r.Platform.Answers = {MessageAnswer::Yes, MessageAnswer::Yes, MessageAnswer::Yes};
    for (int start = 0; start < 3; ++start) {
        RemindUpdate(r.Platform, r.Links);
    }
    EXPECT_TRUE(r.Platform.Messages.empty());
    EXPECT_TRUE(r.Platform.Addresses.empty());
    EXPECT_EQ(r.Platform.Reminder, DaysFromToday(-30));

    // Writable again: asked once, then not before 15 days have passed.
    r.Platform.SettingsWritable = true;
    for (int start = 0; start < 3; ++start) {
        RemindUpdate(r.Platform, r.Links);
    }
    EXPECT_EQ(r.Platform.Messages.size(), 1u);
    EXPECT_EQ(r.Platform.Reminder, Today);
}

TEST(RemindUpdate, YesOpensTheDownloadPage) {
    Reminder r(DaysFromToday(-15));
    r.Platform.Answers.push_back(MessageAnswer::Yes);
    RemindUpdate(r.Platform, r.Links);
    EXPECT_EQ(r.Platform.Addresses, std::vector<std::string>{"download:"});
    EXPECT_EQ(r.Platform.Reminder, Today);
}

TEST(WebAddresses, InstalledPagesBesideTheProgram) {
    const WebAddresses a = WebAddresses::BuiltIn("/usr/lib/tirovane");
    EXPECT_EQ(a.HelpPage, "file:///usr/lib/tirovane/site/help.html");
    EXPECT_EQ(a.HomePage, "file:///usr/lib/tirovane/site/index.html");
    EXPECT_EQ(a.DownloadPage, "file:///usr/lib/tirovane/site/download.html");
    EXPECT_EQ(a.DonationPage, "file:///usr/lib/tirovane/site/donate.html");
    EXPECT_EQ(a.ResellerPage, "file:///usr/lib/tirovane/site/reseller.html");
    EXPECT_EQ(a.CoBrandPage, "file:///usr/lib/tirovane/site/cobrand.html");
}

} // namespace
} // namespace tirovane
