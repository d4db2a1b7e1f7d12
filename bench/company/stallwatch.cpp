#include "stallwatch.h"

StallWatch::StallWatch(int intervalMs)
{
    // A coarse timer may fire up to 5 % late by design; a stall is what the
    // loop adds to that.
    timer.setTimerType(Qt::PreciseTimer);
    timer.setInterval(intervalMs);
    QObject::connect(&timer, &QTimer::timeout, [this]() {
        ++tickCount;
        note();
    });
}

void StallWatch::start()
{
    longest = longestStart = lastTick = 0;
    tickCount = 0;
    clock.start();
    timer.start();
}

void StallWatch::stop()
{
    timer.stop();
    note();
}

void StallWatch::note()
{
    const qint64 now = clock.nsecsElapsed();
    if (now - lastTick > longest) {
        longest = now - lastTick;
        longestStart = lastTick;
    }
    lastTick = now;
}
