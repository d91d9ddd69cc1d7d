#include "ui/application.h"

#include "files/codepage.h"
#include "files/file_io.h"
#include "files/saved_reading.h"
#include "output/jpeg_file.h"
#include "output/qt_words.h"
#include "output/report_model.h"
#include "output/report_pdf.h"
#include "texts/export_text.h"
#include "texts/manglik_texts.h"
#include "texts/people_texts.h"
#include "texts/precise_texts.h"
#include "texts/result_lines.h"
#include "texts/words.h"
#include "ui/about_box.h"
#include "ui/frame_window.h"
#include "ui/input_form.h"
#include "ui/people_window.h"
#include "ui/precise_chart_view.h"
#include "ui/result_form.h"
#include "ui/widgets.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QScreen>
#include <QTimer>

namespace tirovane {

namespace {

// A message or a dialog's text in the language in use, its placeholders
// filled.
std::string Say(const char* source, std::initializer_list<std::string_view> arguments = {}) {
    return texts::Fill(QCoreApplication::translate("Messages", source).toStdString(), arguments);
}

} // namespace

TirovaneApp::TirovaneApp(Platform& platform, WebAddresses addresses)
    : platform_(platform), links_(platform, std::move(addresses)) {}

TirovaneApp::~TirovaneApp() {
    exiting_ = true;
    delete peopleWindow_.data();
    delete frame_.data();
    for (const QPointer<FrameWindow>& closed : closing_) {
        delete closed.data();
    }
}

void TirovaneApp::Start() {
    // Every person computed in the windows is checked against the precise
    // ephemeris; the results themselves come from the engine last chosen.
    state_.CrossCheckEnabled = true;
    state_.Engine = platform_.PrecisePositionsChosen() ? ChartEngineChoice::Precise
                                                       : ChartEngineChoice::Described;
    state_.ChartStyleChoice =
        platform_.NorthIndianChartChosen() ? ChartStyle::North : ChartStyle::South;
    state_.MatchingChoice = MatchingTablesOf(platform_.MatchingChosen());
    // At the first start there is no question to ask, only today's date to
    // store: the form comes first and the settings are written after it.
    if (!platform_.ReminderDate()) {
        Input().show();
        QTimer::singleShot(0, &Input(), [this] { RemindUpdate(platform_, links_); });
        return;
    }
    RemindUpdate(platform_, links_);
    Input().show();
}

InputForm& TirovaneApp::Input() {
    if (!input_) {
        input_ = std::make_unique<InputForm>(*this);
    }
    return *input_;
}

FrameWindow& TirovaneApp::Frame() {
    if (!frame_) {
        frame_ = new FrameWindow(*this);
        // A new result form starts from its design-time captions and shows
        // both people's details from the reading, and what was computed of
        // them so far, so that the pair on screen is the pair of the match.
        ResultForm& result = frame_->Result();
        result.Form_Load(state_.People);
        result.SetChartStyle(state_.ChartStyleChoice);
        result.SetMatchingTables(state_.MatchingChoice);
        WriteResultTexts();
    }
    return *frame_;
}

void TirovaneApp::WriteResultTexts() {
    if (!frame_) {
        return;
    }
    ResultForm& result = frame_->Result();
    for (int person : {FirstPerson, Partner}) {
        WritePersonPage(result, person);
    }
    result.WriteMatch(ReadingMatch(state_));
    if (state_.Charts[FirstPerson] || state_.Charts[Partner]) {
        result.ShowEngine(state_.LastChart);
    }
}

void TirovaneApp::WritePersonPage(ResultForm& result, int index) {
    const auto person = static_cast<std::size_t>(index);
    result.WritePersonalDetails(index, state_.People.People[person]);
    const auto& chart = state_.Charts[person];
    if (!chart) {
        return;
    }
    const texts::Words& words = CurrentWords();
    result.WriteChart(index, *chart);
    result.WriteManglikLines(index, texts::ResultLinesOf(state_, words));
    // The explanations belong to the Manglik lines: none while the lines
    // are reset (after Back) and the person's flag is unset.
    const auto& flags = state_.LagnaMatchFlags;
    const bool linesShown =
        index == FirstPerson ? flags.FirstPerson.has_value() : flags.Partner.has_value();
    const double mars = chart->Sidereal.Longitudes[engine::Mars];
    result.WriteCancellations(
        index,
        linesShown ? texts::ExplainCancellation(chart->LagnaChart, mars, words) : std::string(),
        linesShown ? texts::ExplainCancellation(chart->RashiChart, mars, words) : std::string());
    result.WriteCrossCheck(index, state_.CrossChecks[person]);
}

ResultForm& TirovaneApp::Result() {
    return Frame().Result();
}

FrameWindow* TirovaneApp::ExistingFrame() const {
    return frame_.data();
}

void TirovaneApp::CalculatePerson(int index) {
    InputForm& input = Input();
    if (!input.ValidateInput(index)) {
        return;
    }
    ComputePerson(state_, index, input.ReadPerson(index));
    WriteComputedPerson(index);

    if (index == FirstPerson) {
        Frame().hide();
        input.BringFrameToFront(Partner);
    } else {
        // Maximised; the geometry also holds where no window manager does it.
        if (const QScreen* screen = Input().screen()) {
            Frame().setGeometry(screen->availableGeometry());
        }
        Frame().showMaximized();
        Frame().FitResult(); // the frame's area places its window anew when shown
        Frame().raise();
        Frame().activateWindow();
        input.hide();
    }
}

void TirovaneApp::WriteComputedPerson(int index) {
    ResultForm& result = Result();
    WritePersonPage(result, index);
    result.WriteMatch(ReadingMatch(state_));
    result.ShowEngine(state_.LastChart);
    Frame().FitResult();
}

void TirovaneApp::SetChartStyle(ChartStyle style) {
    state_.ChartStyleChoice = style;
    platform_.SetNorthIndianChartChosen(style == ChartStyle::North);
    if (frame_) {
        frame_->Result().SetChartStyle(style);
        frame_->FitResult();
    }
}

void TirovaneApp::SetNavamsaShown(bool on) {
    if (!frame_) {
        return;
    }
    frame_->Result().ShowNavamsa(on);
    frame_->SetNavamsaChecked(on);
    frame_->FitResult();
}

double TirovaneApp::TodayJulianDay() {
    return JulianDayUT(platform_.Now());
}

void TirovaneApp::SetMatchingTables(MatchingTables tables) {
    state_.MatchingChoice = tables;
    platform_.SetMatchingChosen(MatchingTablesCode(tables));
    if (frame_) {
        frame_->Result().SetMatchingTables(tables);
        frame_->FitResult();
    }
}

void TirovaneApp::SetPrecisePositions(bool on) {
    state_.Engine = on ? ChartEngineChoice::Precise : ChartEngineChoice::Described;
    platform_.SetPrecisePositionsChosen(on);
    // A whole reading on show (the partner computed and not reset since) is
    // computed again, first person first, as the buttons compute it.
    if (!frame_ || !state_.LagnaMatchFlags.Partner.has_value()) {
        return;
    }
    // The partner is computed last again, so the chart export still takes
    // the partner.
    for (const int person : {FirstPerson, Partner}) {
        ComputePerson(state_, person, state_.People.People[static_cast<std::size_t>(person)]);
        WriteComputedPerson(person);
    }
}

void TirovaneApp::ShowPreciseChart(int person) {
    const auto& check = state_.CrossChecks[static_cast<std::size_t>(person)];
    if (!check || !check->PreciseChart || !frame_) {
        return;
    }
    auto* view = new PreciseChartView(state_.People.People[static_cast<std::size_t>(person)].Name,
                                      texts::PreciseChartText(*check->PreciseChart, CurrentWords()),
                                      frame_.data());
    view->setAttribute(Qt::WA_DeleteOnClose);
    view->show();
}

void TirovaneApp::Back() {
    ResetManglikLines(state_);
    if (frame_) {
        frame_->Result().ResetManglikLines();
    }
    Input().BringFrameToFront(FirstPerson);
    Input().show();
    if (frame_) {
        frame_->hide();
    }
}

void TirovaneApp::MenuBack() {
    CloseFrame();
    Input().show();
}

void TirovaneApp::New() {
    Input().show();
    CloseFrame();
}

void TirovaneApp::CloseFrame() {
    // The frame may be handling the very menu click or toolbar press that
    // closes it: it is closed now and deleted by the event loop once that
    // event is done, never from inside it.
    if (FrameWindow* frame = frame_.data()) {
        frame_ = nullptr;
        closing_.removeAll(nullptr);
        closing_.append(frame);
        frame->CloseQuietly();
        frame->deleteLater();
    }
}

void TirovaneApp::Print() {
    // The report's pages, shown in a preview from which the user prints
    // them through the print dialog.
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QString::fromLatin1(ProgramCaption));
    SetReportPageLayout(printer);
    const ReportModel report =
        BuildReport(state_, state_.ChartStyleChoice, platform_.Now(), CurrentWords());
    bool painted = true;
    platform_.PreviewPrint(printer, [&report, &painted](QPrinter& target) {
        painted = PaintReport(target, report) && painted;
    });
    if (!painted) {
        platform_.ShowMessage(
            Say(QT_TRANSLATE_NOOP("Messages", "The printer could not be started.")), MessageTitle,
            MessageKind::Error, MessageButtons::Ok);
    }
}

void TirovaneApp::AddHelpMenus(QMenuBar* bar, Captions& captions, const char* donateCaption) {
    const auto entry = [this, &captions](QWidget* menu, const char* name, const char* caption,
                                         auto open) {
        auto* action = new QAction(menu);
        action->setObjectName(QString::fromLatin1(name));
        captions.SetIn("Menus", caption, [action](const QString& text) { action->setText(text); });
        menu->addAction(action);
        connect(action, &QAction::triggered, this, open);
        return action;
    };
    QMenu* help = bar->addMenu(QString());
    captions.SetIn("Menus", QT_TRANSLATE_NOOP("Menus", "&Help"),
                   [help](const QString& text) { help->setTitle(text); });
    help->setObjectName(QStringLiteral("mnuHelp"));
    entry(help, "mnuOnline", QT_TRANSLATE_NOOP("Menus", "&Online Help"),
          [this] { links_.OpenHelpPage(); });
    entry(help, "mnuVisit", QT_TRANSLATE_NOOP("Menus", "&Visit Us Online"),
          [this] { links_.OpenHomePage(); });
    help->addSeparator();
    entry(help, "mnuUpdate", QT_TRANSLATE_NOOP("Menus", "Check for Software &Update"),
          [this] { links_.OpenDownloadPage(); });
    help->addSeparator();
    entry(help, "mnuAbout", QT_TRANSLATE_NOOP("Menus", "&About Software"), [this] { ShowAbout(); });
    entry(bar, "mnuDonate", donateCaption, [this] { links_.OpenDonationPage(); });
    QAction* makeMoney =
        entry(bar, "mnuMakeMoney", QT_TRANSLATE_NOOP("Menus", "Make Money &Online"),
              [this] { links_.OpenResellerPage(); });
    makeMoney->setVisible(false);
    makeMoney->setEnabled(false);
}

void TirovaneApp::AddLanguageEntries(QMenu* menu) {
    auto* group = new QActionGroup(menu);
    group->setExclusive(true);
    for (const ShippedLanguage& language : ShippedLanguages()) {
        // Each language in its own script, whatever the language in use.
        auto* action = new QAction(QString::fromUtf8(language.NativeName), menu);
        action->setObjectName(QStringLiteral("mnuLanguage_%1").arg(QLatin1String(language.Code)));
        action->setCheckable(true);
        action->setChecked(LanguageInUse() == QLatin1String(language.Code));
        action->setData(QString::fromLatin1(language.Code));
        group->addAction(action);
        menu->addAction(action);
        connect(action, &QAction::triggered, this,
                [this, code = QString::fromLatin1(language.Code)] { SetLanguage(code); });
    }
    languageMenus_.append(menu);
}

void TirovaneApp::SetLanguage(const QString& code) {
    InstallLanguage(code);
    platform_.SetLanguageChosen(LanguageInUse().toStdString());
    // The script of the new language leads the faces.
    QApplication::setFont(WindowFont());
    // Every window takes the new words now, the result's texts rebuilt
    // from the reading's numbers.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    languageMenus_.removeAll(nullptr);
    for (const QPointer<QMenu>& menu : languageMenus_) {
        for (QAction* action : menu->actions()) {
            action->setChecked(action->data().toString() == LanguageInUse());
        }
    }
}

void TirovaneApp::ShowAbout() {
    QWidget* parent = frame_ && frame_->isVisible() ? static_cast<QWidget*>(frame_.data())
                                                    : static_cast<QWidget*>(&Input());
    auto* about = new AboutBox(links_, parent);
    about->setAttribute(Qt::WA_DeleteOnClose);
    about->setWindowModality(Qt::ApplicationModal);
    about->show();
}

namespace {

constexpr const char* ReadingFilter = QT_TRANSLATE_NOOP("Messages", "Tirovane (*.tvr)|*.tvr");

// Bytes of a saved reading read at the most: far more than 34 lines need.
constexpr std::size_t ReadingFileLimit = 1 << 20;

} // namespace

bool TirovaneApp::WriteChosenFile(const std::string& path, const std::string& bytes) {
    if (const auto failure = WriteFileAtomically(path, bytes)) {
        platform_.ShowMessage(
            Say(QT_TRANSLATE_NOOP("Messages", "The file %1 could not be written: %2."),
                {path, *failure}),
            MessageTitle, MessageKind::Error, MessageButtons::Ok);
        return false;
    }
    return true;
}

void TirovaneApp::SaveReading() {
    FileDialogRequest request;
    request.Title = MessageTitle;
    request.Filter = Say(ReadingFilter);
    request.DefaultExtension = "tvr";
    request.InitialName = state_.LastFilePath;
    request.OverwritePrompt = true;
    const auto path = platform_.ChooseSaveFile(request);
    if (!path || path->empty()) {
        return;
    }
    state_.LastFilePath = *path;
    // The zone rows are those selected on the input form now.
    const std::array<int, 2> zones = {Input().SelectedZoneRow(0), Input().SelectedZoneRow(1)};
    WriteChosenFile(*path, ReadingFileBytes(state_.People.People, zones));
}

void TirovaneApp::OpenReading() {
    FileDialogRequest request;
    request.Title = Say(QT_TRANSLATE_NOOP("Messages", "Select the source file"));
    request.Filter = Say(ReadingFilter);
    request.DefaultExtension = "tvr";
    const auto path = platform_.ChooseOpenFile(request);
    if (!path || path->empty()) {
        return;
    }
    if (!HasReadingExtension(*path)) {
        platform_.ShowMessage(Say(QT_TRANSLATE_NOOP("Messages", "Please Check The File.")),
                              MessageTitle, MessageKind::Error, MessageButtons::Ok);
        return;
    }
    const ReadResult file = ReadFileStart(*path, ReadingFileLimit);
    if (!file.Bytes) {
        platform_.ShowMessage(
            Say(QT_TRANSLATE_NOOP("Messages", "The file %1 could not be opened: %2."),
                {*path, file.Error}),
            MessageTitle, MessageKind::Error, MessageButtons::Ok);
        return;
    }
    InputForm& input = Input();
    const std::array<PersonForm, 2> forms =
        ApplyReadingFile(*file.Bytes, {input.ReadForm(0), input.ReadForm(1)});
    input.WriteForm(0, forms[0]);
    input.WriteForm(1, forms[1]);
    // Both people are computed again from what the form now shows, as
    // "Next" and "Get Manglik Matching Reading" compute them.
    CalculatePerson(FirstPerson);
    CalculatePerson(Partner);
}

void TirovaneApp::Tell(const std::string& text) {
    platform_.ShowMessage(text, MessageTitle, MessageKind::Information, MessageButtons::Ok);
}

bool TirovaneApp::Ask(const std::string& text) {
    return platform_.ShowMessage(text, MessageTitle, MessageKind::Information,
                                 MessageButtons::YesNo) == MessageAnswer::Yes;
}

people::Library* TirovaneApp::PeopleLibrary() {
    if (library_) {
        return library_.get();
    }
    if (libraryPath_.empty()) {
        const std::string folder = platform_.DataFolder();
        QDir().mkpath(QString::fromStdString(folder));
        libraryPath_ = folder + "/people.sqlite";
    }
    auto opened = people::Library::Open(libraryPath_, people::OpenMode::Change);
    if (auto* error = std::get_if<people::Error>(&opened)) {
        platform_.ShowMessage(texts::LibraryErrorText(*error, libraryPath_, CurrentWords()),
                              MessageTitle, MessageKind::Error, MessageButtons::Ok);
        return nullptr;
    }
    library_ = std::move(std::get<std::unique_ptr<people::Library>>(opened));
    return library_.get();
}

void TirovaneApp::ShowPeople() {
    if (PeopleLibrary() == nullptr) {
        return;
    }
    if (!peopleWindow_) {
        peopleWindow_ = new PeopleWindow(*this);
    }
    peopleWindow_->Reload();
    peopleWindow_->show();
    peopleWindow_->raise();
    peopleWindow_->activateWindow();
}

void TirovaneApp::OpenPeopleLibrary() {
    FileDialogRequest request;
    request.Title = Say(QT_TRANSLATE_NOOP("Messages", "Open People Library"));
    request.Filter = Say(QT_TRANSLATE_NOOP("Messages", "People Library (*.sqlite)|*.sqlite"));
    request.DefaultExtension = "sqlite";
    const auto path = platform_.ChooseOpenFile(request);
    if (!path || path->empty()) {
        return;
    }
    // The library in use stays until the chosen one opens.
    auto opened = people::Library::Open(*path, people::OpenMode::Change);
    if (auto* error = std::get_if<people::Error>(&opened)) {
        platform_.ShowMessage(texts::LibraryErrorText(*error, *path, CurrentWords()), MessageTitle,
                              MessageKind::Error, MessageButtons::Ok);
        return;
    }
    library_ = std::move(std::get<std::unique_ptr<people::Library>>(opened));
    libraryPath_ = *path;
    ShowPeople();
}

void TirovaneApp::ShowPair(const BirthDetails& first, const BirthDetails& partner) {
    InputForm& input = Input();
    input.WriteForm(FirstPerson, FormOf(first));
    input.WriteForm(Partner, FormOf(partner));
    CalculatePerson(FirstPerson);
    CalculatePerson(Partner);
}

void TirovaneApp::SaveAsJpeg() {
    CaptureResult();
    FileDialogRequest request;
    request.Filter = Say(QT_TRANSLATE_NOOP("Messages", "JPEG Image (*.jpg)|*.jpg"));
    request.DefaultExtension = "JPG";
    const auto path = platform_.ChooseSaveFile(request);
    if (!path || path->empty()) {
        return;
    }
    if (const auto saved = tirovane::SaveAsJpeg(platform_, lastPicture_.toImage(), *path)) {
        state_.LastPictureFile = saved->FileName;
        state_.LastPictureFolder = saved->Folder;
    }
}

void TirovaneApp::ExportChart() {
    FileDialogRequest request;
    request.Title = Say(QT_TRANSLATE_NOOP("Messages", "Select the destination text file "));
    request.Filter = Say(QT_TRANSLATE_NOOP("Messages", "Export Chart As Text (*.txt)|*.txt"));
    request.DefaultExtension = "txt";
    request.InitialName = state_.LastFilePath;
    request.OverwritePrompt = true;
    const auto path = platform_.ChooseSaveFile(request);
    if (!path || path->empty()) {
        return;
    }
    state_.LastFilePath = *path;
    // The person computed last: after a whole reading, the partner.
    const std::string text =
        ExportChartText(state_.People.People[state_.LastPerson], state_.LastChart);
    WriteChosenFile(*path, ExportFileBytes(text));
}

void TirovaneApp::ExportReport() {
    FileDialogRequest request;
    request.Title = MessageTitle;
    request.Filter = Say(QT_TRANSLATE_NOOP("Messages", "PDF Report (*.pdf)|*.pdf"));
    request.DefaultExtension = "pdf";
    request.InitialName = WithPdfExtension(state_.LastFilePath);
    request.OverwritePrompt = true;
    const auto path = platform_.ChooseSaveFile(request);
    if (!path || path->empty()) {
        return;
    }
    const auto bytes = ReportPdfBytes(
        BuildReport(state_, state_.ChartStyleChoice, platform_.Now(), CurrentWords()));
    if (!bytes) {
        platform_.ShowMessage(Say(QT_TRANSLATE_NOOP("Messages", "The report could not be made.")),
                              MessageTitle, MessageKind::Error, MessageButtons::Ok);
        return;
    }
    WriteChosenFile(*path, *bytes);
}

void TirovaneApp::CaptureResult() {
    if (!frame_) {
        return;
    }
    lastPicture_ = frame_->Result().grab();
}

void TirovaneApp::ExitProgram() {
    if (exiting_) {
        return;
    }
    exiting_ = true;
    if (frame_) {
        frame_->CloseQuietly();
    }
    if (input_) {
        input_->hide();
    }
    QApplication::closeAllWindows();
    QCoreApplication::quit();
}

} // namespace tirovane
