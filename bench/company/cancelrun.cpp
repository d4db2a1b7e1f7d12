#include "cancelrun.h"

#include "cancelprobe.h"
#include "exportlog.h"
#include "hostconnection.h"
#include "loadedplugin.h"

#include <QDir>
#include <QFile>

#include <cstdio>

namespace {

// The file a cancelled export must leave as it was: lines of the file's
// form and bytes that no export writes.
QByteArray earlierFileBytes()
{
    return QByteArrayLiteral("2024|02|1|1|8||\n2024|02|2|1|8||\nearlier file of the benchmark\n")
           + QByteArray("\x00\xff\r\n", 4);
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush();
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// What the export left in `folder` besides `fileName`.
QStringList otherEntries(const QDir& folder, const QString& fileName)
{
    QStringList others = folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    others.removeOne(fileName);
    return others;
}

// "run 9 ms kept": how long the export took to stop after the press and
// whether the earlier file stayed byte for byte ("CHANGED" when not).
QString cancelEntry(const QString& point, const ChildFigures& values)
{
    if (values.contains(QStringLiteral("failed")))
        return point + QStringLiteral(" failed (") + values.value(QStringLiteral("failed")) + QLatin1Char(')');
    const QString ms = values.value(QStringLiteral("cancel_ms"), QStringLiteral("-1"));
    const QString file = values.value(QStringLiteral("cancel_kept")) == QLatin1String("1") ? QStringLiteral("kept")
                                                                                          : QStringLiteral("CHANGED");
    return ms == QLatin1String("-1") ? QStringLiteral("%1 never pressed, %2").arg(point, file)
                                     : QStringLiteral("%1 %2 ms %3").arg(point, ms, file);
}

} // namespace

int runCancelChild(const CancelRun& run)
{
    CancelProbe::Point point;
    if (!CancelProbe::pointFromName(run.point, &point))
        return fail(QStringLiteral("unknown cancel point ") + run.point);
    if (run.fileName.isEmpty())
        return fail(QStringLiteral("a cancel run needs the name of the file the export writes"));
    const int people = run.profile.people;
    QDir folder(run.folder);
    folder.removeRecursively();
    const QString earlierPath = folder.filePath(run.fileName);
    if (!QDir().mkpath(folder.path()) || !writeFile(earlierPath, earlierFileBytes()))
        return fail(QStringLiteral("cannot write ") + earlierPath);
    QString error;
    const QHash<QString, QVariant> parameters = companyExportParameters(run.host, run.profile, folder.path(), &error);
    if (parameters.isEmpty())
        return fail(error);
    LoadedPlugin plugin(run.pluginPath);
    if (!plugin.exporter)
        return fail(QStringLiteral("plug-in not loaded: ") + plugin.loader.errorString());

    installExportLog();
    plugin.exporter->setDatabase(run.host);
    QHash<QString, QVariant> answer;
    qint64 stopNanoseconds = -1;
    qint64 returnedAt = 0;
    int returned = 0;
    {
        CancelProbe probe(point);
        startExportClock();
        returned = plugin.exporter->makeExport(parameters, &answer);
        stopNanoseconds = probe.nanosecondsSincePress();
        returnedAt = exportClockNanoseconds();
        if (!probe.pressed())
            std::fprintf(stderr, "  N=%d: cancel at %s never pressed; last dialog seen: %s\n", people,
                         qPrintable(run.point), qPrintable(probe.lastSeen()));
    }
    removeExportLog();
    if (stopNanoseconds >= 0) {
        // Which of the plug-in's steps had begun when cancel was pressed.
        const qint64 pressedAt = returnedAt - stopNanoseconds;
        std::fprintf(stderr, "  N=%d: cancel at %s pressed %.2f s into the export, after \"%s\"\n", people,
                     qPrintable(run.point), double(pressedAt) / 1e9,
                     qPrintable(markerBefore(exportLogSoFar(), pressedAt)));
    }
    const QStringList others = otherEntries(folder, run.fileName);
    if (!others.isEmpty())
        std::fprintf(stderr, "  N=%d: cancel at %s left: %s\n", people, qPrintable(run.point),
                     qPrintable(others.join(QStringLiteral(", "))));
    if (returned != -1)
        std::fprintf(stderr, "  N=%d: cancel at %s: makeExport returned %d: %s\n", people, qPrintable(run.point),
                     returned,
                     qPrintable(oneLine(answer.value(QStringLiteral("errorString"),
                                                     answer.value(QStringLiteral("doneString"))).toString())));
    result(QStringLiteral("cancel_ms"),
           stopNanoseconds < 0 ? QStringLiteral("-1") : QString::number(double(stopNanoseconds) / 1e6, 'f', 1));
    result(QStringLiteral("cancel_returned"), returned);
    result(QStringLiteral("cancel_kept"), fileBytes(earlierPath) == earlierFileBytes() ? 1 : 0);
    result(QStringLiteral("cancel_others"), others.size());
    return 0;
}

QString cancelSummary(const QStringList& points, const QList<ChildFigures>& runs)
{
    QStringList entries, returned;
    int others = 0;
    for (int i = 0; i < points.size() && i < runs.size(); ++i) {
        entries << cancelEntry(points.at(i), runs.at(i));
        returned << runs.at(i).value(QStringLiteral("cancel_returned"), QStringLiteral("?"));
        others += runs.at(i).value(QStringLiteral("cancel_others"), QStringLiteral("0")).toInt();
    }
    return entries.join(QStringLiteral(", ")) + QStringLiteral("; makeExport returned ")
           + returned.join(QStringLiteral(", ")) + QStringLiteral("; other files left in the folders: ")
           + QString::number(others);
}
