#include "report/ReportPageImage.h"

#include "report/PageMetrics.h"
#include "report/PagePainter.h"
#include "report/PagedReport.h"

#include <QImage>
#include <QPainter>

void ReportPageImage::paint(QImage& image, PagedReport& report, int page, const PageMetrics& metrics,
                            const LogoSource& logos)
{
    if (image.isNull() || metrics.paperWidth() <= 0 || metrics.paperHeight() <= 0)
        return;
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
    // The report draws in printer units from the corner of the printable
    // area; the image holds the whole sheet.
    painter.scale(static_cast<double>(image.width()) / metrics.paperWidth(),
                  static_cast<double>(image.height()) / metrics.paperHeight());
    painter.translate(metrics.offsetX(), metrics.offsetY());
    PagePainter pagePainter(painter, metrics, logos);
    report.printPage(pagePainter, page);
}
