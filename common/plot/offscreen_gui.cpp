#include "common/plot/offscreen_gui.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QString>
#include <QtGlobal>

namespace vorla::plot {
namespace {

// QGuiApplication keeps references to argc and argv for its whole life.
int gArgumentCount = 1;
char gProgramName[] = "vorla";
char* gArguments[] = {gProgramName, nullptr};

QtMessageHandler gPreviousHandler = nullptr;

// Without a desktop session (a batch job, a cron job, CI) Qt notes on standard
// error that it makes its own runtime folder. That is no news to the user of a
// command that only draws files, and it would mix with the command's messages.
void QuietAboutRuntimeFolder(QtMsgType type, const QMessageLogContext& context,
                             const QString& message) {
    if (message.startsWith(QStringLiteral("QStandardPaths: XDG_RUNTIME_DIR not set"))) {
        return;
    }
    if (gPreviousHandler != nullptr) {
        gPreviousHandler(type, context, message);
    }
}

} // namespace

OffscreenGui::OffscreenGui() {
    if (QCoreApplication::instance() != nullptr) {
        return;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (gPreviousHandler == nullptr) {
        gPreviousHandler = qInstallMessageHandler(QuietAboutRuntimeFolder);
    }
    app_ = std::make_unique<QGuiApplication>(gArgumentCount, gArguments);
}

OffscreenGui::~OffscreenGui() = default;

} // namespace vorla::plot
