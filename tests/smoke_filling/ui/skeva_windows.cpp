#include "skeva_windows.h"

#include <QAction>
#include <QCoreApplication>
#include <QLineEdit>
#include <QtTest>

using namespace vorla::test_support;

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
    Control<QLineEdit>(input, "txtRunTitle")->setFocus();
}

void SkevaWindows::Fill(const TypedRun& run) {
    Control<QLineEdit>(input, "txtRunTitle")->setText(run.RunTitle);
    Control<QLineEdit>(input, "txtOutputFile")->setText(run.OutputFile);
    Control<QLineEdit>(input, "txtFloorArea")->setText(run.FloorArea);
    Control<QLineEdit>(input, "txtRoomHeight")->setText(run.RoomHeight);
    Control<QLineEdit>(input, "txtFireHeight")->setText(run.FireHeight);
    Control<QLineEdit>(input, "txtLossFraction")->setText(run.LossFraction);
    Control<QLineEdit>(input, "txtRunTime")->setText(run.RunTime);
    Control<QLineEdit>(input, "txtFireFile")->setText(run.FireFile);
    // As if each box had been typed into and left.
    for (const char* box : {"txtFloorArea", "txtRoomHeight", "txtFireHeight"}) {
        Control(input, box)->setFocus();
    }
    Control(input, "txtRunTitle")->setFocus();
}

QWidget* SkevaWindows::Run() {
    Trigger(input, "mnuRun");
    return Report();
}

QWidget* SkevaWindows::Report() {
    return VisibleWindow("frmOutput");
}

void SkevaWindows::FlushDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace vorla::smoke::testing
