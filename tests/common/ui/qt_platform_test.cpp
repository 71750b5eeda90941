#include "common/ui/data_directory.h"
#include "common/ui/qt_file_dialog.h"
#include "common/ui/qt_message_box.h"
#include "common/ui/qt_platform_services.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace vorla::ui;

class QtPlatformTest : public QObject {
    Q_OBJECT

  private slots:
    void MessageBoxesHaveTheRightIconButtonsDefaultAndEscape_data() {
        QTest::addColumn<int>("icon");
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("requestedDefault");
        QTest::addColumn<int>("qtIcon");
        QTest::addColumn<int>("qtButtons");
        QTest::addColumn<int>("qtDefault");
        QTest::addColumn<int>("qtEscape");
        const auto row = [](const char* name, MessageIcon icon, MessageButtons buttons,
                            MessageButton requestedDefault, QMessageBox::Icon qtIcon,
                            QMessageBox::StandardButtons qtButtons,
                            QMessageBox::StandardButton qtDefault,
                            QMessageBox::StandardButton qtEscape) {
            QTest::newRow(name) << int(icon) << int(buttons) << int(requestedDefault) << int(qtIcon)
                                << int(qtButtons.toInt()) << int(qtDefault) << int(qtEscape);
        };
        row("input error", MessageIcon::Exclamation, MessageButtons::Ok, MessageButton::Ok,
            QMessageBox::Warning, QMessageBox::Ok, QMessageBox::Ok, QMessageBox::Ok);
        row("printer check", MessageIcon::Exclamation, MessageButtons::OkCancel, MessageButton::Ok,
            QMessageBox::Warning, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok,
            QMessageBox::Cancel);
        row("save data", MessageIcon::Exclamation, MessageButtons::YesNo, MessageButton::Ok,
            QMessageBox::Warning, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes,
            QMessageBox::No);
        row("question, No default", MessageIcon::Question, MessageButtons::YesNo, MessageButton::No,
            QMessageBox::Question, QMessageBox::Yes | QMessageBox::No, QMessageBox::No,
            QMessageBox::No);
        row("unexpected error", MessageIcon::Critical, MessageButtons::Ok, MessageButton::Yes,
            QMessageBox::Critical, QMessageBox::Ok, QMessageBox::Ok, QMessageBox::Ok);
    }
    void MessageBoxesHaveTheRightIconButtonsDefaultAndEscape() {
        QFETCH(int, icon);
        QFETCH(int, buttons);
        QFETCH(int, requestedDefault);
        QFETCH(int, qtIcon);
        QFETCH(int, qtButtons);
        QFETCH(int, qtDefault);
        QFETCH(int, qtEscape);
        const MessageRequest request("Wrong <file> & format.", "VORLA-XW", MessageIcon(icon),
                                     MessageButtons(buttons), MessageButton(requestedDefault));
        const auto box = MakeMessageBox(request, nullptr);
        QCOMPARE(box->text(), QString("Wrong <file> & format."));
        QCOMPARE(box->textFormat(), Qt::PlainText);
        QCOMPARE(box->windowTitle(), QString("VORLA-XW"));
        QCOMPARE(int(box->icon()), qtIcon);
        QCOMPARE(int(box->standardButtons().toInt()), qtButtons);
        QCOMPARE(box->defaultButton(), box->button(QMessageBox::StandardButton(qtDefault)));
        QCOMPARE(box->escapeButton(), box->button(QMessageBox::StandardButton(qtEscape)));
        // What exec() returns maps back to the request's buttons.
        QCOMPARE(int(StandardButtonOf(AnswerOf(qtEscape, request.Buttons))), qtEscape);
        QCOMPARE(AnswerOf(-1, request.Buttons), EscapeButtonOf(request.Buttons));
    }

    // A question that Escape leaves shows Yes and No only; Escape and the
    // frame's close button answer Cancel, and Yes and No still answer themselves.
    void EscapeLeavesAQuestionThatAsksSo_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("answer");
        QTest::newRow("Escape") << "Escape" << int(MessageButton::Cancel);
        QTest::newRow("frame") << "frame" << int(MessageButton::Cancel);
        QTest::newRow("Yes") << "Yes" << int(MessageButton::Yes);
        QTest::newRow("No") << "No" << int(MessageButton::No);
    }
    // The flashover question's "Do not ask again": a check box under the text,
    // unchecked, with its access key; a box without the text has none.
    void ACheckBoxIsShownOnlyWhenAsked() {
        MessageRequest request("Flashover occurred at 122 seconds.  Terminate simulation?",
                               "VORLA-XW: Flashover", MessageIcon::Question, MessageButtons::YesNo,
                               MessageButton::Yes);
        QVERIFY(MakeMessageBox(request, nullptr)->checkBox() == nullptr);
        request.CheckBoxText = "&Do not ask again";
        const auto box = MakeMessageBox(request, nullptr);
        QVERIFY(box->checkBox() != nullptr);
        QCOMPARE(box->checkBox()->text(), QString("&Do not ask again"));
        QVERIFY(!box->checkBox()->isChecked());
        QCOMPARE(box->text(), QString("Flashover occurred at 122 seconds.  Terminate simulation?"));
    }

    void EscapeLeavesAQuestionThatAsksSo() {
        QFETCH(QString, how);
        QFETCH(int, answer);
        MessageRequest request("Do you want to save the data?", "VORLA-XW: Save Data?",
                               MessageIcon::Exclamation, MessageButtons::YesNo);
        request.EscapeLeaves = true;
        const auto box = MakeMessageBox(request, nullptr);
        QStringList shown;
        QTimer::singleShot(0, box.get(), [&box, &shown, how] {
            // Whatever is found, the box is answered, so exec() returns.
            (void)QTest::qWaitForWindowExposed(box.get());
            for (auto* button : box->buttons()) {
                if (button->isVisible()) {
                    shown << button->text().remove('&');
                }
            }
            if (how == "Escape") {
                QTest::keyClick(box.get(), Qt::Key_Escape);
            } else if (how == "frame") {
                box->close();
            } else {
                box->button(how == "Yes" ? QMessageBox::Yes : QMessageBox::No)->click();
            }
        });
        QCOMPARE(int(AnswerOf(box->exec(), request.Buttons)), answer);
        shown.sort();
        QCOMPARE(shown, QStringList({"No", "Yes"}));
        QCOMPARE(EscapeAnswerOf(request), MessageButton::Cancel);
        request.EscapeLeaves = false;
        QCOMPARE(EscapeAnswerOf(request), MessageButton::No);
    }

    void AMessageBoxGivesTheKeyboardBackToTheWindowBelow() {
        // The program's window is on screen but has not got the keyboard back
        // yet (another box has just closed): the box is still shown over it,
        // and the window is active again once the box is answered.
        QWidget window;
        window.setWindowTitle("VORLA-XW: Output Data");
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* other = new QWidget;
        other->show();
        other->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(other));
        delete other;
        QCoreApplication::processEvents();
        QVERIFY(!window.isActiveWindow());

        QWidget* parentSeen = nullptr;
        QTimer::singleShot(0, [&parentSeen] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box) {
                parentSeen = box->parentWidget();
                box->button(QMessageBox::Ok)->click();
            }
        });
        QtPlatformServices services;
        QCOMPARE(services.ShowMessage({"Make sure the printer is ready.", "VORLA-XW: Printer Check",
                                       MessageIcon::Exclamation, MessageButtons::OkCancel}),
                 MessageButton::Ok);
        QCOMPARE(parentSeen, &window);
        QTRY_VERIFY(window.isActiveWindow());
    }

    void FiltersBecomeQtFilters_data() {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("qtFilter");
        QTest::addColumn<QString>("suffix");
        QTest::newRow("fire files") << "VORLA-XW Fire Files (*.fir)|*.fir"
                                    << "VORLA-XW Fire Files (*.fir)"
                                    << "fir";
        QTest::newRow("no patterns in the text") << "PDF Files|*.pdf"
                                                 << "PDF Files (*.pdf)"
                                                 << "pdf";
        QTest::newRow("two patterns") << "Reports (*.sdf;*.vof)|*.sdf;*.vof"
                                      << "Reports (*.sdf *.vof)"
                                      << "sdf";
        QTest::newRow("other words in parentheses") << "Fire Files (QDOT-XW)|*.fir"
                                                    << "Fire Files (QDOT-XW) (*.fir)"
                                                    << "fir";
        QTest::newRow("two pairs") << "Data (*.sof)|*.sof|All Files (*.*)|*.*"
                                   << "Data (*.sof);;All Files (*.*)"
                                   << "sof";
        QTest::newRow("any file") << "Anything|*"
                                  << "Anything (*)"
                                  << "";
        QTest::newRow("empty") << ""
                               << "All Files (*)"
                               << "";
    }
    void FiltersBecomeQtFilters() {
        QFETCH(QString, filter);
        QFETCH(QString, qtFilter);
        QFETCH(QString, suffix);
        QCOMPARE(QtFilterOf(filter.toStdString()), qtFilter);
        QCOMPARE(DefaultSuffixOf(filter.toStdString()), suffix);
    }

    void SaveDialogStartsInTheDataDirectoryWithTheInitialName() {
        QTemporaryDir data;
        // No initial directory given: the data directory.
        const auto dialog =
            MakeFileDialog(SaveAsDialog("Specify Data Output File",
                                        "VORLA-XW Data Files (*.sdf)|*.sdf", "", "OFFICE.SDF"),
                           data.path(), nullptr);
        QCOMPARE(dialog->windowTitle(), QString("Specify Data Output File"));
        QCOMPARE(dialog->acceptMode(), QFileDialog::AcceptSave);
        QVERIFY(!dialog->testOption(QFileDialog::DontConfirmOverwrite));
        QCOMPARE(dialog->defaultSuffix(), QString("sdf"));
        QCOMPARE(dialog->nameFilters(), QStringList{"VORLA-XW Data Files (*.sdf)"});
        QCOMPARE(QDir(dialog->directory()).canonicalPath(), QDir(data.path()).canonicalPath());
        QCOMPARE(QFileInfo(dialog->selectedFiles().value(0)).fileName(), QString("OFFICE.SDF"));
    }

    // A name typed without an extension takes the one of the filter shown
    // when the dialog closes, so choosing "SVG" writes an SVG.
    void TheShownFilterGivesTheExtension_data() {
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("suffix");
        QTest::newRow("first") << "PNG Image (*.png)"
                               << "png";
        QTest::newRow("second") << "SVG Drawing (*.svg)"
                                << "svg";
        QTest::newRow("third") << "PDF Document (*.pdf)"
                               << "pdf";
        QTest::newRow("all files") << "All Files (*)"
                                   << "";
        QTest::newRow("two patterns") << "Reports (*.sdf *.vof)"
                                      << "";
        QTest::newRow("no pattern") << "Anything"
                                    << "";
    }
    void TheShownFilterGivesTheExtension() {
        QFETCH(QString, shown);
        QFETCH(QString, suffix);
        QTemporaryDir data;
        const auto dialog =
            MakeFileDialog(SaveAsDialog("Export Graph",
                                        "PNG Image (*.png)|*.png|SVG Drawing (*.svg)|*.svg|"
                                        "PDF Document (*.pdf)|*.pdf",
                                        "", "graph.png"),
                           data.path(), nullptr);
        QCOMPARE(dialog->defaultSuffix(), QString("png"));
        emit dialog->filterSelected(shown);
        QCOMPARE(dialog->defaultSuffix(), suffix);
    }

    void OpenDialogOfAnExistingFileStartsInItsFolder() {
        QTemporaryDir data;
        QTemporaryDir elsewhere;
        const QString fireFile = elsewhere.filePath("SOFA.FIR");
        QFile(fireFile).open(QIODevice::WriteOnly);
        const auto dialog =
            MakeFileDialog(OpenDialog("Specify Fire File", "VORLA-XW Fire Files (*.fir)|*.fir",
                                      data.path().toStdString(), fireFile.toStdString()),
                           "/unused", nullptr);
        QCOMPARE(dialog->acceptMode(), QFileDialog::AcceptOpen);
        QCOMPARE(dialog->fileMode(), QFileDialog::ExistingFile);
        QCOMPARE(QDir(dialog->directory()).canonicalPath(), QDir(elsewhere.path()).canonicalPath());
    }

    void TheDataDirectoryIsInTheHomeFolder() {
        QTemporaryDir home;
        const QByteArray oldHome = qgetenv("HOME");
        qputenv("HOME", home.path().toUtf8());
        const QString expected = QDir::toNativeSeparators(home.path() + "/VORLA/DATA");
        QVERIFY(!QFileInfo::exists(expected));
        QCOMPARE(DefaultDataDirectory(), expected);
        QVERIFY(QFileInfo(expected).isDir());
        QCOMPARE(DefaultDataDirectory(), expected); // already there: the same
        QtPlatformServices services;
        QCOMPARE(QString::fromStdString(services.DataDirectory()), expected);
        qputenv("HOME", oldHome);
    }
};

QTEST_MAIN(QtPlatformTest)
#include "qt_platform_test.moc"
