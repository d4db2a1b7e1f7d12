#include "orvexoptwidget.h"

OrvexOptWidget::OrvexOptWidget(QWidget* parent)
    : PamOptionsWidget(parent)
{
}

OrvexOptWidget::~OrvexOptWidget() = default;
