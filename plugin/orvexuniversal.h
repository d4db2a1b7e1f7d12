#ifndef ORVEXUNIVERSAL_H
#define ORVEXUNIVERSAL_H

// The Orvexuniversal export plug-in: turns one closed month of attendance into
// the payroll import file. This class is the plug-in's front to the host:
// identity, version record, the defaults and the options page, and
// makeExport, which reads the host's parameters into a run context and hands
// it to the export pipeline (pipeline/).

#include <QHash>
#include <QMap>
#include <QObject>
#include <QSqlDatabase>
#include <QString>
#include <QVariant>

#include "exportpipeline.h"
#include "pamexportinterface.h"
#include "verinfointerface.h"

class Orvexuniversal : public QObject, public PamExportInterface, public VerInfoInterface
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "com.halvik.tenra.PamExportInterface.Orvexuniversal")
    Q_INTERFACES(PamExportInterface VerInfoInterface)

public:
    Orvexuniversal();
    ~Orvexuniversal() override;

    int makeExport(const QHash<QString, QVariant>& parameters,
                   QHash<QString, QVariant>* result) override;
    QHash<QString, QVariant> getOptionsData() const override;
    PamOptionsWidget* getOptionsWidget() const override;
    QString getType() const override;
    QString getVersion() const override;
    void setDatabase(const QSqlDatabase& db) override;
    QMap<QString, QString> getVerInfo() const override;

private:
    QSqlDatabase hostDb;
    // Declared after the host connection: its staging connections go first.
    ExportPipeline pipeline;
};

#endif // ORVEXUNIVERSAL_H
