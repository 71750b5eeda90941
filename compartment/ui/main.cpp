// VORLA-XW: the splash window, then the input form, which is the main window
// from then on. One Calculations object holds the program's state for as long
// as it runs; the windows share it by reference.
#include "common/ui/qt_platform_services.h"
#include "common/ui/splash_window.h"
#include "common/ui/window_placement.h"
#include "compartment/model/calculations.h"
#include "compartment/ui/input_form.h"

#include <QApplication>
#include <memory>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("VORLA-XW");

    // The result columns and the fire table are large for the stack.
    auto calc = std::make_unique<vorla::compartment::Calculations>();
    vorla::ui::QtPlatformServices services;
    vorla::compartment::frmInput input(*calc, services);

    vorla::ui::ShowSplash("VORLA-XW", [&input] {
        vorla::ui::CenterOnScreen(input);
        input.show();
        input.raise();
        input.activateWindow();
    });
    return QApplication::exec();
}
