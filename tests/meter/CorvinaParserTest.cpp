// The Corvina parser: the ".kavw" samples in tests/data against their expected
// dumps (regenerate with build/tools/kav-dump/kav-dump FILE.kavw > FILE.kavw.expected
// after a deliberate change), and the counts of what it leaves out.
#include "meter/CorvinaParser.h"
#include "meter/CorvinaDownloadDump.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>

namespace {

CorvinaDownload parseText(const QByteArray& text)
{
    QByteArray data = text;
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    return CorvinaParser::parse(buffer);
}

// The reader sums digits in single precision, which need not round as the
// compiler's literal does.
void expectReadings(const QList<float>& actual, const QList<float>& expected)
{
    ASSERT_EQ(actual.size(), expected.size());
    for (qsizetype i = 0; i < actual.size(); ++i)
        EXPECT_NEAR(actual[i], expected[i], 1e-5f) << "reading " << i;
}

} // namespace

TEST(CorvinaSamples, EachParsesToItsExpectedDump)
{
    const QDir data(QStringLiteral(FIBROLOG_TEST_DATA_DIR));
    const QStringList samples = data.entryList({QStringLiteral("*.kavw")}, QDir::Files);
    // With and without header, CV<NONE>, CR LF, blank lines, trailing comma,
    // four wavelengths, header only, bad date, wavelength 10000, damaged, empty.
    ASSERT_GE(samples.size(), 13);
    for (const QString& name : samples) {
        SCOPED_TRACE(name.toStdString());
        CorvinaDownload download;
        QString error;
        ASSERT_TRUE(CorvinaParser::parseFile(data.filePath(name), download, &error)) << error.toStdString();
        EXPECT_EQ(dumpCorvinaDownload(download),
                  QString::fromUtf8(readFile(data.filePath(name + ".expected"))));
    }
}

TEST(CorvinaParser, TheBundledSampleGroupsReadingsByFirstAppearance)
{
    CorvinaDownload d;
    ASSERT_TRUE(CorvinaParser::parseFile(QStringLiteral(FIBROLOG_TEST_DATA_DIR "/corvina.kavw"), d));
    ASSERT_TRUE(d.ok());
    EXPECT_EQ(d.meterSerial(), QStringLiteral("CX30118"));
    EXPECT_EQ(d.meterVersion(), QStringLiteral("1.02"));
    EXPECT_EQ(d.calibrationDate, QDate(2007, 5, 17));
    ASSERT_EQ(d.slots.size(), 3u);
    EXPECT_EQ(d.slots[0].wavelengthNm, 1300);
    EXPECT_EQ(d.slots[1].wavelengthNm, 850);
    EXPECT_EQ(d.slots[2].wavelengthNm, 1550);
    // The reference comes from the first reading of each wavelength only.
    EXPECT_NEAR(d.slots[0].reference, -18.25f, 1e-5f);
    EXPECT_NEAR(d.slots[1].reference, -18.50f, 1e-5f);
    expectReadings(d.slots[0].readings, {-20.90f, -21.04f, -20.97f});
    expectReadings(d.slots[2].readings, {-19.85f, -19.92f});
    EXPECT_EQ(d.fiberCount(), 3);
}

TEST(CorvinaParser, LineEndsAndHeaderDecideWhereRecordsEnd)
{
    const QByteArray lf = "'CX1','1.0','01/02/08'\n850,-22.0,-3.0\n1300,-20.0,-2.0\n";
    QByteArray crlf = lf;
    crlf.replace("\n", "\r\n");
    EXPECT_EQ(dumpCorvinaDownload(parseText(lf)), dumpCorvinaDownload(parseText(crlf)));

    // With a header, blank lines between records are passed over.
    const CorvinaDownload blank = parseText("'CX1','1.0','01/02/08'\n\n850,-22.0,-3.0\n\n\n850,-22.5,-3.0\n");
    EXPECT_EQ(blank.fiberCount(), 2);
    EXPECT_FALSE(blank.unreadDataAfterReadings);

    // Without one, a blank line ends the records, and what follows is said
    // to be unread rather than dropped without a word.
    const CorvinaDownload bare = parseText("850,-22.0,-3.0\n\n850,-22.5,-3.0\n");
    EXPECT_FALSE(bare.hasHeader);
    EXPECT_FALSE(bare.meterSerial());
    EXPECT_FALSE(bare.meterVersion());
    EXPECT_TRUE(bare.calibrationDate.isNull());
    EXPECT_EQ(bare.fiberCount(), 1);
    EXPECT_TRUE(bare.unreadDataAfterReadings);
}

TEST(CorvinaParser, TheHeaderNamesTheMeterOrStopsTheImport)
{
    const CorvinaDownload none = parseText("'CV<NONE>','1.05','garbage'\n850,-22.0,-3.0\n");
    ASSERT_TRUE(none.ok());
    EXPECT_FALSE(none.meterSerial());
    EXPECT_EQ(none.meterVersion(), QStringLiteral("1.05"));
    EXPECT_TRUE(none.calibrationDate.isNull()) << "no date is read for a meter without a serial number";

    const CorvinaDownload badDate = parseText("'CX1','1.0','17th May'\n850,-22.0,-3.0\n");
    EXPECT_EQ(badDate.problem, CorvinaDownload::Problem::CalibrationDateUnreadable);
    EXPECT_EQ(badDate.calibrationText, "17th May");
    EXPECT_TRUE(badDate.slots.empty());

    // The fields are read without skipping: a blank after a comma breaks the header.
    EXPECT_EQ(parseText("'CX1', '1.0','01/02/08'\n850,-22.0,-3.0\n").problem,
              CorvinaDownload::Problem::HeaderUnreadable);
    EXPECT_EQ(parseText("'CX1").problem, CorvinaDownload::Problem::HeaderUnreadable);

    const CorvinaDownload empty = parseText("");
    EXPECT_TRUE(empty.ok());
    EXPECT_FALSE(empty.hasHeader);
    EXPECT_FALSE(empty.hasReadings());
}

TEST(CorvinaParser, WhatIsLeftOutIsCounted)
{
    const CorvinaDownload four = parseText("'CX1','1.0','01/02/08'\n"
                                           "850,-22.0,-3.0\n1300,-20.0,-2.0\n1550,-19.0,-1.0\n"
                                           "1625,-18.0,-1.0\n1490,-18.5,-1.0\n1625,-18.2,-1.0\n"
                                           "850,-22.5,-3.0\n");
    ASSERT_EQ(four.slots.size(), 3u);
    EXPECT_EQ(four.slots[2].wavelengthNm, 1550);
    EXPECT_EQ(four.readingsBeyondThreeWavelengths, 3);
    EXPECT_EQ(four.slots[0].readings.size(), 2) << "readings after the dropped ones are still read";

    const CorvinaDownload damaged =
        parseText("'CX1','1.0','01/02/08'\n850,,-3.0\n850,-99999999999999999999999999999999999999999,-3.0\n"
                  "1300,-20.0\n");
    EXPECT_EQ(damaged.readingsNotReadable, 3) << "a missing value is no reading of 0 dBm";
    EXPECT_TRUE(damaged.slots.empty()) << "a damaged reading does not claim a slot";

    const CorvinaDownload far = parseText("'CX1','1.0','01/02/08'\n850,-22.0,-3.0\n10000,-20.0,-2.0\n"
                                          "850,-22.5,-3.0\n");
    EXPECT_EQ(far.outOfRangeWavelength, 10000);
    EXPECT_EQ(far.fiberCount(), 1) << "the records end at the wavelength no column can hold";
    EXPECT_EQ(parseText("'CX1','1.0','01/02/08'\n0,-22.0,-3.0\n").outOfRangeWavelength, 0);
    EXPECT_EQ(parseText("'CX1','1.0','01/02/08'\n9999,-22.0,-3.0\n").slots.at(0).wavelengthNm, 9999);
}
