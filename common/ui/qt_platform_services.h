// The platform services of the running programs: Qt's message box and file
// dialogs over the active window, the data directory in the home folder (or at
// the drive's root on Windows), and the system's default printer, or a PDF file
// where the system has none.
#pragma once

#include "common/ui/platform_services.h"

namespace vorla::ui {

class QtPlatformServices final : public PlatformServices {
  public:
    MessageButton ShowMessage(const MessageRequest& request) override;
    MessageAnswer AskWithCheckBox(const MessageRequest& request) override;
    bool OpenLocalFile(const std::string& path) override;
    std::optional<std::string> ChooseFile(const FileDialogRequest& request) override;
    std::string DataDirectory() override;
    OpenedPrinter OpenPrinter(const PrintRequest& request) override;
};

} // namespace vorla::ui
