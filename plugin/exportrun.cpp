// The per-person export run: walks the people, calls the generators of the
// selected interruption types and bonus items for each of them, and hands the
// rows over to the output file.

#include "orvexuniversal.h"

#include "bonusitemlist.h"
#include "rowsettings.h"

#include <QApplication>
#include <QDebug>
#include <QProgressDialog>
#include <memory>

namespace {

// Export types stored under key "0" of a row-settings map.
enum ExportType { PerDay = 0, PerSpan = 1, PerMonth = 2 };

const unsigned workIid = 1;

// The run's progress dialog. It is made only when it will be shown: TEST mode
// shows none, and a process without a widget application (a command-line
// tool) cannot show one.
std::unique_ptr<QProgressDialog> makeProgressDialog(bool testMode, int peopleCount)
{
    if (testMode || !qobject_cast<QApplication*>(QCoreApplication::instance()))
        return nullptr;
    std::unique_ptr<QProgressDialog> dialog(new QProgressDialog(
        Orvexuniversal::tr("Exportujem Orvexuniversal..."), Orvexuniversal::tr("Prerušiť"), 0, peopleCount));
    dialog->setWindowModality(Qt::WindowModal);
    dialog->show();
    QCoreApplication::processEvents();
    return dialog;
}

void exportInterruption(Orvexuniversal& plugin, const QHash<QString, QVariant>& parameters, unsigned uid,
                        unsigned iid)
{
    const QString name = plugin.iid2NameMap.value(iid);
    const QHash<QString, QVariant> settings = plugin.exportOptions.value(name).toHash();
    const int type = settingChoice(settings, "0");
    const bool work = iid == workIid;
    switch (type) {
    case PerDay:
        if (work)
            plugin.exportWorkDaily(parameters, uid);
        else
            plugin.exportIntersDaily(parameters, uid, iid, settings);
        break;
    case PerSpan:
        if (work)
            plugin.exportWorkSpans(parameters, uid);
        else
            plugin.exportIntersBySpans(parameters, uid, iid, settings);
        break;
    case PerMonth:
        if (work)
            plugin.exportWorkSummary(parameters, uid);
        else
            plugin.exportIntersSummary(parameters, uid, iid, settings);
        break;
    default:
        break; // an unknown export type exports nothing
    }
}

} // namespace

int Orvexuniversal::runExport(const QHash<QString, QVariant>& parameters, QHash<QString, QVariant>& result)
{
    const std::unique_ptr<QProgressDialog> progress = makeProgressDialog(testMode, peopleUids.size());
    const QStringList iids = getSelectedIIDlist(parameters);
    const QStringList itemNames = bonusItemNames("Orvexuniversal");
    const QStringList itemSourceNames = bonusItemSourceNames();
    rowText.clear();

    // The length is read anew on every pass: the loop runs while i is below it.
    // A row that could not be written fails the export: the run stops there.
    for (int i = 0; i < peopleUids.size() && !runFailed(); ++i) {
        if (progress) {
            progress->setValue(i);
            // QProgressDialog lets events through in setValue() only once it
            // has shown itself after its minimum duration, not after show():
            // the events (repaint, the cancel button) are processed here.
            QCoreApplication::processEvents();
            if (progress->wasCanceled())
                break;
        }
        const unsigned uid = peopleUids.at(i);
        currentPid = getPidByUid(int(uid));
        currentPamPid = pamPidByUid.value(uid);
        getListDaysOfPN(uid);
        qDebug() << "Orvexuniversal::runExport() ::: listDaysOfPN" << listDaysOfPN;

        for (const QString& iidText : iids)
            exportInterruption(*this, parameters, uid, iidText.toUInt(nullptr, 10));

        for (int index : getSelectedItemsList(parameters)) {
            const QVariant settings =
                rowSettingsEntry(exportOptions, itemNames.value(index), itemSourceNames.value(index));
            exportBonusItems(parameters, uid, settings.toHash(), index);
        }
    }

    return testMode ? 0 : createCSVfile(parameters, result);
}
