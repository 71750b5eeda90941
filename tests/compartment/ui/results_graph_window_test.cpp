#include <QtTest>
class T : public QObject { Q_OBJECT };
QTEST_MAIN(T)
#include "results_graph_window_test.moc"
