#pragma once

#include "platform/platform.h"

#include <deque>
#include <functional>
#include <map>
#include <set>
#include <vector>

// A platform for tests: it opens nothing, records every request and
// answers from what the test queued.

namespace tirovane {

class ScriptedPlatform : public Platform {
public:
    struct Message {
        std::string Text;
        std::string Title;
        MessageKind Kind;
        MessageButtons Buttons;
    };

    MessageAnswer ShowMessage(const std::string& text, const std::string& title, MessageKind kind,
                              MessageButtons buttons) override;
    std::optional<std::string> ChooseSaveFile(const FileDialogRequest& request) override;
    std::optional<std::string> ChooseOpenFile(const FileDialogRequest& request) override;
    void PreviewPrint(QPrinter& printer, std::function<void(QPrinter&)> paint) override;
    void OpenAddress(const std::string& address) override { Addresses.push_back(address); }
    void SearchWeb(const std::string& phrase, const std::string& siteAddress) override {
        Searches.push_back({phrase, siteAddress});
    }
    std::optional<std::chrono::year_month_day> ReminderDate() override { return Reminder; }
    bool SetReminderDate(std::chrono::year_month_day date) override {
        if (SettingsWritable) {
            Reminder = date;
        }
        return SettingsWritable;
    }
    bool PrecisePositionsChosen() override { return PrecisePositions; }
    void SetPrecisePositionsChosen(bool chosen) override {
        if (SettingsWritable) {
            PrecisePositions = chosen;
        }
    }
    bool NorthIndianChartChosen() override { return NorthIndianChart; }
    void SetNorthIndianChartChosen(bool chosen) override {
        if (SettingsWritable) {
            NorthIndianChart = chosen;
        }
    }
    std::string LanguageChosen() override { return Language; }
    void SetLanguageChosen(const std::string& code) override {
        if (SettingsWritable) {
            Language = code;
        }
    }
    std::string MatchingChosen() override { return Matching; }
    void SetMatchingChosen(const std::string& code) override {
        if (SettingsWritable) {
            Matching = code;
        }
    }
    LocalTime Now() override { return Clock; }
    bool FileExists(const std::string& path) override;
    std::string ProgramFolder() override { return Folder; }
    std::string DataFolder() override { return Data; }

    // What was asked.
    std::vector<Message> Messages;
    std::vector<FileDialogRequest> SaveRequests;
    std::vector<FileDialogRequest> OpenRequests;
    std::vector<std::string> Addresses;
    std::vector<std::pair<std::string, std::string>> Searches;
    int PreviewRequests = 0;

    // The answers: Yes/No questions take the next queued answer (No when
    // none is queued); dialogs the next queued path (cancel when none, or
    // when the queued value is empty).
    std::deque<MessageAnswer> Answers;
    std::deque<std::optional<std::string>> SavePaths;
    std::deque<std::optional<std::string>> OpenPaths;
    // A preview paints its pages into this PDF file when it is set, as the
    // preview's print button would print them; otherwise it is closed
    // without printing.
    std::optional<std::string> PreviewToPdf;
    // Runs inside every message box, as a modal dialog would run events.
    std::function<void(const Message&)> OnMessage;

    std::optional<std::chrono::year_month_day> Reminder;
    // False: the settings cannot be written, as on a read-only home folder.
    bool SettingsWritable = true;
    bool PrecisePositions = false;
    bool NorthIndianChart = false;
    std::string Language;
    std::string Matching;
    LocalTime Clock{std::chrono::year_month_day{std::chrono::year(2026), std::chrono::month(12),
                                                std::chrono::day(8)},
                    10, 30, 15, 250};
    std::string Folder = ".";
    std::string Data = "."; // the test's own folder
    // When set, FileExists answers from this set instead of the disk.
    std::optional<std::set<std::string>> Files;
};

} // namespace tirovane
