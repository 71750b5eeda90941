// QDOT-XW, the design fire generator: the splash window, then the main form.
#include "common/ui/qt_platform_services.h"
#include "common/ui/splash_window.h"
#include "common/ui/window_placement.h"
#include "fire_generator/curves/standard_module.h"
#include "fire_generator/ui/input_form.h"

#include <QApplication>
#include <memory>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("QDOT-XW");

    auto module = std::make_unique<vorla::generator::StandardModule>();
    vorla::ui::QtPlatformServices services;
    vorla::generator::frmInput input(*module, services);

    vorla::ui::ShowSplash("QDOT-XW", [&input] {
        vorla::ui::CenterOnScreen(input);
        input.ShowAgain();
    });
    return QApplication::exec();
}
