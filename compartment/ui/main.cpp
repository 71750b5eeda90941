// VORLA-XW: the splash window, then the input form, which is the main window
// from then on. One Calculations object holds the program's state for as long
// as it runs; the windows share it by reference.
#include "common/command_line/command_line_answers.h"
#include "common/suite_version.h"
#include "common/ui/file_drop.h"
#include "common/ui/program_memory.h"
#include "common/ui/qt_platform_services.h"
#include "common/ui/splash_window.h"
#include "common/ui/window_placement.h"
#include "compartment/model/calculations.h"
#include "compartment/ui/input_form.h"

#include <QApplication>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr vorla::DesktopProgram kVorlaXw{
    .executable = "vorla-xw",
    .description =
        "VORLA-XW, the compartment fire model of the VORLA suite: two zones in one room\n"
        "with one wall vent, under a fire read from a fire file. It shows the hot\n"
        "layer's temperature, the height of the interface and the vent flow, and saves\n"
        "them as a report (*.vof, *.sdf) that File Open reads back.\n"
        "\n"
        "The batch command 'vorla compartment' runs the same model from scripts.\n",
};

} // namespace

int main(int argc, char** argv) {
    // Asked for help or the version, the program answers and opens no window.
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (const auto answered = vorla::AnswerHelpOrVersion(args, kVorlaXw, std::cout)) {
        return *answered;
    }

    QApplication app(argc, argv);
    // Where the settings live (~/.config/VORLA/vorla-xw.conf).
    QCoreApplication::setOrganizationName("VORLA");
    QApplication::setApplicationName("vorla-xw");
    QApplication::setApplicationVersion(
        QString::fromUtf8(vorla::kSuiteVersion.data(), vorla::kSuiteVersion.size()));
    // Names the desktop entry, so that the desktop shows the window under its
    // menu entry and icon (the Wayland app id).
    QApplication::setDesktopFileName("vorla-xw");

    // The result columns and the fire table are large for the stack.
    auto calc = std::make_unique<vorla::compartment::Calculations>();
    vorla::ui::QtPlatformServices platform;
    // Units, window places, last folders and Recent Files from the last run.
    vorla::ui::ProgramMemory memory(platform);
    vorla::compartment::frmInput input(*calc, memory.Services());
    memory.Attach(
        input, "VORLA-XW", [&input](const std::string& path) { return input.OpenFile(path); },
        input.WhenFileOpened, input.WhenFileSaved);
    memory.AddRecentResults([&input](const std::string& path) { return input.OpenResults(path); });
    memory.AddPreferences(input, "VORLA-XW", /*asksFlashover=*/true);
    memory.AddHelp(input, "VORLA-XW", "vorla-xw");

    vorla::ui::ShowSplash("VORLA-XW", [&input, file = vorla::ui::FileNamedOnCommandLine()] {
        vorla::ui::CenterOnScreen(input);
        input.show();
        input.raise();
        input.activateWindow();
        // On screen first, so a message about the file has its window.
        if (file) {
            input.OpenFile(*file);
        }
    });
    return QApplication::exec();
}
