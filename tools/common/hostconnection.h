#ifndef ORVEX_TOOLS_HOSTCONNECTION_H
#define ORVEX_TOOLS_HOSTCONNECTION_H

#include <QSqlDatabase>
#include <QString>

// Where the attendance host's database is and who connects to it.
struct HostConnection
{
    QString host;
    int port = 0;             // 0: the driver's default
    QString socket;
    QString user;
    QString database;
    bool askPassword = false; // ask on the terminal when the environment gives none
    // Seconds the client waits for the server to answer a read or take a
    // write, once connected (0: for ever). The plug-in copies the host
    // connection's options onto every connection it opens, so they hold there too.
    int timeoutSeconds = defaultTimeoutSeconds;

    static const int defaultTimeoutSeconds = 300;
};

// The environment variable that carries the database password, so that it
// never stands on a command line.
extern const char* const hostPasswordVariable;

// The password of the connection: the environment variable when it is set;
// else, with askPassword, read from the terminal without echo; else empty.
// False, with a one-line reason, when it must be asked and there is no
// terminal.
bool hostPassword(const HostConnection& connection, QString& password, QString& errorText);

// The connect options of `connection`: the connect timeout, the read and
// write timeouts and the unix socket.
QString hostConnectOptions(const HostConnection& connection);

// A Qt MySQL connection named `connectionName` set up for `connection`, not
// yet opened. QSqlDatabase::defaultConnection makes it the application's
// default connection.
QSqlDatabase addHostConnection(const HostConnection& connection, const QString& connectionName);

// Opens the host's database through the Qt MySQL driver. False, with a
// one-line reason, when the driver is missing or the server refuses. The
// password is set on the connection before it opens (a connection opened with
// open(user, password) does not keep it, and the plug-in's own connections,
// made from the host connection's settings, could not log in); it is never
// part of an error text.
bool openHostDatabase(const HostConnection& connection, const QString& password, const QString& connectionName,
                      QSqlDatabase& db, QString& errorText);

// A driver's error text on one line, for a message of one line.
QString oneLine(QString text);

#endif // ORVEX_TOOLS_HOSTCONNECTION_H
