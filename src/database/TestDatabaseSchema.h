#pragma once

#include "database/ColumnDef.h"

#include <QString>

#include <vector>

class Database;

// The layout of a test database and of the shared standards file.

// Every database the program makes carries this password; every open passes it.
inline const QString kDatabasePassword = QStringLiteral("Tq4wRz8Lk");
inline const QString kConnectString = QStringLiteral(";PWD=Tq4wRz8Lk");
inline const QString kCreationLocale = QStringLiteral(";LANGID=0x0409;CP=1252;COUNTRY=0");

constexpr float kSchemaVersion1 = 1.0f;
constexpr float kSchemaVersion2 = 2.0f;
constexpr float kCurrentSchemaVersion = 2.1f;

inline const QString kSiteCommentUpgradeSql =
    QStringLiteral("ALTER TABLE Site ADD COLUMN SiteComment VARCHAR(128) NULL;");

struct TableLayout
{
    TableDef table;
    std::vector<IndexDef> indexes;
};

// The tables of a schema, in the order they are built. Version 1.0 gives
// schema 1; 2.0 gives schema 2 without the link comment, as an earlier release
// made it; 2.1 the current schema.
std::vector<TableLayout> schemaLayout(float version);
TableLayout standardsLayout();

// Builds a test database of `version` at `path`; on an existing file, adds what
// is missing and leaves the rest alone. False for an unknown version; a file
// that cannot be opened with the password raises DatabaseException.
bool createTestDatabase(const QString& path, float version);
// Makes a new test database of the current schema at `path` (there must be no
// file there) and leaves it open in `db`, exclusive and writable: one key
// derivation, where making the file and opening it again take two.
void createTestDatabase(Database& db, const QString& path);
bool createSharedStandardsFile(const QString& path);
