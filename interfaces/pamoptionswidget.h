#ifndef PAMOPTIONSWIDGET_H
#define PAMOPTIONSWIDGET_H

// The host's base class of an export's options page. It carries the options
// record being edited; the host loads it with setOptionsData() and reads it
// back with optionsData() when it saves. No meta-object of its own.

#include <QHash>
#include <QString>
#include <QVariant>
#include <QWidget>

class PamOptionsWidget : public QWidget
{
public:
    explicit PamOptionsWidget(QWidget* parent = nullptr) : QWidget(parent) {}

    virtual QHash<QString, QVariant> optionsData() const { return currentOptions; }
    virtual void setOptionsData(const QHash<QString, QVariant>& data) { currentOptions = data; }

protected:
    QHash<QString, QVariant> currentOptions;
};

#endif // PAMOPTIONSWIDGET_H
