#ifndef ORVEX_EXPORT_STOPREQUEST_H
#define ORVEX_EXPORT_STOPREQUEST_H

#include <QString>

// Stopping an export from outside: SIGINT and SIGTERM (on Windows Ctrl+C,
// Ctrl+Break and closing the console) and the --deadline. The tool reaches
// the plug-in only through the host's interfaces, so it stops an export the
// way the host's user does: it presses the cancel button of the plug-in's
// visible progress dialog. The signal handler only sets a flag; a timer on
// the GUI thread (the plug-in lets the event loop run during the export)
// looks at it and presses the button.
namespace StopRequest {

// Catches the signals (console events) for the rest of the run: instead of
// ending the process, each asks for the stop.
void installHandlers();

// Past `minutes` from now (a fraction allowed) a stop is asked for as well
// (0: no deadline).
void setDeadline(double minutes);

// Starts the GUI thread's timer that presses "cancel" once a stop is asked for.
void watchProgressDialogs();

// A signal came or the deadline passed.
bool requested();

// Why: "SIGTERM", "SIGINT", "the console was closed", "the deadline of 5 minutes".
QString reason();

// The run has finished its work (a console close on Windows may now end it).
void runFinished();

} // namespace StopRequest

#endif // ORVEX_EXPORT_STOPREQUEST_H
