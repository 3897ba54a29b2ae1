#pragma once

#include <QString>

class QSettings;

// The logo the reports print, as the program settles it at start: the stored
// "LogoPath" when it names an image file that can be read (any format Qt
// reads, as the logo settings accept), else "logo.bmp" in the current folder.
namespace LogoPathRule {

QString settle(const QSettings& settings);

} // namespace LogoPathRule
