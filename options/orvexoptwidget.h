#ifndef ORVEXOPTWIDGET_H
#define ORVEXOPTWIDGET_H

#include "pamoptionswidget.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace Ui {
class OrvexOptWidget;
}

// The export's settings page in the host's settings dialog. It shows one row
// per interruption and per bonus item that has a payroll code (the stored
// export settings decide which), the output-file settings and the four
// interruptions with a special meaning. Every change is written into
// currentOptions at once; the host reads the record back with optionsData().
class OrvexOptWidget : public PamOptionsWidget
{
    Q_OBJECT
public:
    explicit OrvexOptWidget(QWidget* parent = nullptr);
    ~OrvexOptWidget() override;

    // Loads the controls from the host's options record; each control that
    // changes writes its new value back into the record.
    void setOptionsData(const QHash<QString, QVariant>& data) override;

private slots:
    void init();
    QStringList getUsedIntersNames();
    QStringList getUsedItemsNames();
    void on_cbNoPNstartDate_stateChanged(int arg1);
    void on_cbNoPNendDate_stateChanged(int arg1);
    void on_cbPNnoWeekendsAndHolidays_stateChanged(int arg1);
    void on_cbSeparatorOnEnd_stateChanged(int arg1);
    void on_editSeparator_textChanged(const QString& arg1);
    void on_cbIntersIndexChanged(int row, int col, int index);
    void on_cbItemsIndexChanged(int row, int col, int index);
    void on_editDateMask_textChanged(const QString& arg1);
    void on_cbIntPN_currentTextChanged(const QString& arg1);
    void on_cbIntOCR_currentTextChanged(const QString& arg1);
    void on_cbIntKarPN_currentTextChanged(const QString& arg1);
    void on_cbIntKarOCR_currentTextChanged(const QString& arg1);

private:
    // Writes one key of the record under its typed name.
    void storeOption(const char* key, const QVariant& value);

    Ui::OrvexOptWidget* ui;
    QHash<QString, QVariant> storedSettings;
    QStringList usedIntersNames;
    QStringList usedItemsNames;
    QStringList usedItemsSourceNames; // the same rows by their Slovak names
};

#endif // ORVEXOPTWIDGET_H
