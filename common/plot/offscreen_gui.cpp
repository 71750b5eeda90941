#include "common/plot/offscreen_gui.h"

#include <QCoreApplication>
#include <QGuiApplication>

namespace vorla::plot {
namespace {

// QGuiApplication keeps references to argc and argv for its whole life.
int gArgumentCount = 1;
char gProgramName[] = "vorla";
char* gArguments[] = {gProgramName, nullptr};

} // namespace

OffscreenGui::OffscreenGui() {
    if (QCoreApplication::instance() != nullptr) {
        return;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    app_ = std::make_unique<QGuiApplication>(gArgumentCount, gArguments);
}

OffscreenGui::~OffscreenGui() = default;

} // namespace vorla::plot
