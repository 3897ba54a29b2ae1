#pragma once

#include <QImage>
#include <QSize>

#include <functional>
#include <list>
#include <unordered_map>

// The pages of a preview painted at the size they are shown at, painted the
// first time they are asked for and kept while they are among the most
// recently shown, up to a budget of bytes. A long report is never painted
// whole: memory holds the pages on the screen and a few before them. The
// pages shown in the current paint pass stay even beyond the budget, so a
// large zoom never paints the same page twice for one picture. A page given
// up lends its image to the next one of its size: a large page is not
// allocated (and its memory touched for the first time) at every turn.
class PageImageCache
{
public:
    // Paints page `page` (from 1) over the whole of `image`.
    using PaintPage = std::function<void(int page, QImage& image)>;

    PageImageCache(PaintPage paint, qint64 budgetBytes);

    // Starts a paint pass: what the last pass showed may now be given up.
    void beginPass() { ++pass_; }
    // Page `page` at `pixels`; pages held at another size are given up first.
    QImage page(int page, QSize pixels);
    void clear();

    int pagesHeld() const { return static_cast<int>(pages_.size()); }
    qint64 bytesHeld() const { return bytes_; }
    // How many times a page was painted, for telling painting from reuse.
    int pagesPainted() const { return painted_; }

private:
    struct Entry
    {
        int page = 0;
        QImage image;
        int pass = 0;
    };

    // Gives up the least recently shown pages, but none of this pass, until
    // no more than `bytes` are held; returns the image of the last one given up.
    QImage giveUpBeyond(qint64 bytes);

    PaintPage paint_;
    qint64 budget_ = 0;
    QSize pixels_;
    // Most recently shown first.
    std::list<Entry> pages_;
    std::unordered_map<int, std::list<Entry>::iterator> index_;
    qint64 bytes_ = 0;
    int pass_ = 0;
    int painted_ = 0;
};
