#ifndef ORVEX_TOOLS_DISPLAYPROBE_H
#define ORVEX_TOOLS_DISPLAYPROBE_H

#include <QByteArray>

// Whether an X server takes connections at `display` (a DISPLAY value such
// as ":0", "unix:1.0" or "host:10"): its unix socket, or its TCP port, within
// about a second. Qt's X platform aborts the program when it cannot connect;
// a tool asks first and draws off screen instead. Always true on Windows.
bool x11DisplayAnswers(const QByteArray& display);

#endif // ORVEX_TOOLS_DISPLAYPROBE_H
