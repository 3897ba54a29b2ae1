#include "cli/CliRun.h"
#include "database/Database.h"
#include "database/TestDatabaseSchema.h"
#include "support/Schema1Builder.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <QProcess>

namespace {

class CliDatabaseTest : public TempDirTest
{
};

const QString kNotOurs =
    "This file was either not created by this software, or was created by a newer version of the software.";

} // namespace

TEST_F(CliDatabaseTest, CreateThenInfoShowsAnEmptyCurrentDatabase)
{
    const QString file = path("a.mdb");
    ASSERT_EQ(runCliCaptured({"create", file}).status, ExitOk);
    const CliRun info = runCliCaptured({"info", file});
    ASSERT_EQ(info.status, ExitOk) << info.err.toStdString();
    EXPECT_EQ(info.out, "schema 2.1\nCompany 0\nSite 0\nFiber 0\nStandards 0\n");
}

TEST_F(CliDatabaseTest, UpgradeConvertsAndKeepsABackup)
{
    const QString file = path("b.mdb");
    ASSERT_EQ(runCliCaptured({"create", file, "--schema", "2.0"}).status, ExitOk);
    EXPECT_TRUE(runCliCaptured({"info", file}).out.startsWith("schema 2.0\n"));
    const QByteArray original = fileBytes(file);

    const CliRun upgrade = runCliCaptured({"upgrade", file});
    ASSERT_EQ(upgrade.status, ExitOk) << upgrade.err.toStdString();
    EXPECT_TRUE(runCliCaptured({"info", file}).out.startsWith("schema 2.1\n"));
    EXPECT_EQ(fileBytes(file + ".backup"), original);

    const CliRun again = runCliCaptured({"upgrade", file});
    EXPECT_EQ(again.status, ExitOk);
    EXPECT_TRUE(again.err.contains("nothing to do"));
}

TEST_F(CliDatabaseTest, UpgradeOfASchema1FileKeepsItsRows)
{
    const QString file = path("old.mdb");
    {
        Schema1Builder v1(file);
        const RecordId company = v1.addCompany("Old Meter Co", "1.30");
        const RecordId site = v1.addSite(company, "Riser", 0x03, 500.0f, 2, 0, -20.0f, -21.0f, 0.0f);
        v1.addFiber(site, "01", 0, -23.0f, -22.0f, 0.0f);
        v1.addFiber(site, "02", 1, -23.5f, -22.5f, 0.0f);
    }
    ASSERT_EQ(runCliCaptured({"upgrade", file}).status, ExitOk);
    EXPECT_EQ(runCliCaptured({"info", file}).out, "schema 2.1\nCompany 1\nSite 4\nFiber 2\nStandards 0\n");
    EXPECT_TRUE(runCliCaptured({"info", file + ".backup"}).out.startsWith("schema 1.0\nCompany 1\nSite 1\n"));
}

TEST_F(CliDatabaseTest, FilesThatAreNotTestDatabasesExitOne)
{
    writeFile(path("notes.txt"), "hello\n");
    for (const char* command : {"info", "upgrade"}) {
        const CliRun r = runCliCaptured({command, path("notes.txt")});
        EXPECT_EQ(r.status, ExitError) << command;
        EXPECT_EQ(r.err.trimmed(), "fibrolog-cli: " + kNotOurs) << command;
    }
    EXPECT_EQ(fileBytes(path("notes.txt")), QByteArray("hello\n"));
    EXPECT_FALSE(QFile::exists(path("notes.txt.backup")));

    const CliRun missing = runCliCaptured({"info", path("missing.mdb")});
    EXPECT_EQ(missing.status, ExitError);
    EXPECT_TRUE(missing.err.contains("Could not find file"));

    const CliRun create = runCliCaptured({"create", path("notes.txt")});
    EXPECT_EQ(create.status, ExitError);
    EXPECT_TRUE(create.err.contains("exists already")) << create.err.toStdString();
    EXPECT_EQ(fileBytes(path("notes.txt")), QByteArray("hello\n"));
    EXPECT_EQ(runCliCaptured({"create", path("x.mdb"), "--schema", "3.0"}).status, ExitUsage);
    EXPECT_EQ(runCliCaptured({"info"}).status, ExitUsage);
}

TEST_F(CliDatabaseTest, AFileOpenInAnotherProcessIsReportedInUse)
{
    const QString file = path("held.mdb");
    ASSERT_TRUE(createTestDatabase(file, kCurrentSchemaVersion));
    Database holder;
    holder.open(file, true, false, kConnectString);

    QProcess cli;
    cli.start(FIBROLOG_CLI_PATH, {"info", file});
    ASSERT_TRUE(cli.waitForFinished(30000));
    EXPECT_EQ(cli.exitCode(), ExitError);
    EXPECT_TRUE(cli.readAllStandardError().contains("in use"));

    holder.close();
    cli.start(FIBROLOG_CLI_PATH, {"info", file});
    ASSERT_TRUE(cli.waitForFinished(30000));
    EXPECT_EQ(cli.exitCode(), ExitOk);
}
