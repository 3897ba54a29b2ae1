#pragma once

#include <QString>

// The PostgreSQL cluster the server-cluster fixture started
// (tests/server/cluster-start.sh), shared by every test that needs a team
// server: each test makes a database of its own on it.
class TestCluster
{
public:
    // Reads the fixture's state file; false, with the reason, when the
    // cluster is not running.
    bool open(QString* error);

    // A new, empty database for the running test, named from `prefix` and
    // the test's name (one a run before left is dropped first); its
    // connection string.
    QString freshDatabaseForThisTest(const QString& prefix);

    // psql's unaligned output of one statement.
    QString sql(const QString& conninfo, const QString& statement) const;

    const QString& admin() const { return admin_; } // the admin's connection string, no database
    const QString& psqlPath() const { return psql_; }

private:
    QString admin_;
    QString psql_;
};
