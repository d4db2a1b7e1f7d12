#ifndef STALLWATCH_H
#define STALLWATCH_H

#include <QElapsedTimer>
#include <QTimer>

// How long the event loop of the calling thread went without turning while
// the watch ran: a timer of that thread ticks every few milliseconds and the
// longest time between two ticks is kept. The time from start() to the first
// tick and from the last tick to stop() count as well, so a loop that never
// turns shows as one stall of the whole run.
class StallWatch
{
public:
    explicit StallWatch(int intervalMs = 5);
    StallWatch(const StallWatch&) = delete;
    StallWatch& operator=(const StallWatch&) = delete;

    void start();
    void stop();

    // The longest stall, and when it began (since start()), in nanoseconds.
    qint64 longestNanoseconds() const { return longest; }
    qint64 longestStartNanoseconds() const { return longestStart; }
    int ticks() const { return tickCount; }

private:
    void note();

    QTimer timer;
    QElapsedTimer clock;
    qint64 lastTick = 0;
    qint64 longest = 0;
    qint64 longestStart = 0;
    int tickCount = 0;
};

#endif // STALLWATCH_H
