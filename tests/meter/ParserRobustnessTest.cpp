// The parser meets damaged files: cut off anywhere, garbage, endless lines and
// numbers. It must finish, keep to the data and not crash; under the sanitizer
// build this also checks for memory errors and undefined behaviour.
#include "ParseBytes.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <random>

namespace {

QList<QByteArray> samples()
{
    QList<QByteArray> all;
    const QDir data(QStringLiteral(FIBROLOG_TEST_DATA_DIR));
    for (const QString& name : data.entryList({QStringLiteral("*.kav")}, QDir::Files)) {
        QFile file(data.filePath(name));
        if (file.open(QIODevice::ReadOnly))
            all.append(file.readAll());
    }
    return all;
}

} // namespace

TEST(ParserRobustness, EveryTruncationOfTheSamplesParsesOrFailsCleanly)
{
    auto fiberCount = [](const DownloadModel& model) {
        qsizetype count = 0;
        for (const FiberList& list : model.fiberLists)
            count += list.fibers.size();
        return count;
    };
    for (const QByteArray& sample : samples()) {
        const auto whole = parseBytes(sample);
        ASSERT_TRUE(whole);
        // The header stands once the version text's closing quote is read.
        qsizetype headerEnd = -1;
        for (int quote = 0; quote < 8; ++quote)
            headerEnd = sample.indexOf('\'', headerEnd + 1);
        ++headerEnd;
        for (qsizetype length = 0; length <= sample.size(); ++length) {
            const auto model = parseBytes(sample.left(length));
            EXPECT_EQ(model.has_value(), length >= headerEnd) << length;
            if (!model)
                continue;
            EXPECT_LE(model->sites.size(), whole->sites.size()) << length;
            EXPECT_LE(model->fiberLists.size(), whole->fiberLists.size()) << length;
            EXPECT_LE(fiberCount(*model), fiberCount(*whole)) << length;
        }
    }
}

TEST(ParserRobustness, MutatedSamplesAndGarbageFinish)
{
    std::mt19937 random(20061002);
    const QList<QByteArray> originals = samples();
    ASSERT_FALSE(originals.isEmpty());
    for (int round = 0; round < 2000; ++round) {
        QByteArray data = originals.at(round % originals.size());
        const int edits = 1 + static_cast<int>(random() % 8);
        for (int e = 0; e < edits && !data.isEmpty(); ++e) {
            const auto at = static_cast<qsizetype>(random() % data.size());
            switch (random() % 3) {
            case 0:
                data[at] = static_cast<char>(random());
                break;
            case 1:
                data.remove(at, 1 + random() % 16);
                break;
            default:
                data.insert(at, data.mid(random() % data.size(), random() % 64));
            }
        }
        parseBytes(data);
    }
    for (int round = 0; round < 200; ++round) {
        QByteArray garbage(static_cast<qsizetype>(random() % 4096), '\0');
        for (char& c : garbage)
            c = static_cast<char>(random());
        parseBytes(garbage);
        parseBytes("'" + garbage);
    }
}

TEST(ParserRobustness, EndlessLinesAndNumbersStayBounded)
{
    const QByteArray header = "'Co','555','PN1','2.10','01/02/06'\n";
    const auto digits = parseBytes(header + QByteArray(4 << 20, '9'));
    ASSERT_TRUE(digits);
    const auto commas =
        parseBytes(version2Download("", kOneSiteA + "1,0,'L','x','850nm'\n'F'") + QByteArray(4 << 20, ','));
    ASSERT_TRUE(commas);
    ASSERT_EQ(commas->fiberLists.size(), 1);
    EXPECT_TRUE(commas->fiberLists.at(0).fibers.at(0).readingCount() == 0);
    const auto quotes = parseBytes(header + QByteArray(1 << 20, '\''));
    ASSERT_TRUE(quotes);
    const auto name = parseBytes("'" + QByteArray(8 << 20, 'n') + "','555','PN1','2.10','01/02/06'");
    ASSERT_TRUE(name);
    EXPECT_EQ(name->header.companyName.size(), DownloadReader::kMaxStringLength);
    EXPECT_EQ(name->header.serialNumber, "PN1");
}
