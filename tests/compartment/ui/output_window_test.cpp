#include <QtTest>
class T : public QObject { Q_OBJECT };
QTEST_MAIN(T)
#include "output_window_test.moc"
