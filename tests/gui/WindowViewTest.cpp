#include "WindowFixture.h"

#include "gui/CommandIds.h"
#include "gui/ViewControlIds.h"

#include <gtest/gtest.h>

#include <QGroupBox>

using namespace CommandIds;
using namespace ViewControlIds;

TEST_F(WindowTest, TheWindowOpensEmptyInSummaryAndSaysSo)
{
    EXPECT_TRUE(view().showsNoData());
    EXPECT_FALSE(view().showsDetails());
    EXPECT_TRUE(control<QLabel>(kNoData)->isVisible());
    EXPECT_EQ(record(), "Record 0 of 0");
    for (int id : {First, Previous, Previous10, Next, Next10, Last, EditDelete, Print})
        EXPECT_FALSE(frame_->command(id)->isEnabled()) << id;
    EXPECT_EQ(frame_->windowTitle(), "FibLog[*] - Fibrolog");
    trigger(ViewDetails);
    EXPECT_TRUE(view().showsNoData());
}

TEST_F(WindowTest, PagingThroughTheSampleKeepsThePositionInTheStatusBar)
{
    ASSERT_TRUE(document().loadFile(sample("pendra-v2_10.kav")));
    EXPECT_FALSE(view().showsNoData());
    EXPECT_EQ(record(), "Record 1 of 19");
    EXPECT_FALSE(frame_->command(First)->isEnabled());
    EXPECT_TRUE(frame_->command(Next)->isEnabled());
    trigger(Next10);
    EXPECT_EQ(record(), "Record 11 of 19");
    trigger(Last);
    EXPECT_EQ(record(), "Record 19 of 19");
    EXPECT_FALSE(frame_->command(Next)->isEnabled());
    trigger(Next);
    EXPECT_EQ(record(), "Record 19 of 19") << "on the last circuit, Next leaves the position";
    trigger(Previous);
    EXPECT_EQ(record(), "Record 18 of 19");
    trigger(First);
    EXPECT_EQ(record(), "Record 1 of 19");
    screenshot(*frame_, "window-summary");

    trigger(CableMargin);
    EXPECT_EQ(control<QGroupBox>(kSummaryGroup)->title(), "Circuit Results Summary - System Overhead");
    EXPECT_TRUE(text(summaryCell(0, 0)).endsWith("dB")) << text(summaryCell(0, 0)).toStdString();
    trigger(OpticalLoss);
    EXPECT_EQ(control<QGroupBox>(kSummaryGroup)->title(), "Circuit Results Summary - Optical Loss");
    trigger(PassFail);

    trigger(ViewDetails);
    EXPECT_TRUE(view().showsDetails());
    EXPECT_FALSE(frame_->command(PassFail)->isEnabled());
    EXPECT_FALSE(frame_->command(ViewDetailsToggle)->isVisible());
    EXPECT_TRUE(frame_->command(ViewSummaryToggle)->isVisible());
    EXPECT_EQ(text(kLinkId), "ADMIN MDF-IDF1");
    EXPECT_EQ(text(kCircuitId), "01");
    EXPECT_EQ(text(kLength), "0.32");
    trigger(Feet);
    EXPECT_EQ(text(kLengthCaption), "Fiber Length (in feet)");
    EXPECT_EQ(text(kLength), "1,066");
    trigger(Meters);
    screenshot(*frame_, "window-details");
}

TEST_F(WindowTest, FileOpenStoresAMetersDataFileAsADownload)
{
    filesToOpen_ << sample("lintel-v2_5.kav");
    trigger(FileOpen);
    EXPECT_EQ(document().circuits().count(), 7);
    EXPECT_TRUE(document().isModified());
    EXPECT_EQ(record(), "Record 1 of 7");
}
