// Every message box of SKEVA-XW leaves the button that answered it in the
// program's Response holder. The windows reach the platform through this
// wrapper, so a box shown by a shared routine (the printer question of Print)
// is kept as well.
#pragma once

#include "common/ui/platform_services.h"
#include "smoke_filling/model/calculations.h"

namespace vorla::smoke {

MessageAnswer MessageAnswerOf(ui::MessageButton button);

class RecordedAnswers final : public ui::PlatformServices {
  public:
    RecordedAnswers(ui::PlatformServices& platform, Calculations& calc)
        : platform_(platform), calc_(calc) {}

    ui::MessageButton ShowMessage(const ui::MessageRequest& request) override;
    std::optional<std::string> ChooseFile(const ui::FileDialogRequest& request) override;
    std::string DataDirectory() override;
    ui::OpenedPrinter OpenPrinter(const ui::PrintRequest& request) override;

  private:
    ui::PlatformServices& platform_;
    Calculations& calc_;
};

} // namespace vorla::smoke
