#include "common/ui/splash_window.h"

#include "common/ui/splash_picture.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vorla::ui {
namespace {

QFont SizedFont(const QFont& base, double points, bool bold) {
    QFont font = base;
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

} // namespace

frmSplash::frmSplash(const QString& programName, std::function<void()> showInput,
                     std::function<void()> quitProgram, QWidget* parent)
    : QDialog(parent), showInput_(std::move(showInput)), quitProgram_(std::move(quitProgram)) {
    setObjectName("frmSplash");
    setWindowTitle(programName);
    setModal(false);

    lblProgram = new QLabel(programName, this);
    lblProgram->setObjectName("lblProgram");
    lblProgram->setFont(SizedFont(font(), 24, true));
    lblProgram->setAlignment(Qt::AlignCenter);

    lblVersion = new QLabel("Version 1.00", this);
    lblVersion->setObjectName("lblVersion");
    lblVersion->setFont(SizedFont(font(), 13.5, false));
    lblVersion->setAlignment(Qt::AlignCenter);

    Picture1 = new SplashPicture(this);

    cmdContinue = new QPushButton("Continue", this);
    cmdContinue->setObjectName("cmdContinue");
    cmdContinue->setDefault(true);
    cmdQuit = new QPushButton("Quit", this);
    cmdQuit->setObjectName("cmdQuit");
    cmdQuit->setAutoDefault(false);

    auto* captions = new QVBoxLayout;
    captions->addStretch(1);
    captions->addWidget(lblProgram);
    captions->addSpacing(6);
    captions->addWidget(lblVersion);
    captions->addStretch(1);

    auto* top = new QHBoxLayout;
    top->addWidget(Picture1, 3);
    top->addSpacing(12);
    top->addLayout(captions, 2);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdContinue);
    buttons->addWidget(cmdQuit);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 18, 18, 14);
    layout->addLayout(top, 1);
    layout->addSpacing(10);
    layout->addLayout(buttons);

    connect(cmdContinue, &QPushButton::clicked, this, &frmSplash::cmdContinue_Click);
    connect(cmdQuit, &QPushButton::clicked, this, &frmSplash::cmdQuit_Click);

    cmdContinue->setFocus();
}

void frmSplash::Form_Activate() {
    cmdContinue->setFocus(Qt::ActiveWindowFocusReason);
}

void frmSplash::cmdContinue_Click() {
    if (finished_) {
        return;
    }
    finished_ = true;
    // The input form is shown before the splash closes, so the program never has
    // a moment with no window open (which would end it).
    if (showInput_) {
        showInput_();
    }
    close();
}

void frmSplash::cmdQuit_Click() {
    if (finished_) {
        return;
    }
    finished_ = true;
    close();
    QuitProgram();
}

void frmSplash::QuitProgram() {
    if (quitProgram_) {
        quitProgram_();
    } else {
        QCoreApplication::quit();
    }
}

void frmSplash::reject() {
    cmdQuit_Click();
}

bool frmSplash::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        Form_Activate();
    }
    return QDialog::event(event);
}

void frmSplash::closeEvent(QCloseEvent* event) {
    // Not QDialog's own handling, which would reject() (Quit) on every close.
    event->accept();
    if (!finished_) {
        // The frame's close button: the same as Quit.
        finished_ = true;
        QuitProgram();
    }
}

frmSplash* ShowSplash(const QString& programName, std::function<void()> showInput,
                      std::function<void()> quitProgram) {
    auto* splash = new frmSplash(programName, std::move(showInput), std::move(quitProgram));
    splash->setAttribute(Qt::WA_DeleteOnClose);
    splash->show();
    return splash;
}

} // namespace vorla::ui
