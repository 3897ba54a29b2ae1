#include "gui/PageImageCache.h"

#include <utility>

PageImageCache::PageImageCache(PaintPage paint, qint64 budgetBytes)
    : paint_(std::move(paint)), budget_(budgetBytes)
{
}

QImage PageImageCache::page(int page, QSize pixels)
{
    if (pixels != pixels_) {
        clear();
        pixels_ = pixels;
    }
    if (const auto found = index_.find(page); found != index_.end()) {
        pages_.splice(pages_.begin(), pages_, found->second);
        pages_.front().pass = pass_;
        return pages_.front().image;
    }
    // Room first, so the new page never stands beside a full budget.
    constexpr int kBytesPerPixel = 4;
    QImage image =
        giveUpBeyond(budget_ - static_cast<qint64>(pixels.width()) * pixels.height() * kBytesPerPixel);
    if (image.size() != pixels)
        image = QImage(pixels, QImage::Format_RGB32);
    paint_(page, image);
    ++painted_;
    bytes_ += image.sizeInBytes();
    pages_.push_front({page, image, pass_});
    index_[page] = pages_.begin();
    giveUpBeyond(budget_);
    return image;
}

void PageImageCache::clear()
{
    pages_.clear();
    index_.clear();
    bytes_ = 0;
}

QImage PageImageCache::giveUpBeyond(qint64 bytes)
{
    QImage last;
    while (bytes_ > bytes && !pages_.empty() && pages_.back().pass != pass_) {
        bytes_ -= pages_.back().image.sizeInBytes();
        index_.erase(pages_.back().page);
        last = std::move(pages_.back().image);
        pages_.pop_back();
    }
    return last;
}
