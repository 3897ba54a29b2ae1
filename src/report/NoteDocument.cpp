#include "report/NoteDocument.h"

#include "report/LogoSource.h"
#include "report/PageMetrics.h"
#include "report/PagePainter.h"
#include "report/ReportFonts.h"
#include "report/WordWrap.h"

#include <QFontMetrics>

#include <algorithm>

namespace {

constexpr int kTitlePoints = 20;
constexpr int kHeadingPoints = 12;
constexpr int kBodyPoints = 10;
constexpr int kFooterPoints = 8;

// The page's frame in printable coordinates: three-quarter-inch margins,
// never outside the printable area.
struct NoteFrame
{
    explicit NoteFrame(const PageMetrics& m)
        : left(std::max(0, m.x(0.75, PageUnit::Inches) - m.offsetX())),
          top(std::max(0, m.y(0.75, PageUnit::Inches) - m.offsetY())),
          right(std::min(m.printableWidth(), m.paperWidth() - m.x(0.75, PageUnit::Inches) - m.offsetX())),
          bottom(std::min(m.printableHeight(), m.paperHeight() - m.y(0.75, PageUnit::Inches) - m.offsetY())),
          logo(m.x(1, PageUnit::Inches), m.y(1, PageUnit::Inches)),
          titleX(left + m.x(1.25, PageUnit::Inches)), bulletIndent(m.x(0.15, PageUnit::Inches)),
          bulletText(m.x(0.35, PageUnit::Inches))
    {
    }
    int left;
    int top;
    int right;
    int bottom;
    QSize logo;
    int titleX;
    int bulletIndent;
    int bulletText;
};

struct NoteFonts
{
    NoteFonts(const QString& face, const PageMetrics& m)
        : title(ReportFonts::make(face, kTitlePoints, m, QFont::Bold, false)),
          heading(ReportFonts::make(face, kHeadingPoints, m, QFont::Bold, false)),
          body(ReportFonts::make(face, kBodyPoints, m, QFont::Normal, false)),
          footer(ReportFonts::make(face, kFooterPoints, m, QFont::Normal, false))
    {
    }
    QFont title;
    QFont heading;
    QFont body;
    QFont footer;
};

const QString kBulletMark = QStringLiteral("\u2022");

} // namespace

NoteDocument::NoteDocument(const QString& source, const QString& face) : face_(face)
{
    parse(source, &title_, &blocks_);
}

void NoteDocument::parse(const QString& source, QString* title, std::vector<Block>* blocks)
{
    title->clear();
    blocks->clear();
    bool open = false; // the last block still takes continuation lines
    for (const QString& raw : source.split(QLatin1Char('\n'))) {
        const QString line = raw.trimmed();
        if (line.isEmpty()) {
            open = false;
            continue;
        }
        if (line.startsWith(QLatin1String("## "))) {
            blocks->push_back({Block::Heading, line.mid(3).trimmed()});
            open = false;
        } else if (line.startsWith(QLatin1String("# "))) {
            if (title->isEmpty())
                *title = line.mid(2).trimmed();
            open = false;
        } else if (line.startsWith(QLatin1String("- "))) {
            blocks->push_back({Block::Bullet, line.mid(2).trimmed()});
            open = true;
        } else if (open) {
            blocks->back().text += QLatin1Char(' ') + line;
        } else {
            blocks->push_back({Block::Paragraph, line});
            open = true;
        }
    }
}

int NoteDocument::paginate(const PageMetrics& metrics)
{
    lines_.clear();
    const NoteFrame frame(metrics);
    const NoteFonts fonts(face_, metrics);
    const QFontMetrics body(fonts.body);
    const QFontMetrics heading(fonts.heading);
    const QFontMetrics footer(fonts.footer);
    // The footer and a gap above it are kept free on every page.
    const int end = frame.bottom - 3 * footer.lineSpacing();
    const int width = frame.right - frame.left;

    int page = 1;
    int y = frame.top + frame.logo.height() + body.lineSpacing();
    const auto place = [&](bool headingFont, int x, const QString& text, int height) {
        if (y + height > end) {
            ++page;
            y = frame.top;
        }
        lines_.push_back({page, headingFont, x, y, text});
        y += height;
    };

    for (const Block& block : blocks_) {
        switch (block.kind) {
        case Block::Heading: {
            // A heading is never the last line of a page.
            y += heading.lineSpacing() / 2;
            if (y + heading.lineSpacing() + 2 * body.lineSpacing() > end) {
                ++page;
                y = frame.top;
            }
            for (const QString& line : wrapText(block.text, width, heading))
                place(true, frame.left, line, heading.lineSpacing());
            y += body.lineSpacing() / 4;
            break;
        }
        case Block::Paragraph:
            for (const QString& line : wrapText(block.text, width, body))
                place(false, frame.left, line, body.lineSpacing());
            y += body.lineSpacing() / 2;
            break;
        case Block::Bullet: {
            const QStringList wrapped = wrapText(block.text, width - frame.bulletText, body);
            for (qsizetype k = 0; k < wrapped.size(); ++k) {
                // The mark goes on the item's first line, wherever that lands.
                place(false, frame.left + frame.bulletText, wrapped.at(k), body.lineSpacing());
                if (k == 0)
                    lines_.push_back({lines_.back().page, true, frame.left + frame.bulletIndent,
                                      lines_.back().y, kBulletMark});
            }
            y += body.lineSpacing() / 3;
            break;
        }
        }
    }
    pages_ = page;
    return pages_;
}

void NoteDocument::printPage(PagePainter& painter, int page)
{
    const PageMetrics& metrics = painter.metrics();
    const NoteFrame frame(metrics);
    const NoteFonts fonts(face_, metrics);
    painter.setTextAlign(PagePainter::AlignLeft | PagePainter::AlignTop);

    if (page == 1) {
        painter.drawLogo(LogoSource::kPlainLogo, frame.left, frame.top, frame.logo);
        painter.selectFont(fonts.title);
        const QStringList title = wrapText(title_, frame.right - frame.titleX, painter.fontMetrics());
        const int step = painter.fontMetrics().lineSpacing();
        // The title stands in the middle of the logo's height.
        int y = frame.top + (frame.logo.height() - step * static_cast<int>(title.size())) / 2;
        for (const QString& line : title) {
            painter.drawText(frame.titleX, y, line);
            y += step;
        }
    }

    for (const PlacedLine& line : lines_) {
        if (line.page != page)
            continue;
        // Headings and bullet marks stand out in the heading font.
        painter.selectFont(line.headingFont ? fonts.heading : fonts.body);
        painter.drawText(line.x, line.y, line.text);
    }

    painter.selectFont(fonts.footer);
    const int footerY = frame.bottom - painter.fontMetrics().height();
    painter.setPenWidth(1);
    painter.drawLine(frame.left, footerY - painter.fontMetrics().height() / 2, frame.right,
                     footerY - painter.fontMetrics().height() / 2);
    painter.drawText(frame.left, footerY, title_);
    painter.setTextAlign(PagePainter::AlignRight | PagePainter::AlignTop);
    painter.drawText(frame.right, footerY, QStringLiteral("%1 / %2").arg(page).arg(pages_));
    painter.setTextAlign(PagePainter::AlignLeft | PagePainter::AlignTop);
}
