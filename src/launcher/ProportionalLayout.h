#pragma once

#include <QList>
#include <QRect>
#include <QSize>

class QWidget;

// Keeps the main window's buttons where its design puts them as the window
// changes size: a button's left edge stays, its right edge follows the
// width, and it moves down or up with the height without growing.
class ProportionalLayout
{
public:
    explicit ProportionalLayout(QSize designSize);

    // `widget` at `designGeometry` when the window has the design size.
    void add(QWidget* widget, const QRect& designGeometry);

    // The geometry of a widget placed at `design` in a window of `size`.
    QRect geometryFor(const QRect& design, QSize size) const;
    void apply(QSize size) const;

private:
    struct Item
    {
        QWidget* widget;
        QRect design;
    };
    QSize designSize_;
    QList<Item> items_;
};
