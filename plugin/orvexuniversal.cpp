#include "orvexuniversal.h"

#include "buildstamp.h"
#include "exportdialogs.h"
#include "exportprogress.h"
#include "orvexoptwidget.h"
#include "runcontext.h"
#include "storedoptions.h"

#include <QDateTime>
#include <QDebug>

Orvexuniversal::Orvexuniversal() : QObject(nullptr)
{
    debugLevel = 3;
    allPeople = false;
}

Orvexuniversal::~Orvexuniversal() = default;

QString Orvexuniversal::getType() const
{
    return QStringLiteral("Orvexuniversal");
}

QString Orvexuniversal::getVersion() const
{
    return QStringLiteral("1.0.2.0");
}

void Orvexuniversal::setDatabase(const QSqlDatabase& db)
{
    hostDb = db;
}

QHash<QString, QVariant> Orvexuniversal::getOptionsData() const
{
    return exportOptionsDefaults();
}

PamOptionsWidget* Orvexuniversal::getOptionsWidget() const
{
    return new OrvexOptWidget();
}

QMap<QString, QString> Orvexuniversal::getVerInfo() const
{
    QMap<QString, QString> info;
    info.insert(QStringLiteral("VER"), getVersion());
    info.insert(QStringLiteral("sarovType"), QStringLiteral("PLG.PAM.Orvexuniversal"));
    const QDateTime built = moduleBuildStamp();
    if (built.isValid())
        info.insert(QStringLiteral("BUILD"), built.toString(QStringLiteral("yyMMddhhmm")));
    info.insert(QStringLiteral("TENRADB"), QStringLiteral("21.07.09"));
    return info;
}

int Orvexuniversal::makeExport(const QHash<QString, QVariant>& parameters, QHash<QString, QVariant>* result)
{
    qDebug() << "*** Orvexuniversal::makeExport() ***";
    RunContext run = runContextFromParameters(parameters);
    run.debugLevel = debugLevel;
    allPeople = run.allPeople;
    if (run.testMode)
        return pipeline.run(run, hostDb, result);
    // The stages run on a worker thread; this (the host's GUI) thread reads
    // the host for them and keeps the window and the dialogs alive.
    ExportProgress progress;
    run.progress = &progress;
    ExportDialogs dialogs(progress);
    const int lines = pipeline.run(run, hostDb, result, [&dialogs]() { dialogs.update(); });
    dialogs.update();
    return lines;
}
