#include "report/NoteDocument.h"
#include "PdfProbe.h"
#include "report/LogoSource.h"
#include "report/PdfReportFile.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <QFile>

#include <algorithm>

namespace {

using Block = NoteDocument::Block;

TEST(NoteDocument, TitleHeadingsParagraphsAndBulletsFromPlainText)
{
    const QString source = "# A Note\n"
                           "\n"
                           "First paragraph,\n"
                           "  carried on.\n"
                           "Still the first.\n"
                           "\n"
                           "## Checks\n"
                           "- One item\n"
                           "  that goes on\n"
                           "- Two\n"
                           "\n"
                           "# A second title is ignored\n"
                           "Last words.";
    QString title;
    std::vector<Block> blocks;
    NoteDocument::parse(source, &title, &blocks);
    EXPECT_EQ(title, "A Note");
    ASSERT_EQ(blocks.size(), 5u);
    EXPECT_EQ(blocks[0].kind, Block::Paragraph);
    EXPECT_EQ(blocks[0].text, "First paragraph, carried on. Still the first.");
    EXPECT_EQ(blocks[1].kind, Block::Heading);
    EXPECT_EQ(blocks[1].text, "Checks");
    EXPECT_EQ(blocks[2].kind, Block::Bullet);
    EXPECT_EQ(blocks[2].text, "One item that goes on");
    EXPECT_EQ(blocks[3].kind, Block::Bullet);
    EXPECT_EQ(blocks[3].text, "Two");
    EXPECT_EQ(blocks[4].kind, Block::Paragraph);
    EXPECT_EQ(blocks[4].text, "Last words.");

    // A heading or title ends the paragraph before it even without a blank line.
    NoteDocument::parse("text\n## Head\nmore", &title, &blocks);
    ASSERT_EQ(blocks.size(), 3u);
    EXPECT_EQ(blocks[2].kind, Block::Paragraph);
    EXPECT_EQ(title, "");
}

class NoteDocumentPdf : public TempDirTest
{
protected:
    PdfProbe print(const QString& source)
    {
        NoteDocument note(source, "Liberation Sans");
        const LogoSource logos{QString()};
        QString error;
        pages_ = PdfReportFile(path("note.pdf"), QPageSize::A4).write(note, logos, &error);
        EXPECT_GT(pages_, 0) << error.toStdString();
        return PdfProbe(path("note.pdf"));
    }
    int pages_ = 0;
};

TEST_F(NoteDocumentPdf, ALongNoteRunsOnToMorePagesWithNothingLostOrOverTheFooter)
{
    QString source = "# Long Note\n";
    for (int section = 1; section <= 12; ++section) {
        source += QStringLiteral("## Section %1\n").arg(section);
        source += QStringLiteral("Paragraph%1 ").arg(section) +
                  QString("words that fill a line ").repeated(25) + "\n\n";
        source += QStringLiteral("- Item%1 ").arg(section) + QString("a checked thing ").repeated(8) + "\n";
    }
    const PdfProbe pdf = print(source);
    ASSERT_GE(pages_, 2);
    EXPECT_EQ(pdf.pageCount(), pages_);
    EXPECT_EQ(pdf.pageSize(), "595 x 842");

    int headingsSeen = 0;
    for (int page = 1; page <= pages_; ++page) {
        const QStringList lines = pdf.pageLines(page);
        // Every page ends with the footer: the title and "page / pages".
        QStringList filled = lines;
        filled.removeAll(QString());
        ASSERT_FALSE(filled.isEmpty());
        EXPECT_TRUE(filled.last().contains("Long Note")) << filled.last().toStdString();
        EXPECT_TRUE(filled.last().endsWith(QStringLiteral("%1/%2").arg(page).arg(pages_))) // blanks dropped
            << filled.last().toStdString();
        // A heading is never the last line of text above the footer.
        if (filled.size() >= 2) {
            EXPECT_FALSE(filled.at(filled.size() - 2).trimmed().startsWith("Section ")) << "page " << page;
        }
        for (const QString& line : lines)
            headingsSeen += line.trimmed().startsWith("Section ") ? 1 : 0;
    }
    EXPECT_EQ(headingsSeen, 12);

    // Every paragraph and item is printed, each on the page after the one before.
    const QList<PdfProbe::Word> words = pdf.words();
    int lastPage = 1;
    double lastY = 0;
    for (int section = 1; section <= 12; ++section) {
        for (const QString& marker :
             {QStringLiteral("Paragraph%1").arg(section), QStringLiteral("Item%1").arg(section)}) {
            const auto found = std::find_if(words.begin(), words.end(),
                                            [&](const PdfProbe::Word& w) { return w.text == marker; });
            ASSERT_NE(found, words.end()) << marker.toStdString();
            EXPECT_TRUE(found->page > lastPage || (found->page == lastPage && found->yMin > lastY))
                << marker.toStdString();
            lastPage = found->page;
            lastY = found->yMin;
        }
    }
}

TEST(NoteDocumentBuilt, TheInvalidOperatingMarginNoteIsBuiltNextToTheProgram)
{
    const QString pdf = QStringLiteral(FIBROLOG_GUI_DIR "/invalid operating margin.pdf");
    ASSERT_TRUE(QFile::exists(pdf));
    const PdfProbe probe(pdf);
    EXPECT_EQ(probe.pageCount(), 1);
    const QString text = probe.layoutText().simplified();
    EXPECT_TRUE(text.contains("Invalid Operating Margin (Note 1)"));
    EXPECT_TRUE(text.contains("What to check on the link"));
    EXPECT_TRUE(text.contains("150.00%**"));
}

} // namespace
