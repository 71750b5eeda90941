#include "common/ui/fake_platform.h"

#include <filesystem>
#include <system_error>

namespace vorla::ui {

const char* NameOf(MessageButton button) {
    switch (button) {
    case MessageButton::Ok:
        return "OK";
    case MessageButton::Cancel:
        return "Cancel";
    case MessageButton::Yes:
        return "Yes";
    case MessageButton::No:
        return "No";
    }
    return "?";
}

FakePlatform::FakePlatform(std::string dataDirectory) : dataDirectory_(std::move(dataDirectory)) {}

void FakePlatform::AnswerNextQuestion(MessageButton answer) {
    answers_.push_back(answer);
}

void FakePlatform::PressEscapeOnNextQuestion() {
    answers_.emplace_back(std::nullopt);
}

void FakePlatform::CheckNextCheckBox() {
    ++checkBoxesToCheck_;
}

void FakePlatform::ChooseInNextDialog(std::string path) {
    dialogAnswers_.emplace_back(std::move(path));
}

void FakePlatform::CancelNextDialog() {
    dialogAnswers_.emplace_back(std::nullopt);
}

void FakePlatform::RefuseNextPrinter(std::string error) {
    printerRefusals_.push_back(std::move(error));
}

std::vector<PrintedDocument> FakePlatform::Documents() const {
    std::vector<PrintedDocument> documents;
    documents.reserve(documents_.size());
    for (const auto& document : documents_) {
        documents.push_back(*document);
    }
    return documents;
}

void FakePlatform::ClearRecords() {
    messages_.clear();
    fileDialogs_.clear();
    printRequests_.clear();
    documents_.clear();
    problems_.clear();
    openedFiles_.clear();
}

MessageButton FakePlatform::ShowMessage(const MessageRequest& request) {
    if (WhenMessageShown) {
        WhenMessageShown(request);
    }
    ShownMessage shown{request, DefaultButtonOf(request), false};
    if (request.Buttons != MessageButtons::Ok) {
        if (answers_.empty()) {
            shown.AnsweredByDefault = true;
            problems_.push_back("a question was answered by default (" +
                                std::string(NameOf(shown.Answer)) + "): \"" + request.Text + "\"");
        } else {
            const auto scripted = answers_.front();
            answers_.pop_front();
            const MessageButton answer = scripted ? *scripted : EscapeAnswerOf(request);
            if (!scripted || HasButton(request.Buttons, answer)) {
                shown.Answer = answer;
            } else {
                shown.AnsweredByDefault = true;
                problems_.push_back(std::string("the answer ") + NameOf(answer) +
                                    " was given to a box without that button: \"" + request.Text +
                                    "\"");
            }
        }
    }
    messages_.push_back(shown);
    return shown.Answer;
}

MessageAnswer FakePlatform::AskWithCheckBox(const MessageRequest& request) {
    const MessageButton button = ShowMessage(request);
    const bool checked = !request.CheckBoxText.empty() && checkBoxesToCheck_ > 0;
    if (checked) {
        --checkBoxesToCheck_;
    }
    messages_.back().Checked = checked;
    return {button, checked};
}

bool FakePlatform::OpenLocalFile(const std::string& path) {
    openedFiles_.push_back(path);
    return OpenLocalFileSucceeds;
}

std::optional<std::string> FakePlatform::ChooseFile(const FileDialogRequest& request) {
    ShownFileDialog shown{request, std::nullopt, false};
    if (dialogAnswers_.empty()) {
        problems_.push_back("a file dialog was cancelled for want of a scripted answer: \"" +
                            request.Title + "\"");
    } else {
        shown.Answer = dialogAnswers_.front();
        shown.Scripted = true;
        dialogAnswers_.pop_front();
    }
    fileDialogs_.push_back(shown);
    return shown.Answer;
}

std::string FakePlatform::DataDirectory() {
    std::error_code ignored;
    std::filesystem::create_directories(dataDirectory_, ignored);
    return dataDirectory_;
}

OpenedPrinter FakePlatform::OpenPrinter(const PrintRequest& request) {
    printRequests_.push_back(request);
    if (!printerRefusals_.empty()) {
        OpenedPrinter refused{nullptr, printerRefusals_.front()};
        printerRefusals_.pop_front();
        return refused;
    }
    auto record = std::make_shared<PrintedDocument>();
    record->Request = request;
    documents_.push_back(record);
    return {std::make_unique<FakePrinter>(PrinterSettings, record), {}};
}

} // namespace vorla::ui
