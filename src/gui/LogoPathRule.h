#pragma once

#include <QString>

class QSettings;

// The logo the reports print, as the program settles it at start: the stored
// "LogoPath" when it names an image file that can be read (any format Qt
// reads, as the logo settings accept), else empty: the built-in logo. Never
// a file of the current folder the user did not choose.
namespace LogoPathRule {

QString settle(const QSettings& settings);

} // namespace LogoPathRule
