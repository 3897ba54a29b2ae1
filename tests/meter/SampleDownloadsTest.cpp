// The sample downloads in tests/data, each beside the dump of its expected
// model (NAME.kav.expected). After a deliberate change of the parser,
// regenerate them with: build/tools/kav-dump/kav-dump FILE.kav > FILE.kav.expected
#include "ParseBytes.h"

#include "meter/DownloadModelDump.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

namespace {

QStringList sampleDownloads()
{
    return QDir(QStringLiteral(FIBROLOG_TEST_DATA_DIR)).entryList({QStringLiteral("*.kav")}, QDir::Files);
}

} // namespace

TEST(SampleDownloads, EachParsesToItsExpectedModel)
{
    const QStringList samples = sampleDownloads();
    ASSERT_GE(samples.size(), 3);
    const QDir data(QStringLiteral(FIBROLOG_TEST_DATA_DIR));
    for (const QString& name : samples) {
        SCOPED_TRACE(name.toStdString());
        QString error;
        const auto model = DownloadParser::parseFile(data.filePath(name), &error);
        ASSERT_TRUE(model) << error.toStdString();
        const QString expected = QString::fromUtf8(readFile(data.filePath(name + ".expected")));
        EXPECT_EQ(dumpDownloadModel(*model), expected);
    }
}

TEST(SampleDownloads, TheyCoverAllThreeGenerations)
{
    bool seen[3] = {false, false, false};
    for (const QString& name : sampleDownloads()) {
        const auto model = DownloadParser::parseFile(QStringLiteral(FIBROLOG_TEST_DATA_DIR "/") + name);
        ASSERT_TRUE(model);
        const float version = model->header.versionValue;
        seen[version >= 2.0f ? 2 : version >= 1.15f ? 1 : 0] = true;
        EXPECT_GE(model->sites.size(), 3u) << name.toStdString();
        EXPECT_GE(model->fiberLists.size(), 3) << name.toStdString();
    }
    EXPECT_TRUE(seen[0] && seen[1] && seen[2]);
}

TEST(SampleDownloads, CarriageReturnLineFeedReadsLikeLineFeed)
{
    const QByteArray crlf = readFile(QStringLiteral(FIBROLOG_TEST_DATA_DIR "/pendra-v2_10.kav"));
    ASSERT_TRUE(crlf.contains("\r\n"));
    QByteArray lf = crlf;
    lf.replace("\r\n", "\n");
    const auto a = parseBytes(crlf);
    const auto b = parseBytes(lf);
    ASSERT_TRUE(a && b);
    EXPECT_EQ(dumpDownloadModel(*a), dumpDownloadModel(*b));
}
