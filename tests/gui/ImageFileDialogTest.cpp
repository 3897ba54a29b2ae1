#include "gui/ImageFileDialog.h"

#include "gui/LogoImages.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <QFileDialog>

using ImageFileDialogTest = TempDirTest;

TEST_F(ImageFileDialogTest, OpensOneExistingImageWithTheImageFilterAndBmpAsDefaultSuffix)
{
    QFileDialog dialog;
    ImageFileDialog::configure(dialog, QString());
    EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptOpen);
    EXPECT_EQ(dialog.fileMode(), QFileDialog::ExistingFile);
    EXPECT_EQ(dialog.defaultSuffix(), "bmp");
    EXPECT_EQ(dialog.nameFilters(), QStringList{LogoImages::fileFilter()});
}

TEST_F(ImageFileDialogTest, StartsInTheFolderOfTheCurrentLogo)
{
    writeFile(path("logo.png"), "not read here");
    QFileDialog dialog;
    ImageFileDialog::configure(dialog, path("logo.png"));
    EXPECT_EQ(QDir(dialog.directory()).canonicalPath(), QDir(dir_.path()).canonicalPath());
}

TEST_F(ImageFileDialogTest, AMissingFolderLeavesTheDialogWhereItWas)
{
    QFileDialog dialog;
    const QString before = dialog.directory().absolutePath();
    ImageFileDialog::configure(dialog, path("gone/logo.png"));
    EXPECT_EQ(dialog.directory().absolutePath(), before);
}
