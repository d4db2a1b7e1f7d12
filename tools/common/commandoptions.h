#ifndef ORVEX_TOOLS_COMMANDOPTIONS_H
#define ORVEX_TOOLS_COMMANDOPTIONS_H

#include "hostconnection.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QDate>
#include <QString>
#include <QStringList>

// The options of a tool that reads the host's database: --host, --port,
// --socket, --user, --database, --ask-password, --timeout and --settings-id.
struct HostOptions
{
    HostOptions();
    void addTo(QCommandLineParser& parser) const;
    // Fills `connection` and `settingsId` (0 when not given: the first record
    // of the plug-in's type). False, with a one-line reason, for a port or a
    // record id that is not one.
    bool read(const QCommandLineParser& parser, HostConnection& connection, int& settingsId,
              QString& errorText) const;

    const QCommandLineOption host;
    const QCommandLineOption port;
    const QCommandLineOption socket;
    const QCommandLineOption user;
    const QCommandLineOption database;
    const QCommandLineOption askPassword;
    const QCommandLineOption timeout;
    const QCommandLineOption settingsId;
};

// What a tool that exports one month was asked for.
struct MonthSelection
{
    QString monthArgument;  // as given; parseMonth() reads it once the zone is in use
    bool allPeople = true;
    QStringList peopleIds;  // host person ids when not all people
    QByteArray timeZone;    // IANA name given with --time-zone; empty: the system's zone
};

// The options of a tool that exports one month: --month, --people and
// --time-zone.
struct MonthOptions
{
    MonthOptions();
    void addTo(QCommandLineParser& parser) const;
    // False, with a one-line reason, for people that are not "all" or ids, or
    // an empty zone name.
    bool read(const QCommandLineParser& parser, MonthSelection& selection, QString& errorText) const;

    const QCommandLineOption month;
    const QCommandLineOption people;
    const QCommandLineOption timeZone;
};

// False, with a one-line reason, when a positional argument is given or one
// of `required` is not.
bool checkArguments(const QCommandLineParser& parser, const QList<const QCommandLineOption*>& required,
                    QString& errorText);

// The program's arguments, the program name first, as
// QCoreApplication::arguments() reads them (on Windows from the wide command
// line, so that paths outside the ANSI code page survive). The tools hand them
// to their own parser and show QApplication the program name only: Qt's
// command line would take --plugin for itself (it loads generic input
// plug-ins by that option).
QStringList commandLineArguments(int argc, char* argv[]);

// Makes Qt draw off screen when there is no display to draw on (on Unix, no
// DISPLAY and no WAYLAND_DISPLAY, or an X display that does not answer, which
// one line on stderr, headed by `tool`, says) and no platform was chosen.
// True when it did. Call it before the application object exists.
bool renderOffscreenWithoutDisplay(const char* tool);

// Keeps Qt's start-up chatter (no XDG_RUNTIME_DIR on a server) off stderr.
// Call it before the application object exists.
void hideQtStartupNoise();

// A whole number above 0, written without a sign.
bool parsePositive(const QString& text, int& value);

// A whole number of 0 or more, written without a sign, at most `maximum`.
bool parseCount(const QString& text, int maximum, int& value);

// "YYYY-MM", or "previous" / "current" relative to `today`, which must be
// taken in the zone the run uses.
bool parseMonth(const QString& text, const QDate& today, int& year, int& month, QString& errorText);

// "all", or a comma list of host person ids (positive integers).
bool parsePeople(const QString& text, bool& all, QStringList& ids, QString& errorText);

#endif // ORVEX_TOOLS_COMMANDOPTIONS_H
