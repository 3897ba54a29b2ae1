// Circuits go to the team server in COPY's binary form while everything
// else goes as text: what the server holds must not depend on which, or a
// fetched file would judge its circuits differently from the published one.
#include "TestCluster.h"
#include "database/Database.h"
#include "database/Statement.h"
#include "database/TestDatabaseSchema.h"
#include "server/CopyBinary.h"
#include "server/LinkFetcher.h"
#include "server/LinkPublisher.h"
#include "server/PgConnection.h"
#include "server/ServerSchema.h"
#include "server/ServerTables.h"
#include "support/TestDatabaseBuilder.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <limits>
#include <map>
#include <random>

namespace {

class ServerValuesTest : public TempDirTest
{
protected:
    void SetUp() override
    {
        QString error;
        ASSERT_TRUE(cluster_.open(&error)) << error.toStdString();
        server_ = std::make_unique<PgConnection>(cluster_.freshDatabaseForThisTest(QStringLiteral("v_")));
    }

    TestCluster cluster_;
    std::unique_ptr<PgConnection> server_;
};

} // namespace

TEST_F(ServerValuesTest, NumbersInBinaryLandAsTheirTextWould)
{
    // Forms numeric reads, then the shortest text of floats of every
    // exponent and sign (random bit patterns), as publishing writes them.
    std::vector<QByteArray> texts{"0",     "-0",    "0.0",         "+5",  "007.50",   ".5",        "5.",
                                  "1e-05", "1E+20", "-1.5e-3",     "100", "10000",    "9999.9999", "0.0001",
                                  "1e4",   "-0.00", "123456789.1", "NaN", "Infinity", "-Infinity"};
    for (const float special : {std::numeric_limits<float>::denorm_min(), std::numeric_limits<float>::min(),
                                std::numeric_limits<float>::max(), -std::numeric_limits<float>::max(), 0.1f,
                                -1.437288f, 12345.678f})
        texts.push_back(ServerValues::numberText(special));
    std::mt19937 random(20261208);
    while (texts.size() < 20000)
        texts.push_back(ServerValues::numberText(std::bit_cast<float>(static_cast<std::uint32_t>(random()))));

    server_->execute("CREATE TABLE from_text (n smallint PRIMARY KEY, v numeric);"
                     "CREATE TABLE from_binary (n smallint PRIMARY KEY, v numeric)");
    QByteArray text;
    QByteArray binary;
    CopyBinary::appendHeader(binary);
    for (std::size_t n = 0; n < texts.size(); ++n) {
        text += QByteArray::number(static_cast<qulonglong>(n)) + '\t' + texts[n] + '\n';
        CopyBinary::appendFieldCount(binary, 2);
        CopyBinary::appendInt16(binary, static_cast<qint16>(n));
        ASSERT_TRUE(CopyBinary::appendNumeric(binary, texts[n])) << texts[n].toStdString();
    }
    CopyBinary::appendTrailer(binary);
    for (const auto& [table, rows] : {std::pair{"from_text", &text}, std::pair{"from_binary", &binary}}) {
        server_->beginCopy(QByteArray("COPY ")
                               .append(table)
                               .append(rows == &binary ? " FROM STDIN (FORMAT binary)" : " FROM STDIN")
                               .constData());
        server_->putCopyData(*rows);
        server_->endCopy();
    }
    // The same value and the same scale: numeric prints both.
    const PgResult differing = server_->execute(
        "SELECT t.n, t.v::text, b.v::text FROM from_text t FULL JOIN from_binary b USING (n) "
        "WHERE t.v::text IS DISTINCT FROM b.v::text ORDER BY n LIMIT 5");
    for (int row = 0; row < differing.rows(); ++row)
        ADD_FAILURE() << "text " << differing.text(row, 1).toStdString() << " landed as "
                      << differing.text(row, 2).toStdString();
    EXPECT_EQ(server_->execute("SELECT count(*) FROM from_binary").integer(0, 0),
              static_cast<long long>(texts.size()));

    // What numeric does not read is refused, and nothing is written.
    for (const char* bad :
         {"", "-", ".", "1e", "1e+", "1.2.3", "abc", "0x10", " 1", "1 ", "nan", "1e99999"}) {
        QByteArray out = "kept";
        EXPECT_FALSE(CopyBinary::appendNumeric(out, QByteArray(bad))) << bad;
        EXPECT_EQ(out, "kept");
    }
}

TEST_F(ServerValuesTest, CircuitsOfEveryValueFetchBackAsTheyWerePublished)
{
    ServerSchema::initialise(*server_);
    constexpr float kInf = std::numeric_limits<float>::infinity();
    const QString published = path(QStringLiteral("published.mdb"));
    {
        TestDatabaseBuilder builder(published);
        TestDatabaseBuilder::Site site;
        site.company = builder.addCompany(QStringLiteral("North Cabling"));
        const RecordId link = builder.addSite(site);
        builder.addFiber(link, QStringLiteral("tab\there, new\nline \\ back"), 1,
                         {-1.5f, 0.0f, -0.0f, 1e-45f, 3.4028235e38f});
        builder.addFiber(link, QStringLiteral("Faser Ä 光纤 \"q\" 'q'"), 0,
                         {std::nanf(""), kInf, -kInf, 0.1f, -37.25f});
        builder.addFiber(link, QStringLiteral("Fiber 1"), 2,
                         {1.437288f, 2.114956f, 0.794291f, 9999.9999f, 1e-5f});
        builder.addFiber(link, QStringLiteral("impossible"), 1, {});
    }
    auto change = [&](const QString& sql) {
        Database file;
        file.open(published, false, false, kConnectString);
        file.execute(sql);
    };
    // Whole numbers no link or circuit can have, which the server's columns
    // cannot hold: a circuit's (sent in binary) and a link's (sent as text).
    const struct
    {
        const char* impossible;
        const char* undo;
        const char* message;
    } refused[] = {
        {"UPDATE Fiber SET FiberType = 70000 WHERE FiberName = 'impossible'",
         "DELETE FROM Fiber WHERE FiberName = 'impossible'",
         "field Fiber.FiberType holds 70000; the team server keeps -32768 to 32767 there"},
        {"UPDATE Site SET Connections = -40000", "UPDATE Site SET Connections = 2",
         "field Site.Connections holds -40000; the team server keeps -32768 to 32767 there"},
    };
    for (const auto& value : refused) {
        SCOPED_TRACE(value.impossible);
        change(QString::fromLatin1(value.impossible));
        {
            Database file;
            file.open(published, false, true, kConnectString);
            try {
                LinkPublisher::publish(*server_, file);
                ADD_FAILURE() << "published";
            } catch (const ServerError& error) {
                EXPECT_EQ(error.text(), QString::fromLatin1(value.message));
            }
        }
        // The same connection goes on, and nothing of the file landed.
        EXPECT_EQ(server_->execute("SELECT count(*) FROM links").integer(0, 0), 0);
        change(QString::fromLatin1(value.undo));
    }

    Database file;
    file.open(published, false, true, kConnectString);
    EXPECT_EQ(LinkPublisher::publish(*server_, file).fibers, 3);
    const QString fetched = path(QStringLiteral("fetched.mdb"));
    EXPECT_EQ(LinkFetcher::fetchInto(*server_, FetchFilter{}, fetched).fibers, 3);

    // Every circuit's name, type and readings, NULL apart, as the file holds them.
    auto circuits = [](const QString& at) {
        Database db;
        db.open(at, false, true, kConnectString);
        std::map<QString, std::vector<QString>> found;
        StatementLease rows(db, QStringLiteral("SELECT FiberName, FiberType, \"850Power\", \"980Power\", "
                                               "\"1300Power\", \"1480Power\", \"1550Power\" FROM Fiber"));
        while (rows->step()) {
            std::vector<QString>& values = found[rows->columnText(0)];
            values.push_back(QString::number(rows->columnInt(1)));
            for (int slot = 2; slot < 7; ++slot)
                values.push_back(rows->isNull(slot) ? QStringLiteral("NULL")
                                                    : QString::fromLatin1(ServerValues::numberText(
                                                          static_cast<float>(rows->columnDouble(slot)))));
        }
        rows->reset();
        return found;
    };
    const auto sent = circuits(published);
    EXPECT_EQ(sent.size(), 3u);
    // -0 comes back as the server's 0, as it did when circuits went as text.
    auto expected = sent;
    for (auto& [name, values] : expected)
        std::replace(values.begin(), values.end(), QStringLiteral("-0"), QStringLiteral("0"));
    EXPECT_EQ(circuits(fetched), expected);
    EXPECT_EQ(sent.at(QStringLiteral("Faser Ä 光纤 \"q\" 'q'")),
              (std::vector<QString>{"0", "NULL", "Infinity", "-Infinity", "0.1", "-37.25"}));
}

TEST_F(ServerValuesTest, FetchesOfMoreCircuitsThanComeAtOnceBringEveryOne)
{
    ServerSchema::initialise(*server_);
    const QString published = path(QStringLiteral("large.mdb"));
    {
        TestDatabaseBuilder builder(published);
        TestDatabaseBuilder::Site site;
        site.company = builder.addCompany(QStringLiteral("North Cabling"));
        site.name = QStringLiteral("Riser");
        builder.addFiber(builder.addSite(site), QStringLiteral("seed"), 1, {1.5f, 0, 2.25f, 0, 0.5f});
        site.name = QStringLiteral("Lobby");
        builder.addFiber(builder.addSite(site), QStringLiteral("alone"), 1, {1.0f, 0, 0, 0, 0});
    }
    {
        // The riser's seed becomes 10,000 circuits, two whole batches, each
        // with readings of its own that a float holds exactly (the test
        // database's readings are floats).
        Database file;
        file.open(published, false, false, kConnectString);
        file.execute(QStringLiteral(
            "WITH RECURSIVE n(i) AS (SELECT 2 UNION ALL SELECT i + 1 FROM n WHERE i < 10000) "
            "INSERT INTO Fiber (FiberNumber, SiteNumber, FiberName, \"850Power\", \"1300Power\", FiberType) "
            "SELECT randomblob(16), SiteNumber, 'Fiber ' || i, i / 8.0, -i / 4.0, 1 FROM n, "
            "(SELECT SiteNumber FROM Fiber WHERE FiberName = 'seed')"));
    }
    Database file;
    file.open(published, false, true, kConnectString);
    ASSERT_EQ(LinkPublisher::publish(*server_, file).fibers, 10001);

    // What the file holds of a link's circuits: count and the sum of every reading.
    auto summary = [](const QString& at, const QString& link) {
        Database db;
        db.open(at, false, true, kConnectString);
        StatementLease rows(db,
                            QStringLiteral("SELECT count(*), total(\"850Power\"), total(\"1300Power\"), "
                                           "total(\"1550Power\") FROM Fiber f JOIN Site s USING (SiteNumber) "
                                           "WHERE s.SiteName = '%1'")
                                .arg(link));
        EXPECT_TRUE(rows->step());
        const QString text = QStringLiteral("%1 %2 %3 %4")
                                 .arg(rows->columnInt(0))
                                 .arg(rows->columnDouble(1), 0, 'g', 17)
                                 .arg(rows->columnDouble(2), 0, 'g', 17)
                                 .arg(rows->columnDouble(3), 0, 'g', 17);
        rows->reset();
        return text;
    };
    // The riser alone ends on a whole batch; everything ends on a part of one.
    const QString riser = path(QStringLiteral("riser.mdb"));
    FetchFilter byName;
    byName.linkNames = {QStringLiteral("Riser")};
    EXPECT_EQ(LinkFetcher::fetchInto(*server_, byName, riser).fibers, 10000);
    EXPECT_EQ(summary(riser, QStringLiteral("Riser")), summary(published, QStringLiteral("Riser")));
    const QString all = path(QStringLiteral("all.mdb"));
    const FetchCounts counts = LinkFetcher::fetchInto(*server_, FetchFilter{}, all);
    EXPECT_EQ(counts.links, 2);
    EXPECT_EQ(counts.fibers, 10001);
    for (const QString& link : {QStringLiteral("Riser"), QStringLiteral("Lobby")})
        EXPECT_EQ(summary(all, link), summary(published, link)) << link.toStdString();
}
