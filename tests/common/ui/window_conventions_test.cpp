// The conventions check finds each kind of fault in a small window, and none in
// a window that keeps them.
#include "tests/common/ui/window_conventions.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtTest>
#include <memory>

using vorla::test_support::ConventionExceptions;
using vorla::test_support::TabChain;
using vorla::test_support::WindowConventionProblems;

namespace {

// Two frames side by side (left: txtA over txtB; right: txtC), then txtD and a
// button below them; every box captioned and with a tool tip; Tab in reading
// order, frame by frame.
struct SampleWindow {
    std::unique_ptr<QWidget> window = std::make_unique<QWidget>();
    QLineEdit* txtA = Box("txtA");
    QLineEdit* txtB = Box("txtB");
    QLineEdit* txtC = Box("txtC");
    QLineEdit* txtD = Box("txtD");
    QPushButton* cmdGo = new QPushButton("&Go", window.get());

    SampleWindow() {
        window->setObjectName("frmSample");
        cmdGo->setObjectName("cmdGo");
        auto* left = new QGroupBox("Left", window.get());
        auto* right = new QGroupBox("Right", window.get());
        auto* leftRows = new QGridLayout(left);
        leftRows->addWidget(Caption(txtA), 0, 0);
        leftRows->addWidget(txtA, 0, 1);
        leftRows->addWidget(Caption(txtB), 1, 0);
        leftRows->addWidget(txtB, 1, 1);
        auto* rightRows = new QGridLayout(right);
        rightRows->addWidget(Caption(txtC), 0, 0);
        rightRows->addWidget(txtC, 0, 1);
        // The right frame is shorter: its box stands between txtA and txtB.
        rightRows->setRowMinimumHeight(1, 40);
        auto* frames = new QHBoxLayout;
        frames->addWidget(left);
        frames->addWidget(right);
        auto* layout = new QVBoxLayout(window.get());
        layout->addLayout(frames);
        layout->addWidget(Caption(txtD));
        layout->addWidget(txtD);
        layout->addWidget(cmdGo);
        QWidget::setTabOrder(txtA, txtB);
        QWidget::setTabOrder(txtB, txtC);
        QWidget::setTabOrder(txtC, txtD);
        QWidget::setTabOrder(txtD, cmdGo);
        window->resize(400, 300);
        window->show();
    }

    QLineEdit* Box(const char* name) {
        auto* box = new QLineEdit(window.get());
        box->setObjectName(name);
        box->setToolTip("Must be a number");
        return box;
    }
    QLabel* Caption(QLineEdit* box) {
        auto* label = new QLabel(box->objectName().mid(3), window.get());
        label->setBuddy(box);
        return label;
    }
};

} // namespace

class WindowConventionsTest : public QObject {
    Q_OBJECT

  private slots:
    void AWindowThatKeepsTheConventionsHasNoProblems() {
        SampleWindow sample;
        QCOMPARE(TabChain(*sample.window), QStringList({"txtA", "txtB", "txtC", "txtD", "cmdGo"}));
        QCOMPARE(WindowConventionProblems(*sample.window), QStringList());
    }

    void EachBrokenConventionIsNamed_data() {
        QTest::addColumn<int>("fault");
        QTest::addColumn<QStringList>("problems");
        QTest::newRow("no object name") << 0
                                        << QStringList({"(a QLineEdit without a name) has no "
                                                        "object name"});
        QTest::newRow("no buddy") << 1 << QStringList({"txtB has no caption label as its buddy"});
        QTest::newRow("no tool tip") << 2 << QStringList({"txtD has no tool tip"});
        QTest::newRow("tab goes back up")
            << 3
            << QStringList({"Tab goes from cmdGo to txtB, which comes before it on the window"});
        QTest::newRow("tab leaves a frame half read")
            << 4
            << QStringList({"Tab goes from txtC to txtB, which comes before it on the window"});
    }

    void EachBrokenConventionIsNamed() {
        QFETCH(int, fault);
        QFETCH(QStringList, problems);
        SampleWindow sample;
        switch (fault) {
        case 0:
            sample.txtA->setObjectName("");
            break;
        case 1:
            for (auto* label : sample.window->findChildren<QLabel*>()) {
                if (label->buddy() == sample.txtB) {
                    label->setBuddy(nullptr);
                }
            }
            break;
        case 2:
            sample.txtD->setToolTip("");
            break;
        case 3:
            // B, A, C, D, Go and round: read from A, Go leads back to B.
            QWidget::setTabOrder(sample.txtB, sample.txtA);
            QWidget::setTabOrder(sample.txtA, sample.txtC);
            break;
        default:
            // Across to the right frame before the left one is done, although
            // txtC stands above txtB.
            QWidget::setTabOrder(sample.txtA, sample.txtC);
            QWidget::setTabOrder(sample.txtC, sample.txtB);
            QWidget::setTabOrder(sample.txtB, sample.txtD);
            break;
        }
        QCOMPARE(WindowConventionProblems(*sample.window), problems);
    }

    void ADepartureTheWindowNamesIsNoProblem() {
        SampleWindow sample;
        sample.txtD->setToolTip("");
        QCOMPARE(WindowConventionProblems(*sample.window, {.WithoutToolTip = {"txtD"}}),
                 QStringList());
    }
};

QTEST_MAIN(WindowConventionsTest)
#include "window_conventions_test.moc"
