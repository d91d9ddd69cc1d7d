#include "platform/qt_platform.h"

#include <QApplication>
#include <QDate>
#include <QDateTime>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScreen>
#include <QSettings>
#include <QStringList>
#include <QUrl>

namespace tirovane {

namespace {

QString ToQt(const std::string& text) {
    return QString::fromStdString(text);
}

QWidget* DialogParent() {
    return QApplication::activeWindow();
}

// Shows a file dialog as the request describes; the default extension is
// added when the user typed a name without one.
std::optional<std::string> RunFileDialog(const FileDialogRequest& request,
                                         QFileDialog::AcceptMode mode) {
    QFileDialog dialog(DialogParent(), ToQt(request.Title));
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile
                                                       : QFileDialog::ExistingFile);
    dialog.setNameFilter(ToQt(QtFilter(request.Filter)));
    dialog.setDefaultSuffix(ToQt(request.DefaultExtension));
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.OverwritePrompt);
    if (!request.InitialName.empty()) {
        dialog.selectFile(ToQt(request.InitialName));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst().toStdString();
}

} // namespace

std::string QtFilter(const std::string& filter) {
    const QStringList parts = ToQt(filter).split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        filters << parts[i];
    }
    return filters.join(QStringLiteral(";;")).toStdString();
}

QtPlatform::QtPlatform(std::string searchAddress) : searchAddress_(std::move(searchAddress)) {}

MessageAnswer QtPlatform::ShowMessage(const std::string& text, const std::string& title,
                                      MessageKind kind, MessageButtons buttons) {
    if (ending_) {
        return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
    }
    QString shown = ToQt(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    QMessageBox box(kind == MessageKind::Error ? QMessageBox::Critical : QMessageBox::Information,
                    ToQt(title), shown,
                    buttons == MessageButtons::YesNo ? QMessageBox::Yes | QMessageBox::No
                                                     : QMessageBox::Ok,
                    DialogParent());
    // Room around a short message, so that the box does not look cramped.
    box.setStyleSheet(
        QStringLiteral("QLabel#qt_msgbox_label { min-width: 280px; padding: 6px 4px; }"));
    const int answer = box.exec();
    if (buttons == MessageButtons::Ok) {
        return MessageAnswer::Ok;
    }
    return answer == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

std::optional<std::string> QtPlatform::ChooseSaveFile(const FileDialogRequest& request) {
    if (ending_) {
        return std::nullopt;
    }
    return RunFileDialog(request, QFileDialog::AcceptSave);
}

std::optional<std::string> QtPlatform::ChooseOpenFile(const FileDialogRequest& request) {
    if (ending_) {
        return std::nullopt;
    }
    return RunFileDialog(request, QFileDialog::AcceptOpen);
}

void QtPlatform::PreviewPrint(QPrinter& printer, std::function<void(QPrinter&)> paint) {
    if (ending_) {
        return;
    }
    // The preview paints the pages for itself and again for the printer
    // when its print button is pressed and the print dialog confirmed.
    QWidget* parent = DialogParent();
    QPrintPreviewDialog dialog(&printer, parent);
    // Qt opens the preview small; a page is read at most of the screen.
    if (const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen()) {
        const QRect room = screen->availableGeometry();
        dialog.resize(room.width() * 4 / 5, room.height() * 9 / 10);
    }
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&paint](QPrinter* target) { paint(*target); });
    dialog.exec();
}

void QtPlatform::OpenAddress(const std::string& address) {
    QDesktopServices::openUrl(QUrl(ToQt(address)));
}

void QtPlatform::SearchWeb(const std::string& phrase, const std::string& /*siteAddress*/) {
    const QByteArray query = QUrl::toPercentEncoding(ToQt(phrase));
    QDesktopServices::openUrl(QUrl(ToQt(searchAddress_) + QString::fromLatin1(query)));
}

std::optional<std::chrono::year_month_day> QtPlatform::ReminderDate() {
    const QSettings settings;
    const QDate date =
        QDate::fromString(settings.value(QStringLiteral("ReminderDate")).toString(), Qt::ISODate);
    if (!date.isValid()) {
        return std::nullopt;
    }
    return std::chrono::year_month_day{std::chrono::year(date.year()),
                                       std::chrono::month(static_cast<unsigned>(date.month())),
                                       std::chrono::day(static_cast<unsigned>(date.day()))};
}

bool QtPlatform::SetReminderDate(std::chrono::year_month_day date) {
    QSettings settings;
    if (!settings.isWritable()) {
        return false;
    }
    const QDate value(static_cast<int>(date.year()), static_cast<int>(unsigned(date.month())),
                      static_cast<int>(unsigned(date.day())));
    settings.setValue(QStringLiteral("ReminderDate"), value.toString(Qt::ISODate));
    settings.sync();
    return settings.status() == QSettings::NoError;
}

bool QtPlatform::PrecisePositionsChosen() {
    return QSettings().value(QStringLiteral("PrecisePositions"), false).toBool();
}

void QtPlatform::SetPrecisePositionsChosen(bool chosen) {
    QSettings().setValue(QStringLiteral("PrecisePositions"), chosen);
}

bool QtPlatform::NorthIndianChartChosen() {
    return QSettings().value(QStringLiteral("ChartStyle")).toString() == QLatin1String("North");
}

void QtPlatform::SetNorthIndianChartChosen(bool chosen) {
    QSettings().setValue(QStringLiteral("ChartStyle"),
                         chosen ? QStringLiteral("North") : QStringLiteral("South"));
}

std::string QtPlatform::LanguageChosen() {
    return QSettings().value(QStringLiteral("Language")).toString().toStdString();
}

void QtPlatform::SetLanguageChosen(const std::string& code) {
    QSettings().setValue(QStringLiteral("Language"), QString::fromStdString(code));
}

std::string QtPlatform::MatchingChosen() {
    return QSettings().value(QStringLiteral("Matching")).toString().toStdString();
}

void QtPlatform::SetMatchingChosen(const std::string& code) {
    QSettings().setValue(QStringLiteral("Matching"), QString::fromStdString(code));
}

LocalTime QtPlatform::Now() {
    const QDateTime now = QDateTime::currentDateTime();
    const QDate d = now.date();
    const QTime t = now.time();
    return {std::chrono::year_month_day{std::chrono::year(d.year()),
                                        std::chrono::month(static_cast<unsigned>(d.month())),
                                        std::chrono::day(static_cast<unsigned>(d.day()))},
            t.hour(),
            t.minute(),
            t.second(),
            t.msec(),
            now.offsetFromUtc()};
}

bool QtPlatform::FileExists(const std::string& path) {
    // A symbolic link counts, even when what it names does not exist.
    const QFileInfo file(ToQt(path));
    return file.exists() || file.isSymLink();
}

std::string QtPlatform::DataFolder() {
    // The folder the command-line tool uses too.
    return (QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
            QStringLiteral("/Tirovane"))
        .toStdString();
}

std::string QtPlatform::ProgramFolder() {
    return QCoreApplication::applicationDirPath().toStdString();
}

} // namespace tirovane
