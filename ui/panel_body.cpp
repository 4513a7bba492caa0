#include "ui/panel_body.h"

#include <QScrollArea>
#include <QVBoxLayout>

QWidget* ScrollingBody(QWidget& panel, QScrollArea** scroll)
{
    auto* area = new QScrollArea(&panel);
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    area->setFocusPolicy(Qt::NoFocus);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* outer = new QVBoxLayout(&panel);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(area);
    auto* body = new QWidget(area);
    area->setWidget(body);
    if (scroll) *scroll = area;
    return body;
}
