#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

// Reads a PDF back with the poppler tools, as a reader of the report would:
// its text laid out as on the page, the boxes of its words, its pages. What
// was read once is kept.
class PdfProbe
{
public:
    struct Word
    {
        QString text;
        double xMin = 0; // points from the left edge of the page
        double yMin = 0;
        double xMax = 0;
        double yMax = 0;
        int page = 0; // from 1
    };

    explicit PdfProbe(const QString& pdfPath) : path_(pdfPath) {}

    // `pdftotext -layout`, pages separated by form feeds.
    QString layoutText() const;
    // The text of one page (from 1), lines without their trailing blanks.
    QStringList pageLines(int page) const;
    int pageCount() const;
    // The page size in points ("612 x 792" for Letter).
    QString pageSize() const;
    QList<Word> words() const;
    // The words, left to right, of the first line of page `page` whose words
    // begin with those of `start`.
    QList<Word> lineStartingWith(int page, const QString& start) const;
    // The first page rendered to `pngPath` at `dpi`.
    bool renderFirstPage(const QString& pngPath, int dpi = 100) const;

    static QString run(const QString& program, const QStringList& arguments);

private:
    QString path_;
    mutable QHash<int, QStringList> pages_;
    mutable QList<Word> words_;
    mutable bool wordsRead_ = false;
};
