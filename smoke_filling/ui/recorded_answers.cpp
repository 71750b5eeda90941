#include "smoke_filling/ui/recorded_answers.h"

namespace vorla::smoke {

MessageAnswer MessageAnswerOf(ui::MessageButton button) {
    switch (button) {
    case ui::MessageButton::Ok:
        return MessageAnswer::Ok;
    case ui::MessageButton::Cancel:
        return MessageAnswer::Cancel;
    case ui::MessageButton::Yes:
        return MessageAnswer::Yes;
    case ui::MessageButton::No:
        return MessageAnswer::No;
    }
    return MessageAnswer::None;
}

ui::MessageButton RecordedAnswers::ShowMessage(const ui::MessageRequest& request) {
    const auto answer = platform_.ShowMessage(request);
    calc_.Response = MessageAnswerOf(answer);
    return answer;
}

std::optional<std::string> RecordedAnswers::ChooseFile(const ui::FileDialogRequest& request) {
    return platform_.ChooseFile(request);
}

std::string RecordedAnswers::DataDirectory() {
    return platform_.DataDirectory();
}

ui::OpenedPrinter RecordedAnswers::OpenPrinter(const ui::PrintRequest& request) {
    return platform_.OpenPrinter(request);
}

} // namespace vorla::smoke
