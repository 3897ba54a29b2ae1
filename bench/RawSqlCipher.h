#pragma once

// Raw SQLCipher access for the benchmarks' baselines: the same file, key,
// locking and cache the engine uses, without the engine.
#include "database/TestDatabaseSchema.h"
#include "standards/RecordId.h"

#include <QByteArray>
#include <QFile>

#include <sqlcipher/sqlite3.h>

inline sqlite3* openRawDatabase(const QString& path)
{
    sqlite3* db = nullptr;
    sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
    const QByteArray key = kDatabasePassword.toUtf8();
    sqlite3_key(db, key.constData(), static_cast<int>(key.size()));
    sqlite3_exec(db, "PRAGMA locking_mode=EXCLUSIVE", nullptr, nullptr, nullptr);
    sqlite3_exec(db, "PRAGMA cache_size=-32768", nullptr, nullptr, nullptr); // as the engine sets it
    return db;
}

inline QByteArray rawGuidBytes(const RecordId& id)
{
    const Guid g = guidFromRecordId(id);
    return QByteArray(reinterpret_cast<const char*>(g.data()), 16);
}
