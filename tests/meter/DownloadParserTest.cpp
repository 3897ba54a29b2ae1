#include "ParseBytes.h"

#include <gtest/gtest.h>

namespace {

QStringList rowsOf(const DownloadModel& model, int code)
{
    QStringList rows;
    for (const CustomStandardEntry& e : model.customStandards) {
        if (e.code == code)
            rows.append(QStringLiteral("%1:%2").arg(e.fiberType).arg(e.wavelength));
    }
    return rows;
}

} // namespace

TEST(DownloadParser, OnlyAMissingHeaderOrVersionFailsTheParse)
{
    EXPECT_FALSE(parseBytes(""));
    EXPECT_FALSE(parseBytes("no quotes at all\n1,2,3\n"));
    EXPECT_FALSE(parseBytes("'Co','555','PN1','none','01/02/06'\n"));
    const auto headerOnly = parseBytes("'Co','555','PN1','1.10'");
    ASSERT_TRUE(headerOnly);
    EXPECT_FALSE(headerOnly->header.calibrationDate.isValid());
    EXPECT_EQ(headerOnly->header.companyId.size(), kRecordIdLength);
    EXPECT_TRUE(headerOnly->sites.empty());
}

TEST(DownloadParser, UserLinkBudgetRowsSkipTheOtherModesWavelength)
{
    const auto model = parseBytes(version2Download("'CS15','850nm',9.5,'1300nm ',4.25\n", ""));
    ASSERT_TRUE(model);
    EXPECT_EQ(rowsOf(*model, 15),
              QStringList({"0:850nm", "1:850nm", "2:850nm", "3:850nm", "0:1300nm", "1:1300nm"}));
    ASSERT_EQ(model->userLinkBudgetId.size(), kRecordIdLength);
    for (const CustomStandardEntry& e : model->customStandards) {
        if (e.code != 15)
            continue;
        EXPECT_EQ(e.id, model->userLinkBudgetId);
        EXPECT_EQ(e.name, "User Link Budget");
        EXPECT_FLOAT_EQ(e.maxLoss, e.wavelength == "850nm" ? 9.5f : 4.25f);
    }
}

TEST(DownloadParser, CustomStandardsName1310ForSinglemodeAnd1300ForMultimode)
{
    const auto model = parseBytes(version2Download("", ""));
    ASSERT_TRUE(model);
    EXPECT_EQ(rowsOf(*model, 0), QStringList({"0:850nm", "1:850nm", "2:850nm", "3:850nm", "0:1300nm",
                                              "1:1300nm", "2:1310nm", "3:1310nm"}));
    EXPECT_EQ(rowsOf(*model, 1), QStringList({"0:1300nm", "1:1300nm", "2:1310nm", "3:1310nm"}))
        << "the empty wavelength gives no rows";
    const CustomStandardEntry& singlemode1310 = model->customStandards.at(7);
    EXPECT_FLOAT_EQ(singlemode1310.attenuation, 0.3f);
    EXPECT_FLOAT_EQ(singlemode1310.connectorLoss, 0.75f);
    EXPECT_FLOAT_EQ(singlemode1310.spliceLoss, 0.3f);
    EXPECT_EQ(singlemode1310.name, "Custom Standard 0");
    EXPECT_EQ(singlemode1310.id, model->customStandards.at(0).id);
    EXPECT_NE(model->customStandards.at(8).id, singlemode1310.id);
}

TEST(DownloadParser, LaterSitesAndReturnLossBlocksReplaceEarlierOnes)
{
    const auto model =
        parseBytes(version2Download("'CS13',3,2,'1310nm',45.0\n'CS13',3,3,'1550nm',40.0,'1310nm ',41.5\n",
                                    "3,'FIRST','01/02/06',100,2,0,20,1,2,-18.0\n"
                                    "3,'SECOND','01/03/06',200,2,0,20,1,2,-19.0\n"));
    ASSERT_TRUE(model);
    ASSERT_EQ(model->returnLossStandards.size(), 1u);
    const ReturnLossStandard& block = model->returnLossStandards.at(3);
    EXPECT_EQ(block.fiberType, 3);
    ASSERT_EQ(block.requirements.size(), 2);
    EXPECT_EQ(block.requirements.at(1).wavelength, "1310nm");
    EXPECT_FLOAT_EQ(block.requirements.at(1).requiredReturnLoss, 41.5f);
    ASSERT_EQ(model->sites.size(), 1u);
    EXPECT_EQ(model->sites.at(3).name, "SECOND");
    EXPECT_FLOAT_EQ(model->sites.at(3).fiberLengthMetres, 200.0f);
}

TEST(DownloadParser, LayoutAUnpacksFiberTypeAndStandardAndKeepsEveryReference)
{
    const auto model = parseBytes(version2Download(
        "", "1,'L','01/02/06',1250,2,1,-5,31,291,-1,-2,-3,-4,-5,-6,-7\n2,'M','01/02/06',9,1,0,0,0,45,-8\n"));
    ASSERT_TRUE(model);
    const DownloadSite& site = model->sites.at(1);
    EXPECT_EQ(site.fiberType, 2) << "0x123";
    EXPECT_EQ(site.standardNumber, 19);
    EXPECT_EQ(site.wizardFlags, 31);
    EXPECT_FLOAT_EQ(site.temperature, -5.0f);
    EXPECT_EQ(site.referencePowers, QList<std::optional<float>>({-1, -2, -3, -4, -5, -6, -7}));
    EXPECT_TRUE(site.uploadDate.isValid());
    EXPECT_EQ(model->sites.at(2).standardNumber, 13);
}

TEST(DownloadParser, AnEmptyReferenceFieldKeepsTheLaterReferencesInTheirColumns)
{
    const auto model = parseBytes(version2Download(
        "", "1,'L','01/02/06',1500.5,2,1,72.5,7,2,-18.5,,-9.25\n2,'M','01/02/06',9,1,0,0,0,2,,-8\n"));
    ASSERT_TRUE(model);
    const DownloadSite& site = model->sites.at(1);
    EXPECT_EQ(site.referencePowers, QList<std::optional<float>>({-18.5f, std::nullopt, -9.25f}));
    EXPECT_FALSE(site.referenceAt(1).has_value());
    EXPECT_FALSE(site.referenceAt(7).has_value());
    EXPECT_FLOAT_EQ(site.fiberLengthMetres, 1500.5f) << "not 15005";
    EXPECT_FLOAT_EQ(site.temperature, 72.5f) << "not 725";
    EXPECT_EQ(site.connectorPairs, 2);
    EXPECT_EQ(model->sites.at(2).referencePowers, QList<std::optional<float>>({std::nullopt, -8.0f}));
}

TEST(DownloadParser, LayoutBEndsTheSiteListAtARecordItCannotRead)
{
    const QByteArray header = "'Co','555','PN1','1.50','01/02/06'\n";
    const auto model = parseBytes(header + "1,'A','01/02/06',100,2,1,20,50,-18,-19,-9\n"
                                           "2,'B','01/02/06',100,2,1,20,50,-18\n"
                                           "3,'C','01/02/06',100,2,1,20,50,-18,-19,-9\n");
    ASSERT_TRUE(model);
    ASSERT_EQ(model->sites.size(), 1u);
    const DownloadSite& site = model->sites.at(1);
    EXPECT_EQ(site.wizardFlags, 2) << "50 = 0x32";
    EXPECT_EQ(site.fiberType, 3);
    EXPECT_EQ(site.standardNumber, 0);
}

TEST(DownloadParser, OlderGenerationsReadFourOrEightSites)
{
    QByteArray sites;
    for (int i = 1; i <= 9; ++i)
        sites += QByteArray::number(i) + ",'S','01/02/06',100,2,1,20,2,-18,-19,-9\n";
    const auto below115 = parseBytes("'Co','555','PN1','1.9','01/02/06'\n" + sites);
    ASSERT_TRUE(below115);
    EXPECT_EQ(below115->sites.size(), 4u) << "1.9 is 1.09";
    const auto from115 = parseBytes("'Co','555','PN1','1.15','01/02/06'\n" + sites);
    ASSERT_TRUE(from115);
    EXPECT_EQ(from115->sites.size(), 8u);
}

TEST(DownloadParser, EmptyFiberFieldsKeepTheLaterColumnsInPlace)
{
    const auto model = parseBytes(version2Download("", kOneSiteA + "1,0,'L','x','850nm','1300nm','1550nm'\n"
                                                                   "'F1',-20.5,,-9.5\n"
                                                                   "'F2',,-19.0,\n"));
    ASSERT_TRUE(model);
    ASSERT_EQ(model->fiberLists.size(), 1);
    const FiberList& list = model->fiberLists.at(0);
    EXPECT_EQ(list.wavelengthNames, QStringList({"850nm", "1300nm", "1550nm"}));
    ASSERT_EQ(list.fibers.size(), 2);
    const DownloadFiber& f1 = list.fibers.at(0);
    EXPECT_EQ(f1.reading(0), -20.5f);
    EXPECT_FALSE(f1.reading(1));
    EXPECT_EQ(f1.reading(2), -9.5f);
    const DownloadFiber& f2 = list.fibers.at(1);
    EXPECT_FALSE(f2.reading(0));
    EXPECT_EQ(f2.reading(1), -19.0f);
    EXPECT_FALSE(f2.reading(2));
}

TEST(DownloadParser, ALineWithoutAQuoteEndsAListAndAnEmptyListAtTheEndIsDropped)
{
    const auto model =
        parseBytes(version2Download("", kOneSiteA + "1,0,'ONE','x','850nm'\n'F1',-20\n'F2',-21\n\n"
                                                    "2,0,'TWO','x','850nm'\n'F1',-22\nnot a fiber\n"
                                                    "3,0,'THREE','x','850nm'\n"));
    ASSERT_TRUE(model);
    ASSERT_EQ(model->fiberLists.size(), 2);
    EXPECT_EQ(model->fiberLists.at(0).name, "ONE");
    EXPECT_EQ(model->fiberLists.at(0).fibers.size(), 2);
    EXPECT_EQ(model->fiberLists.at(1).name, "TWO");
    EXPECT_EQ(model->fiberLists.at(1).fibers.size(), 1);
}

TEST(DownloadParser, OlderListsHaveThreeWavelengthsAndThreeReadings)
{
    const auto model = parseBytes("'Co','555','PN1','1.10','01/02/06'\n"
                                  "1,'S','01/02/06',100,2,1,20,2,-18,-19,-9\n\n"
                                  "4,1,'OLD','x','850nm','1300nm','1550nm'\n"
                                  "'A',-1,,-3\n"
                                  "'B',-4,-5,-6\n");
    ASSERT_TRUE(model);
    ASSERT_EQ(model->fiberLists.size(), 1);
    const FiberList& list = model->fiberLists.at(0);
    EXPECT_EQ(list.siteNumber, 4);
    EXPECT_EQ(list.fiberType, 1);
    EXPECT_EQ(list.wavelengthNames.size(), 3);
    ASSERT_EQ(list.fibers.size(), 2);
    EXPECT_EQ(list.fibers.at(0).readingCount(), 2);
    EXPECT_EQ(list.fibers.at(1).reading(2), -6.0f);
}
