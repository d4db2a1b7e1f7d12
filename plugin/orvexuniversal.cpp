#include "orvexuniversal.h"

#include "buildstamp.h"
#include "orvexoptwidget.h"

Orvexuniversal::Orvexuniversal()
    : QObject(nullptr)
    , periodMonth(0)
    , iidPN(0), iidOCR(0), iidKarPN(0), iidKarOCR(0)
    , advancedOvertime(false)
    , beginDay(0), endDay(0)
    , stagingQuery(QString(), QSqlDatabase())
    , currentPid(0)
    , testMode(false)
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
