#ifndef CANCELPROBE_H
#define CANCELPROBE_H

#include <QElapsedTimer>
#include <QString>
#include <QStringList>
#include <QTimer>

class QProgressDialog;

// Presses "Prerušiť" on the plug-in's progress dialog at a point of one step
// of the export, the way the host's user would: the dialog on screen, its
// cancel(), from the event loop of the GUI thread (a 0 ms timer, so it looks
// each time the export lets events through).
//
//   loading  the loading dialog at 30 or more (the month being read)
//   spans    the loading dialog at 100 (the spans being computed)
//   run      the run dialog at half its maximum or more (the people)
//   file     the run dialog at its maximum (the file being written)
class CancelProbe
{
public:
    enum Point { Loading, Spans, Run, File };

    // The points in the order of the export, by name.
    static QStringList pointNames();
    // False for a name that is none of pointNames().
    static bool pointFromName(const QString& name, Point* point);
    // Whether a dialog with `label` at `value` of 0..`maximum` is at `point`.
    static bool isAt(Point point, const QString& label, int value, int maximum);

    explicit CancelProbe(Point point);
    CancelProbe(const CancelProbe&) = delete;
    CancelProbe& operator=(const CancelProbe&) = delete;

    bool pressed() const { return sincePress.isValid(); }
    // Nanoseconds since the press (-1 when it never came).
    qint64 nanosecondsSincePress() const { return pressed() ? sincePress.nsecsElapsed() : -1; }
    // The last dialog seen ("label value/maximum"), to tell why a press never came.
    QString lastSeen() const { return seen; }

private:
    void look();

    const Point point;
    QTimer timer;
    QElapsedTimer sincePress;
    QString seen;
};

#endif // CANCELPROBE_H
