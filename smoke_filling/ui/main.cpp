// SKEVA-XW: smoke filling of a closed room. The program starts on its splash
// window; Continue shows the input form, which is the main window from then on.
#include "common/ui/qt_platform_services.h"
#include "common/ui/splash_window.h"
#include "common/ui/window_placement.h"
#include "smoke_filling/model/calculations.h"
#include "smoke_filling/ui/input_form.h"

#include <QApplication>
#include <memory>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("SKEVA-XW");

    // The program's state, as long as the program lives: too large for the stack.
    auto calc = std::make_unique<vorla::smoke::Calculations>();
    vorla::ui::QtPlatformServices services;
    vorla::smoke::frmInput input(*calc, services);
    vorla::ui::ShowSplash("SKEVA-XW", [&input] {
        vorla::ui::CenterOnScreen(input);
        input.show();
    });
    return app.exec();
}
