#include "system/web_links.h"

namespace tirovane {

namespace {

// A build may set any address; an empty one means the installed page.
#ifndef TIROVANE_HELP_ADDRESS
#define TIROVANE_HELP_ADDRESS ""
#endif
#ifndef TIROVANE_HOME_ADDRESS
#define TIROVANE_HOME_ADDRESS ""
#endif
#ifndef TIROVANE_DOWNLOAD_ADDRESS
#define TIROVANE_DOWNLOAD_ADDRESS ""
#endif
#ifndef TIROVANE_DONATION_ADDRESS
#define TIROVANE_DONATION_ADDRESS ""
#endif
#ifndef TIROVANE_RESELLER_ADDRESS
#define TIROVANE_RESELLER_ADDRESS ""
#endif
#ifndef TIROVANE_COBRAND_ADDRESS
#define TIROVANE_COBRAND_ADDRESS ""
#endif

std::string PageAddress(const char* configured, const std::string& programFolder,
                        const char* page) {
    if (*configured != '\0') {
        return configured;
    }
    return "file://" + programFolder + "/site/" + page;
}

} // namespace

WebAddresses WebAddresses::BuiltIn(const std::string& programFolder) {
    return {
        PageAddress(TIROVANE_HELP_ADDRESS, programFolder, "help.html"),
        PageAddress(TIROVANE_HOME_ADDRESS, programFolder, "index.html"),
        PageAddress(TIROVANE_DOWNLOAD_ADDRESS, programFolder, "download.html"),
        PageAddress(TIROVANE_DONATION_ADDRESS, programFolder, "donate.html"),
        PageAddress(TIROVANE_RESELLER_ADDRESS, programFolder, "reseller.html"),
        PageAddress(TIROVANE_COBRAND_ADDRESS, programFolder, "cobrand.html"),
    };
}

void RemindUpdate(Platform& platform, WebLinks& links) {
    using namespace std::chrono;
    const year_month_day today = platform.Now().Date;
    const auto stored = platform.ReminderDate();
    if (!stored) {
        platform.SetReminderDate(today);
        return;
    }
    const auto days = (sys_days(*stored) - sys_days(today)).count();
    if (days >= -14 && days <= 14) {
        return;
    }
    // Today is stored first, as the answer does not matter to it: where the
    // settings cannot be written, the question would come back at every
    // start, so it is not asked at all.
    if (!platform.SetReminderDate(today)) {
        return;
    }
    const MessageAnswer answer = platform.ShowMessage(
        UpdateQuestion, MessageTitle, MessageKind::Information, MessageButtons::YesNo);
    if (answer == MessageAnswer::Yes) {
        links.OpenDownloadPage();
    }
}

} // namespace tirovane
