#include "gui/LogoImages.h"

#include "app/StringIds.h"
#include "app/StringTable.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QRegularExpression>

namespace {

class LogoImagesTest : public TempDirTest
{
protected:
    QString writeImage(const QString& name, QSize size, const char* format)
    {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::darkBlue);
        const QString file = path(name);
        EXPECT_TRUE(image.save(file, format)) << name.toStdString();
        return file;
    }
};

// Puts a language module's texts in place for one test.
class StringOverrideGuard
{
public:
    explicit StringOverrideGuard(const QHash<int, QString>& texts)
    {
        StringTable::current().setOverrides(texts);
    }
    ~StringOverrideGuard() { StringTable::current().clearOverrides(); }
    StringOverrideGuard(const StringOverrideGuard&) = delete;
    StringOverrideGuard& operator=(const StringOverrideGuard&) = delete;
};

} // namespace

TEST(LogoImages, TheLongerSideBecomesTwoHundredAndTheOtherKeepsTheProportion)
{
    EXPECT_EQ(LogoImages::previewSize(QSize(400, 100)), QSize(200, 50));
    EXPECT_EQ(LogoImages::previewSize(QSize(100, 400)), QSize(50, 200));
    EXPECT_EQ(LogoImages::previewSize(QSize(300, 300)), QSize(200, 200));
    // Integer arithmetic rounds down: 240 x 200 / 360 = 133.3.
    EXPECT_EQ(LogoImages::previewSize(QSize(360, 240)), QSize(200, 133));
}

TEST(LogoImages, SmallImagesAreScaledUp)
{
    EXPECT_EQ(LogoImages::previewSize(QSize(40, 10)), QSize(200, 50));
    EXPECT_EQ(LogoImages::previewSize(QSize(1, 1)), QSize(200, 200));
}

TEST(LogoImages, AVeryThinImageKeepsALineOfOnePixel)
{
    EXPECT_EQ(LogoImages::previewSize(QSize(1000, 1)), QSize(200, 1));
    EXPECT_EQ(LogoImages::previewSize(QSize(1, 1000)), QSize(1, 200));
    EXPECT_FALSE(LogoImages::previewSize(QSize(0, 0)).isValid());
}

TEST(LogoImages, HugeImagesDoNotOverflow)
{
    EXPECT_EQ(LogoImages::previewSize(QSize(20000000, 10000000)), QSize(200, 100));
}

TEST(LogoImages, AnySuffixOfAReadableFormatCountsInAnyCase)
{
    EXPECT_TRUE(LogoImages::hasImageSuffix("logo.bmp"));
    EXPECT_TRUE(LogoImages::hasImageSuffix("C:/logos/LOGO.BMP"));
    EXPECT_TRUE(LogoImages::hasImageSuffix("/tmp/logo.png"));
    EXPECT_TRUE(LogoImages::hasImageSuffix("logo.Jpg"));
    EXPECT_TRUE(LogoImages::hasImageSuffix("logo.jpeg"));
    EXPECT_FALSE(LogoImages::hasImageSuffix("logo.txt"));
    EXPECT_FALSE(LogoImages::hasImageSuffix("logo.bmp.txt"));
    EXPECT_FALSE(LogoImages::hasImageSuffix("bmp"));
    EXPECT_FALSE(LogoImages::hasImageSuffix("logo."));
    EXPECT_FALSE(LogoImages::hasImageSuffix(QString()));
}

TEST_F(LogoImagesTest, ReadsBmpPngAndJpegAndRefusesWhatIsNoImage)
{
    EXPECT_EQ(LogoImages::read(writeImage("a.bmp", QSize(400, 100), "BMP")).size(), QSize(400, 100));
    EXPECT_EQ(LogoImages::read(writeImage("b.png", QSize(100, 400), "PNG")).size(), QSize(100, 400));
    EXPECT_EQ(LogoImages::read(writeImage("c.jpg", QSize(30, 20), "JPG")).size(), QSize(30, 20));

    writeFile(path("broken.bmp"), "BM this is no bitmap");
    EXPECT_TRUE(LogoImages::read(path("broken.bmp")).isNull());
    EXPECT_TRUE(LogoImages::read(path("missing.png")).isNull());
    EXPECT_TRUE(LogoImages::read(QString()).isNull());
}

TEST_F(LogoImagesTest, ThePreviewHasTheComputedSize)
{
    const QImage wide = LogoImages::preview(LogoImages::read(writeImage("wide.png", QSize(400, 100), "PNG")));
    EXPECT_EQ(wide.size(), QSize(200, 50));
    EXPECT_EQ(wide.pixelColor(100, 25), QColor(Qt::darkBlue));
    EXPECT_TRUE(LogoImages::preview(QImage()).isNull());
}

TEST(LogoImages, TheFilterListsEveryReadableSuffixUnderTheTablesDescription)
{
    const QString filter = LogoImages::fileFilter();
    EXPECT_TRUE(filter.startsWith("Images (")) << filter.toStdString();
    EXPECT_TRUE(filter.endsWith(")")) << filter.toStdString();
    for (const char* pattern : {"*.bmp", "*.png", "*.jpg", "*.jpeg"})
        EXPECT_TRUE(filter.split(QRegularExpression("[ ()]")).contains(pattern)) << pattern;
    EXPECT_FALSE(filter.contains('|'));
}

TEST(LogoImages, AFilterInTheOldBarSeparatedFormKeepsItsTextPart)
{
    const StringOverrideGuard module({{StringId::LogoImageFilter, "Bitmaps (*.bmp)|*.bmp||"}});
    EXPECT_EQ(LogoImages::fileFilter(), "Bitmaps (*.bmp)");
}

TEST(LogoImages, ALanguageModulesFilterTextGetsTheSuffixes)
{
    const StringOverrideGuard module({{StringId::LogoImageFilter, "Bilder (%1)"}});
    const QString filter = LogoImages::fileFilter();
    EXPECT_TRUE(filter.startsWith("Bilder (*.")) << filter.toStdString();
    EXPECT_TRUE(filter.contains("*.png"));
}
