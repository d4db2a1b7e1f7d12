#include "cancelprobe.h"

#include <QApplication>
#include <QProgressDialog>

namespace {

// The plug-in's dialogs, by the texts the host's user sees.
QString loadingLabel()
{
    return QString::fromUtf8("Príprava dát pre export do Orvexuniversal ...");
}

QString runLabel()
{
    return QStringLiteral("Exportujem Orvexuniversal...");
}

QProgressDialog* visibleProgressDialog()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* dialog = qobject_cast<QProgressDialog*>(widget);
        if (dialog && dialog->isVisible())
            return dialog;
    }
    return nullptr;
}

} // namespace

QStringList CancelProbe::pointNames()
{
    return {QStringLiteral("loading"), QStringLiteral("spans"), QStringLiteral("run"), QStringLiteral("file")};
}

bool CancelProbe::pointFromName(const QString& name, Point* point)
{
    const int index = pointNames().indexOf(name);
    if (index < 0)
        return false;
    *point = Point(index);
    return true;
}

bool CancelProbe::isAt(Point point, const QString& label, int value, int maximum)
{
    switch (point) {
    case Loading:
        return label == loadingLabel() && value >= 30;
    case Spans:
        return label == loadingLabel() && value >= 100;
    case Run:
        return label == runLabel() && value >= maximum / 2;
    case File:
        return label == runLabel() && value >= maximum;
    }
    return false;
}

CancelProbe::CancelProbe(Point point) : point(point)
{
    QObject::connect(&timer, &QTimer::timeout, [this]() { look(); });
    timer.start(0);
}

void CancelProbe::look()
{
    QProgressDialog* dialog = visibleProgressDialog();
    if (pressed() || !dialog)
        return;
    seen = QStringLiteral("%1 %2/%3").arg(dialog->labelText()).arg(dialog->value()).arg(dialog->maximum());
    if (!isAt(point, dialog->labelText(), dialog->value(), dialog->maximum()))
        return;
    timer.stop();
    sincePress.start();
    dialog->cancel();
}
