#pragma once

#include <QByteArray>
#include <QString>

// SQLCipher turns a password into a file's key with 64,000 rounds of PBKDF2
// over the salt at the start of the file: 35 ms on this kind of machine, and
// one command opens the same file, and copies of it that share its salt, up
// to seven times. The key is derived here once per password and salt, kept
// for the life of the process, and handed to SQLCipher as a raw key, which
// it uses as it stands. The files are the same either way: a file keyed
// here opens with the password alone, and the other way round.
namespace DerivedKeys {

// The raw key ("x'...'") that opens the existing file at `path` with
// `password`; empty when the file has no salt to read, the password is
// empty, or this SQLCipher derives its keys in a way not known here. Then
// the password itself is the key to give.
QByteArray rawKeyForFile(const QString& path, const QByteArray& password);

// The raw key, with a new random salt, for a database file not written yet.
// Empty in the cases above.
QByteArray rawKeyForNewFile(const QByteArray& password);

// A raw key from here did not read a file that the password itself read:
// the derivation is not SQLCipher's, so every later open gives the password.
void distrust();

// How many keys this process has derived.
int derivationCount();

} // namespace DerivedKeys
