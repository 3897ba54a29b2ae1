#include "DocumentFixture.h"

#include "app/JobProgress.h"

#include <gtest/gtest.h>

namespace {

class DocumentDownloadTest : public DocumentTest
{
protected:
    void meterOnPort(int port, const QByteArray& data)
    {
        ScriptedMeter meter;
        meter.answer = {LineEvent::data("PN2031")};
        meter.download = {LineEvent::data(data)};
        ports_.meters[port] = meter;
    }

    SilentProgress progress_;
};

} // namespace

TEST_F(DocumentDownloadTest, TheWholeRoadFromTheMeterToAWorkingDatabase)
{
    meterOnPort(3, fileBytes(sample("pendra-v2_10.kav")));
    ASSERT_TRUE(download(progress_));
    EXPECT_EQ(status_.texts.first(), "Initiating download");
    EXPECT_TRUE(status_.texts.contains("Searching for KAV device"));
    EXPECT_EQ(status_.texts.last(), "Download successful");
    EXPECT_TRUE(document_->isModified());
    EXPECT_EQ(document_->database()->countRows("Fiber"), 19);
    EXPECT_EQ(document_->meterLink().port(), 3);
    // Only the working database is left: the data file went once stored.
    EXPECT_EQ(temporaryFiles(), QStringList{QFileInfo(document_->workingPath()).fileName()});
}

TEST_F(DocumentDownloadTest, ADownloadWithNothingToStoreLeavesTheDocumentAsItWas)
{
    ASSERT_TRUE(document_->loadFile(sample("lintel-v2_5.kav")));
    const QString working = document_->workingPath();
    meterOnPort(2, "'Company','555','PN2031','2.10','01/02/07'\r\n");
    EXPECT_FALSE(download(progress_));
    EXPECT_TRUE(status_.texts.last().startsWith(
        "No test data found in the download The downloaded data are kept in "))
        << status_.texts.last().toStdString();
    EXPECT_FALSE(status_.texts.contains("Download successful"));
    EXPECT_FALSE(document_->isModified());
    EXPECT_EQ(document_->workingPath(), working);
    EXPECT_EQ(document_->database()->countRows("Fiber"), 7);
}

TEST_F(DocumentDownloadTest, NoMeterMeansNoData)
{
    prompt_.addAnswer(PromptAnswer::Cancel);
    EXPECT_FALSE(download(progress_));
    EXPECT_EQ(status_.texts.last(), "Could not get data from device");
    EXPECT_EQ(prompt_.exchanges().size(), 1);
    EXPECT_EQ(prompt_.exchanges()[0].kind, "retrycancel");
    EXPECT_FALSE(document_->hasDatabase());
    EXPECT_FALSE(document_->isModified());
}
