#ifndef PAMEXPORTINTERFACE_H
#define PAMEXPORTINTERFACE_H

// Export plug-in interface of the attendance host. The slot order, signatures
// and data members are what the host compiles against: do not reorder.

#include <QtGlobal>
#include <QHash>
#include <QString>
#include <QVariant>
#include <QSqlDatabase>
#include <QtPlugin>

class PamOptionsWidget;

class PamExportInterface
{
public:
    virtual ~PamExportInterface() {}

    virtual int makeExport(const QHash<QString, QVariant>& parameters,
                           QHash<QString, QVariant>* result) = 0;
    virtual void setDatabase(const QSqlDatabase& db) { interfaceDb = db; }
    virtual QHash<QString, QVariant> getOptionsData() const = 0;
    virtual PamOptionsWidget* getOptionsWidget() const { return nullptr; }
    virtual QString getType() const = 0;
    virtual QString getVersion() const = 0;

    // Verbosity of the plug-in's debug output.
    quint8 debugLevel;
    // Target of the default setDatabase().
    QSqlDatabase interfaceDb;
    // True when the export covers all people instead of a selection.
    bool allPeople;
};

#define PamExportInterface_iid "com.halvik.tenra.PamExportInterface"
Q_DECLARE_INTERFACE(PamExportInterface, PamExportInterface_iid)

#endif // PAMEXPORTINTERFACE_H
