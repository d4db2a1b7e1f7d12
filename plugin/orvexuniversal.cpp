#include "orvexuniversal.h"

#include "buildstamp.h"
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
    return pipeline.run(run, hostDb, result);
}
