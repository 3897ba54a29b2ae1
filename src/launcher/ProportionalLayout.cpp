#include "launcher/ProportionalLayout.h"

#include <QWidget>

ProportionalLayout::ProportionalLayout(QSize designSize) : designSize_(designSize) {}

void ProportionalLayout::add(QWidget* widget, const QRect& designGeometry)
{
    items_.append(Item{widget, designGeometry});
    widget->setGeometry(designGeometry);
}

QRect ProportionalLayout::geometryFor(const QRect& design, QSize size) const
{
    const int dx = size.width() - designSize_.width();
    const int dy = size.height() - designSize_.height();
    QRect placed = design;
    placed.setRight(design.right() + dx);
    placed.moveTop(design.top() + dy);
    return placed;
}

void ProportionalLayout::apply(QSize size) const
{
    for (const Item& item : items_)
        item.widget->setGeometry(geometryFor(item.design, size));
}
