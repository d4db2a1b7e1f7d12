// The benchmark's probes of the GUI thread: the stall watch sees a blocked
// event loop wherever in the run it happens, and the cancel probe presses the
// plug-in's dialog in the step asked for, never in another.

#include "cancelprobe.h"
#include "stallwatch.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProgressDialog>
#include <QThread>
#include <QtTest>

namespace {

// Lets the event loop run for `ms` milliseconds.
void turn(int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
}

const QString loadingLabel = QString::fromUtf8("Príprava dát pre export do Orvexuniversal ...");
const QString runLabel = QStringLiteral("Exportujem Orvexuniversal...");

} // namespace

class TestBenchProbes : public QObject
{
    Q_OBJECT

private slots:
    void stallIsSeen_data();
    void stallIsSeen();
    void cancelPressedAtItsPoint_data();
    void cancelPressedAtItsPoint();
};

void TestBenchProbes::stallIsSeen_data()
{
    QTest::addColumn<int>("before"); // ms of a turning loop before the block
    QTest::addColumn<int>("after");  // and after it
    QTest::newRow("as the run starts") << 0 << 40;
    QTest::newRow("in the middle") << 40 << 40;
    QTest::newRow("just before the end") << 40 << 0;
}

void TestBenchProbes::stallIsSeen()
{
    QFETCH(int, before);
    QFETCH(int, after);
    const int blocked = 150;
    StallWatch watch(5);
    QElapsedTimer clock;
    clock.start();
    watch.start();
    turn(before);
    const qint64 blockStartMs = clock.elapsed();
    QThread::msleep(blocked);
    turn(after);
    watch.stop();
    const qint64 longestMs = watch.longestNanoseconds() / 1000000;
    QVERIFY2(longestMs >= blocked, qPrintable(QString::number(longestMs)));
    // The block, not the sum of it and the turning loop around it.
    QVERIFY2(longestMs < blocked + 30, qPrintable(QString::number(longestMs)));
    // It began with the last tick before the block.
    const qint64 startMs = watch.longestStartNanoseconds() / 1000000;
    QVERIFY2(startMs <= blockStartMs && startMs + 20 >= blockStartMs,
             qPrintable(QStringLiteral("%1 %2").arg(startMs).arg(blockStartMs)));
}

void TestBenchProbes::cancelPressedAtItsPoint_data()
{
    QTest::addColumn<QString>("point");
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("pressedAt"); // -1: never
    QTest::newRow("loading: at 30") << "loading" << loadingLabel << 100 << 30;
    QTest::newRow("spans: at 100") << "spans" << loadingLabel << 100 << 100;
    QTest::newRow("run: at half of an odd maximum") << "run" << runLabel << 7 << 3;
    QTest::newRow("file: at the maximum") << "file" << runLabel << 7 << 7;
    QTest::newRow("loading: not on the run dialog") << "loading" << runLabel << 100 << -1;
    QTest::newRow("spans: not on the run dialog at its maximum") << "spans" << runLabel << 100 << -1;
    QTest::newRow("file: not on the loading dialog at 100") << "file" << loadingLabel << 100 << -1;
}

// The dialog's value moves up one at a time, letting events through after
// each step as the plug-in does.
void TestBenchProbes::cancelPressedAtItsPoint()
{
    QFETCH(QString, point);
    QFETCH(QString, label);
    QFETCH(int, maximum);
    QFETCH(int, pressedAt);
    CancelProbe::Point at;
    QVERIFY(CancelProbe::pointFromName(point, &at));
    QProgressDialog dialog(label, QStringLiteral("Prerušiť"), 0, maximum);
    dialog.setAutoReset(false);
    dialog.setAutoClose(false);
    dialog.show();
    CancelProbe probe(at);
    int value = 0;
    for (; value <= maximum && !probe.pressed(); ++value) {
        dialog.setValue(value);
        turn(2);
    }
    if (pressedAt < 0) {
        QVERIFY(!probe.pressed());
        QVERIFY(!dialog.wasCanceled());
        return;
    }
    QVERIFY(probe.pressed());
    QCOMPARE(value - 1, pressedAt);
    QVERIFY(dialog.wasCanceled());
}

QTEST_MAIN(TestBenchProbes)
#include "tst_benchprobes.moc"
