#include "stoprequest.h"

#include "exporttext.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDateTime>
#include <QProgressDialog>
#include <QTimer>

#include <csignal>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace StopRequest {
namespace {

// What the handler caught: 0 nothing, else the signal (or console event + 1000).
volatile std::sig_atomic_t caught = 0;
volatile std::sig_atomic_t finished = 0;
qint64 deadlineMsecs = 0; // since the epoch; 0: none
double deadlineMinutes = 0;
const char* const pressedProperty = "orvexStopPressed";
const int consoleEventBase = 1000;

bool deadlinePassed()
{
    return deadlineMsecs > 0 && QDateTime::currentMSecsSinceEpoch() >= deadlineMsecs;
}

#ifdef Q_OS_WIN
BOOL WINAPI onConsoleEvent(DWORD event)
{
    caught = consoleEventBase + int(event);
    // Windows ends the process once this handler returns from a close,
    // logoff or shutdown event: give the export a few seconds to stop and
    // clean up first.
    if (event == CTRL_CLOSE_EVENT || event == CTRL_LOGOFF_EVENT || event == CTRL_SHUTDOWN_EVENT) {
        for (int waited = 0; waited < 4500 && !finished; waited += 50)
            Sleep(50);
    }
    return TRUE;
}
#else
extern "C" void onSignal(int signal)
{
    caught = signal;
}
#endif

// Presses the cancel button of every visible progress dialog once, as the
// host's user would.
void pressCancel()
{
    if (!requested())
        return;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        QProgressDialog* dialog = qobject_cast<QProgressDialog*>(widget);
        if (!dialog || !dialog->isVisible() || dialog->property(pressedProperty).toBool())
            continue;
        dialog->setProperty(pressedProperty, true);
        const QList<QAbstractButton*> buttons = dialog->findChildren<QAbstractButton*>();
        if (!buttons.isEmpty())
            buttons.first()->click();
        else
            dialog->cancel();
    }
}

} // namespace

void installHandlers()
{
#ifdef Q_OS_WIN
    SetConsoleCtrlHandler(onConsoleEvent, TRUE);
#else
    struct sigaction action = {};
    action.sa_handler = onSignal;
    action.sa_flags = SA_RESTART;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
#endif
}

void setDeadline(double minutes)
{
    deadlineMinutes = minutes;
    deadlineMsecs = minutes > 0 ? QDateTime::currentMSecsSinceEpoch() + qint64(minutes * 60000) : 0;
}

void watchProgressDialogs()
{
    QTimer* timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, pressCancel);
    timer->start(50);
}

bool requested()
{
    return caught != 0 || deadlinePassed();
}

QString reason()
{
    const int what = caught;
#ifdef Q_OS_WIN
    switch (what - consoleEventBase) {
    case CTRL_C_EVENT: return QStringLiteral("Ctrl+C");
    case CTRL_BREAK_EVENT: return QStringLiteral("Ctrl+Break");
    case CTRL_CLOSE_EVENT: return OrvexExport::tr("the console was closed");
    case CTRL_LOGOFF_EVENT:
    case CTRL_SHUTDOWN_EVENT: return OrvexExport::tr("the session ended");
    default: break;
    }
#else
    if (what == SIGINT)
        return QStringLiteral("SIGINT");
    if (what == SIGTERM)
        return QStringLiteral("SIGTERM");
#endif
    if (deadlinePassed())
        return OrvexExport::tr("the deadline of %1 minutes").arg(deadlineMinutes);
    return QString();
}

void runFinished()
{
    finished = 1;
}

} // namespace StopRequest
