#ifndef BENCHACCOUNT_H
#define BENCHACCOUNT_H

#include <QSqlDatabase>
#include <QString>

// The account the floor and the exports read the company with: like the
// host's own accounts it has a password (one with an apostrophe) and may
// only SELECT, on the company's database alone. The children of the
// benchmark connect with it as the host does: user and password set on the
// connection, then open().

// Creates the account anew with SELECT on `database` only; `root` is an
// administrator's connection. False, with the reason in `error`, on failure.
bool createBenchAccount(const QSqlDatabase& root, const QString& database, QString* error);

// Opens `database` over the server's unix socket `socket` as the account.
QSqlDatabase openAsBenchAccount(const QString& socket, const QString& database, const QString& connectionName);

// The server's count of refused logins since it started (-1 when unknown);
// `root` must be allowed to read the global status.
qint64 accessDeniedErrors(const QSqlDatabase& root);

#endif // BENCHACCOUNT_H
