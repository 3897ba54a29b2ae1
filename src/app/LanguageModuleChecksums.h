#pragma once

#include <QByteArrayView>
#include <QString>

// The list of the modules' SHA-256 checksums that the build writes beside
// the modules it compiles ("KavLangDll.sha256", in the layout of
// sha256sum: "<64 hex digits>  <file name>" a line, so `sha256sum -c` reads
// it too). A module is used only when the list in its own folder names it
// with the checksum of its bytes: a module damaged in a single byte, or
// one that was never built with the program, is refused.
namespace LanguageModuleChecksums {

// The list's file name.
QString fileName();

enum class Verdict
{
    Listed,    // the list names the module with this checksum
    NoList,    // no readable list beside the module
    NotListed, // the list does not name the module
    Differs,   // the list names it with another checksum
};

// The verdict on the module at `modulePath` whose bytes are `moduleBytes`
// (read once by the caller, so that the bytes checked are the bytes used).
Verdict check(const QString& modulePath, QByteArrayView moduleBytes);

// The path of the list that belongs to the module at `modulePath`.
QString listPathFor(const QString& modulePath);

} // namespace LanguageModuleChecksums
