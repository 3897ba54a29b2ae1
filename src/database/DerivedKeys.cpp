#include "database/DerivedKeys.h"

#include "app/LogCategories.h"

#include <openssl/evp.h>
#include <openssl/rand.h>
#include <sqlcipher/sqlite3.h>

#include <QFile>
#include <QHash>
#include <QMutex>
#include <QMutexLocker>

#include <atomic>

namespace {

constexpr qsizetype kSaltSize = 16; // SQLCipher keeps the salt in the file's first 16 bytes
constexpr qsizetype kKeySize = 32;  // AES-256
// A command touches a handful of files; the window, over a day, more. The
// keys of files long closed are not worth keeping.
constexpr qsizetype kKeptKeys = 64;

struct Derivation
{
    int iterations = 0;
    const EVP_MD* digest = nullptr; // none: derive nothing, give SQLCipher the password
};

QByteArray pragmaAnswer(sqlite3* db, const char* sql)
{
    sqlite3_stmt* stmt = nullptr;
    QByteArray answer;
    if (sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr) == SQLITE_OK && sqlite3_step(stmt) == SQLITE_ROW)
        answer = QByteArray(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)));
    sqlite3_finalize(stmt);
    return answer;
}

// The library is asked how it derives keys, so that a SQLCipher with other
// defaults is followed or, when its way is not known here, left to derive
// its own.
Derivation sqlcipherDerivation()
{
    Derivation derivation;
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(":memory:", &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK) {
        bool ok = false;
        const int iterations = pragmaAnswer(db, "PRAGMA cipher_default_kdf_iter").toInt(&ok);
        // SQLCipher 4 names its algorithm; 3 has only PBKDF2 with SHA-1 and
        // answers nothing.
        const QByteArray algorithm = pragmaAnswer(db, "PRAGMA cipher_default_kdf_algorithm");
        const EVP_MD* digest = nullptr;
        if (algorithm.isEmpty() || algorithm == "PBKDF2_HMAC_SHA1")
            digest = EVP_sha1();
        else if (algorithm == "PBKDF2_HMAC_SHA256")
            digest = EVP_sha256();
        else if (algorithm == "PBKDF2_HMAC_SHA512")
            digest = EVP_sha512();
        if (ok && iterations > 0 && digest)
            derivation = {iterations, digest};
        else
            qCInfo(lcDatabase) << "SQLCipher derives its keys itself: iterations" << iterations << "algorithm"
                               << algorithm;
    }
    sqlite3_close(db);
    return derivation;
}

const Derivation& derivation()
{
    static const Derivation known = sqlcipherDerivation();
    return known;
}

struct KeptKeys
{
    QMutex mutex;
    QHash<QByteArray, QByteArray> bySaltAndPassword;
    bool distrusted = false;
};

KeptKeys& keptKeys()
{
    static KeptKeys kept;
    return kept;
}

std::atomic<int> derivations{0};

QByteArray keyFor(const QByteArray& password, const QByteArray& salt)
{
    const Derivation& how = derivation();
    if (password.isEmpty() || salt.size() != kSaltSize || !how.digest)
        return {};
    KeptKeys& kept = keptKeys();
    // The salt has a fixed size, so salt and password joined name one pair.
    const QByteArray name = salt + password;
    {
        const QMutexLocker lock(&kept.mutex);
        if (kept.distrusted)
            return {};
        const auto found = kept.bySaltAndPassword.constFind(name);
        if (found != kept.bySaltAndPassword.cend())
            return found.value();
    }
    // Derived outside the lock: two threads opening one new file at once
    // derive the same key twice, and nobody waits 35 ms for another's file.
    QByteArray key(kKeySize, Qt::Uninitialized);
    if (PKCS5_PBKDF2_HMAC(password.constData(), static_cast<int>(password.size()),
                          reinterpret_cast<const unsigned char*>(salt.constData()),
                          static_cast<int>(salt.size()), how.iterations, how.digest,
                          static_cast<int>(key.size()), reinterpret_cast<unsigned char*>(key.data())) != 1)
        return {};
    ++derivations;
    const QMutexLocker lock(&kept.mutex);
    if (kept.bySaltAndPassword.size() >= kKeptKeys)
        kept.bySaltAndPassword.clear();
    kept.bySaltAndPassword.insert(name, key);
    return key;
}

QByteArray rawKeyText(const QByteArray& key, const QByteArray& salt)
{
    return "x'" + key.toHex() + salt.toHex() + '\'';
}

} // namespace

namespace DerivedKeys {

QByteArray rawKeyForFile(const QString& path, const QByteArray& password)
{
    if (password.isEmpty())
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray key = keyFor(password, file.read(kSaltSize));
    return key.isEmpty() ? QByteArray() : rawKeyText(key, {});
}

QByteArray rawKeyForNewFile(const QByteArray& password)
{
    if (password.isEmpty())
        return {};
    QByteArray salt(kSaltSize, Qt::Uninitialized);
    if (RAND_bytes(reinterpret_cast<unsigned char*>(salt.data()), static_cast<int>(salt.size())) != 1)
        return {};
    const QByteArray key = keyFor(password, salt);
    return key.isEmpty() ? QByteArray() : rawKeyText(key, salt);
}

void distrust()
{
    KeptKeys& kept = keptKeys();
    const QMutexLocker lock(&kept.mutex);
    if (!kept.distrusted)
        qCWarning(lcDatabase) << "A key derived by the program did not open a file that its password opens;"
                                 " SQLCipher derives every key from now on.";
    kept.distrusted = true;
    kept.bySaltAndPassword.clear();
}

int derivationCount()
{
    return derivations.load();
}

} // namespace DerivedKeys
