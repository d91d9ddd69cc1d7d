#include "platform/scripted_platform.h"

#include <QPrinter>
#include <QString>
#include <filesystem>

namespace tirovane {

MessageAnswer ScriptedPlatform::ShowMessage(const std::string& text, const std::string& title,
                                            MessageKind kind, MessageButtons buttons) {
    Messages.push_back({text, title, kind, buttons});
    if (OnMessage) {
        OnMessage(Messages.back());
    }
    if (buttons == MessageButtons::Ok) {
        return MessageAnswer::Ok;
    }
    if (Answers.empty()) {
        return MessageAnswer::No;
    }
    const MessageAnswer answer = Answers.front();
    Answers.pop_front();
    return answer;
}

namespace {

std::optional<std::string> Next(std::deque<std::optional<std::string>>& queue) {
    if (queue.empty()) {
        return std::nullopt;
    }
    std::optional<std::string> value = queue.front();
    queue.pop_front();
    return value;
}

} // namespace

std::optional<std::string> ScriptedPlatform::ChooseSaveFile(const FileDialogRequest& request) {
    SaveRequests.push_back(request);
    return Next(SavePaths);
}

std::optional<std::string> ScriptedPlatform::ChooseOpenFile(const FileDialogRequest& request) {
    OpenRequests.push_back(request);
    return Next(OpenPaths);
}

void ScriptedPlatform::PreviewPrint(QPrinter& printer, std::function<void(QPrinter&)> paint) {
    ++PreviewRequests;
    if (!PreviewToPdf) {
        return;
    }
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(*PreviewToPdf));
    paint(printer);
}

bool ScriptedPlatform::FileExists(const std::string& path) {
    if (Files) {
        return Files->contains(path);
    }
    // A symbolic link counts, even when what it names does not exist.
    std::error_code error;
    return std::filesystem::exists(std::filesystem::symlink_status(path, error));
}

} // namespace tirovane
