#include "report/PagePainter.h"
#include "report/LogoSource.h"
#include "report/PageMetrics.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

namespace {

// Draws on a white 200 x 200 image at 72 dpi and returns the bounding box of
// what was painted.
class CanvasTest : public TempDirTest
{
protected:
    CanvasTest() : canvas_(200, 200, QImage::Format_RGB32)
    {
        canvas_.fill(Qt::white);
        canvas_.setDotsPerMeterX(2835); // 72 dpi
        canvas_.setDotsPerMeterY(2835);
    }

    template <typename Draw>
    QRect paintedBox(Draw draw)
    {
        {
            QPainter painter(&canvas_);
            const PageMetrics metrics(QSize(72, 72), QSize(200, 200), QPoint(0, 0), QSize(200, 200));
            PagePainter page(painter, metrics, logos_);
            draw(page);
        }
        QRect box;
        for (int y = 0; y < canvas_.height(); ++y) {
            for (int x = 0; x < canvas_.width(); ++x) {
                if (canvas_.pixel(x, y) != qRgb(255, 255, 255))
                    box |= QRect(x, y, 1, 1);
            }
        }
        return box;
    }

    static QImage solid(int width, int height)
    {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(Qt::blue);
        return image;
    }

    QImage canvas_;
    LogoSource logos_{QString()};
};

} // namespace

TEST_F(CanvasTest, BitmapKeepsItsAspectRatioInTheBox)
{
    EXPECT_EQ(paintedBox([](PagePainter& p) { p.drawBitmap(solid(40, 40), 10, 20, QSize(100, 100)); }),
              QRect(10, 20, 100, 100));
    canvas_.fill(Qt::white);
    EXPECT_EQ(paintedBox([](PagePainter& p) { p.drawBitmap(solid(80, 40), 10, 20, QSize(100, 100)); }),
              QRect(10, 20, 100, 50));
    canvas_.fill(Qt::white);
    EXPECT_EQ(paintedBox([](PagePainter& p) { p.drawBitmap(solid(30, 120), 10, 20, QSize(100, 100)); }),
              QRect(10, 20, 25, 100));
    canvas_.fill(Qt::white);
    EXPECT_TRUE(paintedBox([](PagePainter& p) { p.drawBitmap(QImage(), 10, 20, QSize(100, 100)); }).isNull());
}

TEST_F(CanvasTest, PenWidthIsGivenInPoints)
{
    // One point at 72 dpi is one device unit; four points are four.
    EXPECT_EQ(paintedBox([](PagePainter& p) {
                  p.setPenWidth(4);
                  p.drawLine(20, 50, 120, 50);
              }).height(),
              4);
}

TEST_F(CanvasTest, AlignedTextSitsLeftCentredOrRightOfItsPoint)
{
    QFont font("Liberation Sans");
    font.setPixelSize(20);
    const auto box = [&](int align) {
        canvas_.fill(Qt::white);
        return paintedBox([&](PagePainter& p) {
            p.selectFont(font);
            p.drawAligned(100, 50, "WWW", align);
            EXPECT_EQ(p.textAlign(), PagePainter::AlignLeft | PagePainter::AlignTop); // restored
        });
    };
    const QRect left = box(PagePainter::ItemLeft);
    const QRect centred = box(PagePainter::ItemCentred);
    const QRect right = box(PagePainter::ItemRight);
    EXPECT_NEAR(left.left(), 100, 2);
    EXPECT_NEAR(right.right(), 100, 2);
    EXPECT_NEAR(centred.center().x(), 100, 2);
    EXPECT_GE(left.top(), 50); // drawn below its top edge
}

TEST_F(CanvasTest, TabbedTextPutsEachPartAtItsStop)
{
    QFont font("Liberation Sans");
    font.setPixelSize(12);
    const std::array<int, 3> tabs = {10, 60, 120};
    const auto firstInk = [&](const QString& text) {
        canvas_.fill(Qt::white);
        return paintedBox([&](PagePainter& p) {
                   p.selectFont(font);
                   p.drawTabbedText(2, 10, text, tabs, 20);
               })
            .left();
    };
    EXPECT_NEAR(firstInk("\tI"), 30, 2);
    EXPECT_NEAR(firstInk("\t\tI"), 80, 2);
    EXPECT_NEAR(firstInk("\t\t\tI"), 140, 2);
    EXPECT_NEAR(firstInk("\t\t\t\tI"), 140, 2); // stops run out: the last one
    EXPECT_NEAR(firstInk("I"), 2, 2);

    canvas_.fill(Qt::white);
    const QRect formatted = paintedBox([&](PagePainter& p) {
        p.selectFont(font);
        p.drawFormattedTabbedText(2, 10, "\t\t%1", {"I"}, tabs, 20);
    });
    EXPECT_NEAR(formatted.left(), 80, 2);
}

using LogoSourceTest = TempDirTest;

TEST_F(LogoSourceTest, LogoComesFromTheUsersFileOrTheBuiltInArtwork)
{
    const QImage plain = LogoSource::builtIn(LogoSource::kPlainLogo);
    const QImage cross = LogoSource::builtIn(LogoSource::kCrossLogo);
    ASSERT_FALSE(plain.isNull());
    ASSERT_FALSE(cross.isNull());
    EXPECT_NE(plain, cross);

    const LogoSource missing(path("none.bmp"));
    EXPECT_FALSE(missing.hasUserLogo());
    EXPECT_EQ(missing.image(LogoSource::kCrossLogo), cross);

    writeFile(path("broken.bmp"), "BM not really a bitmap");
    EXPECT_EQ(LogoSource(path("broken.bmp")).image(LogoSource::kPlainLogo), plain);

    QImage user(64, 32, QImage::Format_RGB32);
    user.fill(Qt::darkGreen);
    for (const char* format : {"BMP", "PNG", "JPEG"}) {
        const QString file = path(QStringLiteral("logo.%1").arg(QString::fromLatin1(format).toLower()));
        ASSERT_TRUE(user.save(file, format)) << format;
        const LogoSource logos(file);
        EXPECT_TRUE(logos.hasUserLogo()) << format;
        EXPECT_EQ(logos.image(LogoSource::kPlainLogo).size(), QSize(64, 32)) << format;
    }
}
