#ifndef VERINFOINTERFACE_H
#define VERINFOINTERFACE_H

// Version information interface of the attendance host's plug-ins.

#include <QMap>
#include <QString>
#include <QtPlugin>

class VerInfoInterface
{
public:
    virtual ~VerInfoInterface() {}
    virtual QMap<QString, QString> getVerInfo() const = 0;
};

#define VerInfoInterface_iid "com.halvik.VerInfoInterface"
Q_DECLARE_INTERFACE(VerInfoInterface, VerInfoInterface_iid)

#endif // VERINFOINTERFACE_H
