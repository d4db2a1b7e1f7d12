#ifndef CUSTOMCOMBOBOX_H
#define CUSTOMCOMBOBOX_H

#include <QComboBox>

class QWheelEvent;

// Combo box of a table cell. It ignores the mouse wheel, so turning the wheel
// over the table scrolls the table instead of silently changing a choice.
class CustomComboBox : public QComboBox
{
    Q_OBJECT
public:
    explicit CustomComboBox(QWidget* parent = nullptr);

protected:
    void wheelEvent(QWheelEvent* event) override;
};

#endif // CUSTOMCOMBOBOX_H
