// Each file dialog starts in the folder the user last chose a file in with it,
// rather than always in the data directory. A layer over the platform
// services, so every window's dialogs remember without knowing it.
#pragma once

#include "common/ui/platform_services.h"
#include "common/ui/program_settings.h"

namespace vorla::ui {

class RememberingFileDialogs final : public PlatformServices {
  public:
    RememberingFileDialogs(PlatformServices& platform, ProgramSettings& settings);

    MessageButton ShowMessage(const MessageRequest& request) override;
    MessageAnswer AskWithCheckBox(const MessageRequest& request) override;
    bool OpenLocalFile(const std::string& path) override;
    // A dialog that would start in the data directory starts in its last
    // folder instead; a file chosen keeps its folder for the next time.
    std::optional<std::string> ChooseFile(const FileDialogRequest& request) override;
    std::string DataDirectory() override;
    OpenedPrinter OpenPrinter(const PrintRequest& request) override;

  private:
    PlatformServices& platform_;
    ProgramSettings& settings_;
};

// A dialog's name among the kept folders: its kind and title
// ("Open/Specify Fire File"), so the fire file and the report dialogs of a
// program each keep their own folder.
QString DialogSettingsName(const FileDialogRequest& request);

} // namespace vorla::ui
