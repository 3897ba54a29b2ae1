#pragma once

#include "document/LinkData.h"

#include <QList>

#include <optional>

// Supplies the link data of a Corvina download: the window runs the Link
// Wizard, the command line answers from its options, tests script it.
class LinkDataSource
{
public:
    virtual ~LinkDataSource() = default;
    // Asked between reading a Corvina download and storing it. `companies`: the
    // organisations of the open document (each distinct name once, in name
    // order, with its first row's values), empty without one. nullopt: cancelled.
    // May be called from a worker thread: the window's implementation marshals.
    virtual std::optional<LinkData> askLinkData(const CorvinaMeterInfo& meter,
                                                const QList<CompanyChoice>& companies) = 0;
};
