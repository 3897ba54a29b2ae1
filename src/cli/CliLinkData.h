#pragma once

#include "cli/CommandLine.h"
#include "document/LinkDataSource.h"

#include <QStringList>

// The link data of a Corvina download as the command line gives them:
// --standard N [--custom-id ID] --fiber-type T (--length-km X | --length-ft X)
// --connectors N --splices N --link-name NAME --company NAME [--telephone TEXT]
QStringList linkOptionNames();
bool hasLinkOptions(const CommandLine& line);
// Throws UsageError for a missing or invalid option, and for a standard (or
// a fiber type of it) that the catalogue of `targetDatabase` (built-in, the
// shared standards file and, when it is a readable test database, its own
// custom standards) does not hold.
LinkData linkDataFromOptions(const CommandLine& line, const QString& targetDatabase);

// Answers the document with the command line's link data. The organisation
// is the first row of that name (in name order) in the target database when
// it holds one, so that saving into it keeps one organisation; otherwise a
// new one.
class CliLinkDataSource : public LinkDataSource
{
public:
    CliLinkDataSource(const LinkData& link, const QString& targetDatabase)
        : link_(link), target_(targetDatabase)
    {
    }

    std::optional<LinkData> askLinkData(const CorvinaMeterInfo& meter,
                                        const QList<CompanyChoice>& companies) override;

private:
    LinkData link_;
    QString target_;
};
