#ifndef ORVEX_EXPORT_REPLAY_H
#define ORVEX_EXPORT_REPLAY_H

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>

// A replay runs a prepared staging file (as orvex-prepare-test writes it)
// through the plug-in's TEST mode in a work folder of its own:
//   WORK/DB_test_paterns/<copy of the file>   the plug-in's input
//   WORK/TMP/tmp_outDatabase.db               the rows it exports
// so the customer's file is never changed.

// The parameters file of a replay: the one given, else params.json in the
// folder that holds the file's DB_test_paterns/ folder, else beside the file.
QString replayParametersPath(const QString& stagingFile, const QString& given);

// Reads the JSON parameters that orvex-prepare-test wrote.
bool readReplayParameters(const QString& path, QHash<QString, QVariant>& parameters, QString& errorText);

// Lays out the work folder with a copy of `stagingFile` and points the TEST
// mode parameters ("mode", "dbName", "testWorkPath") at it.
bool prepareReplayFolder(const QString& workPath, const QString& stagingFile, QHash<QString, QVariant>& parameters,
                         QString& errorText);

// The staging file's copy in the work folder.
QString replayStagingPath(const QString& workPath, const QString& stagingFile);

// The rows of the TEST run as the plug-in's file writer would write them:
// sorted by person and date-from, fields joined by the separator it writes.
bool readReplayedLines(const QString& workPath, const QHash<QString, QVariant>& options, QStringList& lines,
                       QString& errorText);

#endif // ORVEX_EXPORT_REPLAY_H
