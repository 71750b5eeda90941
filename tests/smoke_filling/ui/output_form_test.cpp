#include "skeva_windows.h"

#include <QtTest>
class OutputFormTest : public QObject {
    Q_OBJECT private slots : void Nothing() {}
};
QTEST_MAIN(OutputFormTest)
#include "output_form_test.moc"
