#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// The rules a logo file follows wherever the window handles one: which files
// count as images, how one is read, and how it fits the preview box. A logo
// may be in any format Qt reads (BMP, PNG, JPEG, ...), as the reports print
// whatever LogoSource can read.
namespace LogoImages {

// The side of the square box a logo is previewed in, in pixels.
inline constexpr int kPreviewBox = 200;

// Whether the file name ends in the suffix of a format Qt can read (any
// letter case). Says nothing about the contents.
bool hasImageSuffix(const QString& path);

// The image in the file, or a null image when it cannot be read.
QImage read(const QString& path);

// The size an image of `size` is shown at: its longer side becomes the box's
// side and the other keeps the proportion, rounded down, so small images are
// scaled up too. A side never becomes zero, so a very thin image still shows
// as a line.
QSize previewSize(QSize size);

// The image scaled to previewSize() (smoothly, ignoring the ratio the
// integer size no longer keeps exactly).
QImage preview(const QImage& image);

// The file dialog's filter: the string table's description with every
// readable suffix, for example "Images (*.bmp *.jpeg *.jpg *.png ...)".
QString fileFilter();

} // namespace LogoImages
