#ifndef PROGRESSPROBE_H
#define PROGRESSPROBE_H

#include <QApplication>
#include <QObject>
#include <QProgressDialog>
#include <QTimer>

// Watches the export run's progress dialog the way a user sees it: a timer
// that fires whenever the run lets events through looks for the dialog among
// the top-level widgets, notes what it finds and presses "Prerušiť" (cancel())
// once the dialog has reached `cancelAtValue` (-1: never).
class ProgressProbe : public QObject
{
public:
    explicit ProgressProbe(int cancelAtValue = -1) : cancelAt(cancelAtValue)
    {
        connect(&timer, &QTimer::timeout, this, [this] { look(); });
        timer.start(0);
    }

    bool seen = false;
    bool windowModal = false;
    bool cancelled = false;
    int maximum = -1;
    QString cancelText;

private:
    void look()
    {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<QProgressDialog*>(widget);
            if (!dialog || !dialog->isVisible() || dialog->labelText() != QLatin1String("Exportujem Orvexuniversal..."))
                continue;
            seen = true;
            windowModal = dialog->windowModality() == Qt::WindowModal;
            maximum = dialog->maximum();
            if (cancelAt >= 0 && !cancelled && dialog->value() >= cancelAt) {
                dialog->cancel();
                cancelled = true;
            }
        }
    }

    int cancelAt;
    QTimer timer;
};

#endif // PROGRESSPROBE_H
