#include "common/ui/platform_services.h"

namespace vorla::ui {

bool HasButton(MessageButtons buttons, MessageButton button) {
    switch (buttons) {
    case MessageButtons::Ok:
        return button == MessageButton::Ok;
    case MessageButtons::OkCancel:
        return button == MessageButton::Ok || button == MessageButton::Cancel;
    case MessageButtons::YesNo:
        return button == MessageButton::Yes || button == MessageButton::No;
    }
    return false;
}

MessageButton DefaultButtonOf(const MessageRequest& request) {
    if (HasButton(request.Buttons, request.Default)) {
        return request.Default;
    }
    return request.Buttons == MessageButtons::YesNo ? MessageButton::Yes : MessageButton::Ok;
}

namespace {

FileDialogRequest DialogRequest(FileDialogKind kind, std::string title, std::string filter,
                                std::string initialDirectory, std::string initialFileName) {
    FileDialogRequest request;
    request.Kind = kind;
    request.Title = std::move(title);
    request.Filter = std::move(filter);
    request.InitialDirectory = std::move(initialDirectory);
    request.InitialFileName = std::move(initialFileName);
    request.FileMustExist = kind == FileDialogKind::Open;
    request.ConfirmOverwrite = kind == FileDialogKind::SaveAs;
    return request;
}

} // namespace

FileDialogRequest OpenDialog(std::string title, std::string filter, std::string initialDirectory,
                             std::string initialFileName) {
    return DialogRequest(FileDialogKind::Open, std::move(title), std::move(filter),
                         std::move(initialDirectory), std::move(initialFileName));
}

FileDialogRequest SaveAsDialog(std::string title, std::string filter, std::string initialDirectory,
                               std::string initialFileName) {
    return DialogRequest(FileDialogKind::SaveAs, std::move(title), std::move(filter),
                         std::move(initialDirectory), std::move(initialFileName));
}

MessageButton EscapeButtonOf(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::Ok:
        return MessageButton::Ok;
    case MessageButtons::OkCancel:
        return MessageButton::Cancel;
    case MessageButtons::YesNo:
        return MessageButton::No;
    }
    return MessageButton::Ok;
}

MessageButton EscapeAnswerOf(const MessageRequest& request) {
    return request.EscapeLeaves ? MessageButton::Cancel : EscapeButtonOf(request.Buttons);
}

} // namespace vorla::ui
