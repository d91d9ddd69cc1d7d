#pragma once

#include "platform/platform.h"

class QWidget;

namespace tirovane {

// The platform of the running program: Qt's dialogs, QDesktopServices and
// QSettings.
class QtPlatform : public Platform {
public:
    // `searchAddress` is the web search the place look-up opens; the phrase
    // is appended to it, percent-encoded.
    explicit QtPlatform(std::string searchAddress);

    MessageAnswer ShowMessage(const std::string& text, const std::string& title, MessageKind kind,
                              MessageButtons buttons) override;
    std::optional<std::string> ChooseSaveFile(const FileDialogRequest& request) override;
    std::optional<std::string> ChooseOpenFile(const FileDialogRequest& request) override;
    void PreviewPrint(QPrinter& printer, std::function<void(QPrinter&)> paint) override;
    void OpenAddress(const std::string& address) override;
    void SearchWeb(const std::string& phrase, const std::string& siteAddress) override;
    std::optional<std::chrono::year_month_day> ReminderDate() override;
    bool SetReminderDate(std::chrono::year_month_day date) override;
    bool PrecisePositionsChosen() override;
    void SetPrecisePositionsChosen(bool chosen) override;
    bool NorthIndianChartChosen() override;
    void SetNorthIndianChartChosen(bool chosen) override;
    std::string LanguageChosen() override;
    void SetLanguageChosen(const std::string& code) override;
    std::string MatchingChosen() override;
    void SetMatchingChosen(const std::string& code) override;
    LocalTime Now() override;
    bool FileExists(const std::string& path) override;
    std::string ProgramFolder() override;
    std::string DataFolder() override;

    // The program is ending: no further box or dialog is shown; each
    // answers as if cancelled (No, Cancel).
    void EndSession() { ending_ = true; }

private:
    std::string searchAddress_;
    bool ending_ = false;
};

// The dialog filter "A (*.a)|*.a|B (*.b)|*.b" in Qt's form "A (*.a);;B (*.b)".
std::string QtFilter(const std::string& filter);

} // namespace tirovane
