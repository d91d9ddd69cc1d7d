#pragma once

#include "people/library.h"
#include "platform/platform.h"
#include "reading/program.h"
#include "reading/reading.h"
#include "system/web_links.h"
#include "ui/captions.h"

#include <QObject>
#include <QPixmap>
#include <QPointer>

class QMenu;
class QMenuBar;
#include <memory>

// The program's windows and the reading flow that moves between them: the
// input form, the frame window with the result form inside, and the
// process-wide state of the current reading.

namespace tirovane {

class InputForm;
class FrameWindow;
class ResultForm;

// The picture converter component, looked for in the program's folder.
inline constexpr const char* ConverterFileName = "libBmp2Jpeg.so";

class PeopleWindow;

class TirovaneApp : public QObject {
    Q_OBJECT
public:
    TirovaneApp(Platform& platform, WebAddresses addresses);
    ~TirovaneApp() override;

    // The start: the update reminder, then the input form.
    void Start();

    // Validates person `index` on the input form, computes them and shows
    // what was computed; the first person leaves the partner's frame in
    // front, the partner opens the result.
    void CalculatePerson(int index);

    // The frame window's ways back to the input form.
    void Back();     // the "&Back" button: Manglik lines reset
    void MenuBack(); // the "&Back" menu entry: the frame is closed
    void New();      // the "&New" menu entry

    void Print();
    void ShowAbout();

    // View > Precise Positions: the results from the precise ephemeris (or
    // the described engine again), remembered in the settings; a reading on
    // show is computed again at once.
    bool PrecisePositions() const { return state_.Engine == ChartEngineChoice::Precise; }
    void SetPrecisePositions(bool on);
    // The style the charts are drawn in, remembered in the settings.
    ChartStyle ChartStyleChoice() const { return state_.ChartStyleChoice; }
    void SetChartStyle(ChartStyle style);
    // View > Divisional Charts > Navamsa and the switch under each chart:
    // both people's Navamsa charts in place of their Rashi charts, or back.
    void SetNavamsaShown(bool on);
    // Now, as a Julian Day in universal time: the dasha marks the periods
    // running then.
    double TodayJulianDay();
    // Which matching tables are shown (View > Matching), remembered in the
    // settings; the print-out and the report follow it.
    MatchingTables MatchingChoice() const { return state_.MatchingChoice; }
    void SetMatchingTables(MatchingTables tables);
    // The window with person's precise chart of the last cross-check.
    void ShowPreciseChart(int person);

    // File > People...: the People window over the people library, which is
    // opened (and made, when missing) at its first use: the one in the
    // data folder unless another was chosen.
    void ShowPeople();
    // File > Open People Library...: another library file, then the People
    // window over it.
    void OpenPeopleLibrary();
    // The library in use, or nothing (the reason told) when it cannot be
    // opened.
    people::Library* PeopleLibrary();
    const std::string& PeopleLibraryPath() const { return libraryPath_; }
    // Both frames of the input form filled with these people and the
    // reading computed, as opening a saved reading computes it.
    void ShowPair(const BirthDetails& first, const BirthDetails& partner);
    // A message box with OK, and a question answered yes or no.
    void Tell(const std::string& text);
    bool Ask(const std::string& text);
    Platform& PlatformSeam() { return platform_; }

    // The frame window's file commands, and opening a saved reading.
    void SaveReading();
    void OpenReading();
    void SaveAsJpeg();
    void ExportChart();
    // File > Export Report (PDF): the reading as a PDF report, to a file
    // the user chooses.
    void ExportReport();
    // Takes the picture of the result form that "Save As JPEG" saves.
    void CaptureResult();
    // The last picture taken; empty before the first.
    const QPixmap& LastPicture() const { return lastPicture_; }

    // Unloads every window and ends the program.
    void ExitProgram();

    InputForm& Input();
    // The frame window and the result form, created on first use.
    FrameWindow& Frame();
    ResultForm& Result();
    // Nothing while the frame window does not exist.
    FrameWindow* ExistingFrame() const;

    // The Help menu, "Donate" and the hidden "Make Money Online" that both
    // windows carry on their menu bars.
    // Their captions are kept by the window's `captions`.
    void AddHelpMenus(QMenuBar* bar, Captions& captions, const char* donateCaption);
    // English and every shipped language, each in its own script; the one
    // in use is checked.
    void AddLanguageEntries(QMenu* menu);
    // Puts a shipped language in use in every window and remembers it.
    void SetLanguage(const QString& code);

    Platform& System() { return platform_; }
    WebLinks& Links() { return links_; }
    ReadingState& State() { return state_; }

private:
    void CloseFrame();
    // Writes a file the user chose; a failure is reported.
    bool WriteChosenFile(const std::string& path, const std::string& bytes);
    void WriteComputedPerson(int index);

public:
    // Writes every text of the result window from the reading, in the
    // language in use: both pages, the match, the engine.
    void WriteResultTexts();

private:
    // Writes everything of one person's page from the reading: the personal
    // details and, once computed, the chart, the Manglik lines with their
    // cancellations and the cross-check notice. The one writer of a page,
    // whether the window was made afresh or the person just computed.
    void WritePersonPage(ResultForm& result, int index);

    Platform& platform_;
    WebLinks links_;
    ReadingState state_;
    std::unique_ptr<InputForm> input_;
    QPointer<FrameWindow> frame_;
    QPixmap lastPicture_;
    // Frame windows that were closed and wait for the event loop to delete
    // them (they may have been handling the click that closed them).
    QList<QPointer<FrameWindow>> closing_;
    bool exiting_ = false;
    // The menus that list the languages, to keep their checks right.
    QList<QPointer<QMenu>> languageMenus_;
    std::unique_ptr<people::Library> library_;
    std::string libraryPath_;
    QPointer<PeopleWindow> peopleWindow_;
};

} // namespace tirovane
