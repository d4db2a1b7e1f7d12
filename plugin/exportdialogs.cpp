#include "exportdialogs.h"

#include "exportprogress.h"

#include <QApplication>

ExportDialogs::ExportDialogs(ExportProgress& progress)
    : progress(progress), widgets(qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr)
{
    if (widgets)
        progress.watch();
}

ExportDialogs::~ExportDialogs() = default;

std::unique_ptr<QProgressDialog> ExportDialogs::makeDialog(const QString& label, int maximum) const
{
    std::unique_ptr<QProgressDialog> dialog(
        new QProgressDialog(label, QCoreApplication::translate("Orvexuniversal", "Prerušiť"), 0, maximum));
    dialog->setWindowModality(Qt::WindowModal);
    // The dialog stays up until its steps are over, also at its maximum:
    // the spans follow the last row read, the file the last person, and the
    // cancel button must stay within reach.
    dialog->setAutoReset(false);
    dialog->setAutoClose(false);
    dialog->show();
    return dialog;
}

void ExportDialogs::follow(std::unique_ptr<QProgressDialog>& dialog, int value)
{
    if (dialog && dialog->value() != value)
        dialog->setValue(value);
}

bool ExportDialogs::cancelPressed() const
{
    return (loading && loading->wasCanceled()) || (running && running->wasCanceled());
}

void ExportDialogs::update()
{
    const ExportProgress::Step step = progress.step();
    if (widgets) {
        if (step <= ExportProgress::Spans) {
            if (!loading)
                loading = makeDialog(QCoreApplication::translate("Orvexuniversal", "Príprava dát pre export do %1 ...")
                                         .arg(QStringLiteral("Orvexuniversal")),
                                     100);
            follow(loading, progress.value());
        } else if (step <= ExportProgress::WritingFile) {
            // Gone, not closed: closing a progress dialog counts as its cancel.
            loading.reset();
            if (!running)
                running = makeDialog(QCoreApplication::translate("Orvexuniversal", "Exportujem Orvexuniversal..."),
                                     progress.maximum());
            follow(running, progress.value());
        } else {
            loading.reset();
            running.reset();
        }
    }
    QCoreApplication::processEvents();
    // A cancel pressed on a step's dialog is asked for before the step goes on.
    if (cancelPressed())
        progress.requestCancel();
    progress.shown(step);
}
