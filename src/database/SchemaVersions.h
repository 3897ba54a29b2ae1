#pragma once

#include "app/OperationResult.h"

#include <QString>

#include <optional>

// Test databases come in schema versions 1.0, 2.0 and 2.1 (current).
namespace SchemaVersions {

// 0 when the file cannot be opened with the password or is not a test
// database of a known version.
float detectVersion(const QString& path);

// Adds the link comment to a 2.0 file, in place.
OperationResult upgradeToCurrent(const QString& path);

// Writes a new 2.1 database at `targetPath` from the 1.0 file at `sourcePath`,
// which is left unchanged. The target is written in one transaction; when the
// conversion fails, a target it created is removed again.
OperationResult convertSchema1(const QString& sourcePath, const QString& targetPath);

// The firmware version of a meter from its Version text: digits before the
// point make the whole part, digits after it the hundredths ("1.30" is 1.30,
// "1.3" is 1.03). No value when the text holds no number character.
std::optional<float> meterVersionNumber(const QString& versionText);

} // namespace SchemaVersions
