#include "report/ReportLayout.h"

#include "app/StringIds.h"
#include "app/StringTable.h"
#include "report/LogoSource.h"
#include "report/PageMetrics.h"
#include "report/PagePainter.h"
#include "report/WordWrap.h"

ReportLayout::ReportLayout(const PageMetrics& metrics, const QString& face)
    : geometry_(metrics), fonts_(face, metrics),
      logoBox_(metrics.x(1, PageUnit::Inches), metrics.y(1, PageUnit::Inches)),
      titleX_(geometry_.left + metrics.x(1.625, PageUnit::Inches)),
      headerBase_(geometry_.top + metrics.y(1.25, PageUnit::Inches)),
      halfInchX_(metrics.x(0.5, PageUnit::Inches))
{
}

void ReportLayout::beginPage(PagePainter& painter) const
{
    painter.setTextAlign(PagePainter::AlignLeft | PagePainter::AlignTop);
    painter.setPenWidth(1);
    painter.selectFont(fonts_.body);
}

int ReportLayout::drawLinkComment(PagePainter& painter, int y, const QString& comment) const
{
    const auto& columns = geometry_.pairColumns;
    const QStringList lines = wrapText(comment, geometry_.width * 8 / 10, painter.fontMetrics());
    painter.drawItemLine(y, columns,
                         {LineItem::string(StringId::DetailLinkComment), LineItem::literal(lines.value(0))});
    y += geometry_.lineStep;
    if (lines.size() > 1)
        painter.drawText(columns[1], y, lines.at(1));
    return y;
}

void ReportLayout::drawLogoAndTitle(PagePainter& painter, const QString& serialNumber, int titleId) const
{
    const int logo = hasCrossSerial(serialNumber) ? LogoSource::kCrossLogo : LogoSource::kPlainLogo;
    painter.drawLogo(logo, geometry_.left, geometry_.top, logoBox_);
    painter.selectFont(fonts_.title);
    painter.drawTextById(titleX_, geometry_.top, titleId);
    painter.selectFont(fonts_.body);
}

void ReportLayout::drawVendorName(PagePainter& painter, int vendorNameId, int y) const
{
    painter.selectFont(fonts_.vendor);
    const QString name = Strings::loadString(vendorNameId);
    painter.drawText(titleX_, y - static_cast<int>(1.5 * painter.textHeight(name)), name);
    painter.selectFont(fonts_.body);
}

void ReportLayout::drawRules(PagePainter& painter, const std::vector<int>& rules) const
{
    painter.setPenWidth(1);
    const int step = geometry_.lineStep;
    const int gap = geometry_.ruleGap;
    for (const int y : rules) {
        painter.drawLine(geometry_.left, y + step / 2 - gap / 2, geometry_.right, y + step / 2 - gap / 2);
        painter.drawLine(geometry_.left, y + step / 2 + gap / 2, geometry_.right, y + step / 2 + gap / 2);
    }
}

int ReportLayout::footerLineY(const PagePainter& painter, int linesUp) const
{
    return geometry_.bottom - linesUp * geometry_.lineStep -
           painter.textHeight(Strings::loadString(StringId::FooterInstallerDate));
}

void ReportLayout::drawFooter(PagePainter& painter, const QString& notes) const
{
    painter.selectFont(fonts_.body);
    const auto& c = geometry_.pairColumns;
    const int step = geometry_.lineStep;
    const int bottom = geometry_.bottom;
    const int h = painter.textHeight(Strings::loadString(StringId::FooterInstallerDate));

    const struct
    {
        int labelId;
        int dateId;
        int underline;
    } signatures[] = {
        {StringId::FooterInstaller, StringId::FooterInstallerDate, bottom - step},
        {StringId::FooterCustomer, StringId::FooterCustomerDate, bottom},
    };
    for (const auto& line : signatures) {
        const QString date = Strings::loadString(line.dateId);
        painter.drawTextById(c[0], line.underline - h, line.labelId);
        painter.drawText(c[2], line.underline - h, date);
        painter.drawLine(c[1], line.underline, c[2] - halfInchX_, line.underline);
        painter.drawLine(c[2] + painter.textWidth(date), line.underline, geometry_.right, line.underline);
    }
    painter.drawText(c[0], footerLineY(painter, 3), notes);
}
