#include "TestCluster.h"

#include <QFile>
#include <QProcess>
#include <QStringList>

#include <gtest/gtest.h>

bool TestCluster::open(QString* error)
{
    QFile state(QStringLiteral(FIBROLOG_SERVER_CLUSTER_STATE));
    if (!state.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("the test cluster is not running (see the output of the test "
                                "server-cluster-start): " FIBROLOG_SERVER_CLUSTER_STATE);
        return false;
    }
    // Line 1: the admin's connection string; line 2: PostgreSQL's programs.
    const QStringList lines = QString::fromUtf8(state.readAll()).split('\n', Qt::SkipEmptyParts);
    if (lines.size() != 2) {
        *error = QStringLiteral("the test cluster's state file " FIBROLOG_SERVER_CLUSTER_STATE " is damaged");
        return false;
    }
    admin_ = lines[0];
    psql_ = lines[1] + QStringLiteral("/psql");
    return true;
}

QString TestCluster::freshDatabaseForThisTest(const QString& prefix)
{
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    const QString database = prefix + QString::fromLatin1(info->name()).toLower();
    const QString maintenance = admin_ + QStringLiteral(" dbname=postgres");
    sql(maintenance, QStringLiteral("DROP DATABASE IF EXISTS %1").arg(database));
    sql(maintenance, QStringLiteral("CREATE DATABASE %1").arg(database));
    return admin_ + QStringLiteral(" dbname=") + database;
}

QString TestCluster::sql(const QString& conninfo, const QString& statement) const
{
    QProcess psql;
    psql.start(psql_, {"-X", "-q", "-A", "-t", "-v", "ON_ERROR_STOP=1", "-d", conninfo, "-c", statement});
    EXPECT_TRUE(psql.waitForFinished(60000));
    EXPECT_EQ(psql.exitCode(), 0) << statement.toStdString() << ": "
                                  << psql.readAllStandardError().toStdString();
    return QString::fromUtf8(psql.readAllStandardOutput()).trimmed();
}
