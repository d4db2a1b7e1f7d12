// A stand-in export plug-in for the tests of orvex-export: it answers through
// the host's interface as told by environment variables, so that a test can
// give the tool a file that fails the control check, a text Windows-1250
// cannot hold, or an export that runs until its progress dialog is cancelled.
//   ORVEX_STANDIN_LINES   the file's lines, "\n" between them (default: none)
//   ORVEX_STANDIN_RETURN  the value makeExport returns (default: the lines)
//   ORVEX_STANDIN_WAIT    show a progress dialog and wait up to 20 s for its
//                         cancel button: then -1 and an "errorString"

#include "pamexportinterface.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QObject>
#include <QProgressDialog>
#include <QThread>

class StandInPlugin : public QObject, public PamExportInterface
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "com.halvik.tenra.PamExportInterface.StandIn")
    Q_INTERFACES(PamExportInterface)

public:
    int makeExport(const QHash<QString, QVariant>& parameters, QHash<QString, QVariant>* result) override
    {
        if (qEnvironmentVariableIsSet("ORVEX_STANDIN_WAIT") && waitForCancel()) {
            result->insert(QStringLiteral("errorString"), QStringLiteral("Export bol prerušený používateľom."));
            return -1;
        }
        const QStringList lines = QString::fromUtf8(qgetenv("ORVEX_STANDIN_LINES")).split(QLatin1Char('\n'),
                                                                                            QString::SkipEmptyParts);
        const QString name = QStringLiteral("ds%1%2_ID-%3.txt")
                                 .arg(parameters.value(QStringLiteral("month")).toInt() % 100, 2, 10, QLatin1Char('0'))
                                 .arg(parameters.value(QStringLiteral("month")).toInt() / 100)
                                 .arg(parameters.value(QStringLiteral("pamSettingsId")).toInt());
        QFile file(QDir(parameters.value(QStringLiteral("exportPath")).toString()).filePath(name));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
            return -1;
        for (const QString& line : lines)
            file.write((line + QLatin1Char('\n')).toUtf8());
        file.close();
        result->insert(QStringLiteral("fileName"), name);
        result->insert(QStringLiteral("doneString"), QString());
        bool given = false;
        const int returned = qEnvironmentVariableIntValue("ORVEX_STANDIN_RETURN", &given);
        return given ? returned : lines.size();
    }
    QHash<QString, QVariant> getOptionsData() const override { return {}; }
    QString getType() const override { return QStringLiteral("Orvexuniversal"); }
    QString getVersion() const override { return QStringLiteral("0.0.0.0"); }

private:
    bool waitForCancel()
    {
        QProgressDialog dialog(QStringLiteral("Exportujem ..."), QStringLiteral("Prerušiť"), 0, 100);
        dialog.setMinimumDuration(0);
        dialog.setValue(1);
        dialog.show();
        qWarning("stand-in: the progress dialog waits for its cancel button");
        QElapsedTimer clock;
        clock.start();
        while (!dialog.wasCanceled() && clock.elapsed() < 20000) {
            QApplication::processEvents();
            QThread::msleep(10);
        }
        return dialog.wasCanceled();
    }
};

#include "standinplugin.moc"
