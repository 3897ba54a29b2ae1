#pragma once

#include "meter/CustomStandardEntry.h"
#include "meter/DownloadHeader.h"
#include "meter/DownloadSite.h"
#include "meter/FiberList.h"
#include "meter/ReturnLossStandard.h"

#include <QList>

#include <map>

// A parsed download: what the meter sent, before it is stored in a database.
// Sites and return-loss blocks are keyed by site number; a later record for
// the same site replaces the earlier one.
struct DownloadModel
{
    DownloadHeader header;
    RecordId userLinkBudgetId; // empty when the download has no user link budget
    QList<CustomStandardEntry> customStandards;
    std::map<int, ReturnLossStandard> returnLossStandards;
    std::map<int, DownloadSite> sites;
    QList<FiberList> fiberLists; // in file order
};
