#pragma once

#include "platform/platform.h"

#include <string>

// The pages the menus and link labels open, and the update reminder.

namespace tirovane {

// Where each page lives. By default the pages installed with the program,
// in the "site" folder beside it; a build may point them elsewhere.
struct WebAddresses {
    std::string HelpPage;
    std::string HomePage;
    std::string DownloadPage;
    std::string DonationPage;
    std::string ResellerPage;
    std::string CoBrandPage;

    // The addresses built into the program, for the given program folder.
    static WebAddresses BuiltIn(const std::string& programFolder);
};

class WebLinks {
public:
    WebLinks(Platform& platform, WebAddresses addresses)
        : platform_(platform), addresses_(std::move(addresses)) {}

    void OpenHelpPage() { platform_.OpenAddress(addresses_.HelpPage); }
    void OpenHomePage() { platform_.OpenAddress(addresses_.HomePage); }
    void OpenDownloadPage() { platform_.OpenAddress(addresses_.DownloadPage); }
    void OpenDonationPage() { platform_.OpenAddress(addresses_.DonationPage); }
    void OpenResellerPage() { platform_.OpenAddress(addresses_.ResellerPage); }
    void OpenCoBrandPage() { platform_.OpenAddress(addresses_.CoBrandPage); }

    const WebAddresses& Addresses() const { return addresses_; }

private:
    Platform& platform_;
    WebAddresses addresses_;
};

inline constexpr const char* UpdateQuestion =
    "There maybe an update to this software available\rDo you want to check for an update?";

// At start: asks whether to look for an update when the stored reminder
// date is more than 14 days away from today (either way), storing today
// whatever the answer. The first start only stores today. When today
// cannot be stored (the settings are read-only) nothing is asked: the
// question would otherwise come at every start.
void RemindUpdate(Platform& platform, WebLinks& links);

} // namespace tirovane
