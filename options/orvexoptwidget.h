#ifndef ORVEXOPTWIDGET_H
#define ORVEXOPTWIDGET_H

#include "pamoptionswidget.h"

// The export's settings page in the host's settings dialog.
class OrvexOptWidget : public PamOptionsWidget
{
    Q_OBJECT
public:
    explicit OrvexOptWidget(QWidget* parent = nullptr);
    ~OrvexOptWidget() override;
};

#endif // ORVEXOPTWIDGET_H
