#include "ui/application.h"

#include "ui/about_box.h"
#include "ui/frame_window.h"
#include "ui/input_form.h"
#include "ui/result_form.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QScreen>

namespace tirovane {

TirovaneApp::TirovaneApp(Platform& platform, WebAddresses addresses)
    : platform_(platform), links_(platform, std::move(addresses)) {}

TirovaneApp::~TirovaneApp() {
    exiting_ = true;
    delete frame_.data();
}

void TirovaneApp::Start() {
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
        // both people's details from the reading.
        frame_->Result().Form_Load(state_.People);
    }
    return *frame_;
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
        Frame().raise();
        Frame().activateWindow();
        input.hide();
    }
}

void TirovaneApp::WriteComputedPerson(int index) {
    ResultForm& result = Result();
    result.WritePersonalDetails(index, state_.People.People[index]);
    result.WriteChart(index, state_.LastChart);
    result.WriteManglikLines(index, state_.Lines);
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
    if (frame_) {
        frame_->CloseQuietly();
        delete frame_.data();
    }
}

void TirovaneApp::Print() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QString::fromLatin1(ProgramCaption));
    if (!platform_.ConfirmPrint(printer)) {
        return;
    }
    QPainter painter;
    if (!painter.begin(&printer)) {
        platform_.ShowMessage("The printer could not be started.", MessageTitle, MessageKind::Error,
                              MessageButtons::Ok);
        return;
    }
    ResultForm& result = Result();
    for (int page = 0; page < 3; ++page) {
        if (page > 0) {
            printer.newPage();
        }
        // One tab a page, scaled to the page and kept in proportion.
        const QPixmap picture = result.PagePicture(page);
        const QRect area = painter.viewport();
        QSize size = picture.size();
        size.scale(area.size(), Qt::KeepAspectRatio);
        painter.setViewport(area.x(), area.y(), size.width(), size.height());
        painter.setWindow(picture.rect());
        painter.drawPixmap(0, 0, picture);
        painter.setViewport(area);
        painter.setWindow(area);
    }
    painter.end();
}

void TirovaneApp::ShowAbout() {
    QWidget* parent = frame_ && frame_->isVisible() ? static_cast<QWidget*>(frame_.data())
                                                    : static_cast<QWidget*>(&Input());
    auto* about = new AboutBox(links_, parent);
    about->setAttribute(Qt::WA_DeleteOnClose);
    about->setWindowModality(Qt::ApplicationModal);
    about->show();
}

void TirovaneApp::SaveReading() {}

void TirovaneApp::SaveAsJpeg() {}

void TirovaneApp::ExportChart() {}

void TirovaneApp::CaptureResult() {
    if (!frame_) {
        return;
    }
    ResultForm& result = frame_->Result();
    if (auto* picture = result.findChild<QLabel*>(QStringLiteral("Picture1"))) {
        picture->setPixmap(result.grab());
    }
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
