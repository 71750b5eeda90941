// SKEVA-XW: smoke filling of a closed room. The program starts on its splash
// window; Continue shows the input form, which is the main window from then on.
#include "common/command_line/command_line_answers.h"
#include "common/suite_version.h"
#include "common/ui/file_drop.h"
#include "common/ui/program_memory.h"
#include "common/ui/qt_platform_services.h"
#include "common/ui/splash_window.h"
#include "common/ui/window_placement.h"
#include "smoke_filling/model/calculations.h"
#include "smoke_filling/ui/input_form.h"

#include <QApplication>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr vorla::DesktopProgram kSkevaXw{
    .executable = "skeva-xw",
    .description =
        "SKEVA-XW, the smoke filling model of the VORLA suite: a closed room filling with\n"
        "smoke under a fire read from a fire file. It shows the upper layer's\n"
        "temperature and the descent of the layer interface, and saves them as a\n"
        "results file (*.sof) that File Open reads back.\n"
        "\n"
        "The batch command 'vorla smoke' runs the same model from scripts.\n",
};

} // namespace

int main(int argc, char** argv) {
    // Asked for help or the version, the program answers and opens no window.
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (const auto answered = vorla::AnswerHelpOrVersion(args, kSkevaXw, std::cout)) {
        return *answered;
    }

    QApplication app(argc, argv);
    // Where the settings live (~/.config/VORLA/skeva-xw.conf).
    QCoreApplication::setOrganizationName("VORLA");
    QApplication::setApplicationName("skeva-xw");
    QApplication::setApplicationVersion(
        QString::fromUtf8(vorla::kSuiteVersion.data(), vorla::kSuiteVersion.size()));
    // Names the desktop entry, so that the desktop shows the window under its
    // menu entry and icon (the Wayland app id).
    QApplication::setDesktopFileName("skeva-xw");

    // The program's state, as long as the program lives: too large for the stack.
    auto calc = std::make_unique<vorla::smoke::Calculations>();
    vorla::ui::QtPlatformServices platform;
    // Units, window places, last folders and Recent Files from the last run.
    vorla::ui::ProgramMemory memory(platform);
    vorla::smoke::frmInput input(*calc, memory.Services());
    memory.Attach(
        input, "SKEVA-XW", [&input](const std::string& path) { return input.OpenFile(path); },
        input.WhenFileOpened, input.WhenFileSaved);
    memory.AddRecentResults([&input](const std::string& path) { return input.OpenResults(path); });
    memory.AddPreferences(input, "SKEVA-XW", /*asksFlashover=*/false);
    memory.AddHelp(input, "SKEVA-XW", "skeva-xw");
    vorla::ui::ShowSplash("SKEVA-XW", [&input, file = vorla::ui::FileNamedOnCommandLine()] {
        vorla::ui::CenterOnScreen(input);
        input.show();
        // On screen first, so a message about the file has its window.
        if (file) {
            input.OpenFile(*file);
        }
    });
    return app.exec();
}
