#include "skeva_windows.h"

#include <QAction>
#include <QCoreApplication>
#include <QLineEdit>
#include <QtTest>

namespace vorla::smoke::testing {

std::string DataFile(const std::string& name) {
    return std::string(SMOKE_TEST_DATA_DIR) + "/" + name;
}

SkevaWindows::SkevaWindows(const std::string& dataDirectory)
    : calc(std::make_unique<Calculations>()), platform(dataDirectory),
      input(*calc, platform, [this] { ++quits; }) {
    input.show();
    input.activateWindow();
    if (!QTest::qWaitForWindowActive(&input)) {
        qWarning("the input form was not activated");
    }
}

SkevaWindows::~SkevaWindows() {
    FlushDeletes();
}

void SkevaWindows::Type(QLineEdit* box, const QString& text) {
    box->setFocus();
    box->selectAll();
    if (text.isEmpty()) {
        QTest::keyClick(box, Qt::Key_Delete);
    } else {
        QTest::keyClicks(box, text);
    }
    input.txtRunTitle->setFocus();
}

void SkevaWindows::Fill(const TypedRun& run) {
    input.txtRunTitle->setText(run.RunTitle);
    input.txtOutputFile->setText(run.OutputFile);
    input.txtFloorArea->setText(run.FloorArea);
    input.txtRoomHeight->setText(run.RoomHeight);
    input.txtFireHeight->setText(run.FireHeight);
    input.txtLossFraction->setText(run.LossFraction);
    input.txtRunTime->setText(run.RunTime);
    input.txtFireFile->setText(run.FireFile);
    // As if each box had been typed into and left.
    input.txtFloorArea_LostFocus();
    input.txtRoomHeight_LostFocus();
    input.txtFireHeight_LostFocus();
}

frmOutput* SkevaWindows::Run() {
    input.mnuRun->trigger();
    return input.Report();
}

void SkevaWindows::FlushDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace vorla::smoke::testing
