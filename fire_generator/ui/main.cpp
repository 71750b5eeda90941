// QDOT-XW, the design fire generator: the splash window, then the main form.
#include "common/command_line/command_line_answers.h"
#include "common/suite_version.h"
#include "common/ui/file_drop.h"
#include "common/ui/program_memory.h"
#include "common/ui/qt_platform_services.h"
#include "common/ui/splash_window.h"
#include "common/ui/window_placement.h"
#include "fire_generator/curves/design_fire_state.h"
#include "fire_generator/ui/input_form.h"

#include <QApplication>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr vorla::DesktopProgram kQdotXw{
    .executable = "qdot-xw",
    .description =
        "QDOT-XW, the design fire generator of the VORLA suite: t-squared,\n"
        "semi-universal, pool, furniture and typed-in fires, drawn as heat release rate\n"
        "against time and saved as the fire files (*.fir) VORLA-XW and SKEVA-XW read.\n"
        "\n"
        "The batch command 'vorla fire' builds the same fires from scripts.\n",
};

} // namespace

int main(int argc, char** argv) {
    // Asked for help or the version, the program answers and opens no window.
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (const auto answered = vorla::AnswerHelpOrVersion(args, kQdotXw, std::cout)) {
        return *answered;
    }

    QApplication app(argc, argv);
    // Where the settings live (~/.config/VORLA/qdot-xw.conf).
    QCoreApplication::setOrganizationName("VORLA");
    QApplication::setApplicationName("qdot-xw");
    QApplication::setApplicationVersion(
        QString::fromUtf8(vorla::kSuiteVersion.data(), vorla::kSuiteVersion.size()));
    // Names the desktop entry, so that the desktop shows the window under its
    // menu entry and icon (the Wayland app id).
    QApplication::setDesktopFileName("qdot-xw");

    auto module = std::make_unique<vorla::generator::DesignFireState>();
    vorla::ui::QtPlatformServices platform;
    // Units, window places, last folders and Recent Files from the last run.
    vorla::ui::ProgramMemory memory(platform);
    vorla::generator::frmInput input(*module, memory.Services());
    memory.Attach(
        input, "QDOT-XW", [&input](const std::string& path) { return input.OpenFile(path); },
        input.WhenFileOpened, input.WhenFileSaved);
    memory.AddPreferences(input, "QDOT-XW", /*asksFlashover=*/false);
    memory.AddHelp(input, "QDOT-XW", "qdot-xw");

    vorla::ui::ShowSplash("QDOT-XW", [&input, file = vorla::ui::FileNamedOnCommandLine()] {
        vorla::ui::CenterOnScreen(input);
        input.ShowAgain();
        // On screen first, so a message about the file has its window.
        if (file) {
            input.OpenFile(*file);
        }
    });
    return QApplication::exec();
}
