#include "report/LossWizardReport.h"

#include "report/FontFaceLookup.h"
#include "report/PageMetrics.h"
#include "report/PagePainter.h"
#include "report/ReportFonts.h"

#include <QFontMetrics>

#include <algorithm>
#include <array>
#include <optional>
#include <utility>

namespace {

// The face the printout has always been set in, independent of the language module.
const QString kFaceName = QStringLiteral("Arial");

struct LossWizardFonts
{
    LossWizardFonts(const QString& face, const PageMetrics& m)
        : body(ReportFonts::make(face, 12, m, QFont::Normal, false)),
          columnHead(ReportFonts::make(face, 12, m, QFont::Normal, true)),
          head(ReportFonts::make(face, 14, m, QFont::Bold, true)),
          title(ReportFonts::make(face, 24, m, QFont::Bold, false))
    {
    }
    QFont body;
    QFont columnHead;
    QFont head;
    QFont title;
};

// A line's step: its text height and a little more, as whole device units.
int advance(const QFontMetrics& font, double factor)
{
    return static_cast<int>(factor * font.height());
}

} // namespace

LossWizardReport::LossWizardReport(LossSummary summary) : summary_(std::move(summary)) {}

int LossWizardReport::paginate(const PageMetrics& metrics)
{
    texts_.clear();
    face_ = FontFaceLookup::find(kFaceName);
    const LossWizardFonts fonts(face_, metrics);
    const QFontMetrics body(fonts.body);
    const QFontMetrics columnHead(fonts.columnHead);

    // One inch from the paper's left edge whatever the printer cannot reach;
    // the values three inches further right. The top is one inch into the
    // printable area.
    const int x = metrics.dpiX() - metrics.offsetX();
    const int x2 = x + 3 * metrics.dpiX();
    const int top = metrics.dpiY();
    // Lines stop an inch above the paper's bottom edge, and never below the printable area.
    const int bottom =
        std::min(metrics.printableHeight(), metrics.paperHeight() - metrics.offsetY() - metrics.dpiY());

    int page = 1;
    int y = top;
    const auto put = [&](Style style, int at, const QString& text) {
        if (!text.isEmpty())
            texts_.push_back({page, style, at, y, text});
    };
    const auto putColumnHeads = [&] {
        put(Style::ColumnHead, x, QStringLiteral("Wavelength (nm)"));
        put(Style::ColumnHead, x2, QStringLiteral("Maximum Allowed Loss"));
        y += advance(columnHead, 1.65);
    };

    put(Style::Title, x, QStringLiteral("Loss Wizard"));
    y += metrics.dpiY();
    put(Style::Head, x, QStringLiteral("Circuit Characteristics"));
    y += metrics.dpiY() / 2;
    const std::array<std::pair<QString, const QString*>, 5> characteristics = {{
        {QStringLiteral("Fiber Length (in kilometers):"), &summary_.lengthText},
        {QStringLiteral("Number of Connector Pairs:"), &summary_.connectorText},
        {QStringLiteral("Number of Splices:"), &summary_.spliceText},
        {QStringLiteral("Cable Type:"), &summary_.cableTypeText},
        {QStringLiteral("Standard:"), &summary_.standardText},
    }};
    for (const auto& [label, value] : characteristics) {
        put(Style::Body, x, label);
        put(Style::Body, x2, *value);
        y += advance(body, 1.15);
    }
    y += metrics.dpiY();
    put(Style::Head, x, QStringLiteral("Loss Thresholds"));
    y += metrics.dpiY() / 2;
    putColumnHeads();

    for (const LossSummaryLine& line : summary_.lines) {
        // A line that does not fit starts the next page; one that fits no
        // page at all still gets a page of its own rather than being dropped.
        if (y + body.height() > bottom && y > top + advance(columnHead, 1.65)) {
            ++page;
            y = top;
            putColumnHeads();
        }
        put(Style::Body, x, line.wavelength);
        put(Style::Body, x2, line.loss);
        y += advance(body, 1.15);
    }
    pages_ = page;
    return pages_;
}

void LossWizardReport::printPage(PagePainter& painter, int page)
{
    const LossWizardFonts fonts(face_, painter.metrics());
    painter.setTextAlign(PagePainter::AlignLeft | PagePainter::AlignTop);
    std::optional<Style> selected;
    for (const PlacedText& text : texts_) {
        if (text.page != page)
            continue;
        if (selected != text.style) {
            selected = text.style;
            switch (text.style) {
            case Style::Title:
                painter.selectFont(fonts.title);
                break;
            case Style::Head:
                painter.selectFont(fonts.head);
                break;
            case Style::Body:
                painter.selectFont(fonts.body);
                break;
            case Style::ColumnHead:
                painter.selectFont(fonts.columnHead);
                break;
            }
        }
        painter.drawText(text.x, text.y, text.text);
    }
}
