#pragma once

#include "report/PagedReport.h"

#include <QString>
#include <QStringList>

#include <vector>

// A short printed document written as plain text: the first line "# " is the
// title, "## " starts a heading, "- " a bulleted item, and lines with text
// between blank lines make one paragraph. Pages carry the logo with the title
// beside it on the first page, and the title with "page / pages" at the
// bottom of every page. The notes the reports refer to are written this way.
class NoteDocument : public PagedReport
{
public:
    struct Block
    {
        enum Kind
        {
            Heading,
            Paragraph,
            Bullet,
        };
        Kind kind;
        QString text;
    };

    NoteDocument(const QString& source, const QString& face);

    const QString& title() const { return title_; }
    const std::vector<Block>& blocks() const { return blocks_; }

    int paginate(const PageMetrics& metrics) override;
    void printPage(PagePainter& painter, int page) override;

    // The title and the blocks of the text.
    static void parse(const QString& source, QString* title, std::vector<Block>* blocks);

private:
    // One line of text where it goes on its page.
    struct PlacedLine
    {
        int page;
        bool headingFont;
        int x;
        int y;
        QString text;
    };

    QString title_;
    std::vector<Block> blocks_;
    QString face_;
    std::vector<PlacedLine> lines_;
    int pages_ = 0;
};
