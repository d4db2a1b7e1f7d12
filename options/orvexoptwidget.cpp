#include "orvexoptwidget.h"
#include "ui_orvexoptwidget.h"

#include "bonusitemlist.h"
#include "customcombobox.h"
#include "exportoptions.h"
#include "rowsettings.h"
#include "storedoptions.h"

#include <QDebug>
#include <QMap>
#include <QTableWidget>

#include <functional>

namespace {

// Rows of one settings table: the row names as shown and as the Slovak page
// shows them, the four combo lists, the tooltips of the four columns and the
// slot a combo change goes to.
struct TableRows
{
    QStringList names;
    QStringList sourceNames;
    QStringList labels[4];
    QString tooltips[4];
    std::function<void(int, int, int)> indexChanged;
};

// Puts a cell combo into every cell of the table and starts each row with the
// stored choices. A row map with at least one entry reads a missing column as
// "0" = 0, "1" = 2, "2" = 1, "3" = 1; an absent or empty map leaves all four
// at the first item. The change connections are made after the initial
// indexes are set, so building the table writes nothing into the record.
void fillTable(QTableWidget* table, const TableRows& rows, const QHash<QString, QVariant>& storedRowMaps)
{
    static const int defaults[4] = {0, 2, 1, 1};
    table->setRowCount(rows.names.size());
    table->setVerticalHeaderLabels(rows.names);

    for (int row = 0; row < rows.names.size(); ++row) {
        const QVariantMap rowMap =
            rowSettingsEntry(storedRowMaps, rows.names.at(row), rows.sourceNames.value(row)).toMap();
        CustomComboBox* combos[4];
        for (int col = 0; col < 4; ++col) {
            CustomComboBox* combo = new CustomComboBox();
            combo->addItems(rows.labels[col]);
            combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
            combo->setToolTip(rows.tooltips[col]);
            table->setCellWidget(row, col, combo);
            table->resizeColumnToContents(col);
            combos[col] = combo;
        }
        if (!rowMap.isEmpty()) {
            for (int col = 0; col < 4; ++col)
                combos[col]->setCurrentIndex(rowMap.value(QString::number(col), defaults[col]).toInt());
        }
        for (CustomComboBox* combo : combos) {
            // The combo's cell is found from its position: rows and columns
            // are not fixed to a combo once the user sorts the table.
            QObject::connect(combo, static_cast<void (QComboBox::*)(int)>(&QComboBox::currentIndexChanged),
                             table, [table, combo, indexChanged = rows.indexChanged](int index) {
                                 const QModelIndex cell = table->indexAt(combo->pos());
                                 indexChanged(cell.row(), cell.column(), index);
                             });
        }
    }
}

// Sets one column of a row map in the record under the row's shown name,
// keeping the row's other columns; a row that has its choices only under the
// Slovak name starts from those.
void storeRowChoice(QHash<QString, QVariant>& options, const QString& name, const QString& sourceName, int col,
                    int index)
{
    QVariantMap map = rowSettingsEntry(options, name, sourceName).toMap();
    map.insert(QString::number(col), index);
    options.insert(name, map);
}

} // namespace

OrvexOptWidget::OrvexOptWidget(QWidget* parent)
    : PamOptionsWidget(parent)
    , ui(new Ui::OrvexOptWidget)
{
    // The page's images live in this room's resources, which a static
    // library does not register by itself.
    Q_INIT_RESOURCE(optionsimages);
    ui->setupUi(this);

    const QStringList headers = {tr("Typ exportu"), tr("Hodnota"), tr("Dátum od"), tr("Dátum do")};
    ui->tableSetInters->setColumnCount(headers.size());
    ui->tableSetInters->setHorizontalHeaderLabels(headers);
    ui->tableSetItems->setColumnCount(headers.size());
    ui->tableSetItems->setHorizontalHeaderLabels(headers);

    // No database is handed to the reader: it reads through the application's
    // default connection, which is the host's.
    storedSettings = storedOptionsForPage(QSqlDatabase());
    init();
}

OrvexOptWidget::~OrvexOptWidget()
{
    delete ui;
}

void OrvexOptWidget::init()
{
    for (QLabel* label : {ui->labelTooltipIntersTyp, ui->labelTooltipIntersHodnota, ui->labelTooltipIntersDatumOd,
                          ui->labelTooltipIntersDatumDo, ui->labelTooltipItemsTyp, ui->labelTooltipItemsHodnota,
                          ui->labelTooltipItemsDatumOd, ui->labelTooltipItemsDatumDo})
        label->hide();

    TableRows inters;
    inters.names = getUsedIntersNames();
    inters.sourceNames = inters.names; // the host's names are not translated
    inters.labels[0] = QStringList{tr("Po jednotlivých dňoch"), tr("Po úsekoch dní (od do)"), tr("Sumárne za mesiac")};
    inters.labels[1] = QStringList{tr("Bez hodnoty (prázdne)"), tr("Dni (des. číslo)"), tr("Hodiny (des. číslo)"),
                                   tr("Dni/Hodiny automaticky"), tr("Sekundy (celé číslo)")};
    inters.labels[2] = QStringList{tr("Žiadny (prázdne)"), tr("Deň udalosti"), tr("1. deň v mesiaci"),
                                   tr("Začiatok úseku dní")};
    inters.labels[3] = QStringList{tr("Žiadny (prázdne)"), tr("Deň udalosti"), tr("Posledný deň v mesiaci"),
                                   tr("Koniec úseku dní")};
    inters.tooltips[0] = ui->labelTooltipIntersTyp->toolTip();
    inters.tooltips[1] = ui->labelTooltipIntersHodnota->toolTip();
    inters.tooltips[2] = ui->labelTooltipIntersDatumOd->toolTip();
    inters.tooltips[3] = ui->labelTooltipIntersDatumDo->toolTip();
    inters.indexChanged = [this](int row, int col, int index) { on_cbIntersIndexChanged(row, col, index); };

    // Appending to the empty combos selects the not-used entry, and the
    // by-name slots store it.
    const QStringList specialChoices = QStringList(QStringLiteral("- ") + tr("nepoužíva sa") + QStringLiteral(" -"))
                                       + usedIntersNames;
    for (QComboBox* combo : {ui->cbIntPN, ui->cbIntOCR, ui->cbIntKarPN, ui->cbIntKarOCR})
        combo->addItems(specialChoices);

    const QHash<QString, QVariant> storedRowMaps = variantHash(storedSettings.value(QStringLiteral("optWidget")));
    fillTable(ui->tableSetInters, inters, storedRowMaps);

    TableRows items;
    items.names = getUsedItemsNames();
    items.sourceNames = usedItemsSourceNames;
    items.labels[0] = QStringList{tr("Po jednotlivých dňoch"), tr("Sumárne za mesiac")};
    items.labels[1] = QStringList{tr("Bez hodnoty (prázdne)"), tr("Dni (des. číslo)"), tr("Hodiny (des. číslo)"),
                                  tr("Sekundy (celé číslo)")};
    items.labels[2] = QStringList{tr("Žiadny (prázdne)"), tr("Deň udalosti"), tr("1. deň v mesiaci")};
    items.labels[3] = QStringList{tr("Žiadny (prázdne)"), tr("Deň udalosti"), tr("Posledný deň v mesiaci")};
    items.tooltips[0] = ui->labelTooltipItemsTyp->toolTip();
    items.tooltips[1] = ui->labelTooltipItemsHodnota->toolTip();
    items.tooltips[2] = ui->labelTooltipItemsDatumOd->toolTip();
    items.tooltips[3] = ui->labelTooltipItemsDatumDo->toolTip();
    items.indexChanged = [this](int row, int col, int index) { on_cbItemsIndexChanged(row, col, index); };
    fillTable(ui->tableSetItems, items, storedRowMaps);
}

QStringList OrvexOptWidget::getUsedIntersNames()
{
    const QVariantMap codes = storedSettings.value(QStringLiteral("inters")).toMap();
    const QHash<QString, QVariant> names = storedSettings.value(QStringLiteral("intersNames")).toHash();

    // Ordered by the id text padded to two digits, so 2 and 9 come before 10.
    QMap<QString, QString> bySortKey;
    for (int id = 1; id <= names.size(); ++id) {
        const QString idText = QString::number(id);
        if (names.contains(idText))
            bySortKey.insert(idText.rightJustified(2, QLatin1Char('0')), names.value(idText).toString());
    }

    QStringList used;
    for (auto it = bySortKey.constBegin(); it != bySortKey.constEnd(); ++it) {
        if (!codes.value(QString::number(it.key().toInt())).toString().isEmpty())
            used << it.value();
    }
    usedIntersNames = used;
    return used;
}

QStringList OrvexOptWidget::getUsedItemsNames()
{
    const QVariantList codes = storedSettings.value(QStringLiteral("items")).toList();
    const QStringList names = bonusItemNames("OrvexOptWidget");
    const QStringList sourceNames = bonusItemSourceNames();

    QStringList used;
    usedItemsSourceNames.clear();
    for (int index = 0; index < names.size(); ++index) {
        if (index < codes.size() && !codes.at(index).toString().isEmpty()) {
            used << names.at(index);
            usedItemsSourceNames << sourceNames.at(index);
        }
    }
    usedItemsNames = used;
    return used;
}

void OrvexOptWidget::setOptionsData(const QHash<QString, QVariant>& data)
{
    currentOptions = data;
    const ExportOptions options = ExportOptions::fromRecord(data);

    // Each control that changes fires its by-name slot, which writes the
    // control's value back: the record ends up holding what is shown.
    ui->cbNoPNstartDate->setChecked(options.noSickLeaveStartDate);
    ui->cbNoPNendDate->setChecked(options.noSickLeaveEndDate);
    ui->cbPNnoWeekendsAndHolidays->setChecked(options.noSickLeaveWeekendsAndHolidays);
    ui->cbSeparatorOnEnd->setChecked(options.separatorOnEnd);
    ui->editSeparator->setText(options.separator);
    ui->editDateMask->setText(currentOptions.value(QLatin1String(ExportOptions::dateFormatKey),
                                                   ExportOptions::defaultDateFormatShown()).toString());

    if (options.sickLeaveName.isEmpty())
        storeOption(ExportOptions::sickLeaveKey, ExportOptions::defaultSickLeaveName());
    if (options.familyCareName.isEmpty())
        storeOption(ExportOptions::familyCareKey, ExportOptions::defaultFamilyCareName());

    // A name that is no longer offered leaves its combo as it was; the record
    // keeps the stored name.
    const struct {
        QComboBox* combo;
        const char* key;
    } special[] = {{ui->cbIntPN, ExportOptions::sickLeaveKey},
                   {ui->cbIntOCR, ExportOptions::familyCareKey},
                   {ui->cbIntKarPN, ExportOptions::sickLeaveOfKeeperKey},
                   {ui->cbIntKarOCR, ExportOptions::familyCareOfKeeperKey}};
    for (const auto& entry : special) {
        const int found = entry.combo->findText(currentOptions.value(QLatin1String(entry.key)).toString());
        if (found >= 0)
            entry.combo->setCurrentIndex(found);
    }
}

void OrvexOptWidget::storeOption(const char* key, const QVariant& value)
{
    currentOptions.insert(QLatin1String(key), value);
}

void OrvexOptWidget::on_cbNoPNstartDate_stateChanged(int arg1)
{
    storeOption(ExportOptions::noSickLeaveStartDateKey, arg1 >= 1);
}

void OrvexOptWidget::on_cbNoPNendDate_stateChanged(int arg1)
{
    storeOption(ExportOptions::noSickLeaveEndDateKey, arg1 >= 1);
}

void OrvexOptWidget::on_cbPNnoWeekendsAndHolidays_stateChanged(int arg1)
{
    storeOption(ExportOptions::noSickLeaveWeekendsKey, arg1 >= 1);
}

void OrvexOptWidget::on_cbSeparatorOnEnd_stateChanged(int arg1)
{
    storeOption(ExportOptions::separatorOnEndKey, arg1 >= 1);
}

void OrvexOptWidget::on_editSeparator_textChanged(const QString& arg1)
{
    storeOption(ExportOptions::separatorKey, arg1);
}

void OrvexOptWidget::on_cbIntersIndexChanged(int row, int col, int index)
{
    const QString name = usedIntersNames.value(row);
    storeRowChoice(currentOptions, name, name, col, index);
}

void OrvexOptWidget::on_cbItemsIndexChanged(int row, int col, int index)
{
    qDebug() << "Zmena comboBoxItems: Row:" << row << ", Col:" << col << " Index:" << index;
    storeRowChoice(currentOptions, usedItemsNames.value(row), usedItemsSourceNames.value(row), col, index);
}

void OrvexOptWidget::on_editDateMask_textChanged(const QString& arg1)
{
    storeOption(ExportOptions::dateFormatKey, arg1);
}

void OrvexOptWidget::on_cbIntPN_currentTextChanged(const QString& arg1)
{
    storeOption(ExportOptions::sickLeaveKey, arg1);
}

void OrvexOptWidget::on_cbIntOCR_currentTextChanged(const QString& arg1)
{
    storeOption(ExportOptions::familyCareKey, arg1);
}

void OrvexOptWidget::on_cbIntKarPN_currentTextChanged(const QString& arg1)
{
    storeOption(ExportOptions::sickLeaveOfKeeperKey, arg1);
}

void OrvexOptWidget::on_cbIntKarOCR_currentTextChanged(const QString& arg1)
{
    storeOption(ExportOptions::familyCareOfKeeperKey, arg1);
}
