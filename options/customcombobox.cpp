#include "customcombobox.h"

#include <QWheelEvent>

CustomComboBox::CustomComboBox(QWidget* parent)
    : QComboBox(parent)
{
}

void CustomComboBox::wheelEvent(QWheelEvent* event)
{
    // Left to the parent (the table's viewport), which scrolls.
    event->ignore();
}
