#include "report/PageMetrics.h"

#include <QPageLayout>
#include <QPagedPaintDevice>

#include <algorithm>
#include <cstdlib>
#include <limits>

PageMetrics::PageMetrics(QSize dpi, QSize paper, QPoint printableOffset, QSize printable)
    : x_{dpi.width(), paper.width(), printableOffset.x(), printable.width()}, y_{dpi.height(), paper.height(),
                                                                                 printableOffset.y(),
                                                                                 printable.height()}
{
}

PageMetrics PageMetrics::fromDevice(const QPagedPaintDevice& device)
{
    const QPageLayout layout = device.pageLayout();
    // The page layout gives its rectangles at one resolution; a device with
    // different horizontal and vertical resolutions takes each axis at its own.
    const int dpiX = device.logicalDpiX();
    const int dpiY = device.logicalDpiY();
    const QRect paperX = layout.fullRectPixels(dpiX);
    const QRect paperY = layout.fullRectPixels(dpiY);
    const QRect printX = layout.paintRectPixels(dpiX);
    const QRect printY = layout.paintRectPixels(dpiY);
    return PageMetrics(QSize(dpiX, dpiY), QSize(paperX.width(), paperY.height()),
                       QPoint(printX.left(), printY.top()), QSize(printX.width(), printY.height()));
}

int PageMetrics::mulDiv(int number, int numerator, int denominator)
{
    if (denominator == 0)
        return -1;
    const long long product = static_cast<long long>(number) * numerator;
    long long quotient = product / denominator;
    const long long remainder = product % denominator;
    if (2 * std::llabs(remainder) >= std::llabs(static_cast<long long>(denominator)))
        quotient += ((product < 0) != (denominator < 0)) ? -1 : 1;
    if (quotient > std::numeric_limits<int>::max() || quotient < std::numeric_limits<int>::min())
        return -1;
    return static_cast<int>(quotient);
}

double PageMetrics::scale(const Axis& axis, PageUnit unit)
{
    switch (unit) {
    case PageUnit::Inches:
        return axis.dpi;
    case PageUnit::DpiTimes25_4:
        return axis.dpi * 25.4;
    case PageUnit::DpiTimes2_54:
        return axis.dpi * 2.54;
    case PageUnit::PrintableFraction:
        return axis.printable;
    case PageUnit::PaperFraction:
        return axis.paper;
    case PageUnit::LeadingBandFraction:
        return axis.offset;
    case PageUnit::TrailingBandFraction:
        return axis.gap();
    case PageUnit::WiderBandFraction:
        return std::max(axis.offset, axis.gap());
    case PageUnit::DeviceUnits:
        return 1.0;
    case PageUnit::Points:
        return axis.dpi / 72.0;
    }
    return 0.0;
}

int PageMetrics::convert(const Axis& axis, int amount, PageUnit unit)
{
    switch (unit) {
    case PageUnit::DpiTimes25_4:
        return mulDiv(amount * axis.dpi, 254, 10);
    case PageUnit::DpiTimes2_54:
        return mulDiv(amount * axis.dpi, 254, 100);
    case PageUnit::Points:
        return mulDiv(amount, axis.dpi, 72);
    default:
        return amount * static_cast<int>(scale(axis, unit));
    }
}

int PageMetrics::convert(const Axis& axis, double amount, PageUnit unit)
{
    return static_cast<int>(amount * scale(axis, unit));
}
